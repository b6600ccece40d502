#include "shell/ui/file_open_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <map>

#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/ui/main_menu_window.h"

namespace {

struct Opener {
    QString tool;
    std::function<void(const QString&)> open;
};

std::map<QString, Opener>& openers() {
    static std::map<QString, Opener> table;
    return table;
}

// Some openers hide the tool while they read and show it again (the fund menu goes behind the
// backdrop). A window shown for the first time and hidden again before the window manager has
// taken it on can stay off the screen for good: the opener runs once the tool is on the screen.
void waitUntilOnScreen(QWidget* window) {
    QWindow* handle = window && window->isVisible() ? window->windowHandle() : nullptr;
    QElapsedTimer waited;
    waited.start();
    while (handle && !handle->isExposed() && waited.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(5);
    }
}

}  // namespace

void DefineFileOpener(const QString& extension, const QString& tool,
                      std::function<void(const QString& path)> open) {
    openers()[extension.toLower()] = {tool, std::move(open)};
}

bool OpenFileInItsTool(const QString& path, const QString& startFolder) {
    const QString absolute = QDir(startFolder).absoluteFilePath(path);
    const auto it = openers().find(QFileInfo(absolute).suffix().toLower());
    if (it == openers().end()) {
        dialogs::message(QDir::toNativeSeparators(absolute) +
                             QStringLiteral("\r\nThis is not a file the program can open."),
                         QStringLiteral("Open"), dialogs::Buttons::Ok, dialogs::Icon::Exclamation);
        return false;
    }
    if (auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain")))
        menu->OpenTool(it->second.tool);
    waitUntilOnScreen(Windows().get(it->second.tool));
    it->second.open(absolute);
    return true;
}

QString ToolForFile(const QString& path) {
    const auto it = openers().find(QFileInfo(path).suffix().toLower());
    return it == openers().end() ? QString() : it->second.tool;
}
