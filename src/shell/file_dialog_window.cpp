#include "shell/file_dialog_window.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"

namespace {
const QString kName = QStringLiteral("FileDir");
}

FileDir::FileDir(QWidget* parent) : QWidget(parent) {
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Directories - Folders"));
}

void FileDir::ChooseFile() {
    AppState& s = State();
    const int mode = s.CallMode;
    bool chosen = false;
    if (mode >= 1 && mode <= 4) {
        dialogs::FileRequest request;
        request.save = mode == 2 || mode == 4;
        request.filter = QString::fromLatin1(mode <= 2 ? kInvestmentFilter : kNetWorthFilter);
        request.proposedName = s.FundFileName;
        // The folder of the file last chosen; in a new run, the folder a file of this kind was
        // last chosen in.
        const QString kind = mode <= 2 ? QStringLiteral("wms") : QStringLiteral("wmw");
        request.folder = s.FileFolder.isEmpty() ? window_places::lastFolder(kind) : s.FileFolder;
        if (const auto path = dialogs::chooseFile(request); path && !path->isEmpty()) {
            s.ChosenPath = *path;
            const QFileInfo found(*path);
            s.FileFolder = found.absolutePath();
            window_places::setLastFolder(kind, s.FileFolder);
            s.FundFileName = found.exists() && found.isFile() ? found.fileName() : QString();
            chosen = true;
        }
    }
    if (!chosen) {
        s.CallMode = 6;
        s.ChosenPath.clear();
    }
    Windows().unload(kName);
}

void ChooseFile() {
    if (!Windows().defined(kName)) Windows().define(kName, [] { return new FileDir; });
    Windows().get<FileDir>(kName)->ChooseFile();
}
