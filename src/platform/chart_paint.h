// Lays out and paints a chart in its flat or 3D form, and finds the point under the mouse. Both
// forms come from the same layout, so they carry the same labels, ticks and figures.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <utility>
#include <vector>

#include "platform/chart_style.h"

class QPainter;

// Where everything of a bar chart goes.
struct BarLayout {
    QRectF title;               // the chart title's line
    QRectF plot;                // the front plane of the plot
    double depth = 0;           // how far the back wall stands behind it (0 when flat)
    chart_style::Scale scale;   // the value axis
    int tickDecimals = 0;       // decimals of its tick texts
    QStringList ticks;          // tick texts from the bottom up
    double tickWidth = 0;       // room of the widest tick text
    double slot = 0;            // the width each point has
    std::vector<QRectF> bars;   // each bar's front face
    double barDepth = 0;        // a 3D bar's own depth
    bool figures = false;       // each bar's figure written over it
    std::vector<int> labelled;  // the points whose label is written
    bool upright = false;       // labels written upwards, from the bottom
    double labelTop = 0;        // top of the labels' row
    double uprightLength = 0;   // the room an upright label has
    double y(double value) const;
};
BarLayout LayoutBars(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD);

// Where everything of a pie chart goes.
struct PieLayout {
    QRectF title;
    std::vector<chart_style::Slice> slices;
    // Each slice's span in degrees, counter-clockwise from three o'clock:
    // [first, second]; slices run clockwise from twelve o'clock.
    std::vector<std::pair<double, double>> spans;
    QPointF centre;
    double rx = 0, ry = 0, depth = 0;  // the top's radii and the 3D wall's height
    bool legend = false;               // names in a legend, else beside the slices
    QRectF legendBox;
    double rowHeight = 0;   // of a legend row
    int legendColumns = 1;  // many slices: the legend in a smaller font, then two columns
    QFont legendFont;
    double labelRoom = 0;        // the room a label beside the pie has
    std::vector<bool> labelled;  // slices with a label beside them
};
PieLayout LayoutPie(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD);

// The fonts of the chart: labels and ticks in the widget's font, the title
// larger and bold, the axis title bold.
QFont ChartTitleFont(const QFont& base);

// Paints the chart into `area`. Texts are laid out at `font`'s own resolution (a font made for the
// widget's screen: QFont(font, widget)); on a device of another resolution (a printer) they are
// drawn to take the room so measured.
void PaintChart(QPainter& painter, const QRectF& area, const ChartContent& c, const QFont& font,
                bool threeD);
// The point whose bar or slice is at `at`, or -1.
int ChartPointAt(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD,
                 const QPointF& at);
