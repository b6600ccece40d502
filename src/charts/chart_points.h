// The chart window's points: what each opener left in the shared tables, turned into labels and
// values.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct AppState;
enum class ChartSource : int16_t;

// One data set of the chart window: a title, a value-axis title and one label
// and value per point, and what the values are: amounts of money, shown with
// the currency symbol, or rates in per cent.
struct ChartPoints {
    enum class Unit { Money, Percent };
    QString title;
    QString axisTitle;
    Unit unit = Unit::Money;
    QString currencySymbol;
    QStringList labels;
    std::vector<double> values;
};

// The charts the window can show (the window's ChartShown).
namespace chart_shown {
inline constexpr int PerCent = 1;       // gain or loss per cent of each fund
inline constexpr int Value = 2;         // value of each fund (pie)
inline constexpr int Year = 3;          // a calculator's year chart
inline constexpr int Fund3D = 4;        // the 3D form of PerCent or Value
inline constexpr int Year3D = 5;        // the 3D year chart
inline constexpr int Comparison = 6;    // a calculator's comparison rows
inline constexpr int Comparison3D = 7;  // the 3D comparison chart
}  // namespace chart_shown

// Points drawn for `count` points handed over: a single point gets a second,
// empty one beside it; nothing handed over draws nothing.
int ChartPointCount(int count);

// True when the opener left comparison rows rather than a year table: the
// compound rate tool (6), or the savings plan in its comparisons mode.
bool ShowsComparisons(const AppState& s);

// The chart the window opens with: PerCent for the investment manager, Year or
// Comparison for the calculators.
int OpeningChart(const AppState& s);

// Fills YearTable column 5 with the values the year chart draws: column 4 as
// it stands, or, for the retirement fixed amount (3) and mortgages and loans
// (4), shifted down one row behind the starting amount CalcInputs(1). Rows
// outside the table are left alone, and so is the row after the last point
// (the opener's total row).
void PrepareYearValues(AppState& s);

// The investment manager's charts: each fund slot's gain or loss per cent
// (FundTotals column 5), or the whole part of its current value (column 3),
// labelled with the fund names.
ChartPoints PerCentPoints(const AppState& s);
ChartPoints ValuePoints(const AppState& s);
// A calculator's year chart (YearTable column 1 labels, column 5 values) and
// comparison chart (ComparisonLabels column 0, ComparisonTable column 5).
ChartPoints YearPoints(const AppState& s);
ChartPoints ComparisonPoints(const AppState& s);

// The window that opened the chart, by GraphSource ("" for an unknown source).
QString ChartOpener(ChartSource source);
