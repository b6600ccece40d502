// The 401(k) plan: the current balance and the contributions of a rising salary (own and company
// rates together), growing at a yearly rate of return and optionally reduced by inflation.
#pragma once

#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/money.h"
#include "planning/model/calculator_tables.h"

// The eight figures of the window, as typed (rates in percent).
struct K401Inputs {
    Money balance;           // CalcInputs(1): current balance in the account
    Money salary;            // CalcInputs(2): current annual salary
    Money ownPercent;        // CalcInputs(3): own contribution rate
    Money companyPercent;    // CalcInputs(4): company contribution rate
    Money raisePercent;      // CalcInputs(5): yearly salary raise
    Money returnPercent;     // CalcInputs(6): yearly rate of return
    Money inflationPercent;  // CalcInputs(7)
    Money years;             // CalcInputs(8): years to retirement

    // Reads slots 1 to 8 of the calculators' input table.
    static K401Inputs fromCalcInputs(const std::vector<Money>& calcInputs);
};

struct K401Year {
    int year = 0;
    Money salary;        // the salary of the year
    Money contribution;  // own and company contributions together
    Money interest;      // interest/growth of the year
    Money value;         // value at the end of the year
};

struct K401Plan {
    int years = 0;
    Money balance;               // the starting balance
    std::vector<K401Year> rows;  // years 1 .. years
    Money totalInvested;         // the balance and every contribution
    Money totalInterest;         // final value less total invested
    Money finalValue;
};

// A term the plan has no year for (below one year once rounded).
class K401EntryError : public std::domain_error {
  public:
    using std::domain_error::domain_error;
};

// The longest term the window computes.
constexpr int kK401YearLimit = 50;

// The term as Calculate reads it: the figure rounded to a whole number of years.
int64_t K401Years(const K401Inputs& in);

// The year loop. Year 1 contributes salary x (own + company rate); from year 2
// on the salary grows by the raise and so does the contribution, rounded to
// currency. Each year's interest is (value at the end of last year + the
// year's contribution) x the rate of return (single precision), rounded to
// currency; the value at the end of the year is (that base + interest) x
// (1 - inflation). Throws K401EntryError for a term below 1 or past the limit,
// MoneyOverflow when a figure leaves the currency's range.
K401Plan CalculateK401(const K401Inputs& in);

// The balance row shows only above this: a balance of 0 or 1 has no row.
bool ShowsStartingBalance(const K401Plan& plan);

// YearTable row 0 column 4 the starting balance; rows 1..n: (salary, year,
// contribution, interest, value) in columns 0..4; row n + 1: (-, n, total
// invested, total interest/growth, final value).
void StoreK401YearTable(const K401Plan& plan, SharedTable<Money>& yearTable);

// The grid: salary, contribution, interest/growth and value of each year; the
// totals leave the salary column empty.
inline const YearGridColumns kK401GridColumns{{0, 2, 3, 4}, {-1, 2, 3, 4}};

// Grid rows as the window shows them: the starting balance in the value
// column when ShowsStartingBalance, then the years and the "Total:" row.
GridRowSource K401GridSource(const K401Plan& plan, const QString& symbol);
std::vector<QStringList> K401GridRows(const K401Plan& plan, const QString& symbol);
