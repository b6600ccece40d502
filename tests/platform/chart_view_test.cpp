#include "platform/chart_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <functional>
#include <limits>
#include <string>

#include "platform/chart_paint.h"
#include "platform/chart_style.h"

namespace {

namespace cs = chart_style;

// Pixels that are clearly coloured (not a grey).
int colouredPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int spread =
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            if (spread > 40) ++n;
        }
    return n;
}

// An image of `size` pixels at `dpi` dots per inch.
QImage imageAt(QSize size, int dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

TEST(ChartPaint, TextsTakeTheRoomMeasuredAtTheFontsOwnResolution) {
    // The layout measures at the resolution the font was made for (the widget's screen, which
    // need not be the first screen); painted on a device of the same or another resolution (a
    // printer) the title is as wide as measured.
    const ChartContent c = {.title = QStringLiteral("Investment value at end of each Year"),
                            .labels = {"1", "2", "3"},
                            .values = {1000, 2000, 3000}};
    const QRect area(0, 0, 640, 420);
    QFont base(QStringLiteral("Liberation Sans"));
    base.setPointSize(9);
    for (int measuredDpi : {96, 144})
        for (int deviceDpi : {96, 144, 600}) {
            SCOPED_TRACE(std::to_string(measuredDpi) + " on " + std::to_string(deviceDpi));
            const QImage screen = imageAt(QSize(1, 1), measuredDpi);
            const QFont font(base, &screen);
            const QRectF line = LayoutBars(area, c, font, false).title;
            const double measured = QFontMetricsF(ChartTitleFont(font)).horizontalAdvance(c.title);
            QImage image = imageAt(area.size(), deviceDpi);
            {
                QPainter p(&image);
                PaintChart(p, area, c, font, false);
            }
            // The line's upper half: the tick texts at the left reach into its lower half.
            int left = area.width(), right = -1;
            for (int y = static_cast<int>(line.top()); y < line.center().y(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        left = std::min(left, x), right = std::max(right, x);
            EXPECT_NEAR(right - left + 1, measured, 0.04 * measured);
        }
}

TEST(ChartStyle, ThinnedLabelsKeepTheFirstAndLastPoint) {
    // 50 years with 8 pixels a year and labels needing 20: 1, 5, 10 ... 45, 50.
    std::vector<int> expected = {0};
    for (int y = 5; y <= 50; y += 5) expected.push_back(y - 1);
    EXPECT_EQ(cs::labelledPoints(50, 8, 20), expected);
    // A step of 2 takes the odd years, so that 25 years end on their last.
    EXPECT_EQ(cs::labelledPoints(25, 10, 19),
              (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}));
    // 50 and 30 years by twos run evenly to their last year: 46, 48, 50 and 26, 28, 30.
    for (int years : {50, 30}) {
        const std::vector<int> twos = cs::labelledPoints(years, 10, 19);
        EXPECT_EQ(twos.back(), years - 1);
        EXPECT_EQ(twos[twos.size() - 2], years - 3);
        EXPECT_EQ(twos[twos.size() - 3], years - 5);
    }
    // Every size, wide or cramped: first and last labelled, none closer than its room.
    for (int count : {2, 5, 23, 25, 50})
        for (double slot : {2.0, 7.0, 16.0, 40.0}) {
            const double needed = 30;
            const std::vector<int> shown = cs::labelledPoints(count, slot, needed);
            ASSERT_GE(shown.size(), 2u);
            EXPECT_EQ(shown.front(), 0) << count << " at " << slot;
            EXPECT_EQ(shown.back(), count - 1) << count << " at " << slot;
            for (size_t k = 1; k + 1 < shown.size(); ++k)
                EXPECT_GE((shown[k + 1] - shown[k]) * slot, needed) << count << " at " << slot;
            if (shown.size() > 2) {
                EXPECT_GE((shown[1] - shown[0]) * slot, needed);
            }
        }
    EXPECT_EQ(cs::labelledPoints(1, 10, 50), std::vector<int>{0});
    EXPECT_TRUE(cs::labelledPoints(0, 10, 50).empty());
    EXPECT_TRUE(cs::numberedLabels({"1", "2", ""}));
    EXPECT_FALSE(cs::numberedLabels({"Row  1", "Row  2"}));
}

TEST(ChartStyle, FiguresInTheProgramsFormats) {
    ChartContent money;
    money.unit = ChartContent::Unit::Money;
    money.currencySymbol = QStringLiteral("£");
    ChartContent rate;
    rate.unit = ChartContent::Unit::Percent;
    // Grouped and placed as the tables show them, whatever the desktop's locale.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(cs::figureText(1234567.891, money), QStringLiteral("£1,234,567.89"));
    EXPECT_EQ(cs::figureText(-12.3456, rate), QStringLiteral("-12.35%"));
    EXPECT_EQ(cs::tickText(250000, 0, money), QStringLiteral("£250,000"));
    EXPECT_EQ(cs::tickText(0, 0, money), QStringLiteral("£0"));
    EXPECT_EQ(cs::tickText(2.5, 2, money), QStringLiteral("£2.50"));
    EXPECT_EQ(cs::tickText(-25, 0, rate), QStringLiteral("-25%"));
    EXPECT_EQ(cs::tickText(-0.00001, 1, rate), QStringLiteral("0.0%"));  // no "-0"
    EXPECT_EQ(cs::shareText(0.375), QStringLiteral("37.5%"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(cs::decimalsFor(0.25), 2);
    EXPECT_EQ(cs::decimalsFor(500), 0);
}

TEST(ChartStyle, ToolTipsTellLabelAndFigure) {
    ChartContent loan;
    loan.title = QStringLiteral("Loan balance at start of each Month");
    loan.unit = ChartContent::Unit::Money;
    loan.labels = {"1", "2"};
    loan.values = {100000, 96000.5};
    EXPECT_EQ(cs::toolTipText(loan, 1), QStringLiteral("Month 2\n$96,000.50"));
    ChartContent funds;
    funds.title = QStringLiteral("Current Value ");
    funds.unit = ChartContent::Unit::Percent;
    funds.labels = {"Growth Fund", ""};
    funds.values = {50, 0};
    EXPECT_EQ(cs::toolTipText(funds, 0), QStringLiteral("Growth Fund\n50.00%"));
    EXPECT_EQ(cs::toolTipText(funds, 1), QString());  // the blank second point of a single fund
    EXPECT_EQ(cs::toolTipText(funds, 2), QString());
    funds.kind = ChartContent::Kind::Pie;
    funds.unit = ChartContent::Unit::Money;
    funds.labels = {"Growth", "Bonds"};
    funds.values = {3000, 1000};
    EXPECT_EQ(cs::toolTipText(funds, 1), QStringLiteral("Bonds\n$1,000.00  (25.0%)"));
}

TEST(ChartStyle, PrintedTextSizeFollowsTheScaleToThePage) {
    // A window 1126 pixels wide (0.88 of a 1280 screen) on 7.5 inches of
    // paper: 9 points there need 14.1 points on a 96 DPI screen.
    EXPECT_NEAR(cs::printPointSize(1126, 7.5, 96, 9), 14.075, 0.001);
    EXPECT_NEAR(cs::printPointSize(720, 7.5, 96, 9), 9, 1e-9);  // a one-to-one scale
}

TEST(ChartStyle, ScalesIncludeZeroAndEndOnRoundTicks) {
    cs::Scale s = cs::niceScale(-12.5, 100, 6);
    EXPECT_LE(s.lo, -12.5);
    EXPECT_GE(s.hi, 100);
    EXPECT_EQ(s.step, 25);
    EXPECT_EQ(s.lo, -25);
    s = cs::niceScale(1200, 2640, 5);  // all above zero: the axis still starts at 0
    EXPECT_EQ(s.lo, 0);
    EXPECT_EQ(s.hi, 3000);
    s = cs::niceScale(0, 0, 5);  // nothing to show: a unit axis, not a division by zero
    EXPECT_GT(s.hi, s.lo);
}

TEST(ChartStyle, PieLeavesOutEmptyAndNegativeSlicesAndCrowdedLabels) {
    ChartContent c;
    c.values = {300, 0, -50, 100};
    const auto slices = cs::pieSlices(c);
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].point, 0);
    EXPECT_DOUBLE_EQ(slices[0].share, 0.75);
    EXPECT_EQ(slices[1].point, 3);
    c.values = {0, -1};
    EXPECT_TRUE(cs::pieSlices(c).empty());

    // Three slices of 5 % side by side on the right: their labels would stand
    // less than a line apart, so only the first and third are written.
    const std::vector<cs::Slice> crowded = {{0, 0.05}, {1, 0.05}, {2, 0.05}, {3, 0.85}};
    const std::vector<bool> shown = cs::labelledSlices(crowded, 100, 14);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, true}));
    // A slice below the labelled share never gets one.
    EXPECT_FALSE(cs::labelledSlices({{0, 0.01}, {1, 0.99}}, 100, 14)[0]);
}

// Checks what a user would see of the labels under the bars: first and
// last written, none cut by the edges, none running into another or into
// the value axis's figures.
void expectReadableLabels(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD,
                          const std::string& what) {
    const BarLayout L = LayoutBars(area, c, font, threeD);
    const QFontMetricsF fm(font);
    ASSERT_GE(L.labelled.size(), 2u) << what;
    EXPECT_EQ(L.labelled.front(), 0) << what;
    EXPECT_EQ(L.labelled.back(), static_cast<int>(c.values.size()) - 1) << what;
    const double shift = threeD ? (L.depth - L.barDepth) / 2 : 0;
    double lastRight = -1e9;
    for (int i : L.labelled) {
        const double cx = L.bars[static_cast<size_t>(i)].center().x() + shift;
        const double w = L.upright ? fm.height() : fm.horizontalAdvance(c.labels.value(i));
        EXPECT_GE(cx - w / 2, area.left()) << what << " label " << i;
        EXPECT_LE(cx + w / 2, area.right()) << what << " label " << i;
        EXPECT_GT(cx - w / 2, lastRight) << what << " label " << i;
        lastRight = cx + w / 2;
    }
    const double bottom =
        L.upright ? L.plot.bottom() + 4 + L.uprightLength : L.labelTop + fm.height();
    EXPECT_LE(bottom, area.bottom()) << what;
    // The first label clears the lowest tick text, to its right or under it.
    const double firstLeft =
        L.bars[0].center().x() + shift -
        (L.upright ? fm.height() : fm.horizontalAdvance(c.labels.value(0))) / 2;
    const double tickBottom = L.plot.bottom() + fm.height() / 2;
    const double labelTop = L.upright ? L.plot.bottom() + 4 : L.labelTop;
    EXPECT_TRUE(firstLeft >= L.plot.left() - fm.height() * 0.25 || labelTop >= tickBottom) << what;
}

ChartContent years(int count, double perYear) {
    ChartContent c;
    c.title = QStringLiteral("Investment value at end of each Year");
    c.unit = ChartContent::Unit::Money;
    for (int y = 1; y <= count; ++y) {
        c.labels << QString::number(y);
        c.values.push_back(perYear * y * y);
    }
    return c;
}

ChartContent rows(int count) {
    ChartContent c;
    c.title = QStringLiteral("Savings Comparisons");
    c.unit = ChartContent::Unit::Money;
    for (int k = 1; k <= count; ++k) {
        c.labels << QStringLiteral("Row ") + QString::number(k).prepend(' ');
        c.values.push_back(1000.0 * k);
    }
    return c;
}

TEST(ChartLayout, YearsAndRowsAreLabelledReadablyAtEverySize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    // The opening size, a maximized window, and a printed one with its larger text.
    const struct {
        QRectF area;
        double points;
    } sizes[] = {
        {QRectF(0, 0, 451, 380), 9}, {QRectF(0, 0, 1280, 940), 9}, {QRectF(0, 0, 1126, 620), 14.5}};
    for (const auto& size : sizes)
        for (bool threeD : {false, true}) {
            font.setPointSizeF(size.points);
            const std::string at = std::to_string(int(size.area.width())) + (threeD ? " 3D" : "");
            for (int n : {5, 25, 50})
                expectReadableLabels(size.area, years(n, 1000), font, threeD,
                                     std::to_string(n) + " years at " + at);
            expectReadableLabels(size.area, rows(23), font, threeD, "23 rows at " + at);
        }
}

TEST(ChartLayout, FlatAnd3DFormsCarryTheSameTexts) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    ChartContent c = years(25, 1000);
    const BarLayout flat = LayoutBars(QRectF(0, 0, 451, 380), c, font, false);
    const BarLayout solid = LayoutBars(QRectF(0, 0, 451, 380), c, font, true);
    EXPECT_EQ(flat.ticks.first(), QStringLiteral("$0"));
    EXPECT_TRUE(flat.ticks.last().startsWith(u'$'));
    EXPECT_TRUE(solid.ticks.last().startsWith(u'$'));
    EXPECT_EQ(flat.labelled.back(), solid.labelled.back());
    // A few bars carry their figures over them in both forms.
    c = years(5, 1000);
    EXPECT_TRUE(LayoutBars(QRectF(0, 0, 451, 380), c, font, false).figures);
    EXPECT_TRUE(LayoutBars(QRectF(0, 0, 451, 380), c, font, true).figures);
    // The names of 23 rows keep their two blanks and stand upright.
    ChartView v;
    v.resize(451, 380);
    c = rows(23);
    v.setPoints(c.labels, c.values);
    v.setUnit(ChartView::Unit::Money);
    v.draw();
    EXPECT_TRUE(v.labelsUpright());
    EXPECT_EQ(v.shownBarLabels().first(), QStringLiteral("Row  1"));
    EXPECT_EQ(v.shownBarLabels().last(), QStringLiteral("Row  23"));
}

TEST(ChartView, ToolTipsOnBarsAndSlicesInBothForms) {
    for (bool threeD : {false, true}) {
        ChartView v;
        v.resize(451, 380);
        v.setPoints({"Growth Fund", "Bond Fund", "Index Fund"}, {50, -12.5, 100});
        v.setUnit(ChartView::Unit::Percent);
        v.setThreeD(threeD);
        v.draw();
        const BarLayout L =
            LayoutBars(v.rect(),
                       ChartContent{.title = {},
                                    .axisTitle = {},
                                    .labels = {"Growth Fund", "Bond Fund", "Index Fund"},
                                    .values = {50, -12.5, 100},
                                    .unit = ChartContent::Unit::Percent},
                       v.font(), threeD);
        EXPECT_EQ(v.toolTipAt(L.bars[1].center().toPoint()), QStringLiteral("Bond Fund\n-12.50%"))
            << threeD;
        EXPECT_EQ(v.toolTipAt(QPoint(2, 2)), QString());  // the title's corner: no bar
        // Hovering shows it.
        v.show();
        const QPoint over = L.bars[0].center().toPoint();
        QHelpEvent hover(QEvent::ToolTip, over, v.mapToGlobal(over));
        QApplication::sendEvent(&v, &hover);
        EXPECT_EQ(QToolTip::text(), QStringLiteral("Growth Fund\n50.00%"));
        QToolTip::hideText();

        v.setKind(ChartView::Kind::Pie);
        v.setUnit(ChartView::Unit::Money, QStringLiteral("£"));
        v.setPoints({"Growth", "Bonds"}, {3000, 1000});
        v.draw();
        ChartContent pie;
        pie.kind = ChartContent::Kind::Pie;
        pie.labels = {"Growth", "Bonds"};
        pie.values = {3000, 1000};
        const PieLayout P = LayoutPie(v.rect(), pie, v.font(), threeD);
        // Slices run clockwise from twelve o'clock: the large one round to
        // nine o'clock, the small one from there back up to twelve.
        const QPoint lowerRight = (P.centre + QPointF(P.rx * 0.4, P.ry * 0.4)).toPoint();
        const QPoint upperLeft = (P.centre + QPointF(-P.rx * 0.4, -P.ry * 0.4)).toPoint();
        EXPECT_EQ(v.toolTipAt(lowerRight), QStringLiteral("Growth\n£3,000.00  (75.0%)")) << threeD;
        EXPECT_EQ(v.toolTipAt(upperLeft), QStringLiteral("Bonds\n£1,000.00  (25.0%)")) << threeD;
    }
}

TEST(ChartView, ThreeDFormsAreDrawnAndBlackAndWhiteHasNoColour) {
    for (auto kind : {ChartView::Kind::Bars, ChartView::Kind::Pie}) {
        ChartView v;
        v.resize(451, 360);
        v.setPoints({"Growth", "Bonds", "Cash"}, {3000, 1000, 500});
        v.setTitle(QStringLiteral("Distribution"));
        v.setKind(kind);
        v.setThreeD(true);
        v.draw();
        v.show();
        QCoreApplication::processEvents();
        const QImage colour = v.grab().toImage();
        EXPECT_GT(colouredPixels(colour), 2000) << "kind " << int(kind);
        v.setColour(false);
        v.draw();
        const QImage mono = v.grab().toImage();
        EXPECT_EQ(colouredPixels(mono), 0) << "kind " << int(kind);
        // ... but it is not blank: greys and black outlines are drawn.
        int dark = 0;
        for (int y = 0; y < mono.height(); ++y)
            for (int x = 0; x < mono.width(); ++x)
                if (qGray(mono.pixel(x, y)) < 160) ++dark;
        EXPECT_GT(dark, 1000) << "kind " << int(kind);
    }
}

TEST(ChartView, NothingToDrawIsNotAnError) {
    for (auto kind : {ChartView::Kind::Bars, ChartView::Kind::Pie})
        for (bool threeD : {false, true}) {
            ChartView v;
            v.resize(200, 150);
            v.setPoints({}, {});
            v.setKind(kind);
            v.setThreeD(threeD);
            v.draw();
            v.show();
            QCoreApplication::processEvents();
            EXPECT_FALSE(v.grab().isNull());
            // A tiny window or an absurd value does not upset the drawing either.
            v.setPoints({"a", "b"}, {1e300, -std::numeric_limits<double>::infinity()});
            v.resize(3, 3);
            v.draw();
            EXPECT_FALSE(v.grab().isNull());
        }
}

TEST(ChartView, ARepaintShowsTheKeptPictureUntilChartSizeOrFontChange) {
    ChartView v;
    v.resize(451, 356);
    v.setPoints({"Growth", "Bonds", "Cash"}, {3000, 1000, 500});
    v.setTitle(QStringLiteral("Distribution"));
    v.draw();
    v.show();
    QCoreApplication::processEvents();
    auto painted = [&v] {
        QImage kept(v.size(), QImage::Format_ARGB32_Premultiplied);
        v.render(&kept);
        QImage direct(v.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter p(&direct);
        v.paint(p);
        p.end();
        EXPECT_EQ(kept.convertToFormat(QImage::Format_RGB32),
                  direct.convertToFormat(QImage::Format_RGB32));
        return kept;
    };
    const QImage bars = painted();
    const int paints = v.screenPaints();
    EXPECT_EQ(painted(), bars);
    EXPECT_EQ(v.screenPaints(), paints);  // the same picture, not painted again

    // Each change paints the chart anew, once.
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"values", [&] { v.setPoints({"Growth", "Bonds", "Cash"}, {3000, 2000, 500}), v.draw(); }},
        {"form", [&] { v.setThreeD(true), v.draw(); }},
        {"kind", [&] { v.setKind(ChartView::Kind::Pie), v.draw(); }},
        {"colour", [&] { v.setColour(false), v.draw(); }},
        {"size", [&] { v.resize(1920, 1043); }},
        {"font", [&] { v.setFont(QFont(v.font().family(), 14)); }},
    };
    QImage before = bars;
    for (const auto& [what, change] : changes) {
        const int paintsBefore = v.screenPaints();
        change();
        const QImage after = painted();
        EXPECT_NE(after, before) << what;
        EXPECT_EQ(v.screenPaints(), paintsBefore + 1) << what;
        EXPECT_EQ(painted(), after) << what;
        EXPECT_EQ(v.screenPaints(), paintsBefore + 1) << what;
        before = after;
    }
}

}  // namespace

TEST(ChartView, ThirtySlicesAreAllNamedInTheLegend) {
    ChartContent pie;
    pie.kind = ChartContent::Kind::Pie;
    for (int i = 1; i <= 30; ++i) {
        pie.labels << QStringLiteral("Fund number %1").arg(i);
        pie.values.push_back(100.0 + i);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9);
    for (const QSize size : {QSize(640, 400), QSize(560, 300)}) {
        const QRectF area(QPointF(0, 0), size);
        const PieLayout L = LayoutPie(area, pie, font, false);
        ASSERT_TRUE(L.legend) << size.width();
        EXPECT_TRUE(area.contains(L.legendBox)) << size.width();
        EXPECT_GE(L.legendFont.pointSizeF(), 0.69 * font.pointSizeF());
        EXPECT_LE(std::ceil(30.0 / L.legendColumns) * L.rowHeight, L.legendBox.height() + 0.01);
    }
    // Slices 1, 13 and 25 take the same hue, told apart by lightness.
    EXPECT_NE(chart_style::sliceBrush(0, true).color(), chart_style::sliceBrush(12, true).color());
    EXPECT_NE(chart_style::sliceBrush(12, true).color(), chart_style::sliceBrush(24, true).color());
}
