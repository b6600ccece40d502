// Vantora 95: the program's entry point.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QTextStream>

#include "common/safe_read.h"
#include "platform/window_registry.h"
#include "shell/model/program_folder.h"
#include "shell/ui/file_open_ui.h"
#include "shell/ui/help_key_ui.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/single_instance_ui.h"
#include "shell/ui/window_catalog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantora95"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantora95.png")));
    QApplication::setDesktopFileName(QStringLiteral("vantora95"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    if (argc > 1 && QByteArray(argv[1]) == "--folders") {
        // Where this copy keeps its files and finds its help (the sample files are copied on
        // the first start, this one too).
        EnterProgramFolder();
        QTextStream(stdout) << "Program folder: " << ProgramFolder()
                            << "\nSettings file: " << QFileInfo(SettingsFile()).absoluteFilePath()
                            << "\nPrintout folder: " << PrintoutFolder()
                            << "\nHelp folder: " << HelpFolder() << "\n";
        return 0;
    }
    // A file opened from the desktop: the first argument (Qt has taken its own options out).
    // Its path is relative to where the program was started, not to its own folder.
    const QString startFolder = QDir::currentPath();
    // A name that is not UTF-8 (an 8-bit language's) is reached by its bytes as given.
    const QString file = argc > 1 && argv[1][0] != '-' ? LocalFileName(argv[1]) : QString();
    // One program per desktop: while one runs, it gets the file (or only comes to the front).
    const QString display =
        qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    const QString instance = InstanceName(ProgramFolder(), display);
    const QString absolute = file.isEmpty() ? QString() : QDir(startFolder).absoluteFilePath(file);
    if (!ListenForLaterStarts(instance, &app, OpenHandedOverFile)) {
        if (HandToRunningProgram(instance, absolute)) return 0;
    }
    DefineWindows();
    InstallHelpKey();
    // Started with a file, the menu is not shown first (shown and hidden again before the window
    // manager has taken it on, it could stay away): the file's tool opens in its place, and the
    // menu comes up instead when no tool opens such a file.
    StartProgram(file.isEmpty());
    if (!file.isEmpty() && !OpenFileInItsTool(file, startFolder))
        Windows().show(QStringLiteral("MenuMain"));
    return QApplication::exec();
}
