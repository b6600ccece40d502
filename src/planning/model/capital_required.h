// Capital required: the equal amount to invest at the start of every year so that the savings
// reach a chosen capital at the end of the term, and how they grow year by year.
#pragma once

#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/money.h"
#include "planning/model/calculator_tables.h"

// The three figures of the window, as typed (the rate in percent).
struct CapitalInputs {
    Money capital;      // CalcInputs(1): the capital wanted at retirement
    Money ratePercent;  // CalcInputs(2)
    Money years;        // CalcInputs(3)

    // Reads slots 1 to 3 of the calculators' input table.
    static CapitalInputs fromCalcInputs(const std::vector<Money>& calcInputs);
};

struct CapitalYear {
    int year = 0;
    Money invested;  // the annual investment
    Money interest;  // interest/growth of the year as shown (from year 2 on, to the cent)
    Money value;     // value at the end of the year
};

struct CapitalPlan {
    int years = 0;
    Money payment;                  // the annual investment
    std::vector<CapitalYear> rows;  // years 1 .. years
    Money totalInvested;
    Money totalInterest;  // the sum of the interest credited, unrounded until here
    Money finalValue;
};

// A term or rate the annual investment cannot be worked out for (a zero rate,
// a term below one year, a figure too large for the arithmetic).
class CapitalEntryError : public std::domain_error {
  public:
    using std::domain_error::domain_error;
};

// The longest term the window computes.
constexpr int kCapitalYearLimit = 100;

// The term as Calculate reads it: the figure rounded to a whole number of years.
int64_t CapitalYears(const CapitalInputs& in);

// The annual investment P = C / ((((1 + i)^n - 1) / i) x (1 + i)), one
// compounding a year, in double precision: paid at the start of each of n
// years it grows to C at the end of year n. Each year's value is last year's
// value + P + the interest credited on it; the interest shown from year 2 on
// is rounded to the cent (half up) while the value keeps the unrounded one.
// Throws CapitalEntryError for a zero rate, a term below 1 or past the limit
// and any figure that is not finite; MoneyOverflow when a figure leaves the
// currency's range.
CapitalPlan CalculateCapitalRequired(const CapitalInputs& in);

// YearTable rows 1..n: (-, year, investment, interest shown, value) in columns
// 1..4; row n + 1: (n + 1, total invested, total interest/growth, final value).
void StoreCapitalYearTable(const CapitalPlan& plan, SharedTable<Money>& yearTable);

// The grid: investment, interest/growth and value of each year, and the totals.
inline const YearGridColumns kCapitalGridColumns{};

// Grid rows 1 .. n + 1 as the window shows them.
std::vector<QStringList> CapitalGridRows(const CapitalPlan& plan, const QString& symbol);
