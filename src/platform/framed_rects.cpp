#include "platform/framed_rects.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// How much of pixel `pixel` (from pixel to pixel + 1) the extent [lo, hi] covers, 0..1.
double cover(double lo, double hi, int pixel) {
    return std::max(0.0, std::min(hi, pixel + 1.0) - std::max(lo, static_cast<double>(pixel)));
}

// A premultiplied colour at `share` of its strength.
QRgb scaled(QRgb premultiplied, double share) {
    const int a = std::clamp(static_cast<int>(std::lround(share * 255)), 0, 255);
    auto part = [a](int v) { return (v * a + 127) / 255; };
    return qRgba(part(qRed(premultiplied)), part(qGreen(premultiplied)), part(qBlue(premultiplied)),
                 part(qAlpha(premultiplied)));
}

// Premultiplied `src` laid over `dst`. Kept out of line: most pixels of a layer are laid on
// nothing, and that test must stay a plain branch.
[[gnu::noinline]] QRgb over(QRgb src, QRgb dst) {
    const int keep = 255 - qAlpha(src);
    if (keep == 0 || dst == 0) return src;
    auto part = [keep](int s, int d) { return s + (d * keep + 127) / 255; };
    return qRgba(part(qRed(src), qRed(dst)), part(qGreen(src), qGreen(dst)),
                 part(qBlue(src), qBlue(dst)), part(qAlpha(src), qAlpha(dst)));
}

bool rasterUpright(const QPainter& p) {
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           p.deviceTransform().type() <= QTransform::TxScale;
}

}  // namespace

void DrawStraightLine(QPainter& p, const QPointF& a, const QPointF& b, const QPen& pen) {
    const bool level = a.y() == b.y(), upright = a.x() == b.x();
    if (!(level || upright) || !rasterUpright(p) || pen.style() != Qt::SolidLine ||
        pen.brush().style() != Qt::SolidPattern || pen.isCosmetic() || pen.widthF() <= 0 ||
        (pen.capStyle() != Qt::SquareCap && pen.capStyle() != Qt::FlatCap)) {
        p.save();
        p.setPen(pen);
        p.drawLine(a, b);
        p.restore();
        return;
    }
    // The pen covers half its width on each side of the line, and a square cap as much again
    // past each end.
    const double half = pen.widthF() / 2, cap = pen.capStyle() == Qt::SquareCap ? half : 0;
    const QRectF line = QRectF(a, b).normalized();
    const QRectF covered =
        level ? line.adjusted(-cap, -half, cap, half) : line.adjusted(-half, -cap, half, cap);
    const QTransform toDevice = p.deviceTransform();
    const QRectF d = toDevice.mapRect(covered);
    if (!std::isfinite(d.left()) || !std::isfinite(d.right()) || !std::isfinite(d.top()) ||
        !std::isfinite(d.bottom()))
        return;
    // Each side cut at whole pixels: a part pixel, whole pixels, a part pixel.
    struct Run {
        int from, to;
        double share;
    };
    auto runs = [](double lo, double hi) {
        std::vector<Run> out;
        const int first = static_cast<int>(std::floor(lo));
        const int last = static_cast<int>(std::ceil(hi)) - 1;
        if (last <= first) return std::vector<Run>{{first, first + 1, hi - lo}};
        out.push_back({first, first + 1, cover(lo, hi, first)});
        if (last > first + 1) out.push_back({first + 1, last, 1.0});
        out.push_back({last, last + 1, cover(lo, hi, last)});
        return out;
    };
    p.save();
    p.setTransform(toDevice.inverted() * p.transform());
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Run& x : runs(d.left(), d.right()))
        for (const Run& y : runs(d.top(), d.bottom())) {
            QColor c = pen.color();
            c.setAlphaF(static_cast<float>(c.alphaF() * x.share * y.share));
            if (c.alpha() > 0) p.fillRect(QRect(x.from, y.from, x.to - x.from, y.to - y.from), c);
        }
    p.restore();
}

FramedRects::FramedRects(QPainter& painter)
    : p_(painter), toDevice_(painter.deviceTransform()), raster_(rasterUpright(painter)) {}

void FramedRects::add(const QRectF& rect, const QColor& fill, const QColor& outline,
                      double penWidth) {
    if (!rect.isValid()) return;
    if (raster_) {
        rects_.push_back({rect, fill, outline, penWidth});
        return;
    }
    p_.setPen(QPen(outline, penWidth));
    p_.setBrush(fill);
    p_.drawRect(rect);
}

void FramedRects::paint() {
    if (rects_.empty()) return;
    p_.save();
    // Rectangles wide enough on the device are as quick for the painter (long runs of a row).
    constexpr double kWide = 6;
    double narrowest = std::numeric_limits<double>::infinity();
    for (const Framed& f : rects_)
        narrowest = std::min(narrowest, toDevice_.mapRect(f.rect).width());
    if (narrowest >= kWide) {
        for (const Framed& f : rects_) {
            p_.setPen(QPen(f.outline, f.penWidth));
            p_.setBrush(f.fill);
            p_.drawRect(f.rect);
        }
    } else {
        paintPixels();
    }
    p_.restore();
    rects_.clear();
}

void FramedRects::paintPixels() {
    // A filled, outlined rectangle is its outer edge (grown by half the pen) in the outline's
    // colour with its inner edge (shrunk by half the pen) in the fill over it. All in device
    // pixels.
    struct Shape {
        QRectF outer, inner;
        QRgb outline, fill;
    };
    std::vector<Shape> shapes;
    shapes.reserve(rects_.size());
    QRectF bounds;
    for (const Framed& f : rects_) {
        const double half = f.penWidth / 2;
        Shape s{toDevice_.mapRect(f.rect.adjusted(-half, -half, half, half)),
                toDevice_.mapRect(f.rect.adjusted(half, half, -half, -half)),
                qPremultiply(f.outline.rgba()), qPremultiply(f.fill.rgba())};
        if (f.rect.width() <= f.penWidth || f.rect.height() <= f.penWidth) s.inner = QRectF();
        if (!std::isfinite(s.outer.left()) || !std::isfinite(s.outer.right()) ||
            !std::isfinite(s.outer.top()) || !std::isfinite(s.outer.bottom()))
            continue;
        bounds |= s.outer;
        shapes.push_back(s);
    }
    // Only what the painter may paint on.
    QRect box = bounds.toAlignedRect();
    if (p_.hasClipping())
        box &= toDevice_.mapRect(p_.clipBoundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.isEmpty()) return;

    QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QRgb* const bits = reinterpret_cast<QRgb*>(layer.bits());
    const qsizetype stride = layer.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    std::vector<QRgb> row;
    for (Shape& s : shapes) {
        s.outer.translate(-box.topLeft());
        s.inner.translate(-box.topLeft());
        const int x0 = std::max(0, static_cast<int>(std::floor(s.outer.left())));
        const int x1 = std::min(box.width(), static_cast<int>(std::ceil(s.outer.right())));
        const int y0 = std::max(0, static_cast<int>(std::floor(s.outer.top())));
        const int y1 = std::min(box.height(), static_cast<int>(std::ceil(s.outer.bottom())));
        if (x1 <= x0 || y1 <= y0) continue;
        const int n = x1 - x0;
        row.resize(static_cast<size_t>(n));
        // The rows of a rectangle differ only at its top and bottom edges, where it covers part
        // of a row: between those, one row's colours serve them all.
        std::array<int, 10> cuts = {y0,
                                    y1,
                                    static_cast<int>(std::floor(s.outer.top())) + 1,
                                    static_cast<int>(std::ceil(s.outer.bottom())) - 1,
                                    static_cast<int>(std::floor(s.inner.top())),
                                    static_cast<int>(std::floor(s.inner.top())) + 1,
                                    static_cast<int>(std::ceil(s.inner.bottom())) - 1,
                                    static_cast<int>(std::ceil(s.inner.bottom())),
                                    y0,
                                    y0};
        for (int& cut : cuts) cut = std::clamp(cut, y0, y1);
        std::sort(cuts.begin(), cuts.end());
        for (size_t k = 0; k + 1 < cuts.size(); ++k) {
            const int from = cuts[k], to = cuts[k + 1];
            if (to <= from) continue;
            const double outerRow = cover(s.outer.top(), s.outer.bottom(), from);
            const double innerRow =
                s.inner.isEmpty() ? 0.0 : cover(s.inner.top(), s.inner.bottom(), from);
            for (int x = x0; x < x1; ++x) {
                QRgb c = scaled(s.outline, outerRow * cover(s.outer.left(), s.outer.right(), x));
                if (innerRow > 0)
                    c = over(scaled(s.fill, innerRow * cover(s.inner.left(), s.inner.right(), x)),
                             c);
                row[static_cast<size_t>(x - x0)] = c;
            }
            const QRgb* const colours = row.data();
            for (int y = from; y < to; ++y) {
                QRgb* const line = bits + y * stride + x0;
                for (int i = 0; i < n; ++i) {
                    const QRgb d = line[i];
                    line[i] = d == 0 ? colours[i] : over(colours[i], d);
                }
            }
        }
    }
    // Drawn in the device's pixels, one to one.
    p_.setTransform(toDevice_.inverted() * p_.transform());
    p_.drawImage(box.topLeft(), layer);
}
