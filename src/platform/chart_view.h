// The chart component: one data set as flat bars or a pie on Qt Charts, or their 3D forms painted
// in the same widget.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "platform/chart_style.h"

class QChart;
class QChartView;
class QStackedLayout;
class Chart3DCanvas;
class QGraphicsSimpleTextItem;

class ChartView : public QWidget {
    Q_OBJECT
  public:
    using Kind = ChartContent::Kind;

    explicit ChartView(QWidget* parent = nullptr);

    // What to draw; nothing changes on screen until draw().
    void setPoints(const QStringList& labels, const std::vector<double>& values);
    void setTitle(const QString& title);
    void setAxisTitle(const QString& title);
    void setKind(Kind kind);
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
    bool threeD() const { return threeD_; }
    bool colour() const { return content_.colour; }
    // The flat chart (shown while threeD() is false).
    QChart* flatChart() const;
    // The point labels written under the flat bars (the others are left out
    // so that they do not run into each other).
    QStringList shownBarLabels() const { return shownLabels_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildBars();
    void buildPie();
    void placeBarLabels();
    void placeFigures();

    ChartContent content_;
    bool threeD_ = false;
    QChartView* flat_ = nullptr;
    Chart3DCanvas* solid_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    QStringList shownLabels_;
    int labelStep_ = 0;
    // The figures written over the flat bars.
    std::vector<QGraphicsSimpleTextItem*> figures_;
    bool upright_ = false;
};
