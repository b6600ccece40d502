// Money-weighted annual return (XIRR) of each fund and of the portfolio, from the records' dated
// cash flows, and its printout.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/money.h"
#include "investments/model/portfolio.h"
#include "investments/model/table_report.h"

class PrintDevice;

// One dated payment: negative when money goes into the fund, positive when it comes back.
struct CashFlow {
    QDate date;
    double amount = 0;
};

// A payment at time `t` (in years, or in parts of the period) from the first one.
struct TimedFlow {
    double t = 0;
    double amount = 0;
};

// The rate r (a fraction, above -1) at which the flows, each discounted by (1 + r)^t, add up to
// zero. Brackets the root on a fixed ladder of rates from -99.99 % to 1,000,000 %, then closes in
// with Newton steps kept inside the bracket. Nothing when the flows change the sign of the sum
// never or more than once on the ladder (no return, or several that explain them equally well).
std::optional<double> SolveRate(const std::vector<TimedFlow>& flows);

// The annual rate of dated flows, time counted in days / 365 from the earliest.
std::optional<double> Xirr(const std::vector<CashFlow>& flows);

enum class ReturnBasis {
    None,    // "n/a": no money in, no price, no period, or no single rate
    Annual,  // a year or more: the rate per year
    Period,  // under a year: the return of the whole period, not annualised
};

struct ReturnFigure {
    ReturnBasis basis = ReturnBasis::None;
    double rate = 0;  // a fraction: 0.3734 is 37.34 %
};

// The return of `flows` over the period from `start` to `end`: per year when it lasts 365 days
// or more, else for the period itself (the rate solved with the time in parts of the period).
ReturnFigure PeriodOrAnnualReturn(const std::vector<CashFlow>& flows, const QDate& start,
                                  const QDate& end);

// One line of the returns table: a fund, or the whole portfolio.
struct ReturnLine {
    QString name;
    Money moneyIn;   // purchases and cash fees
    Money moneyOut;  // sales and cash dividends
    Money shares;
    bool valued = true;  // false when shares are held but have no price (value and gain unknown)
    Money value;         // shares at the current price
    Money gain;          // value + money out - money in
    double years = 0;    // from the first payment to the price date (to the last payment when
                         // nothing is held any more)
    ReturnFigure ret;
    std::vector<CashFlow> flows;  // the records' payments and, last, the current value
};

struct PortfolioReturns {
    QDate priceDate;
    std::vector<ReturnLine> funds;  // every named fund slot, in slot order
    ReturnLine total;               // named "Total:"
};

// The returns of the funds in `funds` (slots 1..fundCount, unnamed slots left out) from
// `records` (1..recordCount) at `prices` (by slot; 0 = no price) on `priceDate`. A record's cash
// is its book value: a purchase and a cash fee are money in, a sale and a cash dividend money
// out, a dividend paid in shares and units sold for a fee no payment. A fund with a record dated
// after the price date, or whose date does not convert, has no return. Throws MoneyOverflow when
// a sum leaves the money range.
PortfolioReturns WorkOutReturns(const std::vector<FundNameRow>& funds, int fundCount,
                                const std::vector<FundRecord>& records, int recordCount,
                                const std::vector<Money>& prices, const QDate& priceDate);

// The cells of a line as the window and the printout show them: name, money in, money out,
// current value, gain, years, return ("37.34%" or "n/a") and its basis ("year", "period", "").
QStringList ReturnCells(const ReturnLine& line);
// The table's column headings.
QStringList ReturnHeadings();
// The line above the table: "Money-weighted return at the prices of 12/7/2026".
QString ReturnsTitle(const QDate& priceDate);
// What the basis column means, under the table and the printout.
QString ReturnsNote();

// The printout: title, headings, two lines per fund (name; figures), the total and the note,
// on pages of the lines the settings allow (in Courier when chosen), each later page headed by its
// number and the headings again.
void PrintReturnsReport(PrintDevice& device, const PortfolioReturns& returns,
                        const PersonalSettings& settings);
