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
[[gnu::always_inline]] inline QRgb scaled(QRgb premultiplied, double share) {
    // Shares are never below 0: rounding half up is rounding to nearest.
    const int a = std::clamp(static_cast<int>(share * 255 + 0.5), 0, 255);
    auto part = [a](int v) { return (v * a + 127) / 255; };
    return qRgba(part(qRed(premultiplied)), part(qGreen(premultiplied)), part(qBlue(premultiplied)),
                 part(qAlpha(premultiplied)));
}

// Each of the four 8-bit parts of `x` times `a` / 255, rounded (two parts at a time).
inline QRgb partsTimes(QRgb x, unsigned a) {
    unsigned t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// Premultiplied `src` laid over `dst`. Kept out of line: most pixels of a layer are laid on
// nothing, and that test must stay a plain branch.
[[gnu::noinline]] QRgb over(QRgb src, QRgb dst) {
    return src + partsTimes(dst, 255 - qAlpha(src));
}

// Lays one row of `n` premultiplied colours over each of the rows [from, to), from column `x0`,
// a column at a time: an opaque colour replaces what is there, a part-covering one (a bar's
// antialiased edge) is laid over it. What lies under an edge mostly repeats down the rows (the
// wall behind the bars), so it is worked out again only where that changes.
// `under` and `laid`, when given, carry on from the last rows laid of these columns.
void layRows(QRgb* bits, qsizetype stride, int x0, const QRgb* colours, int n, int from, int to,
             QRgb* under = nullptr, QRgb* laid = nullptr) {
    for (int i = 0; i < n; ++i) {
        const QRgb s = colours[i];
        if (s == 0) continue;
        qsizetype at = from * stride + x0 + i;
        if (qAlpha(s) == 255) {
            for (int y = from; y < to; ++y, at += stride) bits[at] = s;
            continue;
        }
        QRgb was = under ? under[i] : 0, now = under ? laid[i] : s;
        for (int y = from; y < to; ++y, at += stride) {
            const QRgb d = bits[at];
            if (d != was) was = d, now = over(s, d);
            bits[at] = now;
        }
        if (under) under[i] = was, laid[i] = now;
    }
}

// Where a shape's rows of colours go: laid down at once (into a layer, where a later shape may
// read what lies under it), or kept and laid down together a band of rows at a time (into the
// target image, whose rows lie far apart: a bar's column of rows would cost a trip to memory a
// row, and a band stays at hand). Either way each pixel gets its shapes in the order given.
class RowSink {
  public:
    RowSink(QRgb* bits, qsizetype stride, bool defer) : bits_(bits), stride_(stride), defer_(defer) {}
    void lay(int x0, const QRgb* colours, int n, int from, int to) {
        if (to <= from || n <= 0) return;
        if (!defer_) return layRows(bits_, stride_, x0, colours, n, from, to);
        runs_.push_back({from, to, x0, n, kept_.size()});
        kept_.insert(kept_.end(), colours, colours + n);
        under_.resize(kept_.size(), 0);
        laid_.insert(laid_.end(), colours, colours + n);
        top_ = std::min(top_, from), bottom_ = std::max(bottom_, to);
    }
    void finish() {
        if (runs_.empty()) return;
        constexpr int kBand = 32;
        const auto band = [this](int row) { return static_cast<size_t>((row - top_) / kBand); };
        // Each band's runs in the order given: counted, then placed.
        std::vector<size_t> start(band(bottom_ - 1) + 2, 0);
        for (const Run& r : runs_)
            for (size_t b = band(r.from); b <= band(r.to - 1); ++b) ++start[b + 1];
        for (size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
        std::vector<size_t> order(start.back()), next(start.begin(), start.end() - 1);
        for (size_t i = 0; i < runs_.size(); ++i)
            for (size_t b = band(runs_[i].from); b <= band(runs_[i].to - 1); ++b)
                order[next[b]++] = i;
        for (size_t b = 0; b + 1 < start.size(); ++b) {
            const int bandTop = top_ + static_cast<int>(b) * kBand;
            for (size_t k = start[b]; k < start[b + 1]; ++k) {
                const Run& r = runs_[order[k]];
                layRows(bits_, stride_, r.x0, kept_.data() + r.at, r.n, std::max(r.from, bandTop),
                        std::min(r.to, bandTop + kBand), under_.data() + r.at,
                        laid_.data() + r.at);
            }
        }
        runs_.clear();
        kept_.clear();
        under_.clear();
        laid_.clear();
    }

  private:
    struct Run {
        int from, to, x0, n;
        size_t at;  // its colours in kept_
    };
    QRgb* bits_;
    qsizetype stride_;
    bool defer_;
    std::vector<Run> runs_;
    std::vector<QRgb> kept_;
    // For each of those colours laid part-covering, what it was last laid over, and the outcome.
    std::vector<QRgb> under_, laid_;
    int top_ = std::numeric_limits<int>::max(), bottom_ = std::numeric_limits<int>::min();
};

// A convex shape as the half-planes n.x * x + n.y * y <= c it lies in (at most eight: a
// four-sided shape and the bevels of its stroke's corners).
struct HalfPlane {
    double nx, ny, c;
    // Worked out once: a level edge's height (c / ny); else where the edge crosses the level
    // line at y, as at - slope * y.
    double at, slope;
};
struct Convex {
    std::array<HalfPlane, 8> planes;
    int count = 0;
    // The same, sorted for crossingAt: level edges, and the others bounding from the left
    // (nx < 0) or the right.
    std::array<HalfPlane, 8> level{}, left{}, right{};
    int levels = 0, lefts = 0, rights = 0;
    void add(double nx, double ny, double c) {
        const HalfPlane h =
            nx == 0 ? HalfPlane{nx, ny, c, c / ny, 0} : HalfPlane{nx, ny, c, c / nx, ny / nx};
        planes[static_cast<size_t>(count++)] = h;
        if (nx == 0)
            level[static_cast<size_t>(levels++)] = h;
        else if (nx < 0)
            left[static_cast<size_t>(lefts++)] = h;
        else
            right[static_cast<size_t>(rights++)] = h;
    }
};

// Where the band of height `band` around the level line at `y` crosses the shape: [lo, hi), and
// the share of the band's height inside the shape's level edges (its top and bottom are worked
// out exactly, its slanted and upright edges on the line). Nothing when lo >= hi.
struct Crossing {
    double lo, hi, share;
};
Crossing crossingAt(const Convex& s, double y, double band) {
    Crossing out{-std::numeric_limits<double>::infinity(),
                 std::numeric_limits<double>::infinity(), 1.0};
    for (int k = 0; k < s.levels; ++k) {
        // A level edge: inside above (ny > 0) or below (ny < 0) the line y = c / ny.
        const HalfPlane& h = s.level[static_cast<size_t>(k)];
        const double inside = h.ny > 0 ? h.at - (y - band / 2) : (y + band / 2) - h.at;
        out.share *= std::clamp(inside / band, 0.0, 1.0);
        if (out.share == 0) return {0.0, 0.0, 0.0};
    }
    for (int k = 0; k < s.lefts; ++k) {
        const HalfPlane& h = s.left[static_cast<size_t>(k)];
        out.lo = std::max(out.lo, h.at - h.slope * y);
    }
    for (int k = 0; k < s.rights; ++k) {
        const HalfPlane& h = s.right[static_cast<size_t>(k)];
        out.hi = std::min(out.hi, h.at - h.slope * y);
    }
    return out;
}

// True when every level line across pixel row `row` crosses the shape at the same place: only
// its upright sides bound it there.
bool steadyRow(const Convex& s, int row) {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    for (int k = 0; k < s.count; ++k) {
        const HalfPlane& h = s.planes[static_cast<size_t>(k)];
        if (h.ny != 0) continue;
        if (h.nx > 0) hi = std::min(hi, h.c / h.nx);
        if (h.nx < 0) lo = std::max(lo, h.c / h.nx);
    }
    if (lo >= hi) return true;
    if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
    for (int k = 0; k < s.count; ++k) {
        const HalfPlane& h = s.planes[static_cast<size_t>(k)];
        if (h.ny == 0) continue;
        for (double x : {lo, hi})
            for (double y : {static_cast<double>(row), row + 1.0})
                if (h.nx * x + h.ny * y > h.c) return false;
    }
    return true;
}

// A filled four-sided convex shape outlined with a pen `half` wide on each side of its edges (the
// corners bevelled, as the painter's default pen joins them): the shape itself, what the pen
// covers on the outside and what it leaves of the fill inside.
struct OutlinedShape {
    Convex shape, outer, inner;
};
OutlinedShape outlinedShape(const std::array<QPointF, 4>& corners, double half) {
    OutlinedShape o;
    QPointF centre;
    for (const QPointF& p : corners) centre += p / 4;
    std::array<QPointF, 4> normals{};
    std::array<bool, 4> edge{};
    for (size_t i = 0; i < 4; ++i) {
        const QPointF a = corners[i], b = corners[(i + 1) % 4];
        const QPointF e = b - a;
        const double length = std::hypot(e.x(), e.y());
        if (!(length > 1e-9)) continue;
        QPointF n(e.y() / length, -e.x() / length);
        if (QPointF::dotProduct(n, centre - a) > 0) n = -n;
        // Exact zeros keep level and upright edges recognisable.
        if (std::abs(n.x()) < 1e-12) n.setX(0);
        if (std::abs(n.y()) < 1e-12) n.setY(0);
        normals[i] = n, edge[i] = true;
        const double c = QPointF::dotProduct(n, a);
        o.shape.add(n.x(), n.y(), c);
        o.outer.add(n.x(), n.y(), c + half);
        o.inner.add(n.x(), n.y(), c - half);
    }
    // Each corner's bevel: the line between the two edges' strokes' outer corners.
    for (size_t i = 0; i < 4; ++i) {
        const size_t before = (i + 3) % 4;
        if (!edge[i] || !edge[before]) continue;
        QPointF n = normals[before] + normals[i];
        const double length = std::hypot(n.x(), n.y());
        if (!(length > 1e-9)) continue;
        n /= length;
        o.outer.add(n.x(), n.y(), QPointF::dotProduct(n, corners[i] + normals[i] * half));
    }
    return o;
}

// Adds `weight` times the share of each pixel column that [lo, hi) covers.
void addCover(std::vector<double>& to, int x0, double lo, double hi, double weight) {
    const int n = static_cast<int>(to.size());
    lo = std::max(lo, static_cast<double>(x0));
    hi = std::min(hi, static_cast<double>(x0 + n));
    if (!(hi > lo)) return;
    // Columns from 0 on: whole numbers are floors and ceilings by a cast.
    const int first = static_cast<int>(lo);
    const int last = static_cast<int>(hi) + (hi > static_cast<int>(hi) ? 1 : 0);
    double* const column = to.data();
    const int a = first - x0, b = last - x0;
    if (b - a <= 1) {
        column[a] += weight * (hi - lo);
        return;
    }
    // A part of the first column, the whole of those between, a part of the last.
    column[a] += weight * (first + 1 - lo);
    for (int x = a + 1; x < b - 1; ++x) column[x] += weight;
    column[b - 1] += weight * (hi - (last - 1));
}

// Lays a filled, outlined four-sided shape (in the layer's pixels) over the layer: each pixel row
// is cut into level lines, and on each the shape, its stroke's outer edge and the fill left
// inside the stroke cover each pixel by the share of it they span. Rows bounded only by upright
// edges (the long middle of a bar's side) are worked out once.
// The rows of a shape that one row's colours serve, left for the caller to lay down.
struct SteadyRows {
    int from = 0, to = 0;  // [from, to)
    int x0 = 0;            // the first column of `colours`
    std::vector<QRgb> colours;
    bool laid = false;
};

void paintShapePixels(RowSink& out, const QSize& size,
                      const std::array<QPointF, 4>& corners, QRgb fill, QRgb outline, double half,
                      SteadyRows* keep = nullptr) {
    const OutlinedShape o = outlinedShape(corners, half);
    double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPointF& p : corners) {
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
    }
    const int x0 = std::max(0, static_cast<int>(std::floor(left - half)));
    const int x1 = std::min(size.width(), static_cast<int>(std::ceil(right + half)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top - half)));
    const int y1 = std::min(size.height(), static_cast<int>(std::ceil(bottom + half)));
    if (x1 <= x0 || y1 <= y0) return;
    const auto steady = [&](int row) {
        return steadyRow(o.shape, row) && steadyRow(o.outer, row) && steadyRow(o.inner, row);
    };
    int steadyFrom = y0, steadyTo = y1;  // [steadyFrom, steadyTo): one row serves them all
    while (steadyFrom < y1 && !steady(steadyFrom)) ++steadyFrom;
    while (steadyTo > steadyFrom && !steady(steadyTo - 1)) --steadyTo;

    const size_t n = static_cast<size_t>(x1 - x0);
    std::vector<double> filled(n), outside(n), inside(n);
    std::vector<QRgb> colours(n);
    // Level lines a pixel row is cut into: along a slanted edge the share a line covers changes
    // evenly down the pixel, so a few lines give it closely.
    constexpr int kLines = 4;
    for (int y = y0; y < y1; ++y) {
        if (y <= steadyFrom || y >= steadyTo) {
            std::fill(filled.begin(), filled.end(), 0.0);
            std::fill(outside.begin(), outside.end(), 0.0);
            std::fill(inside.begin(), inside.end(), 0.0);
            for (int k = 0; k < kLines; ++k) {
                const double at = y + (k + 0.5) / kLines, band = 1.0 / kLines;
                const Crossing f = crossingAt(o.shape, at, band);
                addCover(filled, x0, f.lo, f.hi, f.share / kLines);
                const Crossing out = crossingAt(o.outer, at, band);
                addCover(outside, x0, out.lo, out.hi, out.share / kLines);
                const Crossing in = crossingAt(o.inner, at, band);
                addCover(inside, x0, in.lo, in.hi, in.share / kLines);
            }
            for (size_t i = 0; i < n; ++i) {
                const double stroke = std::clamp(outside[i] - inside[i], 0.0, 1.0);
                colours[i] = over(scaled(outline, stroke), scaled(fill, std::min(filled[i], 1.0)));
            }
        }
        if (y == steadyFrom && steadyFrom < steadyTo) {
            // One row's colours serve them all: on to the first row after them.
            if (keep)
                *keep = SteadyRows{steadyFrom, steadyTo, x0, colours, false};
            else
                out.lay(x0, colours.data(), static_cast<int>(n), steadyFrom, steadyTo);
            y = steadyTo - 1;
            continue;
        }
        out.lay(x0, colours.data(), static_cast<int>(n), y, y + 1);
    }
}

// Lays the rows `keep` left under what the layer holds there.
void layUnder(QRgb* bits, qsizetype stride, SteadyRows& keep) {
    if (keep.laid) return;
    keep.laid = true;
    for (int y = keep.from; y < keep.to; ++y) {
        QRgb* const line = bits + y * stride + keep.x0;
        for (size_t i = 0; i < keep.colours.size(); ++i)
            line[i] = line[i] == 0 ? keep.colours[i] : over(line[i], keep.colours[i]);
    }
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
    addBox(rect, fill, outline, penWidth, 0, QColor(), QColor());
}

void FramedRects::addBox(const QRectF& face, const QColor& fill, const QColor& outline,
                         double penWidth, double depth, const QColor& side, const QColor& top) {
    if (!face.isValid()) return;
    const Framed f{face, fill, outline, penWidth, std::isfinite(depth) ? std::max(depth, 0.0) : 0,
                   side, top};
    if (raster_) {
        rects_.push_back(f);
        return;
    }
    paintSides(f);
    p_.setPen(QPen(outline, penWidth));
    p_.setBrush(fill);
    p_.drawRect(face);
}

namespace {
// A 3D bar's right side and top, from the face's corners.
std::array<QPointF, 4> sideCorners(const QRectF& face, double depth) {
    const QPointF back(depth, -depth);
    return {face.topRight(), face.topRight() + back, face.bottomRight() + back, face.bottomRight()};
}
std::array<QPointF, 4> topCorners(const QRectF& face, double depth) {
    const QPointF back(depth, -depth);
    return {face.topLeft(), face.topLeft() + back, face.topRight() + back, face.topRight()};
}
}  // namespace

void FramedRects::paintSides(const Framed& f) {
    if (f.depth <= 0) return;
    p_.setPen(QPen(f.outline, f.penWidth));
    const auto side = sideCorners(f.rect, f.depth), top = topCorners(f.rect, f.depth);
    p_.setBrush(f.side);
    p_.drawPolygon(side.data(), 4);
    p_.setBrush(f.top);
    p_.drawPolygon(top.data(), 4);
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
        // Every side before every face, as a side never reaches the next face.
        for (const Framed& f : rects_) paintSides(f);
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

QImage* FramedRects::directTarget() const {
    // Only an image the painter paints on as it is: in its own pixels, whole, each shape laid
    // over what is there.
    QPaintDevice* const device = p_.device();
    if (!device || device->devType() != QInternal::Image || !p_.paintEngine() ||
        p_.paintEngine()->paintDevice() != device || p_.hasClipping() ||
        p_.compositionMode() != QPainter::CompositionMode_SourceOver || p_.opacity() != 1.0)
        return nullptr;
    auto* const image = static_cast<QImage*>(device);
    const bool plain = image->format() == QImage::Format_ARGB32_Premultiplied ||
                       image->format() == QImage::Format_RGB32;
    // Shared pixels would be copied on writing, away from the painter's.
    return plain && image->isDetached() ? image : nullptr;
}

void FramedRects::paintPixels() {
    // A filled, outlined rectangle is its outer edge (grown by half the pen) in the outline's
    // colour with its inner edge (shrunk by half the pen) in the fill over it. All in device
    // pixels.
    struct Shape {
        QRectF outer, inner;
        QRgb outline, fill;
        size_t framed;  // its index in rects_
    };
    std::vector<Shape> shapes;
    shapes.reserve(rects_.size());
    QRectF bounds;
    for (const Framed& f : rects_) {
        const double half = f.penWidth / 2;
        Shape s{toDevice_.mapRect(f.rect.adjusted(-half, -half, half, half)),
                toDevice_.mapRect(f.rect.adjusted(half, half, -half, -half)),
                qPremultiply(f.outline.rgba()), qPremultiply(f.fill.rgba()),
                static_cast<size_t>(&f - rects_.data())};
        if (f.rect.width() <= f.penWidth || f.rect.height() <= f.penWidth) s.inner = QRectF();
        if (!std::isfinite(s.outer.left()) || !std::isfinite(s.outer.right()) ||
            !std::isfinite(s.outer.top()) || !std::isfinite(s.outer.bottom()))
            continue;
        bounds |= s.outer;
        shapes.push_back(s);
        if (f.depth > 0)
            bounds |= toDevice_.mapRect(
                f.rect.adjusted(-half, -half - f.depth, half + f.depth, half));
    }
    // Only what the painter may paint on.
    QImage* const target = directTarget();
    QRect box = bounds.toAlignedRect();
    if (target)
        box &= target->rect();
    else if (p_.hasClipping())
        box &= toDevice_.mapRect(p_.clipBoundingRect()).toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.isEmpty()) return;

    // Into the target image itself where the painter paints on one plainly, else into a layer
    // drawn over it at the end.
    QImage layer;
    QRgb* bits = nullptr;
    qsizetype stride = 0;
    if (target) {
        stride = target->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        bits = reinterpret_cast<QRgb*>(target->bits()) + box.top() * stride + box.left();
    } else {
        layer = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        bits = reinterpret_cast<QRgb*>(layer.bits());
        stride = layer.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    RowSink out(bits, stride, target != nullptr);
    // The 3D sides first: a side never reaches the next face. Working a side out here costs
    // about what the painter spends on a polygon a hundred-odd rows high, and less for every row
    // more: the sides of lower bars are left to the painter, under what is worked out here.
    constexpr double kTallSide = 120;
    const double scale = std::sqrt(std::abs(toDevice_.m11() * toDevice_.m22()));
    // Where no side reaches the next bar's side, the long middle of each side is laid down with
    // its face, the rows together: under what the layer holds there (its own top, the next bar's
    // top, painted after it) and under its face.
    // In the target image itself each side is laid down whole, in its turn.
    bool apart = !target;
    for (size_t i = 0; i + 1 < rects_.size() && apart; ++i) {
        const Framed &f = rects_[i], &next = rects_[i + 1];
        apart = (next.rect.right() - f.rect.right() - f.depth - (f.penWidth + next.penWidth) / 2) *
                    std::abs(toDevice_.m11()) >
                0.5;
    }
    std::vector<SteadyRows> middles(rects_.size());
    for (const Framed& f : rects_) {
        if (f.depth <= 0 || !std::isfinite(f.rect.right()) || !std::isfinite(f.rect.bottom()))
            continue;
        if (f.rect.height() * std::abs(toDevice_.m22()) < kTallSide) {
            paintSides(f);
            continue;
        }
        auto toLayer = [&](std::array<QPointF, 4> corners) {
            for (QPointF& p : corners) p = toDevice_.map(p) - QPointF(box.topLeft());
            return corners;
        };
        const double half = f.penWidth / 2 * scale;
        const QRgb outline = qPremultiply(f.outline.rgba());
        paintShapePixels(out, box.size(), toLayer(sideCorners(f.rect, f.depth)),
                         qPremultiply(f.side.rgba()), outline, half,
                         apart ? &middles[static_cast<size_t>(&f - rects_.data())] : nullptr);
        paintShapePixels(out, box.size(), toLayer(topCorners(f.rect, f.depth)),
                         qPremultiply(f.top.rgba()), outline, half);
    }
    std::vector<QRgb> row, faceRow, sideRow, both;
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
        SteadyRows& side = middles[s.framed];
        const bool withSide = side.to > side.from && side.from >= y0 && side.to <= y1;
        std::array<int, 10> cuts = {y0,
                                    y1,
                                    static_cast<int>(std::floor(s.outer.top())) + 1,
                                    static_cast<int>(std::ceil(s.outer.bottom())) - 1,
                                    static_cast<int>(std::floor(s.inner.top())),
                                    static_cast<int>(std::floor(s.inner.top())) + 1,
                                    static_cast<int>(std::ceil(s.inner.bottom())) - 1,
                                    static_cast<int>(std::ceil(s.inner.bottom())),
                                    withSide ? side.from : y0,
                                    withSide ? side.to : y0};
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
            if (withSide && from >= side.from && to <= side.to) {
                // The face over its side's middle, worked out once for these rows; where the
                // layer holds something already, each pixel in its order.
                const int ux0 = std::min(x0, side.x0);
                const int ux1 = std::max(x1, side.x0 + static_cast<int>(side.colours.size()));
                const size_t un = static_cast<size_t>(ux1 - ux0);
                faceRow.assign(un, 0);
                sideRow.assign(un, 0);
                for (int i = 0; i < n; ++i)
                    faceRow[static_cast<size_t>(x0 - ux0 + i)] = row[static_cast<size_t>(i)];
                std::copy(side.colours.begin(), side.colours.end(),
                          sideRow.begin() + (side.x0 - ux0));
                both.resize(un);
                for (size_t i = 0; i < un; ++i)
                    both[i] = sideRow[i] == 0 || qAlpha(faceRow[i]) == 255
                                  ? faceRow[i]
                                  : over(faceRow[i], sideRow[i]);
                for (int y = from; y < to; ++y) {
                    QRgb* const line = bits + y * stride + ux0;
                    for (size_t i = 0; i < un; ++i) {
                        const QRgb d = line[i];
                        if (d == 0)
                            line[i] = both[i];
                        else if (qAlpha(faceRow[i]) != 255)
                            line[i] = over(faceRow[i], sideRow[i] == 0 ? d : over(d, sideRow[i]));
                        else
                            line[i] = faceRow[i];
                    }
                }
                continue;
            }
            out.lay(x0, row.data(), n, from, to);
        }
        if (withSide) side.laid = true;
    }
    // Sides whose faces lie outside the layer.
    for (SteadyRows& side : middles)
        if (side.to > side.from) layUnder(bits, stride, side);
    out.finish();
    if (target) return;
    // Drawn in the device's pixels, one to one.
    p_.setTransform(toDevice_.inverted() * p_.transform());
    p_.drawImage(box.topLeft(), layer);
}
