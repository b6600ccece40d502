// The small test portfolios put in the program's shared state, for the window tests.
#pragma once

#include "investments/table_test_portfolio.h"
#include "investments/ui/portfolio_state.h"

namespace testportfolio {

// The same in State(): empty tables and "$" as the currency symbol, then funds and records.
inline void Fresh() {
    AppState& s = State();
    ResetTables(s);
    s.RecordCount = 0;
    s.FundCount() = 0;
    s.settings.currencySymbol = QStringLiteral("$");
}
inline int AddFund(const QString& name) {
    HeldPortfolio held(State());
    return AddFund(held.value, name);
}
inline int AddRecord(int fund, const QString& code, double price, double shares, double fee,
                     double cashDiv, const QDate& date) {
    HeldPortfolio held(State());
    return AddRecord(held.value, fund, code, price, shares, fee, cashDiv, date);
}

}  // namespace testportfolio
