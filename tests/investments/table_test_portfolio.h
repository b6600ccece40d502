// Small portfolios for the current value, sorting and display tests, built as the record window
// stores them.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <ostream>

#include "investments/portfolio.h"
#include "shell/app_state.h"

// Readable failures: texts print as text, lists line by line.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{\n";
    for (const QString& s : l) *os << "  \"" << s.toStdString() << "\"\n";
    *os << "}";
}

namespace testportfolio {

// Empty tables, "$" as the currency symbol.
inline void Fresh() {
    ResetTables();
    State().RecordCount = 0;
    State().FundCount() = 0;
    State().CurrencySymbol = QStringLiteral("$");
}

// A new fund slot; returns its number.
inline int AddFund(const QString& name) {
    AppState& s = State();
    const int k = ++s.FundCount();
    s.FundNames[static_cast<size_t>(k)] = {name, QLatin1Char(' ') + QString::number(k)};
    return k;
}

// A record with its book value and signs as the record window stores them.
inline int AddRecord(int fund, const QString& code, double price, double shares, double fee,
                     double cashDiv, const QDate& date) {
    AppState& s = State();
    const int r = ++s.RecordCount;
    FundRecord& rec = s.Records[static_cast<size_t>(r)];
    rec.FundNo = Money::fromInt(fund);
    rec.TypeCode = code;
    rec.TradeDate = date;
    rec.Price = Money::fromDouble(price);
    rec.Shares = Money::fromDouble(shares);
    rec.Fee = Money::fromDouble(fee);
    rec.CashDiv = Money::fromDouble(cashDiv);
    if (code == u"S") rec.Shares = -rec.Shares;
    if (code == u"C") rec.BookValue = -rec.CashDiv;
    if (code == u"F") rec.BookValue = rec.Fee;
    if (code == u"U") rec.Shares = -rec.Shares;
    if (code == u"B" || code == u"S") rec.BookValue = rec.Price * rec.Shares + rec.Fee;
    return r;
}

inline Money M(double v) {
    return Money::fromDouble(v);
}

}  // namespace testportfolio
