// Vantora 95: the program's entry point.
#include <QApplication>
#include <QFont>
#include <QIcon>

#include "shell/help_key_ui.h"
#include "shell/main_menu_window.h"
#include "shell/window_catalog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantora95"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantora95.png")));
    QApplication::setDesktopFileName(QStringLiteral("vantora95"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    DefineWindows();
    InstallHelpKey();
    StartProgram();
    return QApplication::exec();
}
