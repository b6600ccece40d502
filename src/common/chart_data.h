// A chart as the chart window draws it: built from a result by the tool's model and handed to
// the window as a value.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The chart the window opens with.
enum class ChartKind {
    FundGain,       // each fund's gain or loss per cent
    FundValues,     // the value of each fund, as a pie
    YearBars,       // a calculator's year chart
    ComparisonBars  // a calculator's comparison rows
};

// What the values are: amounts of money, shown with the currency symbol, or rates in per cent.
enum class ChartUnit { Money, Percent };

// One data set: a title, a value-axis title and one label and value per point.
struct ChartPoints {
    QString title;
    QString axisTitle;
    ChartUnit unit = ChartUnit::Money;
    QStringList labels;
    std::vector<double> values;
};

struct ChartData {
    ChartKind kind = ChartKind::YearBars;
    ChartPoints points;      // the chart the window opens with
    ChartPoints fundValues;  // the investment manager's second chart, the fund values pie
    QString currencySymbol;
    QString opener;  // the window the chart returns to ("" for the main menu)

    bool funds() const { return kind == ChartKind::FundGain || kind == ChartKind::FundValues; }
};

// A single point is drawn with an empty second one beside it.
void PadSinglePoint(ChartPoints& points);
