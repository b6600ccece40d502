// The calculator base as the other calculators use it: text boxes, a hidden box, a choice
// stop, kept entries, result labels and a failing calculation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "charts/ui/chart_window.h"
#include "common/key_filters.h"
#include "common/print_device.h"
#include "planning/model/calculator_charts.h"
#include "planning/ui/calculator_window.h"
#include "platform/chart_view.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "support/ui_test_support.h"

namespace {

// The buttons, grid and help panel both probe windows hand the base.
class ProbeWindow : public CalculatorWindow {
  protected:
    using CalculatorWindow::CalculatorWindow;
    Controls probeControls(const char* help, const char* calculate) {
        Controls c;
        int top = 2000;
        auto next = [&](const char* name, const char* caption) {
            top += 400;
            return makeButton(this, QString::fromLatin1(name), QString::fromLatin1(caption), 0,
                              top - 400, 900, 300);
        };
        c.exit = next("Exit", "E&xit to Menu");
        c.print = next("Prt", "To &Printer");
        c.graph = next("Graph", "&Show Graph");
        c.help = next(help, "&Help");
        c.calculate = next(calculate, "&Calculate");
        c.grid = new Grid(this);
        c.helpPanel = makeTextPanel(this, QStringLiteral("TxtBox"), 2000, 0, 3000, 3000);
        return c;
    }
};

// A calculator with plain text boxes, one of them hidden, and a choice list in
// its Enter order: the shape of the windows still to come.
class ProbeCalculator : public ProbeWindow {
  public:
    ProbeCalculator() {
        setObjectName(QStringLiteral("Probe"));
        amount = makeTextBox(this, QStringLiteral("InAmount"), 0, 0, 1500, 300);
        hidden = makeTextBox(this, QStringLiteral("InHidden"), 0, 400, 1500, 300);
        choice = new QComboBox(this);
        years = makeTextBox(this, QStringLiteral("InYears"), 0, 1200, 1500, 300);
        result =
            makeLabel(this, QStringLiteral("Result"), QStringLiteral("old"), 0, 1600, 1500, 300);
        addInput(amount, 1, NumericKeyFilter, BoxFormat::money(13), {false, true});
        addInput(hidden, 2, NumericKeyFilter, BoxFormat::rate(14));
        addEnterStop(choice);
        addInput(years, 3, WholeNumberKeyFilter, BoxFormat::years(15));
        hidden->hide();
        KeyHook::on(choice)->keyPress = [this](int key) {
            if (key == keycode::Enter) focusNextAfter(choice);
            return 0;
        };
        setControls(probeControls("Help8", "Calc1"));
        grid()->setRows(5);
        setInput(1, Money::fromInt(100));
        setInput(3, Money::fromInt(5));
    }
    QLineEdit* amount;
    QLineEdit* hidden;
    QComboBox* choice;
    QLineEdit* years;
    QLabel* result;
    QString help = QStringLiteral("first");
    bool fail = false;
    // A choice that changes the help text, as a window with option buttons has.
    void changeHelp(const QString& text) {
        help = text;
        refreshHelpText();
    }

  protected:
    QString helpText() const override { return help; }
    void calculation() override {
        if (fail) {
            grid()->setCellText(1, 0, QStringLiteral("half"));
            throw std::out_of_range("row past the table");
        }
        setGraphPoints(graphPoints() + 1);
        grid()->setCellText(graphPoints(), 0, QStringLiteral("entry"));
        result->setText(QStringLiteral("new"));
    }
    void printReport(PrintDevice& d) override { d.line(QStringLiteral("probe")); }
    ChartData graphHandOver() const override {
        ChartData chart;
        chart.points.title = QStringLiteral("probe");
        return chart;
    }
    bool graphPointsCountEntries() const override { return true; }
    bool blanksGridOnReset() const override { return graphPoints() == 0; }
    void clearResultLabels() override { result->clear(); }
};

// A test of a probe window made and shown for it, active, and deleted after.
template <class Probe>
class ProbeTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        w = new Probe;
        w->show();
        QApplication::setActiveWindow(w);
    }
    void TearDown() override {
        delete w;
        WindowTest::TearDown();
    }
    Probe* w = nullptr;
};

using CalculatorBase = ProbeTest<ProbeCalculator>;

}  // namespace

TEST_F(CalculatorBase, TextBoxesHiddenBoxesAndChoiceStopsInTheEnterOrder) {
    EXPECT_EQ(w->amount->text(), "      $100.00");
    w->amount->setFocus();
    QTest::keyClick(w->amount, Qt::Key_Return);
    EXPECT_TRUE(w->choice->hasFocus());  // the hidden box is skipped
    QTest::keyClick(w->choice, Qt::Key_Return);
    EXPECT_TRUE(w->years->hasFocus());
    QTest::keyClick(w->years, Qt::Key_Return);
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("Calc1"))->hasFocus());

    // Delete empties a box that asks for it, and clears the result labels first.
    w->amount->setFocus();
    QTest::keyClick(w->amount, Qt::Key_Delete);
    EXPECT_EQ(w->amount->text(), "");
    EXPECT_EQ(w->result->text(), "");
    QTest::keyClicks(w->amount, QStringLiteral("7"));
    QTest::keyClick(w->amount, Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(1), Money::fromInt(7));
}

TEST_F(CalculatorBase, KeptEntriesSurviveResetsAndAFailureLeavesTheMessage) {
    w->Calculate();
    w->Calculate();
    EXPECT_EQ(w->graphPoints(), 2);
    EXPECT_EQ(w->result->text(), "new");
    w->amount->setFocus();
    QTest::keyClicks(w->amount, QStringLiteral("5"));
    EXPECT_EQ(w->graphPoints(), 2);  // entries are counted, not cleared
    EXPECT_EQ(w->result->text(), "");

    w->fail = true;
    w->Calculate();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(w->graphPoints(), 2);

    // Show Graph opens the chart of the last result.
    w->ShowGraph();
    auto* chart = Windows().get<Form1>(QStringLiteral("Form1"));
    EXPECT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->graph()->title(), "probe");
}

TEST_F(CalculatorBase, HelpTextCanBeRebuiltWhileOpen) {
    auto* panel = w->findChild<QPlainTextEdit*>(QStringLiteral("TxtBox"));
    w->ToggleHelp();
    EXPECT_EQ(panel->toPlainText(), "first");
    w->changeHelp(QStringLiteral("second\r\nline"));
    EXPECT_EQ(panel->toPlainText(), "second\nline");
    w->ToggleHelp();
    w->changeHelp(QStringLiteral("third"));
    EXPECT_FALSE(panel->isVisible());  // a closed panel stays closed
    EXPECT_EQ(panel->toPlainText(), "");
}

namespace {

// A calculator in another shape, with the pieces the loan and compound-rate
// windows take from the base: a choice list, a name box, result labels, the
// year limit, the year grid and comparison rows.
class ShapedProbe : public ProbeWindow {
  public:
    ShapedProbe()
        : ProbeWindow(CalculatorTableShape{.lastInput = 3,
                                           .lastYearRow = 500,
                                           .lastComparisonRow = 28,
                                           .lastComparisonCol = 6}) {
        setObjectName(QStringLiteral("Shaped"));
        setWindowTitle(QStringLiteral("Shaped Caption"));
        term = makeTextBox(this, QStringLiteral("InTerm"), 0, 0, 1500, 300);
        period = new QComboBox(this);
        period->addItems({QStringLiteral("      Monthly"), QStringLiteral("     Annually")});
        name = makeTextBox(this, QStringLiteral("NamInv"), 0, 800, 1500, 300);
        payment = makeLabel(this, QStringLiteral("InMonthPI"), QStringLiteral("$908.70"), 0, 1200,
                            1500, 300);
        addInput(term, 3, WholeNumberKeyFilter, BoxFormat::years(16));
        addChoiceList(period);
        addNameBox(name);
        addResultLabel(payment);
        setControls(probeControls("Help4", "Calc4"));
        CalculatorGridLayout layout;
        layout.widthIncrements = {480, 1300, 1410, 1410};
        LayOutCalculatorGrid(grid(), layout);
        setInput(3, Money::fromInt(25));
    }
    QLineEdit* term;
    QComboBox* period;
    QLineEdit* name;
    QLabel* payment;
    bool compare = false;
    Grid* table() const { return grid(); }

  protected:
    QString helpText() const override { return QStringLiteral("help"); }
    void calculation() override {
        AppState& s = State();
        const double n = s.CalcInputs.at(3).toDouble();
        if (refusedPastYearLimit(n, 480, 40)) return;
        if (compare) {
            if (!comparisonsFull())
                addComparisonRow({name->text(), QStringLiteral("x")}, Money::fromInt(7),
                                 QStringLiteral("entry\r\n"));
            setGraphPoints(comparisonCount());
            return;
        }
        const int t = static_cast<int>(RoundedYears(s.CalcInputs.at(3)));
        prepareGrid(t, 4);
        for (int y = 1; y <= t + 1; ++y) {
            s.YearTable(y, 1) = Money::fromInt(y);
            s.YearTable(y, 4) = Money::fromInt(1000 - y);
        }
        s.YearTable(t + 1, 4) = Money();
        fillYearGrid(t,
                     YearGridColumns{
                         {4}, {4}, QStringLiteral("####,,###.00"), QStringLiteral("####,,###.00")});
        payment->setText(QStringLiteral("$1.00"));
        setGraphPoints(t);
    }
    void printReport(PrintDevice& d) override { d.line(reportText()); }
    ChartData graphHandOver() const override {
        return CompoundRateChart(comparisonValues(), QStringLiteral("$"));
    }
};

using CalculatorPieces = ProbeTest<ShapedProbe>;

}  // namespace

TEST_F(CalculatorPieces, TablesInTheWindowsShapeAndTheYearGrid) {
    EXPECT_EQ(State().CalcInputs.size(), 4u);
    EXPECT_EQ(State().YearTable.rows(), 501);
    EXPECT_EQ(State().ComparisonTable.rows(), 29);
    EXPECT_EQ(State().ComparisonTable.cols(), 7);
    EXPECT_EQ(State().ComparisonLabels.cols(), 2);

    State().CalcInputs[3] = Money::fromInt(480);
    w->Calculate();
    EXPECT_EQ(w->table()->Rows(), 484);
    EXPECT_EQ(w->table()->cellText(480, 0), "480");
    EXPECT_EQ(w->table()->cellText(480, 1), "520.00");
    EXPECT_EQ(w->table()->cellText(481, 0), "Total:");
    EXPECT_EQ(w->table()->cellText(481, 1), "$.00");
    EXPECT_EQ(w->payment->text(), "$1.00");

    // Past the limit: the message names the years and the caption, the grid stays.
    State().CalcInputs[3] = Money::fromInt(481);
    w->Calculate();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 40 Years limit.");
    EXPECT_EQ(script.lastMessage().title, "Shaped Caption");
    EXPECT_EQ(w->table()->Rows(), 484);
    EXPECT_EQ(w->table()->cellText(1, 1), "");
    EXPECT_EQ(w->payment->text(), "");  // a result label is emptied by ResetResults
}

TEST_F(CalculatorPieces, ChoiceListsAndNameBoxesCountAsEdits) {
    w->Calculate();
    ASSERT_EQ(w->payment->text(), "$1.00");
    w->period->setFocus();
    QTest::keyClicks(w->period, QStringLiteral("a"));
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_EQ(w->payment->text(), "");
    EXPECT_EQ(w->table()->cellText(1, 1), "");
    QTest::keyClick(w->period, Qt::Key_Return);
    EXPECT_TRUE(w->name->hasFocus());

    w->Calculate();
    QTest::keyClicks(w->name, QStringLiteral("Bond"));
    EXPECT_EQ(w->name->text(), "Bond");  // the text stays, the results go
    EXPECT_EQ(w->payment->text(), "");
    QTest::keyClick(w->name, Qt::Key_Return);
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("Calc4"))->hasFocus());
}

TEST_F(CalculatorPieces, ComparisonRowsKeepTwentyThreeEntries) {
    w->compare = true;
    w->name->setText(QStringLiteral("Fund A"));
    for (int i = 0; i < 25; ++i) w->Calculate();
    EXPECT_EQ(w->comparisonCount(), 23);
    EXPECT_EQ(w->graphPoints(), 23);
    EXPECT_EQ(w->table()->cellText(23, 0), "Fund A");
    EXPECT_EQ(State().ComparisonLabels(23, 0), "Row  23");
    EXPECT_EQ(State().ComparisonTable(23, 5), Money::fromInt(7));
    EXPECT_EQ(State().ReportText.at(1).count(QStringLiteral("entry")), 23);
    w->ShowGraph();
    const ChartView* g = Windows().get<Form1>(QStringLiteral("Form1"))->graph();
    ASSERT_EQ(g->pointCount(), 23);
    EXPECT_EQ(g->label(22), "Row  23");
    EXPECT_EQ(g->value(22), 7);

    // While rows are kept an edit leaves them on screen.
    w->term->setFocus();
    QTest::keyClicks(w->term, QStringLiteral("3"));
    EXPECT_EQ(w->table()->cellText(1, 0), "Fund A");
}
