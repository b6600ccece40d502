#include <QHash>

#include "platform/window_registry.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/name_input_window.h"
#include "shell/ui/settings_window.h"
#include "shell/ui/window_catalog.h"

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

namespace {

QHash<QString, std::function<void()>>& menuOpenings() {
    static QHash<QString, std::function<void()>> openings;
    return openings;
}

}  // namespace

void DefineMenuOpening(const QString& button, std::function<void()> open) {
    menuOpenings().insert(button, std::move(open));
}

bool OpenFromMenu(const QString& button) {
    const auto open = menuOpenings().value(button);
    if (!open) return false;
    open();
    return true;
}
