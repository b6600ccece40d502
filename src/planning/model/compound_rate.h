// The annual compound rate: the yearly growth rate that takes a purchase cost to a present or
// future value over a term, the total gain, the year-by-year growth and the comparison row.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/money.h"
#include "common/shared_table.h"

// The three figures of the compound rate window.
struct CompoundRateInputs {
    Money cost;   // CalcInputs(1): purchase cost
    Money value;  // CalcInputs(2): present or future value
    Money years;  // CalcInputs(3): term in years

    // Reads slots 1 to 3 of the calculators' input table.
    static CompoundRateInputs fromCalcInputs(const std::vector<Money>& calcInputs);
};

// The longest term the window takes (61 years or more are refused first).
constexpr int kCompoundYearLimit = 60;

// True when any of the three figures is 0 (or was never typed).
bool CompoundFigureMissing(const CompoundRateInputs& in);

// Raised when the figures have no compound rate: a cost and a value of
// opposite signs (their ratio has no logarithm) or a result that is not a number.
class NoCompoundRate : public std::domain_error {
  public:
    using std::domain_error::domain_error;
};

struct CompoundRateEntry {
    double rate = 0;            // annual compound rate, a fraction (0.148698 for 14.8698 %)
    double gain = 0;            // total gain or loss over the term, a fraction of the cost
    Money ratePercent;          // rate x 100 in currency: the chart's value
    int64_t yearsComputed = 0;  // the term rounded, or 0 when it rounds below 1
    // Whole part (rounded down) of the value at the end of years 1..yearsComputed.
    std::vector<Money> yearValues;
};

// One entry: rate = e^(ln(value / cost) / years) - 1, gain = (value - cost) /
// cost, both in double precision; then the cost grown by the rate year by
// year. Everything is worked out before anything is returned, so a failure
// leaves no part of an entry behind. Throws NoCompoundRate when the ratio has
// no logarithm and MoneyOverflow when a figure leaves the currency's range.
// The term must be within the limit and no figure missing.
CompoundRateEntry CalculateCompoundRate(const CompoundRateInputs& in);

// YearTable rows 1..yearsComputed: column 1 the year, column 4 the value at its end.
void StoreCompoundYears(const CompoundRateEntry& entry, SharedTable<Money>& yearTable);

// The pictures of the rate and the gain: three and two decimals in the grid, four in the
// printout.
inline constexpr char16_t kGridRatePicture[] = u"#,,###.000%";
inline constexpr char16_t kGridGainPicture[] = u"#,,###.00%";
inline constexpr char16_t kReportPercentPicture[] = u"#,,###.0000%";

// The comparison row's six grid cells: name, term, cost, value, rate, total gain.
QStringList CompoundRateCells(const CompoundRateInputs& in, const CompoundRateEntry& entry,
                              const QString& name, const QString& symbol);

// The entry's text in the printout: the name line (when there is a name), the
// figures, a blank line and the separator, lines joined with CR LF.
QString CompoundRateReportEntry(const CompoundRateInputs& in, const CompoundRateEntry& entry,
                                const QString& name, const QString& symbol);
