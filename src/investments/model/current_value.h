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

// One fund's line of the current value, or the portfolio's total: the shares held, their book
// cost, the price typed, the value at that price, the gain or loss in money and in per cent, and
// the money put in (book value of the records that are not sales).
struct FundValue {
    QString name;
    Money shares, bookCost, price, value, gain, gainPercent, moneyIn;
};

// The current value of every fund slot (slot 1 first) and of the whole portfolio.
struct CurrentValues {
    std::vector<FundValue> funds;
    FundValue total;
};

// Values every fund at its price from the holdings (columns 0, 1 and 6 of `totals`) and the
// prices typed (column 2). Throws MoneyOverflow when a figure leaves the money range.
CurrentValues ValueFunds(const Portfolio& p, const FundTotalsTable& totals);
// The table's rows 1.. (seven cells each): one per fund slot, an empty row and the total row,
// figures of money after `currency`.
std::vector<QStringList> ValueGridRows(const CurrentValues& v, const QString& currency);
// The printable report: page 1 (heading and funds 1 to 11) and page 2 (funds 12 and later, ""
// when there are none); the totals block ends the last non-empty one.
struct ValueReportPages {
    QString page1;
    QString page2;
};
ValueReportPages ValueReport(const CurrentValues& v, const QString& currency);
// Writes the values into `totals`: columns 3, 4 and 5 of every fund and columns 0, 1, 3, 4, 5
// and 6 of the total row 31.
void StoreFundValues(const CurrentValues& v, FundTotalsTable& totals);

// What "&Calculate" shows and prints.
struct CurrentValueView {
    CurrentValues values;
    std::vector<QStringList> rows;  // ValueGridRows
    QString page1;                  // ValueReport
    QString page2;
};

// The values, the table and the report at once; the values are stored in `totals` only when
// every figure could be formed (MoneyOverflow is thrown with the totals unchanged).
CurrentValueView ComputeFundValues(const Portfolio& p, FundTotalsTable& totals,
                                   const QString& currency);

// The table's column headings (row 0) and the report's column heading lines.
QStringList ValueTableHeadings();
QStringList ValueReportHeadings(const QString& currency);
