#include "shell/ui/save_document_ui.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"

namespace {

// What the user is told when the file could not be written: the format's message for a bad
// name, otherwise the system's reason ("No space left on device", "Permission denied").
void reportWriteFailure(const DocumentSave& save, const SafeWriteFailure& failure) {
    dialogs::message(failure.badName || failure.why.isEmpty()
                         ? State().FundFileName + save.failureText
                         : failure.why,
                     QStringLiteral("Saving Error"));
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
        const QString previousName = s.FundFileName;
        if (const std::optional<QString> path = ChooseFile(save.choice)) {
            dialogs::WaitCursor wait;
            SafeWriteFailure failure;
            if (save.write(*path, &failure)) {
                s.FundFileName = QFileInfo(*path).fileName();
                // Only a file really written counts as saved.
                save.saved();
            } else {
                reportWriteFailure(save, failure);
                // The document in memory is still the file it was.
                s.FundFileName = previousName;
            }
        }
    }
    Windows().show(save.window);
}
