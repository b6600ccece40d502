#include "platform/framed_rects.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <functional>
#include <limits>
#include <vector>

namespace {

const QColor kFill(0x2a, 0x7a, 0xc0);
const QColor kOutline(0x1a, 0x4e, 0x7c);

// What is painted on: an image (its pixels written straight), in either of its 32-bit formats,
// or a pixmap (the pixels worked out into a layer drawn over it).
enum class Target { Image, OpaqueImage, Pixmap };
const Target kTargets[] = {Target::Image, Target::OpaqueImage, Target::Pixmap};

QImage paintOnWhite(const QSize& size, double ratio, const std::function<void(QPainter&)>& draw,
                    Target target = Target::Image) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    const auto paint = [&](auto& device) {
        device.setDevicePixelRatio(ratio);
        device.fill(Qt::white);
        QPainter p(&device);
        p.setRenderHint(QPainter::Antialiasing, true);
        draw(p);
    };
    if (target == Target::Pixmap) {
        QPixmap pixmap(pixels);
        paint(pixmap);
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage image(pixels, target == Target::Image ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
    paint(image);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// How far two images are apart: the pixels that differ by more than `tolerance` in a channel.
int pixelsApart(const QImage& a, const QImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++n;
        }
    return n;
}

TEST(FramedRects, PaintTheSamePixelsAsAntialiasedRectangles) {
    const struct {
        const char* name;
        std::vector<QRectF> rects;
        double ratio;
    } cases[] = {
        {"wide bars between pixels", {{10.3, 20.6, 30.4, 50.2}, {50.7, 40.1, 30.4, 30.7}}, 1},
        // Wide bars alone are left to the painter; with a narrow one all are worked out here.
        {"wide bars with a narrow one",
         {{10.3, 20.6, 30.4, 50.2}, {50.7, 40.1, 30.4, 30.7}, {90.2, 30, 2, 40}},
         1},
        {"bars a pixel or two wide, touching",
         {{10.2, 10, 1.4, 60}, {12.6, 15.5, 1.4, 55}, {15, 30.25, 1.4, 40}},
         1},
        {"bars narrower than the pen", {{20.1, 10.3, 0.4, 70}, {20.9, 12.8, 0.4, 60}}, 1},
        {"a bar half a pixel high", {{10, 60.2, 40, 0.5}}, 1},
        {"on a screen of two pixels a point", {{10.3, 20.6, 30.4, 50.2}, {45.1, 30, 1.3, 40}}, 2},
        {"reaching past the edges",
         {{-5.5, 70.5, 30, 40}, {90.2, -3, 20, 30}, {50, 20, 1.5, 30}},
         1},
    };
    for (const auto& c : cases) {
        const QSize size(100, 90);
        const QImage expected = paintOnWhite(size, c.ratio, [&](QPainter& p) {
            p.setPen(QPen(kOutline, 1));
            p.setBrush(kFill);
            for (const QRectF& r : c.rects) p.drawRect(r);
        });
        for (Target target : kTargets) {
            const QImage painted = paintOnWhite(
                size, c.ratio,
                [&](QPainter& p) {
                    FramedRects rects(p);
                    for (const QRectF& r : c.rects) rects.add(r, kFill, kOutline, 1);
                    rects.paint();
                },
                target);
            // Edges differ by the rounding of their shares of a pixel, and the stroke's corners
            // are cut off a little (bevelled): nothing else.
            const int n = static_cast<int>(c.rects.size());
            EXPECT_LE(pixelsApart(expected, painted, 32), 6 * n) << c.name << int(target);
            EXPECT_LE(pixelsApart(expected, painted, 80), 2 * n) << c.name << int(target);
        }
    }
}

// `count` bars `width` wide, `slot` apart, each a little lower than the last, on one floor.
std::vector<QRectF> fallingBars(int count, double slot, double width) {
    std::vector<QRectF> bars;
    for (int i = 0; i < count; ++i) {
        const double top = 12.4 + 2.7 * i;
        bars.emplace_back(4.3 + slot * i, top, width, 182.6 - top);
    }
    return bars;
}

TEST(FramedRects, NarrowBoxesPaintTheSamePixelsAsTheirPolygons) {
    const QColor side(0x1d, 0x55, 0x86), top(0x62, 0xa4, 0xe0);
    // Sides of bars 120 pixels high or more are worked out with the faces, lower ones are left
    // to the painter.
    const struct {
        const char* name;
        std::vector<QRectF> faces;
        double depth;
        double ratio;
    } cases[] = {
        {"bars a pixel or two wide", {{10.2, 20, 1.4, 160}, {14.6, 35.5, 1.4, 145}}, 1.3, 1},
        {"just under the width the painter takes",
         {{10.3, 20.6, 5.9, 150.2}, {20.7, 40.1, 5.9, 130}},
         2.1, 1},
        {"deep sides on whole pixels", {{10, 20, 3, 160}, {20, 30, 3, 150}}, 4, 1},
        {"sides reaching the next bar's side",
         {{10.2, 20, 1, 160}, {11.8, 25, 1, 150}, {13.4, 35, 1, 140}},
         1.3, 1},
        {"tall and low bars together", {{10.4, 20.2, 4, 150}, {20.4, 160.2, 4, 0.5}}, 2, 1},
        {"on a screen of two pixels a point", {{10.3, 20.6, 2.2, 70.2}, {20.1, 30, 2.2, 40}}, 1.5,
         2},
        {"reaching past the edges", {{-1.5, 70.5, 3, 140}, {95.2, -3, 3, 130}}, 2, 1},
        // 480 months maximized: each side reaches into the next face, and each bar's top,
        // lower than the last, into the last one's side.
        {"falling bars under four pixels apart", fallingBars(20, 3.81, 2.29), 1.33, 1},
    };
    for (const auto& c : cases) {
        const QSize size(100, 190);
        const QImage expected = paintOnWhite(size, c.ratio, [&](QPainter& p) {
            const QPointF back(c.depth, -c.depth);
            p.setPen(QPen(kOutline, 1));
            for (const QRectF& f : c.faces) {
                p.setBrush(side);
                p.drawPolygon(QPolygonF({f.topRight(), f.topRight() + back,
                                         f.bottomRight() + back, f.bottomRight()}));
                p.setBrush(top);
                p.drawPolygon(QPolygonF(
                    {f.topLeft(), f.topLeft() + back, f.topRight() + back, f.topRight()}));
            }
            p.setBrush(kFill);
            for (const QRectF& f : c.faces) p.drawRect(f);
        });
        for (Target target : kTargets) {
            const QImage painted = paintOnWhite(
                size, c.ratio,
                [&](QPainter& p) {
                    FramedRects rects(p);
                    for (const QRectF& f : c.faces)
                        rects.addBox(f, kFill, kOutline, 1, c.depth, side, top);
                    rects.paint();
                },
                target);
            // Along the slanted edges the painter leaves out a pixel the pen's edge only grazes
            // (a quarter of it at most): a few pixels a pixel of depth.
            const int n = static_cast<int>(c.faces.size());
            EXPECT_LE(pixelsApart(expected, painted, 24), (8 + 4 * c.depth * c.ratio) * n)
                << c.name << int(target);
            EXPECT_LE(pixelsApart(expected, painted, 64), 2 * n) << c.name << int(target);
        }
    }
}

TEST(FramedRects, PaintOnlyInsideTheClipAndSkipWhatCannotBeDrawn) {
    const QImage painted = paintOnWhite({60, 60}, 1, [](QPainter& p) {
        p.setClipRect(QRect(0, 0, 30, 60));
        FramedRects rects(p);
        rects.add({10, 10, 40, 40}, kFill, kOutline, 1);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        rects.add({nan, 10, 5, 5}, kFill, kOutline, 1);
        rects.add({10, 10, inf, 5}, kFill, kOutline, 1);
        rects.add({10, 10, -5, 5}, kFill, kOutline, 1);
        rects.paint();
    });
    EXPECT_EQ(painted.pixelColor(20, 20), kFill);
    EXPECT_EQ(painted.pixelColor(40, 20), QColor(Qt::white));  // clipped away
    EXPECT_EQ(painted.pixelColor(5, 5), QColor(Qt::white));
}

TEST(FramedRects, StraightLinesMatchTheStrokedLine) {
    const struct {
        const char* name;
        QPointF from, to;
        double width;
    } cases[] = {
        {"level, between rows", {5.3, 20.4}, {90.6, 20.4}, 1},
        {"level, on a row", {5, 30.5}, {90, 30.5}, 1},
        {"upright, between columns", {40.7, 5.2}, {40.7, 80.9}, 1},
        {"a wide pen", {10, 50.25}, {80, 50.25}, 3},
        {"slanted (drawn as a line)", {10, 10}, {80, 60}, 1},
    };
    const QColor grey(0x40, 0x40, 0x40);
    for (const auto& c : cases) {
        const QPen pen(grey, c.width);
        const QImage expected = paintOnWhite({100, 90}, 1, [&](QPainter& p) {
            p.setPen(pen);
            p.drawLine(c.from, c.to);
        });
        const QImage painted = paintOnWhite(
            {100, 90}, 1, [&](QPainter& p) { DrawStraightLine(p, c.from, c.to, pen); });
        EXPECT_LE(pixelsApart(expected, painted, 8), 0) << c.name;
    }
}

}  // namespace
