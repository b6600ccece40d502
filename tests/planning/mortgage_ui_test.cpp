// The mortgage and loan window as a user drives it: boxes, the compounding list, Calculate and
// its limits, the help panel, the chart, the printouts, exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "planning/model/mortgage_help.h"
#include "planning/ui/mortgage_window.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

class MortgageWindow : public CalculatorTest<CdnMort> {
  protected:
    MortgageWindow() : CalculatorTest("CdnMort", "Grid4") {}
    // Opens the window from the menu button of `mode` (1 mortgages, 2 loans).
    CdnMort* open(int mode) { return openFrom(mode == 2 ? "LoanPmt" : "Canadian"); }
    QLineEdit* principal() const { return child<QLineEdit>("InPrincipal"); }
    bool resultsEmpty() const {
        return textOf("InMonthPI").isEmpty() && textOf("TotYear").isEmpty() &&
               textOf("AllPayments").isEmpty();
    }
};

}  // namespace

TEST_F(MortgageWindow, OpensInBothModesWithTheirTextsAndDefaults) {
    State().settings.currencySymbol = QStringLiteral("DM");
    open(1);
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->windowTitle(), "Mortgage Tables");
    // The default amount shows a "$" whatever the currency symbol.
    expectTexts(
        {{"Label1", " Amount of Mortgage.", {0, 60, 2265, 820}},
         {"Label3", " Term in Years.", {0, 1800, 2265, 795}},
         {"InPrincipal", " $100,000.00", {90, 480, 2080, 360}},
         {"InRate", "         10.00%", {90, 1380, 2080, 315}, {"6 ", "7 ", "8 ", "9 ", "10 "}},
         {"InTerm", "           25", {90, 2220, 2080, 315}, {"20 ", "25 ", "30 "}},
         {"Comperiod",
          "      Monthly",
          {90, 3090, 2080, 315},
          {"      Monthly", "    BiMonthly", "    Quarterly", " SemiAnnually", "     Annually"}},
         {"Ptr3", " To &Printer", {2340, 6000, 1455, 325}}});
    EXPECT_FALSE(box("Comperiod")->isEditable());
    EXPECT_EQ(State().CalcInputs.at(1), M(100000));
    EXPECT_EQ(State().CalcInputs.at(2), M(10));
    EXPECT_EQ(State().CalcInputs.at(3), M(25));
    EXPECT_EQ(State().YearTable.rows(), 501);
    EXPECT_TRUE(resultsEmpty());
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->Cols(), 4);
    EXPECT_EQ(grid()->cellText(0, 0), "Year Number");
    EXPECT_EQ(grid()->cellText(0, 3), "  Remaining     Balance");
    // The columns keep their widths relative to each other, and all four end before the
    // vertical scroll bar of the 7170-twip grid (no column is cut off).
    EXPECT_NEAR(grid()->colWidth(1) - grid()->colWidth(0), 1300 - 480, 15);
    int columns = 0;
    for (int c = 0; c < 4; ++c) columns += grid()->colWidth(c);
    EXPECT_LE(columns + 16 * 15, 7170);

    // The first edit shows the amount with the currency symbol.
    enter(principal(), QStringLiteral("150000"));
    EXPECT_EQ(principal()->text(), "    DM150,000.00");
    button("ExitButton")->click();
    settle();

    open(2);
    EXPECT_EQ(w->windowTitle(), "Monthly Payments on a Loan");
    expectTexts({{"Label1", " Amount of Loan.", {0, 60, 2265, 820}},
                 {"Label3", " Term in Months.", {0, 1800, 2265, 795}},
                 {"InPrincipal", "  $10,000.00", {90, 480, 2080, 360}},
                 {"InTerm", "           12", {90, 2220, 2080, 315}, {"24", "36", "48"}}});
    EXPECT_EQ(State().CalcInputs.at(3), M(12));
    EXPECT_EQ(grid()->cellText(0, 0), "Month Number");
}

TEST_F(MortgageWindow, AUserComputesAMortgage) {
    open(1);
    // Enter runs through the boxes and the list to Calculate.
    expectEnterOrder({"InPrincipal", "InRate", "InTerm", "Comperiod"}, "Calc4");

    button("Calc4")->click();
    EXPECT_EQ(textOf("InMonthPI"), "     $908.70");
    EXPECT_EQ(textOf("TotYear"), "  $10,904.40");
    EXPECT_EQ(textOf("AllPayments"), " $272,610.23");
    EXPECT_EQ(row(1), (QStringList{"1", "9,957.37", "947.03", "99,052.97"}));
    EXPECT_EQ(row(26), (QStringList{"Total:", "$172,610.23", "$100,000.00", "$.00"}));
    EXPECT_EQ(w->graphPoints(), 25);

    // A key in the choice-only list beeps, is swallowed and clears the results.
    box("Comperiod")->setFocus();
    QTest::keyClicks(box("Comperiod"), QStringLiteral("S"));
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_EQ(box("Comperiod")->currentText(), "      Monthly");
    EXPECT_TRUE(resultsEmpty());
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);

    // Picking semi-annual compounding, as a click would.
    button("Calc4")->click();
    box("Comperiod")->setCurrentIndex(3);
    emit box("Comperiod")->activated(3);
    EXPECT_TRUE(resultsEmpty());
    button("Calc4")->click();
    EXPECT_EQ(textOf("InMonthPI"), "     $894.49");
    EXPECT_EQ(textOf("TotYear"), "  $10,733.88");

    // Typing replaces a figure; Delete clears the results.
    enter("InRate", QStringLiteral("7.5"));
    EXPECT_EQ(box("InRate")->currentText(), "            7.50%");
    enter("InTerm", QStringLiteral("1.5"));  // the term takes no point
    EXPECT_EQ(State().CalcInputs.at(3), M(15));
    button("Calc4")->click();
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_FALSE(grid()->cellText(15, 0).isEmpty());
    principal()->setFocus();
    QTest::keyClick(principal(), Qt::Key_Delete);
    EXPECT_TRUE(resultsEmpty());
    EXPECT_TRUE(bodyBlank());
}

TEST_F(MortgageWindow, TermLimitsAndFailures) {
    open(1);
    enter("InTerm", QStringLiteral("50"));
    button("Calc4")->click();
    EXPECT_EQ(grid()->Rows(), 54);
    EXPECT_EQ(grid()->cellText(51, 0), "Total:");
    enter("InTerm", QStringLiteral("51"));
    button("Calc4")->click();
    expectRefused("Wrong entry, 50 Years limit.", "Mortgage Tables");
    EXPECT_TRUE(resultsEmpty());

    // A zero rate or term: the message, and nothing that is not a number anywhere.
    for (const char* figures : {"0|25", "10|0"}) {
        const QStringList f = QString::fromLatin1(figures).split(u'|');
        enter("InRate", f[0]);
        enter("InTerm", f[1]);
        script.clear();
        button("Calc4")->click();
        SCOPED_TRACE(figures);
        expectRefused("Wrong entry, try again", "Help");
        EXPECT_TRUE(resultsEmpty());
        button("Graphs")->click();
        EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
    }
    button("ExitButton")->click();
    settle();

    open(2);
    enter("InTerm", QStringLiteral("480"));
    button("Calc4")->click();
    EXPECT_EQ(grid()->Rows(), 484);
    EXPECT_EQ(grid()->cellText(480, 0), "480");
    EXPECT_EQ(grid()->cellText(481, 0), "Total:");
    EXPECT_EQ(textOf("InMonthPI"), "      $84.91");
    enter("InTerm", QStringLiteral("481"));
    button("Calc4")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 40 Years limit.");
    EXPECT_EQ(script.lastMessage().title, "Monthly Payments on a Loan");
    EXPECT_EQ(grid()->Rows(), 484);
    EXPECT_TRUE(bodyBlank());
    enter("InTerm", QStringLiteral("480"));
    button("Calc4")->click();
    EXPECT_EQ(grid()->cellText(20, 0), "20");  // made, as when drawn
    // A shorter term after the longest: its rows, its total, and nothing of the longer table below.
    enter("InTerm", QStringLiteral("12"));
    button("Calc4")->click();
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->cellText(12, 0), "12");
    EXPECT_EQ(grid()->cellText(12, 3), ".00");
    EXPECT_EQ(grid()->cellText(13, 0), "Total:");
    for (int r = 14; r < 25; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(grid()->cellText(r, c), "") << r << "," << c;
    EXPECT_EQ(grid()->tableRows().size(), 14u);  // the heading and 13 rows are copied
}

TEST_F(MortgageWindow, HelpPanelChartAndExit) {
    open(2);
    button("Help4")->click();
    auto* panel = this->panel();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->toPlainText(),
              MortgageHelpText(MortgageMode::Loan).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_FALSE(button("Graphs")->isEnabled());
    button("Help4")->click();
    EXPECT_FALSE(panel->isVisible());

    enter("InTerm", QStringLiteral("36"));
    button("Calc4")->click();
    Form1* chart = showGraph();
    ASSERT_TRUE(chart);
    EXPECT_FALSE(w->isVisible());
    // The chart shows the balance at the start of each month: the amount
    // borrowed first, then the balance after each month before the last.
    const ChartView* g = chart->graph();
    ASSERT_EQ(g->pointCount(), 36);
    EXPECT_EQ(g->title(), "Loan balance at start of each Month");
    EXPECT_EQ(g->label(0), "1");
    EXPECT_EQ(g->value(0), 10000.0);
    EXPECT_EQ(g->value(1), State().YearTable(1, 4).toDouble());
    EXPECT_EQ(g->value(35), State().YearTable(35, 4).toDouble());
    EXPECT_EQ(State().YearTable(1, 5), Money());    // the chart leaves the table alone
    EXPECT_EQ(State().YearTable(37, 3), M(10000));  // and the total row keeps its figures
    chart->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(w->isVisible());  // back to the window that opened the chart
    exitToMenu();
    EXPECT_FALSE(State().YearTable.created());
}

TEST_F(MortgageWindow, PrintoutOfTheLastCalculation) {
    open(2);
    enter("InTerm", QStringLiteral("480"));
    box("Comperiod")->setCurrentIndex(1);
    button("Calc4")->click();
    enter("InTerm", QStringLiteral("24"));  // typed after: not in the printout
    script.answer(dialogs::Answer::Yes);
    button("Ptr3")->click();
    ASSERT_EQ(printouts().size(), 1u);
    const TextDevice& d = *printouts().front();
    EXPECT_TRUE(d.ended());
    const QString all = d.allText();
    EXPECT_TRUE(all.contains(" Term in Months                                          480"));
    EXPECT_TRUE(all.contains(QStringLiteral(" Compounding Periods").leftJustified(46) +
                             QStringLiteral("     BiMonthly")));
    EXPECT_TRUE(all.contains("Page 8 "));
    EXPECT_TRUE(all.contains(" Total:           $30,603.31"));
    for (const QStringList& page : d.pages()) EXPECT_LE(page.size(), 59 + 3);
}

TEST_F(MortgageWindow, LoanPrintoutThroughThePdfDevice) {
    // The page capacity as start-up measures it for the PDF device.
    State().settings.linesPerPage = StartupLinesPerPage();
    open(2);
    enter("InTerm", QStringLiteral("120"));
    button("Calc4")->click();
    const QStringList pages = printedPages("Ptr3");
    ASSERT_GE(pages.size(), 3);
    const int margin = expectColumns(pages[0], {"Monthly Payments on a Loan", 28},
                                     {{"Principal Amount of Loan", 2},
                                      {"$10,000.00", 47 + 14 - 10},
                                      {"Month         Interest", 2},
                                      {"Page 1", 40}});
    // Every page after the first starts with the heading, in its column; every
    // page but the last ends with its number; the totals end the last one.
    const int last = static_cast<int>(pages.size()) - 1;
    for (int i = 1; i <= last; ++i)
        expectColumnsFrom(pages[i], margin, {{"Month         Interest", 2}});
    for (int i = 0; i <= last; ++i)
        EXPECT_EQ(columnOf(pages[i], QStringLiteral("Page %1").arg(i + 1)) < 0, i == last) << i;
    expectColumnsFrom(pages[last], margin, {{"Total:", 2}, {"$10,000.00", 40 + 14 - 10}});
}
