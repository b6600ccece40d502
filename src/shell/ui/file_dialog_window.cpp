#include "shell/ui/file_dialog_window.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/window_places.h"
#include "shell/ui/app_state.h"

std::optional<QString> ChooseFile(FileChoice what) {
    AppState& s = State();
    const bool portfolio = what == FileChoice::OpenPortfolio || what == FileChoice::SavePortfolio;
    dialogs::FileRequest request;
    request.save = what == FileChoice::SavePortfolio || what == FileChoice::SaveStatement;
    request.filter = QString::fromLatin1(portfolio ? kInvestmentFilter : kNetWorthFilter);
    request.proposedName = s.FundFileName;
    request.windowName = QString::fromLatin1(kFileDialogName);
    // The folder of the file last chosen; in a new run, the folder a file of this kind was
    // last chosen in.
    const QString kind = portfolio ? QStringLiteral("wms") : QStringLiteral("wmw");
    request.folder = s.FileFolder.isEmpty() ? window_places::lastFolder(kind) : s.FileFolder;
    std::optional<QString> path = dialogs::chooseFile(request);
    if (!path || path->isEmpty()) return std::nullopt;
    const QFileInfo found(*path);
    s.FileFolder = found.absolutePath();
    window_places::setLastFolder(kind, s.FileFolder);
    s.FundFileName = found.exists() && found.isFile() ? found.fileName() : QString();
    return path;
}
