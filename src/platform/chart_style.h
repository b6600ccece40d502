// The chart's content and the look its flat and 3D forms share: colours, patterns, labels, scales,
// and the texts of figures.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QString>
#include <QStringList>
#include <vector>

// One data set as the chart shows it.
struct ChartContent {
    enum class Kind { Bars, Pie };
    // What the values are: amounts of money (shown with the currency symbol),
    // rates in per cent, or plain numbers.
    enum class Unit { Plain, Money, Percent };
    QString title;
    QString axisTitle;
    QStringList labels;
    std::vector<double> values;
    Kind kind = Kind::Bars;
    Unit unit = Unit::Plain;
    QString currencySymbol = QStringLiteral("$");
    bool colour = true;  // false: black and white (greys and patterns, black outlines)
};

namespace chart_style {

// Bars: one fill for the whole set.
QBrush barBrush(bool colour);
QPen outlinePen(bool colour);
// The darker faces of a 3D bar or pie wall.
QColor shade(const QColor& c, int percentDarker);

// Slice k of a pie: a colour of a twelve-colour palette, or in black and
// white a grey or a hatching that tells it from its neighbours.
QBrush sliceBrush(int k, bool colour);
// The flat colour a slice's 3D wall is painted in.
QColor sliceWallColour(int k, bool colour);

// How many points apart the point labels stand so that each has `neededPx`
// room when points are `slotPx` apart: 1, 2, 5, 10, 20, 25, 50, 100, ...
int labelStep(int count, double slotPx, double neededPx);
// The points that carry a label: always the first and the last; between
// them every step-th point counted from 1 (5, 10, 15 ...; with a step of 2
// the odd ones, 3, 5, 7 ...), leaving out those that would stand too close
// to the first or the last.
std::vector<int> labelledPoints(int count, double slotPx, double neededPx);
// True when every label reads as a number.
bool numberedLabels(const QStringList& labels);

// Figures as the program shows them ("####,,###.00"): the currency symbol
// before an amount ("$1,250.00"), "%" after a rate ("12.50%").
QString figureText(double value, const ChartContent& c);
// A value-axis tick: the same, with the decimals the scale needs ("$25,000",
// "12.5%", "0%").
QString tickText(double value, int decimals, const ChartContent& c);
// A share of the pie ("37.5%").
QString shareText(double share);
// What hovering point `point` tells: its label and its figure (and, in a
// pie, its share). Empty for the blank point that pads a single one.
QString toolTipText(const ChartContent& c, int point);

// Decimals that tell apart the ticks of a scale with this step.
int decimalsFor(double step);

// A value axis from `lo` to `hi` with round ticks; it always includes 0.
struct Scale {
    double lo = 0, hi = 1, step = 1;
    int ticks() const;  // tick count, both ends included
};
Scale niceScale(double minValue, double maxValue, int maxTicks);

// Pie slices: the points with a value above 0, and each slice's share.
struct Slice {
    int point;     // index of the point
    double share;  // 0..1 of the whole
};
std::vector<Slice> pieSlices(const ChartContent& c);
// The share a slice needs for its label to be drawn beside it.
inline constexpr double kLabelledShare = 0.04;
// Which slices get their label beside the pie: those of kLabelledShare or
// more, while the labels down each side stay a line apart. Slices run
// clockwise from twelve o'clock; `radiusY` is the pie's height over two.
std::vector<bool> labelledSlices(const std::vector<Slice>& slices, double radiusY, double lineH);

// The point size for the chart window's text while it is printed: a window
// `windowPx` wide is scaled to a page `pageInches` wide, and text must
// measure at least `paperPoints` there. `dpi` is the screen's logical DPI.
double printPointSize(double windowPx, double pageInches, double dpi, double paperPoints);

}  // namespace chart_style
