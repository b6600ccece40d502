#include "platform/window_registry.h"
#include "shell/main_menu_window.h"
#include "shell/settings_window.h"
#include "shell/window_catalog.h"

void DefineShellWindows() {
    WindowRegistry& w = Windows();
    w.define(QStringLiteral("MenuMain"), [] { return new MenuMain; });
    w.define(QStringLiteral("bakgnd"), [] { return new Bakgnd; });
    w.define(QStringLiteral("SymbolFonts"), [] { return new SymbolFonts; });
    // Tool windows open where the menu stands.
    w.setHome(QStringLiteral("MenuMain"));
}

void DefineWindows() {
    DefineShellWindows();
    DefinePlanningWindows();
    DefineInvestmentWindows();
    DefineChartWindow();
    DefineNetWorthWindows();
}
