// The chart window Form1 ("Charts"): draws what the opening tool left in the shared tables and
// returns to it.
#pragma once

#include <QFont>
#include <QWidget>

class ChartView;
class QLabel;
class QPainter;
class QPushButton;
struct ChartPoints;
struct WindowPage;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1();

    // Which chart is on screen (1..7, 0 before the first) and the colour
    // setting chosen for printing (1 colour, 0 black and white).
    int chartShown() const { return ChartShown; }
    int chartColour() const { return ChartColour; }
    ChartView* graph() const { return Graph1; }
    QPushButton* button(const QString& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Reads the hand-over and draws the opening chart.
    void open();
    void perCentChart();
    void valueChart();
    void fundThreeD();
    void calculatorFlatButtons();
    void yearChart();
    void comparisonChart();
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

    int ChartShown = 0;
    int ChartColour = 0;
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
