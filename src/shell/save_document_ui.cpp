#include "shell/save_document_ui.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"
#include "shell/file_dialog_window.h"

namespace {

// What the user is told when the file could not be written.
void reportWriteFailure(const DocumentSave& save, const QString& /*why*/) {
    dialogs::message(State().FundFileName + save.failureText, QStringLiteral("Saving Error"));
}

}  // namespace

void SaveDocumentAs(const DocumentSave& save) {
    AppState& s = State();
    Windows().show(QStringLiteral("bakgnd"));
    Windows().hide(save.window);
    if (!save.hasContent()) {
        dialogs::message(QStringLiteral("No Records to Save"), QStringLiteral("Help"));
        if (save.nothingToSave) save.nothingToSave();
    } else {
        s.CallMode = save.chooserMode;
        ChooseFile();
        if (s.CallMode != 6) {
            dialogs::WaitCursor wait;
            QString why;
            if (save.write(s.ChosenPath, &why)) {
                s.FundFileName = QFileInfo(s.ChosenPath).fileName();
                // Only a file really written counts as saved.
                save.saved();
            } else {
                reportWriteFailure(save, why);
            }
        }
    }
    s.CallMode = 0;
    s.ChosenPath.clear();
    Windows().show(save.window);
}
