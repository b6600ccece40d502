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

#include "common/print_device.h"
#include "planning/calculator_window.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "shell/app_state.h"
#include "shell/key_filters.h"
#include "support/ui_test_support.h"

namespace {

// A calculator with plain text boxes, one of them hidden, and a choice list in
// its Enter order: the shape of the windows still to come.
class ProbeCalculator : public CalculatorWindow {
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
        Controls c;
        c.exit = makeButton(this, QStringLiteral("Exit"), QStringLiteral("E&xit to Menu"), 0, 2000,
                            900, 300);
        c.print = makeButton(this, QStringLiteral("Prt"), QStringLiteral("To &Printer"), 0, 2400,
                             900, 300);
        c.graph = makeButton(this, QStringLiteral("Graph"), QStringLiteral("&Show Graph"), 0, 2800,
                             900, 300);
        c.help =
            makeButton(this, QStringLiteral("Help8"), QStringLiteral("&Help"), 0, 3200, 900, 300);
        c.calculate = makeButton(this, QStringLiteral("Calc1"), QStringLiteral("&Calculate"), 0,
                                 3600, 900, 300);
        c.grid = new Grid(this);
        c.helpPanel = makeTextPanel(this, QStringLiteral("TxtBox"), 2000, 0, 3000, 3000);
        setControls(c);
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
        AppState& s = State();
        if (fail) {
            grid()->setCellText(1, 0, QStringLiteral("half"));
            throw std::out_of_range("row past the table");
        }
        ++s.GraphPoints;
        grid()->setCellText(s.GraphPoints, 0, QStringLiteral("entry"));
        result->setText(QStringLiteral("new"));
    }
    void printReport(PrintDevice& d) override { d.line(QStringLiteral("probe")); }
    GraphHandOver graphHandOver() const override { return {}; }
    bool graphPointsCountEntries() const override { return true; }
    bool blanksGridOnReset() const override { return State().GraphPoints == 0; }
    void clearResultLabels() override { result->clear(); }
};

class CalculatorBase : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        w = new ProbeCalculator;
        w->show();
        QApplication::setActiveWindow(w);
    }
    void TearDown() override {
        delete w;
        WindowTest::TearDown();
    }
    ProbeCalculator* w = nullptr;
};

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
    EXPECT_EQ(State().GraphPoints, 2);
    EXPECT_EQ(w->result->text(), "new");
    w->amount->setFocus();
    QTest::keyClicks(w->amount, QStringLiteral("5"));
    EXPECT_EQ(State().GraphPoints, 2);  // entries are counted, not cleared
    EXPECT_EQ(w->result->text(), "");

    w->fail = true;
    w->Calculate();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(State().GraphPoints, 2);

    // Show Graph leaves GraphSource as the calculation set it.
    State().GraphSource = 3;
    w->ShowGraph();
    EXPECT_EQ(State().GraphSource, 3);
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
