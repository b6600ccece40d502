// The small test portfolios put in the fund menu's document, for the window tests.
#pragma once

#include "investments/model/portfolio_document.h"
#include "investments/model/record_entry.h"
#include "investments/table_test_portfolio.h"
#include "investments/ui/fund_menu_window.h"
#include "shell/ui/app_state.h"

namespace testportfolio {

// The fund menu's portfolio (the menu made, hidden, when it does not exist yet).
inline PortfolioDocument& Doc() {
    return FundMenuDocument();
}

// A new document in the fund menu (no file, empty tables) and "$" as the currency symbol; then
// funds and records as the record window stores them.
inline void Fresh() {
    Doc() = PortfolioDocument();
    State().ReportText = QStringList(4);
    State().settings.currencySymbol = QStringLiteral("$");
}
inline int AddFund(const QString& name) {
    return AddFund(Doc().portfolio, name);
}
inline int AddRecord(int fund, const QString& code, double price, double shares, double fee,
                     double cashDiv, const QDate& date) {
    return AddRecord(Doc().portfolio, fund, code, price, shares, fee, cashDiv, date);
}

// One purchase in one fund of the fund menu's document, as the record window leaves it: changed,
// unsaved.
inline void TypedPortfolio() {
    PortfolioDocument& doc = Doc();
    doc.portfolio.fundCount = 1;
    doc.portfolio.funds[1] = {QStringLiteral("Alpha"), QStringLiteral(" 1")};
    doc.portfolio.records[1] =
        MakeRecord(1, QStringLiteral("B"), QDate(1996, 3, 15),
                   {Money::fromInt(10), Money::fromInt(100), Money::fromInt(50), {}});
    doc.portfolio.recordCount = 1;
    doc.changed = true;
}

}  // namespace testportfolio
