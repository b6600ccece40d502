#include <QLabel>

#include "investments/model/portfolio.h"
#include "investments/model/portfolio_sort.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/portfolio_state.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"

namespace {

bool haveRecords() {
    const AppState& s = State();
    if (s.Records.size() > 1 && !s.Records[1].TypeCode.isEmpty()) return true;
    dialogs::message(QStringLiteral("No Records in Memory"), QStringLiteral("Help"));
    return false;
}

}  // namespace

void CompValueCommand() {
    if (!haveRecords()) return;
    if (CheckEmptyFunds()) return;
    Windows().hide(QStringLiteral("FundMenu"));
    Windows().unload(QStringLiteral("CurrValue"));
    Windows().show(QStringLiteral("CurrValue"));
}

void SortRecordsCommand() {
    AppState& s = State();
    s.FileChanged = 1;
    ResetFundTotals(s.FundTotals, 7);
    if (Windows().exists(QStringLiteral("FundMenu"))) {
        if (auto* menu = Windows().get<FundMenu>(QStringLiteral("FundMenu")))
            menu->InfoBox()->setText(QStringLiteral(" Sorting Funds and Records. "));
    }
    {
        dialogs::WaitCursor wait;
        HeldPortfolio held(s);
        SortFunds(held.value);
    }
    SortRecords();
}

void DisplayDataCommand() {
    if (!haveRecords()) return;
    State().CurrentFund = 0;
    Windows().unload(QStringLiteral("FunChose"));
    Windows().showModal(QStringLiteral("FunChose"));
    if (State().CurrentFund == 0) return;
    Windows().hide(QStringLiteral("FundMenu"));
    Windows().unload(QStringLiteral("Table1"));
    Windows().getIn<Table1>(QStringLiteral("Table1"), TableView::Records);
    if (!DisplayRecords()) {
        Windows().unload(QStringLiteral("Table1"));
        Windows().show(QStringLiteral("FundMenu"));
        return;
    }
    Windows().show(QStringLiteral("Table1"));
}
