// The chart's content and the look its flat and 3D forms share: colours, patterns, labels, scales.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <QStringList>
#include <vector>

// One data set as the chart shows it.
struct ChartContent {
    enum class Kind { Bars, Pie };
    QString title;
    QString axisTitle;
    QStringList labels;
    std::vector<double> values;
    Kind kind = Kind::Bars;
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
// The points that are labelled with that step. Numbered points (years,
// months) are labelled at their round numbers (5, 10, 15 ... and the first
// when there is room); named points from the first on.
std::vector<int> labelledPoints(int count, int step, bool numbered, double slotPx, double neededPx);
// True when every label reads as a number.
bool numberedLabels(const QStringList& labels);

// A value as the axes show it, grouped in thousands ("1,250,000").
QString number(double value, int decimals);
// Decimals that tell apart the ticks of a scale with this step.
int decimalsFor(double step);

// Decimals of the figures written over the bars: 2 when any value has cents.
int valueDecimals(const std::vector<double>& values);
// True when the bars have room for their figures: a dozen bars or fewer, and
// each figure narrower than the room a bar has.
bool valuesFit(const std::vector<double>& values, double slotPx, const QFontMetricsF& fm);

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
QString percentText(double share);
// Which slices get their label beside the pie: those of kLabelledShare or
// more, while the labels down each side stay a line apart. Slices run
// clockwise from twelve o'clock; `radiusY` is the pie's height over two.
std::vector<bool> labelledSlices(const std::vector<Slice>& slices, double radiusY, double lineH);

}  // namespace chart_style
