// Small portfolios built as the record window stores them, as values (the window tests put them
// in the fund menu's document with table_test_ui_state.h).
#pragma once

#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

#include "investments/model/portfolio.h"
#include "support/qt_printers.h"

namespace testportfolio {

inline Money M(double v) {
    return Money::fromDouble(v);
}

// A new fund slot; returns its number.
inline int AddFund(Portfolio& p, const QString& name) {
    const int k = ++p.fundCount;
    p.funds[static_cast<size_t>(k)] = {name, QLatin1Char(' ') + QString::number(k)};
    return k;
}

// A record with its book value and signs as the record window stores them.
inline int AddRecord(Portfolio& p, int fund, const QString& code, double price, double shares,
                     double fee, double cashDiv, const QDate& date) {
    const int r = ++p.recordCount;
    FundRecord& rec = p.records[static_cast<size_t>(r)];
    rec.FundNo = Money::fromInt(fund);
    rec.TypeCode = code;
    rec.TradeDate = date;
    rec.Price = M(price);
    rec.Shares = M(shares);
    rec.Fee = M(fee);
    rec.CashDiv = M(cashDiv);
    if (code == u"S" || code == u"U") rec.Shares = -rec.Shares;
    if (code == u"C") rec.BookValue = -rec.CashDiv;
    if (code == u"F") rec.BookValue = rec.Fee;
    if (code == u"B" || code == u"S") rec.BookValue = rec.Price * rec.Shares + rec.Fee;
    return r;
}

// A fixture holding a portfolio (empty tables at first), its totals in the nine-column form and
// "$" as the currency symbol.
class PortfolioTest : public ::testing::Test {
  protected:
    Portfolio p = EmptyPortfolio();
    FundTotalsTable totals = nineColumns();
    const QString cur = QStringLiteral("$");

    static FundTotalsTable nineColumns() {
        FundTotalsTable t;
        ResetFundTotals(t, 9);
        return t;
    }

    int AddFund(const QString& name) { return testportfolio::AddFund(p, name); }
    int AddRecord(int fund, const QString& code, double price, double shares, double fee,
                  double cashDiv, const QDate& date) {
        return testportfolio::AddRecord(p, fund, code, price, shares, fee, cashDiv, date);
    }
};

}  // namespace testportfolio
