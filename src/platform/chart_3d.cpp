#include "platform/chart_3d.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMargin = 8;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The title across the top; returns its height.
// The labels' font, a point smaller than the chart's, made the painter's font.
QFont useLabelFont(QPainter& p, const QFont& font) {
    QFont labelFont = font;
    labelFont.setPointSizeF(std::max(font.pointSizeF() - 1, 6.0));
    p.setFont(labelFont);
    return labelFont;
}

double paintTitle(QPainter& p, const QRectF& area, const QString& title, const QFont& font) {
    if (title.trimmed().isEmpty()) return 0;
    QFont f = font;
    f.setBold(true);
    f.setPointSizeF(font.pointSizeF() + 1);
    const QFontMetricsF fm(f);
    p.setFont(f);
    p.setPen(Qt::black);
    const QRectF r(area.left(), area.top() + kMargin, area.width(), fm.height());
    p.drawText(r, Qt::AlignCenter, fm.elidedText(title.trimmed(), Qt::ElideRight, area.width()));
    return fm.height() + kMargin;
}

void paintBars(QPainter& p, const QRectF& area, const ChartContent& c, const QFont& font) {
    namespace cs = chart_style;
    const double titleH = paintTitle(p, area, c.title, font);
    const QFont labelFont = useLabelFont(p, font);
    const QFontMetricsF fm(labelFont);
    const int n = static_cast<int>(c.values.size());

    double lo = 0, hi = 0;
    for (double v : c.values)
        if (std::isfinite(v)) lo = std::min(lo, v), hi = std::max(hi, v);

    // Each bar's figure over it when there is room for all of them, with a
    // little headroom on the scale.
    const double slotEstimate = (area.width() - 100.0) / std::max(n, 1);
    const bool figures = cs::valuesFit(c.values, slotEstimate, fm);
    if (figures) {
        const double pad = (hi - lo) * 0.1;
        hi += pad;
        if (lo < 0) lo -= pad;
    }

    // The value axis: room for its title and its widest tick label.
    const double top0 = area.top() + titleH + kMargin;
    const int maxTicks =
        std::clamp(static_cast<int>((area.height() - titleH) / (fm.height() * 2.2)), 2, 11);
    const cs::Scale scale = cs::niceScale(lo, hi, maxTicks);
    const int decimals = cs::decimalsFor(scale.step);
    double tickW = 0;
    for (int t = 0; t < scale.ticks(); ++t)
        tickW =
            std::max(tickW, fm.horizontalAdvance(cs::number(scale.lo + t * scale.step, decimals)));
    const double axisTitleW = c.axisTitle.trimmed().isEmpty() ? 0 : fm.height() + 6;

    // Point labels: across when they fit, upright for names that do not, thinned out.
    const bool numbered = cs::numberedLabels(c.labels);
    double labelW = 0;
    for (const QString& l : c.labels) labelW = std::max(labelW, fm.horizontalAdvance(l));
    const double left = area.left() + kMargin + axisTitleW + tickW + 6;
    const double widthGuess = area.right() - kMargin - left;
    const double slotGuess = n > 0 ? widthGuess / n : widthGuess;
    const bool upright = !numbered && labelW + 6 > slotGuess;
    const double maxUpright = std::min(labelW, std::max(area.height() * 0.3, 40.0));
    const double labelH = upright ? maxUpright + 6 : fm.height() + 6;

    const double depth = n > 0 ? std::clamp(slotGuess * 0.35, 3.0, 16.0) : 10.0;
    const QRectF plot(left, top0 + depth, widthGuess - depth,
                      area.bottom() - kMargin - labelH - (top0 + depth));
    if (plot.width() < 10 || plot.height() < 10) return;
    const double slot = n > 0 ? plot.width() / n : plot.width();
    auto yOf = [&](double v) {
        return plot.bottom() - (v - scale.lo) / (scale.hi - scale.lo) * plot.height();
    };
    const QPointF back(depth, -depth);

    // The box: back wall, left wall and floor.
    const QColor wall = c.colour ? QColor(0xee, 0xf2, 0xf7) : QColor(0xf4, 0xf4, 0xf4);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(wall);
    p.drawRect(plot.translated(back));
    p.setBrush(cs::shade(wall, 6));
    p.drawPolygon(QPolygonF(
        {plot.topLeft(), plot.topLeft() + back, plot.bottomLeft() + back, plot.bottomLeft()}));
    p.drawPolygon(QPolygonF({plot.bottomLeft(), plot.bottomLeft() + back, plot.bottomRight() + back,
                             plot.bottomRight()}));

    // Ticks: lines along the walls, figures at the front.
    for (int t = 0; t < scale.ticks(); ++t) {
        const double v = scale.lo + t * scale.step;
        const double y = yOf(v);
        p.setPen(
            QPen(std::abs(v) < 1e-12 ? QColor(0x40, 0x40, 0x40) : QColor(0xc0, 0xc0, 0xc0), 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.left(), y) + back);
        p.drawLine(QPointF(plot.left(), y) + back, QPointF(plot.right(), y) + back);
        p.setPen(Qt::black);
        const QRectF r(left - 6 - tickW, y - fm.height() / 2, tickW, fm.height());
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, cs::number(v, decimals));
    }

    // The blocks, left to right so that each covers its left neighbour's side.
    const double barW = slot * 0.6;
    const double bd = std::min(depth * 0.8, slot * 0.35);
    const QPointF bback(bd, -bd);
    const QBrush front = cs::barBrush(c.colour);
    const QColor base = front.color();
    const QColor topColour = c.colour ? base.lighter(135) : QColor(225, 225, 225);
    const QColor sideColour = c.colour ? cs::shade(base, 30) : QColor(140, 140, 140);
    const QPen edge = cs::outlinePen(c.colour);
    const double y0 = yOf(0);
    for (int i = 0; i < n; ++i) {
        const double v =
            std::isfinite(c.values[static_cast<size_t>(i)]) ? c.values[static_cast<size_t>(i)] : 0;
        const double x = plot.left() + slot * i + (slot - barW) / 2 + (depth - bd) / 2;
        const double yv = yOf(v);
        const double yt = std::min(yv, y0), yb = std::max(yv, y0);
        const QRectF face(x, yt, barW, std::max(yb - yt, 0.5));
        p.setPen(edge);
        p.setBrush(sideColour);
        p.drawPolygon(QPolygonF({face.topRight(), face.topRight() + bback,
                                 face.bottomRight() + bback, face.bottomRight()}));
        p.setBrush(topColour);
        p.drawPolygon(QPolygonF(
            {face.topLeft(), face.topLeft() + bback, face.topRight() + bback, face.topRight()}));
        p.setBrush(front);
        p.drawRect(face);
        if (figures && !(v == 0 && c.labels.value(i).isEmpty())) {
            p.setPen(Qt::black);
            const QString text = cs::number(v, cs::valueDecimals(c.values));
            const double tw = fm.horizontalAdvance(text) + 2;
            const double ty = v >= 0 ? face.top() - bd - fm.height() - 1 : face.bottom() + 1;
            p.drawText(QRectF(x + (barW + bd) / 2 - tw / 2, ty, tw, fm.height()), Qt::AlignCenter,
                       text);
        }
    }

    // Point labels.
    const double needed = upright ? fm.height() + 2 : labelW + 8;
    const int step = cs::labelStep(n, slot, needed);
    p.setPen(Qt::black);
    for (int i : cs::labelledPoints(n, step, numbered, slot, needed)) {
        const QString& text = c.labels.at(i);
        const double cx = plot.left() + slot * (i + 0.5);
        if (upright) {
            p.save();
            p.translate(cx, plot.bottom() + 4);
            p.rotate(-90);
            p.drawText(QRectF(-maxUpright, -fm.height() / 2, maxUpright, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter,
                       fm.elidedText(text, Qt::ElideRight, maxUpright));
            p.restore();
        } else {
            const double w = std::max(slot * step, fm.horizontalAdvance(text) + 2);
            p.drawText(QRectF(cx - w / 2, plot.bottom() + 3, w, fm.height()), Qt::AlignCenter,
                       text);
        }
    }

    // The axis title, upright at the left.
    if (axisTitleW > 0) {
        QFont tf = labelFont;
        tf.setBold(true);
        p.setFont(tf);
        p.save();
        p.translate(area.left() + kMargin, plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignCenter,
                   c.axisTitle.trimmed());
        p.restore();
    }
}

void paintPie(QPainter& p, const QRectF& area, const ChartContent& c, const QFont& font) {
    namespace cs = chart_style;
    const double titleH = paintTitle(p, area, c.title, font);
    const QFont labelFont = useLabelFont(p, font);
    const QFontMetricsF fm(labelFont);
    const std::vector<cs::Slice> slices = cs::pieSlices(c);
    if (slices.empty()) return;

    // The legend on the right, when every slice has a line in it.
    const QRectF body(area.left() + kMargin, area.top() + titleH + kMargin,
                      area.width() - 2 * kMargin, area.height() - titleH - 2 * kMargin);
    const double rowH = fm.height() + 3;
    const bool legend = slices.size() * rowH <= body.height();
    double legendW = 0;
    if (legend) {
        for (const auto& s : slices)
            legendW = std::max(legendW, fm.horizontalAdvance(c.labels.value(s.point)));
        legendW = std::min(legendW, body.width() * 0.35) + fm.height() + 10;
    }

    // The disc: as wide as the room allows, tilted to about half its width.
    const double labelRoom = fm.horizontalAdvance(QStringLiteral("100.0%")) + 8;
    const double roomW = body.width() - legendW - 2 * labelRoom;
    const double roomH = body.height() - 2 * (fm.height() + 6);
    const double w = std::max(std::min(roomW, roomH / 0.68), 20.0);
    const double h = w * 0.55, depth = w * 0.12;
    const QPointF centre(body.left() + labelRoom + roomW / 2,
                         body.top() + (body.height() - depth) / 2);
    const QRectF disc(centre.x() - w / 2, centre.y() - h / 2, w, h);
    const double rx = w / 2, ry = h / 2;
    auto edgePoint = [&](double deg, double drop) {
        return QPointF(centre.x() + rx * std::cos(radians(deg)),
                       centre.y() - ry * std::sin(radians(deg)) + drop);
    };

    // Slices run clockwise from twelve o'clock: slice k spans [a - span, a].
    std::vector<std::pair<double, double>> spans;
    double a = 90;
    for (const auto& s : slices) {
        spans.emplace_back(a - s.share * 360.0, a);
        a -= s.share * 360.0;
    }
    const QPen edge = c.colour ? QPen(QColor(0xff, 0xff, 0xff), 1) : QPen(Qt::black, 1);

    // The front wall: the part of each slice between nine and three o'clock
    // below the centre (angles -180..0 in this turn).
    for (size_t k = 0; k < slices.size(); ++k) {
        const double lo = std::max(spans[k].first, -180.0), hi = std::min(spans[k].second, 0.0);
        if (hi <= lo) continue;
        QPolygonF wallShape;
        const int steps = std::max(2, static_cast<int>((hi - lo) / 3));
        for (int j = 0; j <= steps; ++j) wallShape << edgePoint(lo + (hi - lo) * j / steps, 0);
        for (int j = steps; j >= 0; --j) wallShape << edgePoint(lo + (hi - lo) * j / steps, depth);
        p.setPen(c.colour ? QPen(cs::shade(cs::sliceWallColour(static_cast<int>(k), true), 20), 1)
                          : edge);
        p.setBrush(cs::sliceWallColour(static_cast<int>(k), c.colour));
        p.drawPolygon(wallShape);
    }
    // The top of the disc.
    for (size_t k = 0; k < slices.size(); ++k) {
        p.setPen(edge);
        p.setBrush(cs::sliceBrush(static_cast<int>(k), c.colour));
        const double start = spans[k].first, span = spans[k].second - spans[k].first;
        if (slices.size() == 1)
            p.drawEllipse(disc);
        else
            p.drawPie(disc, static_cast<int>(std::lround(start * 16)),
                      std::max(1, static_cast<int>(std::lround(span * 16))));
    }
    if (!c.colour) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
    }

    // Shares beside the larger slices; names too when there is no legend.
    p.setPen(Qt::black);
    const std::vector<bool> labelled = cs::labelledSlices(slices, ry + 6, fm.height() + 1);
    for (size_t k = 0; k < slices.size(); ++k) {
        if (!labelled[k]) continue;
        const double mid = (spans[k].first + spans[k].second) / 2;
        const double m = std::fmod(mid + 720.0, 360.0);
        const bool front = m > 180.0;
        const double cosm = std::cos(radians(mid)), sinm = std::sin(radians(mid));
        QPointF at(centre.x() + (rx + 6) * cosm,
                   centre.y() - (ry + 6) * sinm + (front ? depth : 0));
        QString text = cs::percentText(slices[k].share);
        if (!legend)
            text = fm.elidedText(c.labels.value(slices[k].point), Qt::ElideRight, labelRoom * 1.5) +
                   QLatin1Char(' ') + text;
        const double tw = fm.horizontalAdvance(text);
        const double x = cosm >= 0 ? at.x() : at.x() - tw;
        const double y = sinm >= 0 ? at.y() - fm.height() : at.y();
        p.drawText(QRectF(x, y, tw + 1, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    if (!legend) return;
    const double lx = area.right() - kMargin - legendW;
    double ly = body.center().y() - slices.size() * rowH / 2;
    for (size_t k = 0; k < slices.size(); ++k, ly += rowH) {
        const QRectF swatch(lx, ly + 2, fm.height() - 2, fm.height() - 2);
        p.setPen(c.colour ? Qt::NoPen : QPen(Qt::black, 1));
        p.setBrush(cs::sliceBrush(static_cast<int>(k), c.colour));
        p.drawRect(swatch);
        p.setPen(Qt::black);
        const double tx = swatch.right() + 5;
        p.drawText(QRectF(tx, ly, area.right() - kMargin - tx, rowH),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(c.labels.value(slices[k].point), Qt::ElideRight,
                                 area.right() - kMargin - tx));
    }
}

}  // namespace

void PaintChart3D(QPainter& painter, const QRectF& area, const ChartContent& content,
                  const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, Qt::white);
    if (content.kind == ChartContent::Kind::Pie)
        paintPie(painter, area, content, font);
    else
        paintBars(painter, area, content, font);
    painter.restore();
}

Chart3DCanvas::Chart3DCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Chart3DCanvas::setContent(const ChartContent& content) {
    content_ = content;
    update();
}

void Chart3DCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintChart3D(p, rect(), content_, font());
}
