// The chart component: one data set as bars or a pie, flat or in 3D, with tooltips on its bars and
// slices.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "platform/chart_style.h"

class ChartView : public QWidget {
    Q_OBJECT
  public:
    using Kind = ChartContent::Kind;
    using Unit = ChartContent::Unit;

    explicit ChartView(QWidget* parent = nullptr);

    // What to draw; nothing changes on screen until draw().
    void setPoints(const QStringList& labels, const std::vector<double>& values);
    void setTitle(const QString& title);
    void setAxisTitle(const QString& title);
    void setKind(Kind kind);
    // Amounts of money carry `currencySymbol`, rates "%".
    void setUnit(Unit unit, const QString& currencySymbol = QStringLiteral("$"));
    void setThreeD(bool threeD);
    void setColour(bool colour);
    // Draws the chart as it is now set.
    void draw();

    int pointCount() const { return static_cast<int>(content_.values.size()); }
    QString label(int point) const { return content_.labels.value(point); }
    double value(int point) const;
    QString title() const { return content_.title; }
    QString axisTitle() const { return content_.axisTitle; }
    Kind kind() const { return content_.kind; }
    Unit unit() const { return content_.unit; }
    bool threeD() const { return threeD_; }
    bool colour() const { return content_.colour; }

    // What the drawn chart shows at its present size: the point labels
    // written under the bars, the value axis's tick texts, and whether the
    // labels stand upright.
    QStringList shownBarLabels() const;
    QStringList axisTexts() const;
    bool labelsUpright() const;
    // Paints the chart as drawn onto `painter`, in the view's own coordinates (a printout).
    void paint(QPainter& painter) const;
    // The tooltip at a position in the widget ("" over no bar or slice).
    QString toolTipAt(const QPoint& at) const;
    // How many times the chart has been laid out and painted for the screen (a repaint at the
    // same size, of the same chart in the same font, copies the picture kept from the last).
    int screenPaints() const { return screenPaints_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    ChartContent content_;  // as set
    ChartContent shown_;    // as drawn
    bool threeD_ = false;
    bool shownThreeD_ = false;
    // The widget's font, made for the screen the widget is on: the chart is measured with it.
    QFont chartFont() const;

    // The chart as last painted for the screen, at its size in device pixels; null once the
    // chart, its font or its size changes.
    QImage painted_;
    int screenPaints_ = 0;
};
