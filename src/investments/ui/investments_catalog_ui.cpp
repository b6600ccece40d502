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
    // The windows that work on the portfolio open on the fund menu's, when made by name.
    w.define(QStringLiteral("RecordEntry"), [] { return new RecordEntry(FundMenuDocument()); });
    w.define(QStringLiteral("CurrValue"), [] { return new CurrValue(FundMenuDocument()); });
    w.define(QStringLiteral("Table1"),
             [] { return new Table1(TableView::Records, FundMenuDocument()); });
    w.define(QStringLiteral("FunChose"), [] { return new FunChose(FundMenuDocument()); });
    w.define(QStringLiteral("Returns"), [] { return new Returns(FundMenuDocument()); });
    DefineFileOpener(QStringLiteral("wms"), QStringLiteral("FundMenu"), LoadPortfolioFrom);
}
