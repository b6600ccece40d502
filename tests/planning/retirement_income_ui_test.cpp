// The retirement income window as a user drives it: the two withdrawal choices, keys, Calculate,
// help, graph, printouts, exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "planning/model/retirement_income_help.h"
#include "planning/ui/retirement_income_window.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/print_action_ui.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

class IncomeWindow : public CalculatorTest<Income> {
  protected:
    IncomeWindow() : CalculatorTest("Income", "Grid2", "Retirement") {}
    QRadioButton* option(const char* name) const { return child<QRadioButton>(name); }
    void choose(const char* name) { QTest::mouseClick(option(name), Qt::LeftButton); }
};

const QString kPercentageLabel =
    QStringLiteral(" Annual Income Withdrawn  as a (%) of Current Value.");
const QString kTooMuch = QStringLiteral("Cannot withdraw Annually more than you have in Savings.");

}  // namespace

TEST_F(IncomeWindow, OpensWithPercentageChosen) {
    open();
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->windowTitle(), "Retirement Income Calculation");
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_EQ(w->choice(), WithdrawalChoice::Percentage);
    expectTexts({{"Option2", "Fixed Amount", {120, 4110, 1800, 300}},
                 {"InInvest",
                  "       $500,000.00",
                  {},
                  {"500000", "600000", "700000", "800000", "900000", "1000000"}},
                 {"InRate", "             10.00%", {}, {"10", "12.5 ", "15", "17.5 ", "20"}},
                 {"InRateDrawn", "              8.00%", {}, {"10", "12.5", "15", "17.5", "20"}},
                 {"InTerm", QString(19, u' ') + "20", {}, {"10", "15", "20", "25", "30"}},
                 {"Label4", kPercentageLabel, {0, 1740, 1980, 810}}});
    EXPECT_EQ(State().CalcInputs.size(), 6u);
    EXPECT_EQ(State().YearTable.rows(), 363);
    EXPECT_TRUE(label("Label3")->isVisible());
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->cellText(0, 1), "   Interest/Growth    Compounded");
    EXPECT_NEAR(grid()->colWidth(3), Grid::kDefaultColWidth + 1450, 15);
    EXPECT_FALSE(w->inputEdited());

    // A list entry with a blank after it reads as its figure.
    box("InRate")->setFocus();
    QTest::keyClick(box("InRate"), Qt::Key_Down);
    QTest::keyClick(box("InRate"), Qt::Key_Down);
    QTest::keyClick(box("InRate"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(2), M("12.5"));
}

TEST_F(IncomeWindow, SwitchingTheChoiceChangesBoxesLabelsEnterOrderAndResults) {
    open();
    button("Calc")->click();
    ASSERT_EQ(w->graphPoints(), 20);

    choose("Option2");
    EXPECT_EQ(w->choice(), WithdrawalChoice::FixedAmount);
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
    EXPECT_FALSE(box("InTerm")->isVisible());
    EXPECT_FALSE(label("Label3")->isVisible());
    expectTexts({{"Label4", " Monthly Amount of Cash     Withdrawn."},
                 {"InInvest", "       $100,000.00"},
                 {"InRateDrawn", "         $1,000.00", {}, {"1000", "2000", "3000", "4000"}},
                 {"InTerm", ""}});
    EXPECT_EQ(State().CalcInputs.at(1), M("100000"));
    EXPECT_EQ(State().CalcInputs.at(3), M("1000"));
    EXPECT_EQ(box("InTerm")->count(), 0);
    EXPECT_FALSE(w->inputEdited());

    // The withdrawal box now shows money, and Enter goes from it straight to Calculate.
    enter("InRateDrawn", QStringLiteral("1500"));
    EXPECT_EQ(box("InRateDrawn")->currentText(), "         $1,500.00");
    EXPECT_TRUE(button("Calc")->hasFocus());
    expectEnterOrder({"InInvest", "InRate", "InRateDrawn"}, "Calc");
    // No box takes "-".
    const int beeps = script.beeps();
    QTest::keyClicks(box("InRate"), QStringLiteral("-"));
    EXPECT_EQ(script.beeps(), beeps + 1);

    button("Calc")->click();
    EXPECT_EQ(grid()->cellText(8, 2), "17,465.74");

    // Back to Percentage: its figures return, the capital stays as it is.
    choose("Option1");
    EXPECT_EQ(w->choice(), WithdrawalChoice::Percentage);
    EXPECT_TRUE(bodyBlank());
    EXPECT_TRUE(box("InTerm")->isVisible());
    EXPECT_TRUE(label("Label3")->isVisible());
    expectTexts({{"Label4", kPercentageLabel},
                 {"InRateDrawn", "              8.00%"},
                 {"InTerm", QString(19, u' ') + "20", {}, {"10", "15", "20", "25", "30"}}});
    EXPECT_EQ(State().CalcInputs.at(1), M("100000"));
    expectEnterOrder({"InRateDrawn", "InTerm"}, "Calc");
    enter("InRateDrawn", QStringLiteral("7.5"));
    EXPECT_EQ(box("InRateDrawn")->currentText(), "              7.50%");
}

TEST_F(IncomeWindow, TheOpenHelpPanelFollowsTheChoice) {
    open();
    button("Help2")->click();
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->toPlainText(),
              RetirementIncomeHelpText(WithdrawalChoice::Percentage, QStringLiteral("$"))
                  .replace(QStringLiteral("\r\n"), "\n"));
    choose("Option2");
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(button("Help2")->text(), "Close &Help");
    EXPECT_TRUE(panel()->toPlainText().startsWith(
        "                   With Fixed Amount Option highlighted."));
    EXPECT_TRUE(panel()->toPlainText().endsWith(QString(50, u' ') + "End"));
    QTest::keyClick(panel(), Qt::Key_Return);
    EXPECT_TRUE(box("InInvest")->hasFocus());
    button("Help2")->click();
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(grid()->isVisible());
}

TEST_F(IncomeWindow, CalculatesBothChoicesIntoTheGridAndTheChart) {
    open();
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(row(1), (QStringList{"1", "50,000.00", "40,000.00", "510,000.00"}));
    EXPECT_EQ(row(21), (QStringList{"Total:", "$1,214,868.43", "$971,894.68", "$742,973.62"}));
    EXPECT_EQ(w->graphPoints(), 20);
    EXPECT_EQ(grid()->selEndRow(), 1);
    Form1* chart = showGraph();
    ASSERT_TRUE(chart);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(chart->graph()->title(), "Retirement value at end of each Year");
    EXPECT_EQ(chart->graph()->value(0), 510000.0005);
    EXPECT_EQ(State().YearTable(1, 5), Money());  // the chart leaves the table alone
    chart->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("Income")));

    choose("Option2");
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(row(1), (QStringList{"1", "9,491.53", "12,000.00", "97,491.53"}));
    EXPECT_EQ(row(17), (QStringList{"17", "417.21", "9,975.65", ".00"}));
    // The total row agrees with the last row.
    EXPECT_EQ(row(18), (QStringList{"Total:", "$101,975.65", "$201,975.65", "$0.00"}));
    EXPECT_EQ(w->graphPoints(), 17);
    // The first bar is the starting capital, bar i + 1 the value at the end of year i.
    chart = showGraph();
    ASSERT_TRUE(chart);
    ChartView* g = chart->graph();
    ASSERT_EQ(g->pointCount(), 17);
    EXPECT_EQ(g->value(0), 100000.0);
    EXPECT_NEAR(g->value(1), 97491.5326, 1e-6);
    EXPECT_EQ(g->label(16), "17");
    EXPECT_EQ(g->title(), "Retirement value at start of each Year");
    Windows().hide(QStringLiteral("Form1"));
    Windows().show(QStringLiteral("Income"));

    // 50 years of growth fill 54 grid rows.
    enter("InRateDrawn", QStringLiteral("700"));
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 54);
    EXPECT_EQ(grid()->cellText(51, 0), "Total:");
    EXPECT_EQ(grid()->cellText(50, 3), "1,577,647.57");
}

TEST_F(IncomeWindow, RefusalsAndFailuresLeaveNoResults) {
    open();
    enter("InTerm", QStringLiteral("51"));
    button("Calc")->click();
    expectRefused("Wrong entry, 50 Years limit.", "Retirement Income Calculation");

    enter("InTerm", QStringLiteral("20"));
    enter("InRateDrawn", QStringLiteral("101"));
    button("Calc")->click();
    expectRefused(kTooMuch, "Retirement Income Calculation");

    choose("Option2");
    enter("InRateDrawn", QStringLiteral("8333.34"));
    button("Calc")->click();
    expectRefused(kTooMuch, "Retirement Income Calculation");

    script.clear();
    enter("InInvest", QStringLiteral("900000000000000"));
    enter("InRate", QStringLiteral("20"));
    enter("InRateDrawn", QStringLiteral("1"));
    button("Calc")->click();
    expectRefused("Wrong entry, try again", "Help");
    button("Graphs")->click();
    EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
}

TEST_F(IncomeWindow, PrintoutHoldsTheCalculationAndExitReturnsToTheMenu) {
    open();
    choose("Option2");
    enter("InRateDrawn", QStringLiteral("1500"));
    button("Calc")->click();
    enter("InRateDrawn", QStringLiteral("2000"));  // typed after: not in the printout
    button("Ptr")->click();
    EXPECT_EQ(script.lastMessage().text, "Continue with Printout.");
    ASSERT_EQ(printouts().size(), 1u);
    const QString page = printouts().front()->pageText(0);
    EXPECT_TRUE(page.contains(" Monthly Amount of Cash Withdrawn                      $1,500.00"))
        << page.toStdString();
    EXPECT_TRUE(
        page.contains("   8                   846.34              17,465.74                  .00"));
    EXPECT_TRUE(
        page.contains(" Total:            $43,465.74            $143,465.74                 $.00"));
    EXPECT_FALSE(page.contains("Time in Years"));

    exitToMenu();
}

TEST_F(IncomeWindow, PercentagePrintoutThroughThePdfDevice) {
    open();
    enter("InTerm", QStringLiteral("3"));
    expectColumns(printedThroughPdf("Calc", "Ptr"), {"Retirement Income Calculation", 27},
                  {{"Current Value of your", 2},
                   {"$500,000.00", 51 + 14 - 11},
                   {"8.00%", 52 + 14 - 5},
                   {"Year         Interest", 2},
                   {"50,000.00", 17 + 13 - 9},
                   {"40,000.00", 39 + 14 - 9},
                   {"510,000.00", 61 + 13 - 10},
                   {"Total:", 2}});
}
