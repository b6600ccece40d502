#include "platform/chart_paint.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace cs = chart_style;

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The most bars that carry their figures.
constexpr int kMostFigures = 12;

double finiteOr0(double v) {
    return std::isfinite(v) ? v : 0.0;
}

double margin(const QFontMetricsF& fm) {
    return std::max(6.0, fm.height() * 0.5);
}

QFont boldFont(const QFont& base) {
    QFont f = base;
    f.setBold(true);
    return f;
}

// The title's line across the top, and the top of what comes under it.
QRectF titleLine(const QRectF& area, const ChartContent& c, const QFont& font, double m,
                 double* below) {
    if (c.title.trimmed().isEmpty()) {
        *below = area.top() + m;
        return QRectF();
    }
    const QFontMetricsF tfm(ChartTitleFont(font));
    const QRectF r(area.left() + m, area.top() + m, std::max(area.width() - 2 * m, 0.0),
                   tfm.height());
    *below = r.bottom() + m * 0.6;
    return r;
}

// Sets `f` as the painter's font at the size the chart was laid out for: the layout measures
// its texts at the font's own resolution (the widget's screen), and a device of another
// resolution (a printer) would make a point of text more or fewer of its dots.
void useFont(QPainter& p, QFont f) {
    const QPaintDevice* device = p.device();
    const int deviceDpi = device ? device->logicalDpiY() : 0;
    const qreal measuredDpi = QFontMetricsF(f).fontDpi();
    if (deviceDpi > 0 && measuredDpi > 0 && deviceDpi != measuredDpi && f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * measuredDpi / deviceDpi);
    p.setFont(f);
}

// The blank point that pads a single one: no figure, no label, no tip.
bool padding(const ChartContent& c, int i) {
    return finiteOr0(c.values[static_cast<size_t>(i)]) == 0 &&
           c.labels.value(i).trimmed().isEmpty();
}

}  // namespace

QFont ChartTitleFont(const QFont& base) {
    QFont f = boldFont(base);
    if (base.pointSizeF() > 0)
        f.setPointSizeF(base.pointSizeF() + 2);
    else if (base.pixelSize() > 0)
        f.setPixelSize(base.pixelSize() + 3);
    return f;
}

double BarLayout::y(double value) const {
    const double range = scale.hi - scale.lo;
    if (range <= 0) return plot.bottom();
    return plot.bottom() - (finiteOr0(value) - scale.lo) / range * plot.height();
}

BarLayout LayoutBars(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD) {
    BarLayout L;
    const QFontMetricsF fm(font);
    const double lineH = fm.height();
    const double m = margin(fm);
    const int n = static_cast<int>(c.values.size());
    double top = 0;
    L.title = titleLine(area, c, font, m, &top);

    double lo = 0, hi = 0;
    for (double v : c.values) lo = std::min(lo, finiteOr0(v)), hi = std::max(hi, finiteOr0(v));

    const double axisTitleW =
        c.axisTitle.trimmed().isEmpty() ? 0 : QFontMetricsF(boldFont(font)).height() + m * 0.5;
    double labelW = 0;
    for (const QString& l : c.labels) labelW = std::max(labelW, fm.horizontalAdvance(l));
    const bool numbered = cs::numberedLabels(c.labels);
    const double gap = std::max(lineH * 0.8, 8.0);

    // The scale, its tick texts and the labels under the bars depend on one
    // another: worked out on a first guess of the plot, then once more.
    double plotH = area.bottom() - top - 2 * lineH - m;
    double left = area.left() + m + axisTitleW;
    double right = area.right() - m;
    for (int pass = 0; pass < 2; ++pass) {
        const double plotW0 = std::max(right - left - L.tickWidth - m * 0.5, 1.0);
        const double slot0 = n > 0 ? plotW0 / n : plotW0;
        L.depth = threeD ? std::clamp(slot0 * 0.35, 3.0, std::max(16.0, lineH)) : 0.0;
        L.barDepth = threeD ? std::min(L.depth * 0.8, slot0 * 0.35) : 0.0;

        // Figures over the bars when there are a dozen or fewer and every one of them fits its
        // bar (more are never written, so their texts are not measured).
        double figureW = 0;
        for (int i = 0; i < n && n <= kMostFigures; ++i)
            if (!padding(c, i))
                figureW = std::max(figureW, fm.horizontalAdvance(cs::figureText(c.values[i], c)));
        L.figures = n > 0 && n <= kMostFigures && figureW + 4 <= slot0;

        // Labels across when they are numbers or all fit; names that do not
        // are written upwards.
        L.upright = !numbered && labelW + gap > slot0;
        L.uprightLength = std::min(labelW, std::max(area.height() * 0.4, 3 * lineH));
        const double firstW = n > 0 ? fm.horizontalAdvance(c.labels.value(0)) : 0;
        const double lastW = n > 0 ? fm.horizontalAdvance(c.labels.value(n - 1)) : 0;
        const bool overhang = !L.upright && firstW / 2 > slot0 / 2 + m * 0.5;
        const double labelsH =
            L.upright ? L.uprightLength + 6 : lineH + 4 + (overhang ? lineH / 2 : 0);
        // The last label must not run off the right edge.
        right = area.right() - m;
        if (!L.upright) right -= std::max(0.0, lastW / 2 - slot0 / 2 - L.depth);
        plotH = area.bottom() - m - labelsH - (top + L.depth);

        // Headroom for the figures (and a bar's 3D top) above the highest bar
        // and below the lowest.
        double vlo = lo, vhi = hi;
        const double room = (L.figures ? lineH + 3 : 0) + L.barDepth;
        if (room > 0 && plotH > 3 * room) {
            const double pad = (hi - lo) * room / (plotH - 2 * room);
            if (hi > 0) vhi += pad;
            if (lo < 0) vlo -= pad;
        }
        const int maxTicks = std::clamp(static_cast<int>(plotH / (lineH * 2.2)), 2, 11);
        L.scale = cs::niceScale(vlo, vhi, maxTicks);
        L.tickDecimals = cs::decimalsFor(L.scale.step);
        if (c.unit == ChartContent::Unit::Money && L.tickDecimals > 0) L.tickDecimals = 2;
        L.ticks.clear();
        L.tickWidth = 0;
        for (int t = 0; t < L.scale.ticks(); ++t) {
            L.ticks << cs::tickText(L.scale.lo + t * L.scale.step, L.tickDecimals, c);
            L.tickWidth = std::max(L.tickWidth, fm.horizontalAdvance(L.ticks.last()));
        }
        L.labelTop = area.bottom() - m - labelsH + 4 + (overhang ? lineH / 2 : 0);
    }
    const double plotLeft = left + L.tickWidth + m * 0.5;
    L.plot = QRectF(plotLeft, top + L.depth, std::max(right - plotLeft - L.depth, 1.0),
                    std::max(plotH, 1.0));
    L.slot = n > 0 ? L.plot.width() / n : L.plot.width();

    const double barW = L.slot * 0.6;
    const double y0 = L.y(0);
    for (int i = 0; i < n; ++i) {
        const double x = L.plot.left() + L.slot * i + (L.slot - barW) / 2;
        const double yv = L.y(c.values[static_cast<size_t>(i)]);
        const double yt = std::min(yv, y0), yb = std::max(yv, y0);
        L.bars.emplace_back(x, yt, barW, std::max(yb - yt, 0.5));
    }
    const double needed = L.upright ? lineH + 2 : labelW + gap;
    L.labelled = cs::labelledPoints(n, L.slot, needed);
    // The blank padding point has nothing to write.
    std::erase_if(L.labelled, [&](int i) { return c.labels.value(i).isEmpty(); });
    return L;
}

namespace {

// The chart's title across the top, cut with an ellipsis where it is wider than its place.
void paintTitle(QPainter& p, const QRectF& place, const QString& title, const QFont& font) {
    if (place.isNull()) return;
    const QFont titleFont = ChartTitleFont(font);
    useFont(p, titleFont);
    p.setPen(Qt::black);
    p.drawText(place, Qt::AlignCenter,
               QFontMetricsF(titleFont).elidedText(title.trimmed(), Qt::ElideRight, place.width()));
}

void paintBars(QPainter& p, const QRectF& area, const ChartContent& c, const QFont& font,
               bool threeD) {
    const BarLayout L = LayoutBars(area, c, font, threeD);
    const QFontMetricsF fm(font);
    const double lineH = fm.height();
    paintTitle(p, L.title, c.title, font);
    if (L.plot.width() < 4 || L.plot.height() < 4) return;
    useFont(p, font);
    const QPointF back(L.depth, -L.depth);
    const QRectF& plot = L.plot;

    // The walls: in 3D a box with a back wall, left wall and floor; flat, a plain frame.
    const QColor wall = c.colour ? QColor(0xee, 0xf2, 0xf7) : QColor(0xf4, 0xf4, 0xf4);
    const QPen wallPen(QColor(0x80, 0x80, 0x80), 1);
    if (threeD) {
        p.setPen(wallPen);
        p.setBrush(wall);
        p.drawRect(plot.translated(back));
        p.setBrush(cs::shade(wall, 6));
        p.drawPolygon(QPolygonF(
            {plot.topLeft(), plot.topLeft() + back, plot.bottomLeft() + back, plot.bottomLeft()}));
        p.drawPolygon(QPolygonF({plot.bottomLeft(), plot.bottomLeft() + back,
                                 plot.bottomRight() + back, plot.bottomRight()}));
    }

    // Grid lines at the ticks (along the walls in 3D), tick texts at the left.
    for (int t = 0; t < L.scale.ticks(); ++t) {
        const double v = L.scale.lo + t * L.scale.step;
        const double y = L.y(v);
        const bool zero = std::abs(v) < 1e-12;
        const QPen gridPen(zero ? QColor(0x40, 0x40, 0x40) : QColor(0xc8, 0xc8, 0xc8), 1);
        p.setPen(gridPen);
        if (threeD) {
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.left(), y) + back);
            p.drawLine(QPointF(plot.left(), y) + back, QPointF(plot.right(), y) + back);
        } else {
            p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        p.setPen(Qt::black);
        const QRectF r(plot.left() - fm.height() * 0.25 - L.tickWidth - 2, y - lineH / 2,
                       L.tickWidth + 2, lineH);
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, L.ticks.value(t));
    }
    if (!threeD) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        p.drawLine(plot.topLeft(), plot.bottomLeft());
    }

    // The bars, left to right so that in 3D each covers its left neighbour's side: a 3D bar's
    // right side and top reach back, up and to the right of its face.
    const QBrush front = cs::barBrush(c.colour);
    const QColor base = front.color();
    const QColor topColour = c.colour ? base.lighter(135) : QColor(225, 225, 225);
    const QColor sideColour = c.colour ? cs::shade(base, 30) : QColor(140, 140, 140);
    const QPen outline = cs::outlinePen(c.colour);
    const double shift = threeD ? (L.depth - L.barDepth) / 2 : 0;
    const QPointF barBack(L.barDepth, -L.barDepth);
    p.setPen(outline);
    for (const QRectF& bar : L.bars) {
        const QRectF face = bar.translated(shift, 0);
        if (threeD && L.barDepth > 0) {
            p.setBrush(sideColour);
            p.drawPolygon(QPolygonF({face.topRight(), face.topRight() + barBack,
                                     face.bottomRight() + barBack, face.bottomRight()}));
            p.setBrush(topColour);
            p.drawPolygon(QPolygonF({face.topLeft(), face.topLeft() + barBack,
                                     face.topRight() + barBack, face.topRight()}));
        }
        p.setBrush(front);
        p.drawRect(face);
    }

    // Each bar's figure over it (under it when below 0).
    for (size_t i = 0; L.figures && i < L.bars.size(); ++i) {
        if (padding(c, static_cast<int>(i))) continue;
        const QRectF face = L.bars[i].translated(shift, 0);
        const double v = finiteOr0(c.values[i]);
        const QString text = cs::figureText(v, c);
        const double tw = fm.horizontalAdvance(text) + 2;
        const double ty = v >= 0 ? face.top() - L.barDepth - lineH - 1 : face.bottom() + 1;
        p.setPen(Qt::black);
        p.drawText(QRectF(face.center().x() + L.barDepth / 2 - tw / 2, ty, tw, lineH),
                   Qt::AlignCenter, text);
    }

    // The point labels under the bars.
    p.setPen(Qt::black);
    for (int i : L.labelled) {
        const QString text = c.labels.value(i);
        const double cx = L.bars[static_cast<size_t>(i)].center().x() + shift;
        if (L.upright) {
            p.save();
            p.translate(cx, plot.bottom() + 4);
            p.rotate(-90);
            // A name longer than its room is written smaller, down to two thirds, before it is
            // shortened.
            const double shrink = std::max(
                2.0 / 3, std::min(1.0, L.uprightLength / std::max(fm.horizontalAdvance(text), 1.0)));
            QFont small = font;
            if (shrink < 1) {
                if (small.pointSizeF() > 0)
                    small.setPointSizeF(small.pointSizeF() * shrink);
                else
                    small.setPixelSize(std::max(1, static_cast<int>(small.pixelSize() * shrink)));
                useFont(p, small);
            }
            p.drawText(QRectF(-L.uprightLength, -lineH / 2, L.uprightLength, lineH),
                       Qt::AlignRight | Qt::AlignVCenter,
                       QFontMetricsF(small).elidedText(text, Qt::ElideRight, L.uprightLength));
            p.restore();
        } else {
            const double w = fm.horizontalAdvance(text) + 2;
            p.drawText(QRectF(cx - w / 2, L.labelTop, w, lineH), Qt::AlignCenter, text);
        }
    }

    // The axis title, upwards at the left.
    if (!c.axisTitle.trimmed().isEmpty()) {
        const QFont tf = boldFont(font);
        useFont(p, tf);
        const double th = QFontMetricsF(tf).height();
        p.save();
        p.translate(area.left() + margin(fm), plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2 - 40, 0, plot.height() + 80, th), Qt::AlignCenter,
                   c.axisTitle.trimmed());
        p.restore();
    }
}

}  // namespace

PieLayout LayoutPie(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD) {
    PieLayout L;
    const QFontMetricsF fm(font);
    const double lineH = fm.height();
    const double m = margin(fm);
    double top = 0;
    L.title = titleLine(area, c, font, m, &top);
    L.slices = cs::pieSlices(c);
    if (L.slices.empty()) return L;

    const QRectF body(area.left() + m, top, area.width() - 2 * m, area.bottom() - m - top);
    // Every slice is named in the legend: in the chart's font when the rows
    // fit, else in a smaller one (down to 70 %), else in two columns.
    const int n = static_cast<int>(L.slices.size());
    for (int columns = 1; columns <= 2 && !L.legend; ++columns) {
        for (double scale = 1.0; scale >= 0.695 && !L.legend; scale -= 0.05) {
            QFont f = font;
            if (font.pointSizeF() > 0)
                f.setPointSizeF(font.pointSizeF() * scale);
            else
                f.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * scale)));
            const double rowH = QFontMetricsF(f).height() + (scale < 1.0 ? 1 : 3);
            if (static_cast<double>((n + columns - 1) / columns) * rowH <= body.height()) {
                L.legend = true;
                L.legendColumns = columns;
                L.legendFont = f;
                L.rowHeight = rowH;
            }
        }
    }
    const QFontMetricsF lfm(L.legend ? L.legendFont : font);
    double nameW = 0;
    for (const auto& s : L.slices)
        nameW = std::max(nameW, (L.legend ? lfm : fm).horizontalAdvance(c.labels.value(s.point)));
    const double shareW = fm.horizontalAdvance(QStringLiteral("100.0%"));
    double legendW = 0;
    if (L.legend) {
        const double columnW =
            std::min(nameW, body.width() * 0.35 / L.legendColumns) + lfm.height() + 10;
        legendW = columnW * L.legendColumns;
        L.labelRoom = shareW + 8;
    } else {
        L.labelRoom =
            std::min(nameW + fm.horizontalAdvance(QLatin1Char(' ')) + shareW, body.width() * 0.3) +
            8;
    }
    const double roomW = body.width() - legendW - 2 * L.labelRoom;
    const double roomH = body.height() - 2 * (lineH + 6);
    const double tilt = threeD ? 0.55 : 1.0;
    const double w = std::max(std::min(roomW, threeD ? roomH / (tilt + 0.12) : roomH), 20.0);
    L.rx = w / 2;
    L.ry = w * tilt / 2;
    L.depth = threeD ? w * 0.12 : 0.0;
    L.centre =
        QPointF(body.left() + L.labelRoom + roomW / 2, body.top() + (body.height() - L.depth) / 2);
    double a = 90;
    for (const auto& s : L.slices) {
        L.spans.emplace_back(a - s.share * 360.0, a);
        a -= s.share * 360.0;
    }
    L.labelled = cs::labelledSlices(L.slices, L.ry + 6, lineH + 1);
    if (L.legend) {
        const int rows = (n + L.legendColumns - 1) / L.legendColumns;
        const double h = static_cast<double>(rows) * L.rowHeight;
        L.legendBox = QRectF(area.right() - m - legendW, body.center().y() - h / 2, legendW, h);
    }
    return L;
}

namespace {

void paintPie(QPainter& p, const QRectF& area, const ChartContent& c, const QFont& font,
              bool threeD) {
    const PieLayout L = LayoutPie(area, c, font, threeD);
    const QFontMetricsF fm(font);
    const double lineH = fm.height();
    paintTitle(p, L.title, c.title, font);
    if (L.slices.empty()) return;
    useFont(p, font);
    const QRectF disc(L.centre.x() - L.rx, L.centre.y() - L.ry, 2 * L.rx, 2 * L.ry);
    auto edgePoint = [&](double deg, double drop) {
        return QPointF(L.centre.x() + L.rx * std::cos(radians(deg)),
                       L.centre.y() - L.ry * std::sin(radians(deg)) + drop);
    };
    const QPen edge = c.colour ? QPen(Qt::white, 1) : QPen(Qt::black, 1);

    // In 3D the front wall: the part of each slice between nine and three
    // o'clock below the centre (angles -180..0).
    for (size_t k = 0; threeD && k < L.slices.size(); ++k) {
        const double lo = std::max(L.spans[k].first, -180.0);
        const double hi = std::min(L.spans[k].second, 0.0);
        if (hi <= lo) continue;
        QPolygonF wallShape;
        const int steps = std::max(2, static_cast<int>((hi - lo) / 3));
        for (int j = 0; j <= steps; ++j) wallShape << edgePoint(lo + (hi - lo) * j / steps, 0);
        for (int j = steps; j >= 0; --j)
            wallShape << edgePoint(lo + (hi - lo) * j / steps, L.depth);
        const QColor wallColour = cs::sliceWallColour(static_cast<int>(k), c.colour);
        p.setPen(c.colour ? QPen(cs::shade(wallColour, 20), 1) : edge);
        p.setBrush(wallColour);
        p.drawPolygon(wallShape);
    }
    // The top: each slice from its start, in sixteenths of a degree as the painter takes them.
    auto sliceArc = [&](size_t k) {
        const int start = static_cast<int>(std::lround(L.spans[k].first * 16));
        const int span = std::max(
            1, static_cast<int>(std::lround((L.spans[k].second - L.spans[k].first) * 16)));
        return std::pair(start, span);
    };
    if (L.slices.size() == 1) {
        p.setPen(edge);
        p.setBrush(cs::sliceBrush(0, c.colour));
        p.drawEllipse(disc);
    } else {
        for (size_t k = 0; k < L.slices.size(); ++k) {
            p.setPen(edge);
            p.setBrush(cs::sliceBrush(static_cast<int>(k), c.colour));
            const auto [start, span] = sliceArc(k);
            p.drawPie(disc, start, span);
        }
    }
    if (!c.colour) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
    }

    // Shares beside the larger slices; names too when there is no legend.
    p.setPen(Qt::black);
    for (size_t k = 0; k < L.slices.size(); ++k) {
        if (!L.labelled[k]) continue;
        const double mid = (L.spans[k].first + L.spans[k].second) / 2;
        const double cosm = std::cos(radians(mid)), sinm = std::sin(radians(mid));
        const bool frontHalf = sinm < 0;
        const QPointF at(L.centre.x() + (L.rx + 6) * cosm,
                         L.centre.y() - (L.ry + 6) * sinm + (frontHalf ? L.depth : 0));
        const QString share = cs::shareText(L.slices[k].share);
        QString text = share;
        if (!L.legend) {
            const double nameRoom =
                L.labelRoom - 8 - fm.horizontalAdvance(QLatin1Char(' ') + share);
            text = fm.elidedText(c.labels.value(L.slices[k].point), Qt::ElideRight,
                                 std::max(nameRoom, 0.0)) +
                   QLatin1Char(' ') + share;
            text = text.trimmed();
        }
        const double tw = fm.horizontalAdvance(text);
        const double x = cosm >= 0 ? at.x() : at.x() - tw;
        const double y = sinm >= 0 ? at.y() - lineH : at.y();
        p.drawText(QRectF(x, y, tw + 1, lineH), Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    if (!L.legend) return;
    useFont(p, L.legendFont);
    const QFontMetricsF lfm(L.legendFont);
    const double box = lfm.height() - 2;
    const int rows = (static_cast<int>(L.slices.size()) + L.legendColumns - 1) / L.legendColumns;
    const double columnW = L.legendBox.width() / L.legendColumns;
    for (size_t k = 0; k < L.slices.size(); ++k) {
        const int column = static_cast<int>(k) / rows, row = static_cast<int>(k) % rows;
        const double lx = L.legendBox.left() + column * columnW;
        const double ly = L.legendBox.top() + row * L.rowHeight;
        const QRectF swatch(lx, ly + (L.rowHeight - box) / 2, box, box);
        if (c.colour) {
            p.fillRect(swatch, cs::sliceBrush(static_cast<int>(k), c.colour));
        } else {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(cs::sliceBrush(static_cast<int>(k), c.colour));
            p.drawRect(swatch);
        }
        p.setPen(Qt::black);
        const double tx = swatch.right() + 5;
        const double tw = lx + columnW - tx - 4;
        p.drawText(QRectF(tx, ly, tw, L.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   lfm.elidedText(c.labels.value(L.slices[k].point), Qt::ElideRight, tw));
    }
}

}  // namespace

void PaintChart(QPainter& painter, const QRectF& area, const ChartContent& c, const QFont& font,
                bool threeD) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(area, Qt::white);
    if (c.kind == ChartContent::Kind::Pie)
        paintPie(painter, area, c, font, threeD);
    else
        paintBars(painter, area, c, font, threeD);
    painter.restore();
}

int ChartPointAt(const QRectF& area, const ChartContent& c, const QFont& font, bool threeD,
                 const QPointF& at) {
    if (c.kind == ChartContent::Kind::Bars) {
        const BarLayout L = LayoutBars(area, c, font, threeD);
        // The whole column of a bar counts, so that a short bar is easy to find.
        const double top = L.plot.top() - L.depth, bottom = L.plot.bottom();
        if (at.y() < top || at.y() > bottom || L.slot <= 0) return -1;
        const double shift = threeD ? (L.depth - L.barDepth) / 2 : 0;
        for (size_t i = 0; i < L.bars.size(); ++i) {
            const QRectF& b = L.bars[i];
            if (at.x() >= b.left() + shift && at.x() <= b.right() + shift + L.barDepth)
                return padding(c, static_cast<int>(i)) ? -1 : static_cast<int>(i);
        }
        return -1;
    }
    const PieLayout L = LayoutPie(area, c, font, threeD);
    if (L.slices.empty() || L.rx <= 0 || L.ry <= 0) return -1;
    const double dx = (at.x() - L.centre.x()) / L.rx;
    const double dy = (at.y() - L.centre.y()) / L.ry;
    double angle = 0;
    if (dx * dx + dy * dy <= 1) {
        angle = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    } else if (threeD && std::abs(dx) <= 1 && at.y() > L.centre.y() &&
               at.y() <= L.centre.y() + L.ry * std::sqrt(1 - dx * dx) + L.depth) {
        angle = -std::acos(dx) * 180.0 / std::numbers::pi;  // on the front wall
    } else {
        return -1;
    }
    for (size_t k = 0; k < L.spans.size(); ++k)
        for (double turn : {0.0, -360.0, 360.0}) {
            const double a = angle + turn;
            if (a >= L.spans[k].first && a <= L.spans[k].second) return L.slices[k].point;
        }
    return -1;
}
