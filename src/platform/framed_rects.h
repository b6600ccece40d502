// Many axis-aligned rectangles, each filled and outlined (the bars of a chart), painted quickly.
#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>
#include <vector>

class QImage;
class QPainter;
class QPen;

// Collects rectangles, each filled with one colour and outlined with a pen of another, and paints
// them in the order given, as QPainter::drawRect with antialiasing would. On a raster device (the
// screen, an image) under a transform that keeps rectangles upright, the pixels are worked out
// here (a rectangle covers a pixel by its share of the pixel's column times its share of the
// pixel's row), straight into the image being painted on (unclipped, in 32-bit colour), else into
// one image that is drawn once over the device. Hundreds of bars a pixel or two wide would otherwise
// cost the painter a call for every row of every bar. Rectangles all wide enough on the device
// (a few wide bars) are drawn by the painter, as are those on other devices (a PDF file, a
// printer: each drawn as it is, at once).
class FramedRects {
  public:
    explicit FramedRects(QPainter& painter);

    void add(const QRectF& rect, const QColor& fill, const QColor& outline, double penWidth);
    // A 3D bar: `face` as add() paints it, with its right side (in `side`) and its top (in `top`)
    // reaching `depth` back, up and to the right, outlined alike. The sides of narrow bars are
    // worked out into the same image as the faces: as polygons each would cost the painter a
    // call for every row.
    void addBox(const QRectF& face, const QColor& fill, const QColor& outline, double penWidth,
                double depth, const QColor& side, const QColor& top);
    // Paints what a raster device has been given so far.
    void paint();

  private:
    struct Framed {
        QRectF rect;
        QColor fill, outline;
        double penWidth;
        double depth = 0;
        QColor side, top;
    };
    void paintSides(const Framed& f);
    // The image the painter paints on, when the pixels can be written into it straight.
    QImage* directTarget() const;
    void paintPixels();

    QPainter& p_;
    QTransform toDevice_;
    bool raster_;
    std::vector<Framed> rects_;
};

// Draws the line from `a` to `b` with `pen`, as QPainter::drawLine does. A level or upright line
// on a raster device is filled as the few whole-pixel strips it covers (each in the share of a
// pixel it covers, without antialiasing): a line across a maximized chart is a few short fills
// instead of a stroke.
void DrawStraightLine(QPainter& p, const QPointF& a, const QPointF& b, const QPen& pen);
