#include "platform/chart_view.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "platform/chart_3d.h"

namespace cs = chart_style;

namespace {

QFont titleFont(const QFont& base) {
    QFont f = base;
    f.setBold(true);
    f.setPointSizeF(base.pointSizeF() + 1);
    return f;
}

QFont labelFont(const QFont& base) {
    QFont f = base;
    f.setPointSizeF(std::max(base.pointSizeF() - 1, 6.0));
    return f;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(Qt::white);
    chart->setMargins(QMargins(4, 4, 8, 4));
    chart->setLocalizeNumbers(true);
    chart->legend()->hide();
    flat_ = new QChartView(chart, this);
    flat_->setRenderHint(QPainter::Antialiasing);
    flat_->setFrameShape(QFrame::NoFrame);
    solid_ = new Chart3DCanvas(this);
    stack_->addWidget(flat_);
    stack_->addWidget(solid_);
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        placeBarLabels();
        placeFigures();
    });
}

QChart* ChartView::flatChart() const {
    return flat_->chart();
}

void ChartView::setPoints(const QStringList& labels, const std::vector<double>& values) {
    content_.values = values;
    content_.labels = labels;
    while (content_.labels.size() < static_cast<qsizetype>(values.size()))
        content_.labels.append(QString());
    content_.labels = content_.labels.mid(0, static_cast<qsizetype>(values.size()));
}

void ChartView::setTitle(const QString& title) {
    content_.title = title;
}
void ChartView::setAxisTitle(const QString& title) {
    content_.axisTitle = title;
}
void ChartView::setKind(Kind kind) {
    content_.kind = kind;
}
void ChartView::setThreeD(bool threeD) {
    threeD_ = threeD;
}
void ChartView::setColour(bool colour) {
    content_.colour = colour;
}

double ChartView::value(int point) const {
    if (point < 0 || point >= pointCount()) return 0;
    return content_.values[static_cast<size_t>(point)];
}

void ChartView::draw() {
    solid_->setFont(font());
    if (threeD_) {
        solid_->setContent(content_);
        stack_->setCurrentWidget(solid_);
        return;
    }
    QChart* chart = flatChart();
    for (QGraphicsSimpleTextItem* item : figures_) delete item;
    figures_.clear();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    shownLabels_.clear();
    labelStep_ = 0;
    chart->setLocale(QLocale());
    chart->setTitleFont(titleFont(font()));
    chart->setTitle(content_.title.trimmed().toHtmlEscaped());
    if (content_.kind == Kind::Pie)
        buildPie();
    else
        buildBars();
    stack_->setCurrentWidget(flat_);
}

void ChartView::buildBars() {
    QChart* chart = flatChart();
    chart->legend()->hide();
    const int n = pointCount();
    auto* set = new QBarSet(QString());
    double lo = 0, hi = 0;
    for (double v : content_.values) {
        const double shown = std::isfinite(v) ? v : 0;
        *set << shown;
        lo = std::min(lo, shown);
        hi = std::max(hi, shown);
    }
    set->setBrush(cs::barBrush(content_.colour));
    set->setPen(cs::outlinePen(content_.colour));
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.6);
    chart->addSeries(series);

    auto* across = new QCategoryAxis;
    across->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    across->setRange(-0.5, std::max(n, 1) - 0.5);
    across->setStartValue(-0.5);
    across->setGridLineVisible(false);
    across->setLabelsFont(labelFont(font()));
    chart->addAxis(across, Qt::AlignBottom);
    series->attachAxis(across);

    const QFontMetricsF fm(labelFont(font()));
    // Each bar's figure over it, when there is room for all of them; the
    // scale then leaves a little headroom for the figures at the ends.
    const double slotGuess = (std::max(width(), 100) - 100.0) / std::max(n, 1);
    const bool figures = cs::valuesFit(content_.values, slotGuess, fm);
    if (figures) {
        const int decimals = cs::valueDecimals(content_.values);
        for (int i = 0; i < n; ++i) {
            const double v = content_.values[static_cast<size_t>(i)];
            // An empty slot (no name, nothing in it) gets no figure.
            const bool empty = v == 0 && content_.labels.value(i).isEmpty();
            auto* item =
                new QGraphicsSimpleTextItem(empty ? QString() : cs::number(v, decimals), chart);
            item->setFont(labelFont(font()));
            item->setBrush(Qt::black);
            item->setZValue(10);
            figures_.push_back(item);
        }
        const double pad = (hi - lo) * 0.1;
        hi += pad;
        if (lo < 0) lo -= pad;
    }
    const int maxTicks = std::clamp(static_cast<int>(height() / (fm.height() * 2.6)), 3, 11);
    const cs::Scale scale = cs::niceScale(lo, hi, maxTicks);
    auto* up = new QValueAxis;
    up->setRange(scale.lo, scale.hi);
    up->setTickCount(scale.ticks());
    up->setLabelFormat(QStringLiteral("%.%1f").arg(cs::decimalsFor(scale.step)));
    up->setLabelsFont(labelFont(font()));
    QFont axisTitle = labelFont(font());
    axisTitle.setBold(true);
    up->setTitleFont(axisTitle);
    up->setTitleText(content_.axisTitle.trimmed().toHtmlEscaped());
    chart->addAxis(up, Qt::AlignLeft);
    series->attachAxis(up);
    placeBarLabels();
    placeFigures();
}

void ChartView::placeFigures() {
    if (figures_.empty()) return;
    QChart* chart = flatChart();
    const auto series = chart->series();
    if (series.isEmpty()) return;
    for (size_t i = 0; i < figures_.size() && i < content_.values.size(); ++i) {
        const double v = std::isfinite(content_.values[i]) ? content_.values[i] : 0;
        const QPointF end = chart->mapToPosition(QPointF(static_cast<double>(i), v), series[0]);
        const QRectF box = figures_[i]->boundingRect();
        const double y = v >= 0 ? end.y() - box.height() - 1 : end.y() + 1;
        figures_[i]->setPos(end.x() - box.width() / 2, y);
    }
}

void ChartView::placeBarLabels() {
    QChart* chart = flatChart();
    if (threeD_ || content_.kind != Kind::Bars) return;
    const auto axes = chart->axes(Qt::Horizontal);
    auto* across = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.first());
    if (!across) return;
    const int n = pointCount();
    double plotW = chart->plotArea().width();
    if (plotW < 10) plotW = std::max(width(), 200) - 90;
    const double slot = n > 0 ? plotW / n : plotW;
    const QFontMetricsF fm(labelFont(font()));
    const bool numbered = cs::numberedLabels(content_.labels);
    double labelW = 0;
    for (const QString& l : content_.labels) labelW = std::max(labelW, fm.horizontalAdvance(l));
    const bool upright = !numbered && labelW + 8 > slot;
    const double needed = upright ? fm.height() + 8 : labelW + 8;
    const int step = cs::labelStep(n, slot, needed);
    if (step == labelStep_ && upright == upright_) return;
    labelStep_ = step;
    upright_ = upright;

    for (const QString& l : across->categoriesLabels()) across->remove(l);
    shownLabels_.clear();
    QStringList used;
    for (int i : cs::labelledPoints(n, step, numbered, slot, needed)) {
        QString text = content_.labels.value(i);
        shownLabels_.append(text);
        // An empty category text would take the axis's labels away altogether.
        if (text.isEmpty()) text = QChar(0x200B);
        // The axis keeps one category per distinct text: repeated names (or
        // empty ones) are told apart by invisible zero-width spaces.
        while (used.contains(text)) text += QChar(0x200B);
        used.append(text);
        across->append(text, i);
    }
    across->setLabelsAngle(upright ? -90 : 0);
}

void ChartView::buildPie() {
    QChart* chart = flatChart();
    const std::vector<cs::Slice> slices = cs::pieSlices(content_);
    const QFont small = labelFont(font());
    const QFontMetricsF fm(small);
    const double rowH = fm.height() + 4;
    const double room = height() - QFontMetricsF(titleFont(font())).height() - 24;
    // The legend's swatches are too small to show a hatching: in black and
    // white the names stand beside the slices instead, and the pie is a
    // little smaller to leave them room.
    const bool legend =
        content_.colour && !slices.empty() && static_cast<double>(slices.size()) * rowH <= room;
    const double pieSize = legend ? 0.62 : 0.5;
    auto* series = new QPieSeries;
    series->setPieSize(pieSize);
    const double plotW = legend ? width() * 0.62 : width() - 24.0;
    const double radius = pieSize * std::min(plotW, room) / 2;
    const std::vector<bool> labelled = cs::labelledSlices(slices, radius * 1.15, fm.height() + 1);
    // A name is shortened so that its share, the part that matters, is never cut.
    const double labelRoom = (plotW - 2 * radius) / 2 - radius * 0.15 - 8;
    for (const cs::Slice& s : slices) {
        QString text = cs::percentText(s.share);
        if (!legend) {
            const double nameRoom = labelRoom - fm.horizontalAdvance(text + QLatin1Char(' '));
            text = fm.elidedText(content_.labels.value(s.point), Qt::ElideRight,
                                 std::max(nameRoom, 0.0)) +
                   QLatin1Char(' ') + text;
        }
        series->append(text.trimmed(), content_.values[static_cast<size_t>(s.point)]);
    }
    chart->addSeries(series);
    // Brushes and pens after the series joins the chart, which gives it its theme's.
    const auto all = series->slices();
    for (qsizetype k = 0; k < all.size(); ++k) {
        QPieSlice* slice = all[k];
        slice->setBrush(cs::sliceBrush(static_cast<int>(k), content_.colour));
        slice->setPen(content_.colour ? QPen(Qt::white, 1) : QPen(Qt::black, 1));
        slice->setLabelFont(small);
        slice->setLabelColor(Qt::black);
        slice->setLabelBrush(QBrush(Qt::black));
        slice->setLabelVisible(labelled[static_cast<size_t>(k)]);
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelArmLengthFactor(0.08);
    }
    if (!legend) {
        chart->legend()->hide();
        return;
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(small);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    chart->legend()->show();
    const auto markers = chart->legend()->markers(series);
    for (qsizetype i = 0; i < markers.size() && i < static_cast<qsizetype>(slices.size()); ++i) {
        const QString name = content_.labels.value(slices[static_cast<size_t>(i)].point);
        markers[i]->setLabel(fm.elidedText(name, Qt::ElideRight, std::max(width() * 0.3, 60.0)));
        markers[i]->setPen(content_.colour ? QPen(Qt::NoPen) : QPen(Qt::black, 1));
    }
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBarLabels();
}
