// The savings plan window as a user drives it: boxes, keys, Calculate, help, graph, printouts,
// exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/number_format.h"
#include "planning/model/savings_plan_help.h"
#include "planning/model/savings_plan_report.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

class SavingsWindow : public CalculatorTest<CalcInpt> {
  protected:
    SavingsWindow() : CalculatorTest("CalcInpt", "Grid1") {}
    // Opens the window from the menu button of `mode` (1 calculations, 2 comparisons).
    CalcInpt* open(int mode) { return openFrom(mode == 2 ? "SavingComp" : "Savings"); }
};

}  // namespace

TEST_F(SavingsWindow, OpensInBothModesWithBoxesListsLabelsAndGrid) {
    open(1);
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->mode(), SavingsMode::Calculations);
    EXPECT_EQ(w->windowTitle(), "Investment Growth Calculations");
    expectTexts(
        {{"InLumpInv",
          "              $.00",
          {},
          {"10000", "15000", "20000", "25000", "30000", "35000"}},
         {"InInvest", "         $1,000.00"},
         {"InIncrRate", "               .00%", {}, {"3", "4", "5", "6", "7"}},
         {"InRate", "             20.00%", {}, {"10", "12.5", "15", "17.5", "20"}},
         {"InTerm", QString(19, u' ') + "25", {}, {"5", "10", "15", "20", "25", "30"}},
         {"inInflatRate", "               .00%"},
         {"Label8", " Increase the annual         Investment rate(%) by", {0, 1740, 1980, 810}},
         {"SmalSav", "&Year"},
         {"Help1", "&Help", {5940, 6000, 1410, 325}}});
    EXPECT_EQ(State().CalcInputs.at(2), M(1000));
    EXPECT_EQ(State().CalcInputs.at(3), M(20));
    EXPECT_EQ(State().CalcInputs.at(4), M(25));
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->Cols(), 4);
    EXPECT_EQ(grid()->cellText(0, 2), " Interest/Growth  Compounded");
    EXPECT_NEAR(grid()->colWidth(3), Grid::kDefaultColWidth + 1510, 15);
    EXPECT_FALSE(panel()->isVisible());

    button("ExitButton")->click();
    settle();
    open(2);
    EXPECT_EQ(w->windowTitle(), "Investment Growth Comparisons");
    EXPECT_EQ(w->mode(), SavingsMode::Comparisons);
    EXPECT_EQ(grid()->Rows(), 24);
    EXPECT_EQ(grid()->Cols(), 8);
    EXPECT_EQ(grid()->cellText(0, 7), "Current  Value");
    EXPECT_NEAR(grid()->colWidth(0), Grid::kDefaultColWidth - 80, 15);
}

TEST_F(SavingsWindow, KeyProtocolAsAUserTypes) {
    open(1);
    w->Calculate();
    ASSERT_EQ(w->graphPoints(), 25);

    // The first key replaces the figure and clears the results; Enter reads it.
    box("InRate")->setFocus();
    QTest::keyClicks(box("InRate"), QStringLiteral("1"));
    EXPECT_EQ(box("InRate")->currentText(), "1");
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
    QTest::keyClicks(box("InRate"), QStringLiteral("2.5x"));
    EXPECT_EQ(script.beeps(), 1);
    QTest::keyClick(box("InRate"), Qt::Key_Return);
    EXPECT_TRUE(box("InTerm")->hasFocus());
    EXPECT_EQ(State().CalcInputs.at(3), M(12.5));
    EXPECT_EQ(box("InRate")->currentText(), "             12.50%");
    EXPECT_FALSE(w->inputEdited());

    // The term takes no point; "-" goes only into the increase and inflation boxes.
    enter("InTerm", QStringLiteral("1.0"));
    EXPECT_EQ(State().CalcInputs.at(4), M(10));
    EXPECT_TRUE(box("inInflatRate")->hasFocus());
    enter("inInflatRate", QStringLiteral("-5"));
    EXPECT_EQ(State().CalcInputs.at(5), M(-5));
    EXPECT_EQ(box("inInflatRate")->currentText(), "             -5.00%");
    EXPECT_TRUE(button("Calc")->hasFocus());
    enter("InIncrRate", QStringLiteral("2-4"));  // "-" empties the box and starts again
    EXPECT_EQ(State().CalcInputs.at(6), M(-4));
    EXPECT_TRUE(box("InRate")->hasFocus());
    const int beeps = script.beeps();
    QTest::keyClicks(box("InRate"), QStringLiteral("-"));
    EXPECT_EQ(script.beeps(), beeps + 1);
    EXPECT_EQ(box("InRate")->currentText(),
              "             12.50%");  // a refused key changes nothing

    // The whole Enter order.
    expectEnterOrder({"InLumpInv", "InInvest", "InIncrRate", "InRate", "InTerm", "inInflatRate"},
                     "Calc");
}

TEST_F(SavingsWindow, DeleteAndPickingAnEntryResetTheResults) {
    open(1);
    w->Calculate();
    box("InInvest")->setFocus();
    QTest::keyClick(box("InInvest"), Qt::Key_Delete);
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
    EXPECT_TRUE(w->inputEdited());

    w->Calculate();
    box("InLumpInv")->setFocus();
    QTest::keyClick(box("InLumpInv"), Qt::Key_Down);  // picks the first entry
    EXPECT_EQ(box("InLumpInv")->currentText(), "10000");
    EXPECT_TRUE(bodyBlank());
    QTest::keyClick(box("InLumpInv"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(1), M(10000));
    EXPECT_EQ(box("InLumpInv")->currentText(), "        $10,000.00");
}

TEST_F(SavingsWindow, CalculatesYearsIntoTheGridAndTheSharedTables) {
    open(1);
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 29);  // 25 years + 4
    EXPECT_EQ(row(1), (QStringList{"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(row(2), (QStringList{"2", "1,000.00", "440.00", "2,640.00"}));
    EXPECT_EQ(row(26), (QStringList{"Total:", "$25,000.00", "$541,377.32", "$566,377.32"}));
    EXPECT_EQ(row(27), (QStringList{"", "", "", ""}));
    EXPECT_EQ(w->graphPoints(), 25);
    EXPECT_EQ(State().YearTable(2, 4), M(2640));
    EXPECT_EQ(State().YearTable(26, 2), M(25000));
    EXPECT_EQ(grid()->selEndRow(), 1);
    EXPECT_EQ(grid()->selEndCol(), 0);

    enter("InTerm", QStringLiteral("50"));
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 54);
    EXPECT_EQ(grid()->cellText(51, 0), "Total:");

    enter("InTerm", QStringLiteral("51"));
    button("Calc")->click();
    expectRefused("Wrong entry, 50 Years limit.", "Investment Growth Calculations");

    enter("InTerm", QStringLiteral("1"));
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(row(2), (QStringList{"Total:", "$1,000.00", "$200.00", "$1,200.00"}));
    EXPECT_EQ(w->graphPoints(), 1);

    // A term of 0 computes the same rows but leaves nothing to chart.
    enter("InTerm", QStringLiteral("0"));
    button("Calc")->click();
    EXPECT_EQ(row(1), (QStringList{"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(grid()->cellText(2, 0), "Total:");
    EXPECT_EQ(w->graphPoints(), 0);
    script.clear();
    button("Graphs")->click();
    EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
    EXPECT_EQ(script.lastMessage().title, "Advisory");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SavingsWindow, ComparisonsKeepTwentyThreeRowsAndRefuseTheTwentyFourth) {
    open(2);
    button("Calc")->click();
    EXPECT_EQ(row(1), (QStringList{"25", ".00", "1,000.00", "20.00%", ".00%", ".00%", "25,000.00",
                                   "566,377.32"}));
    // Changing a figure keeps the rows made so far.
    enter("InLumpInv", QStringLiteral("30000"));
    enter("InInvest", QStringLiteral("0"));
    EXPECT_EQ(grid()->cellText(1, 7), "566,377.32");
    for (int i = 2; i <= 23; ++i) button("Calc")->click();
    EXPECT_EQ(w->comparisonCount(), 23);
    EXPECT_EQ(grid()->cellText(23, 1), "30,000.00");
    EXPECT_EQ(State().ComparisonLabels(23, 0), "Row  23");
    EXPECT_EQ(Format(State().ComparisonTable(1, 5), u"0.00"), "566377.32");
    EXPECT_EQ(w->graphPoints(), 23);
    EXPECT_TRUE(script.messages().empty());

    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Limit is 23 entries");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(w->comparisonCount(), 23);
    EXPECT_EQ(w->graphPoints(), 23);
    EXPECT_EQ(grid()->Rows(), 24);
    EXPECT_EQ(State().ReportText.at(1).count(QString(77, u'_')), 23);
}

TEST_F(SavingsWindow, HugeFiguresSayWrongEntryAndLeaveNoTableBehind) {
    open(1);
    enter("InLumpInv", QStringLiteral("900000000000000"));
    EXPECT_EQ(State().CalcInputs.at(1), M(900e12));
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);

    // A figure past the currency's range is refused when the box is left.
    script.clear();
    enter("InInvest", QStringLiteral("99999999999999999999"));
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(State().CalcInputs.at(2), M(1000));
    EXPECT_EQ(box("InInvest")->currentText(), "         $1,000.00");

    // A giant term is refused without growing the grid.
    enter("InLumpInv", QStringLiteral("0"));
    const int rows = grid()->Rows();
    enter("InTerm", QStringLiteral("99999999999"));
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 50 Years limit.");
    EXPECT_EQ(grid()->Rows(), rows);
}

TEST_F(SavingsWindow, AFailedComparisonKeepsTheEarlierRowsAndAddsNone) {
    open(2);
    button("Calc")->click();
    enter("InRate", QStringLiteral("999999999"));
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(w->comparisonCount(), 1);
    EXPECT_EQ(grid()->cellText(1, 7), "566,377.32");
    EXPECT_EQ(grid()->cellText(2, 0), "");
    EXPECT_EQ(State().ReportText.at(1).count(QString(77, u'_')), 1);
}

TEST_F(SavingsWindow, HelpPanelOpensClosesAndHoldsWhileTyping) {
    open(1);
    w->Calculate();
    button("Help1")->click();
    EXPECT_EQ(button("Help1")->text(), "Close &Help");
    EXPECT_FALSE(button("Prt")->isEnabled());
    EXPECT_FALSE(button("Graphs")->isEnabled());
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_TRUE(w->helpShown());
    EXPECT_EQ(panel()->toPlainText(),
              SavingsPlanHelpText(SavingsMode::Calculations, QStringLiteral("$"))
                  .replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_TRUE(panel()->toPlainText().endsWith(QString(50, u' ') + "End"));

    QTest::keyClicks(panel(), QStringLiteral("a"));
    EXPECT_EQ(script.beeps(), 1);
    QTest::keyClick(panel(), Qt::Key_Return);
    EXPECT_TRUE(box("InLumpInv")->hasFocus());
    EXPECT_TRUE(panel()->isVisible());
    // Typing while the panel is open leaves it open.
    QTest::keyClicks(box("InLumpInv"), QStringLiteral("5"));
    EXPECT_TRUE(panel()->isVisible());

    button("Help1")->click();
    EXPECT_EQ(button("Help1")->text(), "&Help");
    EXPECT_TRUE(button("Prt")->isEnabled());
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(bodyBlank());
    EXPECT_FALSE(w->helpShown());
    EXPECT_EQ(State().CalcInputs.at(1), M(5));

    button("ExitButton")->click();
    settle();
    open(2);
    button("Help1")->click();
    EXPECT_TRUE(panel()->toPlainText().startsWith(
        " Change entries in any Input Box and click Calculate for comparisions."));
}

TEST_F(SavingsWindow, ShowGraphHandsOverAndExitReleasesTheTables) {
    open(1);
    button("Graphs")->click();
    EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
    button("Calc")->click();
    button("Graphs")->click();
    EXPECT_EQ(w->graphPoints(), 25);
    EXPECT_TRUE(Windows().visible(QStringLiteral("Form1")));
    EXPECT_FALSE(w->isVisible());

    Windows().hide(QStringLiteral("Form1"));
    Windows().show(QStringLiteral("CalcInpt"));
    exitToMenu();
    EXPECT_FALSE(State().YearTable.created());

    // Closing the frame leaves for the menu as the exit button does.
    open(2);
    w->close();
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("CalcInpt")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_TRUE(State().CalcInputs.empty());
}

TEST_F(SavingsWindow, CalculationsPrintout) {
    open(1);
    enter("InLumpInv", QStringLiteral("10000"));
    enter("InInvest", QStringLiteral("1000"));
    enter("InIncrRate", QStringLiteral("5"));
    enter("InRate", QStringLiteral("12.5"));
    enter("InTerm", QStringLiteral("3"));
    enter("inInflatRate", QStringLiteral("3"));
    button("Calc")->click();

    script.answer(dialogs::Answer::No);
    button("Prt")->click();
    EXPECT_TRUE(printouts().empty());
    // Figures typed after the calculation do not slip into its printout.
    enter("InTerm", QStringLiteral("7"));
    button("Prt")->click();
    EXPECT_EQ(script.lastMessage().text, "Continue with Printout.");
    EXPECT_EQ(script.lastMessage().title, "Printer");
    ASSERT_EQ(printouts().size(), 1u);
    const TextDevice& d = *printouts().front();
    EXPECT_TRUE(d.ended());
    // The page of the figures typed (its layout is checked line by line with the report).
    TextDevice expected;
    SavingsPlanInputs in;
    in.lumpSum = M(10000);
    in.annual = M(1000);
    in.increasePercent = M(5);
    in.ratePercent = M(12.5);
    in.years = M(3);
    in.inflationPercent = M(3);
    PrintSavingsCalculation(expected, in, CalculateSavingsPlan(in), QStringLiteral("$"));
    EXPECT_EQ(d.pageText(0), expected.pageText(0));
    EXPECT_TRUE(d.pageText(0).contains(" Total:             $13,152.50"));
}

TEST_F(SavingsWindow, ComparisonsPrintoutHoldsTheRowsSinceTheLastOne) {
    open(2);
    button("Calc")->click();
    enter("InTerm", QStringLiteral("10"));
    button("Calc")->click();
    button("Prt")->click();
    ASSERT_EQ(printouts().size(), 1u);
    EXPECT_EQ(printouts()[0]->pageText(0).toStdString(), std::string(R"(
                             Investment Growth Comparisons


 Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current
 End  Investment Investment /Growth  Increase Rate(%)     Invested    Value
 _____________________________________________________________________________

 25         .00    1,000.00  20.00%    .00%    .00%    25,000.00    566,377.32
 _____________________________________________________________________________

 10         .00    1,000.00  20.00%    .00%    .00%    10,000.00     31,150.42
 _____________________________________________________________________________


)"));
    EXPECT_TRUE(State().ReportText.at(1).isEmpty());
    enter("InTerm", QStringLiteral("5"));
    button("Calc")->click();
    button("Prt")->click();
    ASSERT_EQ(printouts().size(), 2u);
    const QStringList lines = printouts()[1]->pages().at(0);
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines.at(8).left(3), "  5");  // 5 years: 1000 x 1.2 x (1.2^5 - 1) / 0.2
    EXPECT_TRUE(lines.at(8).endsWith("8,929.92"));
    EXPECT_EQ(lines.at(9), " " + QString(77, u'_'));
    EXPECT_EQ(w->comparisonCount(), 3);  // the grid keeps every row
}

TEST_F(SavingsWindow, CalculationsPrintoutThroughThePdfDevice) {
    open(1);
    enter("InTerm", QStringLiteral("3"));
    expectColumns(printedThroughPdf("Calc", "Prt"), {"Investment Growth Calculation", 25},
                  {{"Amount of Lump Sum", 2},
                   {"$1,000.00", 52 + 14 - 9},
                   {"20.00%", 52 + 14 - 5},
                   {"Year        Annual", 2},
                   {"4,368.00", 61 + 13 - 8},
                   {"Total:", 2},
                   {"$3,000.00", 17 + 14 - 9},
                   {"$1,368.00", 39 + 13 - 9}});
}
