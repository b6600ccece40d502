#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_chooser_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/record_entry_window.h"
#include "investments/ui/returns_window.h"
#include "investments/ui/table_window.h"
#include "platform/window_registry.h"
#include "shell/ui/file_open_ui.h"
#include "shell/ui/window_catalog.h"

void DefineInvestmentWindows() {
    WindowRegistry& w = Windows();
    w.define(QStringLiteral("FundMenu"), [] { return new FundMenu; });
    w.define(QStringLiteral("RecordEntry"), [] { return new RecordEntry; });
    w.define(QStringLiteral("CurrValue"), [] { return new CurrValue; });
    w.define(QStringLiteral("Table1"), [] { return new Table1; });
    w.define(QStringLiteral("FunChose"), [] { return new FunChose; });
    w.define(QStringLiteral("Returns"), [] { return new Returns; });
    DefineFileOpener(QStringLiteral("wms"), QStringLiteral("FundMenu"), LoadPortfolioFrom);
}
