// The chart window's points: what each opener left in the shared tables, turned into labels and
// values.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Which tool filled the tables the chart window draws, and so which window it
// returns to (GraphSource; the numbers are the hand-over's).
enum class ChartSource : int16_t {
    Investments = 0,
    Savings = 1,
    RetirementPercentage = 2,
    RetirementFixedAmount = 3,
    Mortgage = 4,
    CapitalRequired = 5,
    CompoundRate = 6,
    K401 = 7,
};

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

// The window that opened the chart, by GraphSource ("" for an unknown source).
QString ChartOpener(ChartSource source);
