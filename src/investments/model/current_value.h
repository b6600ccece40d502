// Current value of the portfolio: fund totals at the typed prices, the value table and its report.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/money.h"
#include "investments/model/portfolio.h"

// The first named fund slot that has no record (CheckEmptyFunds); 0 when every
// named fund has one.
int FirstFundWithoutRecords(const Portfolio& p);

// Readies the totals for the price grid: their nine-column form (0..8), the typed
// prices in column 2 kept, columns 0, 1, 3, 4, 5 and 6 of rows 1..31 cleared.
void PrepareFundTotals(FundTotalsTable& totals);
// Clears columns 0, 1, 3, 4, 5 and 6 of rows 1..31; the prices stay.
void ClearComputedTotals(FundTotalsTable& totals);
// Totals every fund's records: column 0 shares, column 1 book cost, column 6
// money put in (book value of the records that are not sales).
void AccumulateHoldings(const Portfolio& p, FundTotalsTable& totals);
// The first named fund that holds shares but has no price; 0 when none.
int FirstUnpricedHolding(const Portfolio& p, const FundTotalsTable& totals);

// Gain or loss in per cent of one fund: of the book cost, of 100 when there is
// no book cost, or of the money put in when the book cost has fallen below half
// a cent and money was put in.
Money FundGainPercent(Money gain, Money book, Money putIn);
// The same for the portfolio total: 0 when the book cost is 0 (or when the
// money-put-in base it falls back on is 0 too).
Money TotalGainPercent(Money gain, Money book, Money putIn);
// A fund's share of the portfolio value in per cent, cut (not rounded) to two
// decimals; 0 when the fund or the whole portfolio is worth nothing.
Money PortfolioShare(Money value, Money total);

// What "&Calculate" shows and prints.
struct CurrentValueView {
    // Table rows 1.. (seven cells each): one per fund slot, an empty row and the total row.
    std::vector<QStringList> rows;
    // The printable report: entry 1 (heading and funds 1 to 11) and entry 2
    // (funds 12 and later); the totals block ends the last non-empty one.
    QString page1;
    QString page2;
};

// Values every fund at its price: columns 3, 4 and 5 and the total row 31, then
// the table and the report, figures of money after `currency`. Throws
// MoneyOverflow (the totals unchanged) when a figure leaves the money range.
CurrentValueView ComputeFundValues(const Portfolio& p, FundTotalsTable& totals,
                                   const QString& currency);

// The table's column headings (row 0) and the report's column heading lines.
QStringList ValueTableHeadings();
QStringList ValueReportHeadings(const QString& currency);
