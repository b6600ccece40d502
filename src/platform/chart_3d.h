// The three-dimensional forms of the bar and pie charts, painted with QPainter.
#pragma once

#include <QWidget>

#include "platform/chart_style.h"

class QPainter;

// Paints `content` in 3D into `area`: bars as blocks standing in a box with
// a back wall, or a pie as a tilted disc with its front wall showing.
void PaintChart3D(QPainter& painter, const QRectF& area, const ChartContent& content,
                  const QFont& font);

// The widget the 3D forms are drawn in.
class Chart3DCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit Chart3DCanvas(QWidget* parent = nullptr);
    void setContent(const ChartContent& content);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartContent content_;
};
