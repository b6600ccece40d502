#include "platform/chart_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QImage>
#include <QPieSeries>
#include <QValueAxis>
#include <limits>

#include "platform/chart_3d.h"
#include "platform/chart_style.h"

namespace {

namespace cs = chart_style;

ChartView* yearChart(int years, int width) {
    auto* v = new ChartView;
    v->resize(width, 360);
    QStringList labels;
    std::vector<double> values;
    for (int y = 1; y <= years; ++y) {
        labels << QString::number(y);
        values.push_back(1000.0 * y * y);
    }
    v->setPoints(labels, values);
    v->setTitle(QStringLiteral("Investment value at end of each Year"));
    v->draw();
    v->show();
    QCoreApplication::processEvents();
    return v;
}

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

TEST(ChartStyle, LabelsAreThinnedToRoundSteps) {
    // 50 years in a 400-pixel plot: 8 pixels a year, labels need 20.
    EXPECT_EQ(cs::labelStep(50, 8, 20), 5);
    EXPECT_EQ(cs::labelStep(10, 40, 20), 1);
    EXPECT_EQ(cs::labelStep(480, 0.8, 30), 50);
    const std::vector<int> years = cs::labelledPoints(50, 5, true, 8, 20);
    // 1 (four slots before 5 leave 32 pixels), 5, 10, ... 50.
    ASSERT_EQ(years.size(), 11u);
    EXPECT_EQ(years.front(), 0);
    EXPECT_EQ(years[1], 4);
    EXPECT_EQ(years.back(), 49);
    // With no room for the first, it is left out.
    EXPECT_EQ(cs::labelledPoints(20, 2, true, 10, 19),
              (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19}));
    // Names are taken from the first on.
    EXPECT_EQ(cs::labelledPoints(7, 3, false, 10, 25), (std::vector<int>{0, 3, 6}));
    EXPECT_TRUE(cs::numberedLabels({"1", "2", ""}));
    EXPECT_FALSE(cs::numberedLabels({"Row  1", "Row  2"}));
}

TEST(ChartStyle, FiguresOverBarsOnlyWhenTheyFit) {
    const QFontMetricsF fm(QApplication::font());
    EXPECT_EQ(cs::valueDecimals({1200, 2640}), 0);
    EXPECT_EQ(cs::valueDecimals({14.8698, 2}), 2);
    EXPECT_TRUE(cs::valuesFit({50, -12.5, 100}, 80, fm));
    EXPECT_FALSE(cs::valuesFit({1234567.5}, 30, fm));                 // too wide for its bar
    EXPECT_FALSE(cs::valuesFit(std::vector<double>(13, 1), 80, fm));  // too many bars
    EXPECT_FALSE(cs::valuesFit({}, 80, fm));
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
    EXPECT_EQ(cs::number(1234567.0, 0), QStringLiteral("1,234,567"));
    EXPECT_EQ(cs::number(-0.0001, 2), QStringLiteral("0.00"));
    EXPECT_EQ(cs::decimalsFor(0.25), 2);
    EXPECT_EQ(cs::decimalsFor(500), 0);
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

TEST(ChartView, FiftyYearsOfLabelsDoNotRunIntoEachOther) {
    std::unique_ptr<ChartView> v(yearChart(50, 451));
    const QStringList shown = v->shownBarLabels();
    EXPECT_LT(shown.size(), 50);
    EXPECT_TRUE(shown.contains(QStringLiteral("50")));
    EXPECT_TRUE(shown.contains(QStringLiteral("10")));
    // The labels written have room: their count times their width fits the plot.
    const QFontMetricsF fm(v->font());
    const double plot = v->flatChart()->plotArea().width();
    EXPECT_LE(shown.size() * (fm.horizontalAdvance(QStringLiteral("50")) + 4), plot);
    // A short chart labels every bar.
    std::unique_ptr<ChartView> few(yearChart(5, 451));
    EXPECT_EQ(few->shownBarLabels(), QStringList({"1", "2", "3", "4", "5"}));
}

TEST(ChartView, RepeatedAndEmptyNamesKeepOneBarEach) {
    ChartView v;
    v.resize(451, 360);
    v.setPoints({"Fund", "", "Fund", ""}, {10, 0, 20, 0});
    v.draw();
    auto* axis = qobject_cast<QCategoryAxis*>(v.flatChart()->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(axis);
    EXPECT_EQ(axis->count(), 4);
    auto* bars = qobject_cast<QBarSeries*>(v.flatChart()->series().value(0));
    ASSERT_TRUE(bars);
    EXPECT_EQ(bars->barSets().value(0)->count(), 4);
}

TEST(ChartView, FlatPieAndTitles) {
    ChartView v;
    v.resize(451, 360);
    v.setPoints({"Growth", "Bonds", "Gone"}, {3000, 1000, 0});
    v.setTitle(QStringLiteral("Distribution"));
    v.setAxisTitle(QStringLiteral("Value"));
    v.setKind(ChartView::Kind::Pie);
    v.draw();
    EXPECT_EQ(v.flatChart()->title(), QStringLiteral("Distribution"));
    auto* pie = qobject_cast<QPieSeries*>(v.flatChart()->series().value(0));
    ASSERT_TRUE(pie);
    ASSERT_EQ(pie->count(), 2);  // the empty fund has no slice
    EXPECT_EQ(pie->slices()[0]->label(), QStringLiteral("75.0%"));
    EXPECT_DOUBLE_EQ(pie->slices()[1]->value(), 1000);
    // Bars again: the pie is gone, the value axis has its title.
    v.setKind(ChartView::Kind::Bars);
    v.setAxisTitle(QStringLiteral("Gain %"));
    v.draw();
    ASSERT_EQ(v.flatChart()->series().size(), 1);
    EXPECT_TRUE(qobject_cast<QBarSeries*>(v.flatChart()->series()[0]));
    auto* up = qobject_cast<QValueAxis*>(v.flatChart()->axes(Qt::Vertical).value(0));
    ASSERT_TRUE(up);
    EXPECT_EQ(up->titleText(), QStringLiteral("Gain %"));
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

}  // namespace
