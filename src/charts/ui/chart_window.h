// The chart window Form1 ("Charts"): draws the chart its opener hands it and returns to the
// opener.
#pragma once

#include <QFont>
#include <QWidget>

#include "common/chart_data.h"

class ChartView;
class QLabel;
class QPainter;
class QPushButton;
struct WindowPage;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1();
    // Shows the chart window with `chart`, opening with the chart it names.
    static Form1* open(ChartData chart);

    // Which chart is on screen, in its flat or 3D form, and whether the last printout was
    // asked for in colour.
    ChartKind chartShown() const { return shown_; }
    bool threeD() const { return threeD_; }
    bool printsInColour() const { return printInColour_; }
    ChartView* graph() const { return Graph1; }
    QPushButton* button(const QString& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Draws the chart the window opens with.
    void drawOpeningChart();
    void perCentChart();
    void valueChart();
    void fundThreeD();
    void calculatorFlatButtons();
    void calculatorChart();
    void calculatorThreeD();
    void redrawShown();
    void showPoints(const ChartPoints& points, bool pie);
    void arrangeButtons();
    // The window made ready to be printed on a page `pageInches` wide, and put back as it was.
    WindowPage prepareForPage(double pageInches);
    void paintPage(QPainter& p, double imageScale);
    void restoreAfterPage();
    void settleLayout();

    void onOned();
    void onPie2d();
    void onThreeDee();
    void onSav2D();
    void onPtr();
    void onExitBut();

    ChartData chart_;
    ChartKind shown_ = ChartKind::YearBars;
    bool threeD_ = false;
    bool printInColour_ = false;
    // Colour on screen; black and white only while a black-and-white copy is printed.
    bool drawInColour_ = true;
    bool opened_ = false;
    // How the window stood on screen while it is printed.
    struct OnScreen {
        Qt::WindowStates states;
        QSize size;
        QFont font;
        bool ownFont = false;
    } onScreen_;

    ChartView* Graph1;
    QLabel* Label1;
    QPushButton* Sav2D;
    QPushButton* Ptr;
    QPushButton* Oned;
    QPushButton* ThreeDee;
    QPushButton* Pie2d;
    QPushButton* ExitBut;
};
