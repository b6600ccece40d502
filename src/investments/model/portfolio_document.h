// The investment manager's document: the portfolio in memory and what its windows share about it.
#pragma once

#include <QString>
#include <QStringList>

#include "investments/model/portfolio.h"
#include "investments/model/record_flow.h"

// The portfolio with its file name ("" before one is opened or saved), whether it holds changes
// not saved, where the record window stands, the fund totals (typed prices and the figures worked
// out from them: the current value, the record view's row 31) and the table window's printable
// pages (a four-entry list; entry 1 and 2 are the report's pages or the one-fund summary).
struct PortfolioDocument {
    Portfolio portfolio = EmptyPortfolio();
    QString fileName;
    bool changed = false;
    BrowseCursor cursor;
    FundTotalsTable totals = freshTotals();
    QStringList reportPages = QStringList(4);

    static FundTotalsTable freshTotals() {
        FundTotalsTable t;
        ResetFundTotals(t);
        return t;
    }
};
