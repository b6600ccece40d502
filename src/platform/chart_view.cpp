#include "platform/chart_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/chart_paint.h"

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(60, 60);
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
void ChartView::setUnit(Unit unit, const QString& currencySymbol) {
    content_.unit = unit;
    content_.currencySymbol = currencySymbol;
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
    shown_ = content_;
    shownThreeD_ = threeD_;
    painted_ = QImage();
    update();
}

QFont ChartView::chartFont() const {
    return QFont(font(), this);
}

QStringList ChartView::shownBarLabels() const {
    QStringList shown;
    if (shown_.kind != Kind::Bars) return shown;
    for (int i : LayoutBars(rect(), shown_, chartFont(), shownThreeD_).labelled)
        shown << shown_.labels.value(i);
    return shown;
}

QStringList ChartView::axisTexts() const {
    if (shown_.kind != Kind::Bars) return {};
    return LayoutBars(rect(), shown_, chartFont(), shownThreeD_).ticks;
}

bool ChartView::labelsUpright() const {
    return shown_.kind == Kind::Bars &&
           LayoutBars(rect(), shown_, chartFont(), shownThreeD_).upright;
}

QString ChartView::toolTipAt(const QPoint& at) const {
    return chart_style::toolTipText(shown_,
                                    ChartPointAt(rect(), shown_, chartFont(), shownThreeD_, at));
}

void ChartView::paint(QPainter& painter) const {
    PaintChart(painter, rect(), shown_, chartFont(), shownThreeD_);
}

void ChartView::paintEvent(QPaintEvent*) {
    // Laying out and painting a maximized chart costs several times what copying its picture
    // does, and most repaints (an expose, a tooltip going away) show the same picture again.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const int dpmX = qRound(logicalDpiX() / 0.0254), dpmY = qRound(logicalDpiY() / 0.0254);
    if (painted_.size() != pixels || painted_.devicePixelRatio() != ratio ||
        painted_.dotsPerMeterX() != dpmX || painted_.dotsPerMeterY() != dpmY) {
        // Opaque, as the screen's pictures are: copied to the screen, not blended. At the
        // resolution of the widget's screen, which its texts are measured at.
        painted_ = QImage(pixels, QImage::Format_RGB32);
        painted_.setDevicePixelRatio(ratio);
        painted_.setDotsPerMeterX(dpmX);
        painted_.setDotsPerMeterY(dpmY);
        QPainter p(&painted_);
        paint(p);
        ++screenPaints_;
    }
    QPainter p(this);
    p.drawImage(0, 0, painted_);
}

void ChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) painted_ = QImage();
    QWidget::changeEvent(event);
}

bool ChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}
