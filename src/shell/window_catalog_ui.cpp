#include "platform/window_registry.h"
#include "shell/input_value_window.h"
#include "shell/main_menu_window.h"
#include "shell/name_input_window.h"
#include "shell/settings_window.h"
#include "shell/window_catalog.h"

void DefineShellWindows() {
    WindowRegistry& w = Windows();
    w.define(QStringLiteral("MenuMain"), [] { return new MenuMain; });
    w.define(QStringLiteral("bakgnd"), [] { return new Bakgnd; });
    w.define(QStringLiteral("SymbolFonts"), [] { return new SymbolFonts; });
    // The one-line input windows serve the investment manager, the net worth statement and
    // the printouts.
    w.define(QStringLiteral("NamInput"), [] { return new NamInput; });
    w.define(QStringLiteral("InCurVal"), [] { return new InCurVal; });
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
