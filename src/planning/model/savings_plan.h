// The savings plan: what a lump sum and yearly investments grow to, year by year, and its
// comparison row.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "common/money.h"
#include "planning/model/calculator_tables.h"

// The six figures of the savings plan window, as typed (rates in percent).
// The two uses of the savings window, one per main menu button (the numbers are the manual's).
enum class SavingsMode { Calculations = 1, Comparisons = 2 };

struct SavingsPlanInputs {
    Money lumpSum;           // CalcInputs(1)
    Money annual;            // CalcInputs(2)
    Money ratePercent;       // CalcInputs(3)
    Money years;             // CalcInputs(4)
    Money inflationPercent;  // CalcInputs(5)
    Money increasePercent;   // CalcInputs(6)

    // Reads slots 1 to 6 of the calculators' input table.
    static SavingsPlanInputs fromCalcInputs(const std::vector<Money>& calcInputs);
};

struct SavingsYear {
    int year = 0;
    Money invested;  // the amount put in that year (year 1: lump sum and annual amount)
    Money interest;  // interest/growth of the year
    Money value;     // current value at the end of the year
};

struct SavingsPlan {
    int64_t years = 0;              // the term, rounded (0 is allowed)
    int yearsComputed = 0;          // rows computed: the term, or 1 when it is below 1
    std::vector<SavingsYear> rows;  // years 1 .. yearsComputed
    Money totalInvested;
    Money totalInterest;  // final value less total invested
    Money finalValue;
};

// The longest term the plan computes.
constexpr int kSavingsYearLimit = 50;

// True when the term is 51 years or more.
bool PastSavingsYearLimit(const SavingsPlanInputs& in);

// The year loop. Each year's interest is (value at the end of last year + this
// year's investment) x rate, rounded to currency; the value at the end of the
// year is (that base + interest) x (1 - inflation); from year 2 on the annual
// investment grows by the increase rate (rounded to currency). The rate is
// single precision. A term of 0 or less computes year 1 only.
// Throws MoneyOverflow when a figure leaves the currency's range. The term
// must be within the limit (PastSavingsYearLimit false).
SavingsPlan CalculateSavingsPlan(const SavingsPlanInputs& in);

// YearTable rows 1..m: (-, year, invested, interest, value) in columns 1..4;
// row m + 1 the totals: (m, total invested, total interest/growth, final value).
void StoreYearTable(const SavingsPlan& plan, SharedTable<Money>& yearTable);

// The calculations grid: amount invested, interest/growth and value of each
// year, and their totals.
inline const YearGridColumns kSavingsGridColumns{};

// Grid rows of the calculations mode, for grid rows 1 .. m + 1: the year rows
// and the "Total:" row (4 cells each).
std::vector<QStringList> SavingsGridRows(const SavingsPlan& plan, const QString& symbol);

// The comparisons mode: grid cells (8) of one comparison row, its label for
// the chart ("Row  3") and its entry in the printed report (a data line, the
// separator and a blank line, lines ended by CR LF).
QStringList ComparisonCells(const SavingsPlanInputs& in, const SavingsPlan& plan);
QString ComparisonLabel(int row);
QString ComparisonReportEntry(const SavingsPlanInputs& in, const SavingsPlan& plan);
