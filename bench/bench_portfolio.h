// The benchmarks' full portfolio: 30 funds named out of order and 1000 records in no date order,
// every fund priced (the largest the investment manager holds).
#pragma once

#include <QRandomGenerator>

#include "investments/model/current_value.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/ui/fund_menu_window.h"
#include "shell/ui/app_state.h"

// Fills `doc` (made fresh) with it.
inline void FillFullPortfolio(PortfolioDocument& doc) {
    doc = PortfolioDocument();
    Portfolio& s = doc.portfolio;
    for (int k = 1; k <= kMaxFunds; ++k)
        s.funds[k] = {QStringLiteral("Fund %1 Income").arg((k * 17) % 31),
                      QStringLiteral(" %1").arg(k)};
    s.fundCount = kMaxFunds;
    QRandomGenerator rng(42);
    const char* codes[] = {"B", "B", "S", "C", "D", "U"};
    for (int r = 1; r <= kMaxRecords; ++r) {
        FundRecord& rec = s.records[r];
        rec.FundNo = Money::fromInt(1 + rng.bounded(kMaxFunds));
        rec.TypeCode = QString::fromLatin1(codes[r % 6]);
        rec.TradeDate = QDate(1985, 1, 1).addDays(rng.bounded(9000));
        rec.Price = Money::fromDouble(5 + rng.bounded(5000) / 100.0);
        rec.Shares = Money::fromInt(1 + rng.bounded(300));
        if (rec.TypeCode == u"S" || rec.TypeCode == u"U") rec.Shares = -rec.Shares;
        if (rec.TypeCode == u"C") {
            rec.CashDiv = Money::fromInt(40);
            rec.BookValue = -rec.CashDiv;
            rec.Price = rec.Shares = Money();
        } else if (rec.TypeCode == u"B" || rec.TypeCode == u"S") {
            rec.Fee = Money::fromInt(25);
            rec.BookValue = rec.Price * rec.Shares + rec.Fee;
        }
    }
    s.recordCount = kMaxRecords;
    PrepareFundTotals(doc.totals);
    for (int k = 1; k <= kMaxFunds; ++k) doc.totals(k, 2) = Money::fromDouble(20);
}

// The program's state made fresh ("$" as the currency symbol) and the portfolio in the fund
// menu's document (the windows must be defined).
inline PortfolioDocument& FillFullPortfolio() {
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    PortfolioDocument& doc = FundMenuDocument();
    FillFullPortfolio(doc);
    return doc;
}
