#include <QLabel>

#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/portfolio_sort.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_chooser_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"

namespace {

bool haveRecords(const PortfolioDocument& doc) {
    const std::vector<FundRecord>& records = doc.portfolio.records;
    if (records.size() > 1 && !records[1].TypeCode.isEmpty()) return true;
    dialogs::message(QStringLiteral("No Records in Memory"), QStringLiteral("Help"));
    return false;
}

}  // namespace

void CompValueCommand(PortfolioDocument& doc) {
    if (!haveRecords(doc)) return;
    if (CheckEmptyFunds(doc)) return;
    Windows().hide(QStringLiteral("FundMenu"));
    Windows().unload(QStringLiteral("CurrValue"));
    Windows().add(QStringLiteral("CurrValue"), new CurrValue(doc));
    Windows().show(QStringLiteral("CurrValue"));
}

void SortRecordsCommand(PortfolioDocument& doc) {
    doc.changed = true;
    ResetFundTotals(doc.totals, 7);
    if (Windows().exists(QStringLiteral("FundMenu"))) {
        if (auto* menu = Windows().get<FundMenu>(QStringLiteral("FundMenu")))
            menu->InfoBox()->setText(QStringLiteral(" Sorting Funds and Records. "));
    }
    {
        dialogs::WaitCursor wait;
        SortFunds(doc.portfolio);
    }
    SortRecords(doc);
}

void DisplayDataCommand(PortfolioDocument& doc) {
    if (!haveRecords(doc)) return;
    doc.cursor.currentFund = 0;
    Windows().unload(QStringLiteral("FunChose"));
    Windows().add(QStringLiteral("FunChose"), new FunChose(doc));
    Windows().showModal(QStringLiteral("FunChose"));
    if (doc.cursor.currentFund == 0) return;
    Windows().hide(QStringLiteral("FundMenu"));
    OpenTable(doc, TableView::Records);
    if (!DisplayRecords()) {
        Windows().unload(QStringLiteral("Table1"));
        Windows().show(QStringLiteral("FundMenu"));
        return;
    }
    Windows().show(QStringLiteral("Table1"));
}
