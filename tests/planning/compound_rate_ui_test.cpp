// The compound rate window as a user drives it: boxes, keys, Calculate and its limits, the
// failed entry, help, graph and the way back, printouts, exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "charts/ui/chart_window.h"
#include "planning/model/compound_rate_help.h"
#include "planning/ui/compound_rate_window.h"
#include "platform/chart_view.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

class CompoundWindow : public CalculatorTest<FindComp, QLineEdit> {
  protected:
    CompoundWindow() : CalculatorTest("FindComp", "Grid3", "Compound") {}
    void entry(const QString& cost, const QString& value, const QString& term) {
        enter("InCost", cost);
        enter("InValNow", value);
        enter("InTerm", term);
    }
    QString report() const { return State().ReportText.value(1); }
};

}  // namespace

TEST_F(CompoundWindow, OpensWithEmptyBoxesLabelsAndTheGridHeadings) {
    open();
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->windowTitle(), "Find Annual Compound Rate");
    expectTexts({{"InCost", "", {90, 570, 1725, 315}},
                 {"InValNow", "", {90, 1530, 1725, 315}},
                 {"InTerm", "", {90, 2460, 1725, 315}},
                 {"NamInv", "", {90, 3450, 1725, 315}},
                 {"Label2", " Present or Future       Value.    ", {0, 1020, 1905, 900}},
                 {"Printr", "To &Printer ", {2160, 6000, 1635, 325}}});
    EXPECT_EQ(State().CalcInputs.size(), 4u);
    EXPECT_EQ(State().ComparisonTable.rows(), 29);
    EXPECT_EQ(State().ComparisonTable.cols(), 7);
    EXPECT_EQ(grid()->Rows(), 24);
    EXPECT_EQ(grid()->Cols(), 6);
    EXPECT_EQ(grid()->cellText(0, 0), "     Name of      Investment");
    EXPECT_EQ(grid()->cellText(0, 5), "Total Gain/Loss");
    EXPECT_FALSE(panel()->isVisible());
    expectEnterOrder({"InCost", "InValNow", "InTerm", "NamInv"}, "Calc1");
}

TEST_F(CompoundWindow, EntriesAddRowsAndTheFiguresStayInPlace) {
    open();
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "All three boxes must contain figures");
    EXPECT_EQ(script.lastMessage().title, "Help");
    enter("InCost", QStringLiteral("1000"));
    enter("InValNow", QStringLiteral("2x000"));  // the letter is refused
    EXPECT_EQ(script.beeps(), 1);
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "All three boxes must contain figures");
    enter("InTerm", QStringLiteral("5.0"));  // no point in the term
    EXPECT_EQ(box("InCost")->text(), "         $1,000.00");
    EXPECT_EQ(box("InTerm")->text(), QString(18, u' ') + "50");
    enter("InTerm", QStringLiteral("5"));
    script.clear();
    button("Calc1")->click();
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(row(1), (QStringList{"", "5", "$1,000.00", "$2,000.00", "14.870%", "100.00%"}));
    EXPECT_EQ(w->graphPoints(), 1);
    EXPECT_EQ(w->rowsUsed(), 1);
    EXPECT_EQ(State().ComparisonLabels(1, 0), "Row  1");
    EXPECT_EQ(State().ComparisonTable(1, 5), M(14.8698));
    EXPECT_EQ(State().YearTable(5, 4), M(2000));
    EXPECT_EQ(grid()->selEndRow(), 1);

    // Only the term changes; typing keeps the rows and the count.
    box("InTerm")->setFocus();
    QTest::keyClicks(box("InTerm"), QStringLiteral("10"));
    EXPECT_EQ(box("InTerm")->text(), "10");
    EXPECT_EQ(grid()->cellText(1, 4), "14.870%");
    EXPECT_EQ(w->graphPoints(), 1);
    button("Calc1")->click();
    EXPECT_EQ(row(2), (QStringList{"", "10", "$1,000.00", "$2,000.00", "7.177%", "100.00%"}));

    // A name, then a new term: the term box's first key replaces its figure.
    enter("NamInv", QStringLiteral("House"));
    EXPECT_EQ(box("NamInv")->text(), "House");
    EXPECT_TRUE(button("Calc1")->hasFocus());
    enter("InTerm", QStringLiteral("6"));
    EXPECT_EQ(State().CalcInputs.at(3), M(6));
    button("Calc1")->click();
    button("Calc1")->click();  // twice: two identical rows
    EXPECT_EQ(row(3), (QStringList{"House", "6", "$1,000.00", "$2,000.00", "12.246%", "100.00%"}));
    EXPECT_EQ(row(4), row(3));
    EXPECT_EQ(w->graphPoints(), 4);
    EXPECT_EQ(report().count(QStringLiteral("House")), 2);

    // A falling value.
    enter("InValNow", QStringLiteral("500"));
    enter("InTerm", QStringLiteral("1"));
    button("Calc1")->click();
    EXPECT_EQ(row(5), (QStringList{"House", "1", "$1,000.00", "$500.00", "-50.000%", "-50.00%"}));
    EXPECT_EQ(State().ComparisonTable(5, 5), M(-50));
}

TEST_F(CompoundWindow, YearLimitComesFirstAndTheTwentyFourthEntryChangesNothing) {
    open();
    enter("InTerm", QStringLiteral("61"));
    button("Calc1")->click();  // cost and value still 0: the year limit speaks first
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 60 Years limit.");
    EXPECT_EQ(script.lastMessage().title, "Find Annual Compound Rate");
    entry(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("61"));
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 60 Years limit.");
    EXPECT_EQ(w->rowsUsed(), 0);

    enter("InTerm", QStringLiteral("60"));
    script.clear();
    for (int i = 1; i <= 23; ++i) button("Calc1")->click();
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(row(23), (QStringList{"", "60", "$1,000.00", "$2,000.00", "1.162%", "100.00%"}));
    EXPECT_EQ(w->graphPoints(), 23);
    EXPECT_EQ(State().ComparisonLabels(23, 0), "Row  23");
    const QString before = report();

    enter("InTerm", QStringLiteral("5"));
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "Limit of 23 entries");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(w->graphPoints(), 23);
    EXPECT_EQ(w->rowsUsed(), 23);
    EXPECT_EQ(grid()->Rows(), 24);
    EXPECT_EQ(grid()->cellText(23, 1), "60");
    EXPECT_EQ(report(), before);
    EXPECT_EQ(State().ComparisonLabels(24, 0), "");
}

TEST_F(CompoundWindow, AFailedEntryLeavesNothingBehind) {
    open();
    entry(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("5"));
    button("Calc1")->click();
    const QString before = report();

    // A cent grown to 900 billion in a year: a rate past the currency's range.
    entry(QStringLiteral(".01"), QStringLiteral("900000000000"), QStringLiteral("1"));
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(script.lastMessage().title, "Help");
    // Figures of opposite signs: no logarithm.
    w->setInput(1, M(-1000));
    button("Calc1")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");

    EXPECT_EQ(w->graphPoints(), 1);
    EXPECT_EQ(w->rowsUsed(), 1);
    EXPECT_EQ(report(), before);
    EXPECT_EQ(row(2), QStringList(6, QString()));
    EXPECT_EQ(State().ComparisonLabels(2, 0), "");
    EXPECT_EQ(State().ComparisonTable(2, 5), Money());

    // The next good entry takes the next row and chart point.
    entry(QStringLiteral("500"), QStringLiteral("1000"), QStringLiteral("6"));
    button("Calc1")->click();
    EXPECT_EQ(grid()->cellText(2, 4), "12.246%");
    EXPECT_EQ(State().ComparisonLabels(2, 0), "Row  2");
    EXPECT_EQ(w->graphPoints(), 2);
}

TEST_F(CompoundWindow, HelpPanelShowsTheTextAndClosesToTheRows) {
    State().settings.currencySymbol = QStringLiteral("€");
    open();
    entry(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("5"));
    button("Calc1")->click();
    button("Help8")->click();
    EXPECT_EQ(button("Help8")->text(), "Close &Help");
    EXPECT_FALSE(button("Printr")->isEnabled());
    EXPECT_FALSE(button("Graph")->isEnabled());
    EXPECT_TRUE(panel()->isVisible());
    const QString text = panel()->toPlainText();
    EXPECT_EQ(text,
              CompoundRateHelpText(QStringLiteral("€")).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_TRUE(
        text.startsWith("\n To compare different investments on an annual compound yield "
                        "basis.\n\n"));
    EXPECT_TRUE(
        text.contains(" Example 3. Stripped Bond with a redemption value of €1,000.00 in "
                      "6 years\n bought for €500.00. Annual compound growth rate = "
                      "12.2462%.\n"));
    EXPECT_TRUE(text.endsWith(QString(15, u'\n') + QString(50, u' ') + "End"));
    QTest::keyClick(panel(), Qt::Key_Return);
    EXPECT_TRUE(box("InCost")->hasFocus());

    button("Help8")->click();
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(grid()->isVisible());
    EXPECT_EQ(grid()->cellText(1, 2), "€1,000.00");  // the rows survive the help panel
    EXPECT_EQ(w->graphPoints(), 1);
}

TEST_F(CompoundWindow, ShowGraphDrawsOneBarPerEntryAndComesBack) {
    open();
    button("Graph")->click();
    EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
    EXPECT_EQ(script.lastMessage().title, "Advisory");
    entry(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("5"));
    button("Calc1")->click();
    enter("InValNow", QStringLiteral("500"));
    button("Calc1")->click();
    button("Graph")->click();
    EXPECT_FALSE(w->isVisible());
    auto* chart = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->chartShown(), ChartKind::ComparisonBars);
    ChartView* g = chart->graph();
    EXPECT_EQ(g->title(), "Annual compound growth comparisons");
    EXPECT_EQ(g->axisTitle(), "Gain %");
    ASSERT_EQ(g->pointCount(), 2);
    EXPECT_EQ(g->label(1), "Row  2");
    EXPECT_DOUBLE_EQ(g->value(0), 14.8698);
    EXPECT_DOUBLE_EQ(g->value(1), -12.9449);  // 0.5^(1/5) - 1

    chart->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->rowsUsed(), 2);
    button("Calc1")->click();
    EXPECT_EQ(w->graphPoints(), 3);
    EXPECT_EQ(grid()->cellText(3, 4), "-12.945%");
}

TEST_F(CompoundWindow, PrintoutHoldsEveryEntryAndExitReleasesTheTables) {
    open();
    entry(QStringLiteral("25000"), QStringLiteral("200000"), QStringLiteral("20"));
    enter("NamInv", QStringLiteral("House"));
    button("Calc1")->click();
    script.answer(dialogs::Answer::No);
    button("Printr")->click();
    EXPECT_EQ(script.lastMessage().text, "Continue with Printout.");
    EXPECT_TRUE(printouts().empty());

    box("NamInv")->clear();
    entry(QStringLiteral("1000"), QStringLiteral("500"), QStringLiteral("1"));
    button("Calc1")->click();
    button("Printr")->click();
    button("Printr")->click();  // printing keeps the entries
    ASSERT_EQ(printouts().size(), 2u);
    EXPECT_EQ(printouts()[0]->pageText(0), printouts()[1]->pageText(0));
    // The page's layout is checked whole with the report; here: both entries, in order.
    const QStringList lines = printouts()[0]->pages().at(0);
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines.at(8), " House");
    EXPECT_TRUE(lines.at(9).endsWith("10.9569%       700.0000%"));
    EXPECT_TRUE(lines.at(13).startsWith("    1           $1,000.00            $500.00"));

    exitToMenu();
    EXPECT_FALSE(State().YearTable.created());

    // Opened again, it starts over.
    open();
    EXPECT_EQ(w->rowsUsed(), 0);
    EXPECT_EQ(grid()->cellText(1, 0), "");
    EXPECT_EQ(report(), "");
}

TEST_F(CompoundWindow, PrintoutThroughThePdfDevice) {
    open();
    entry(QStringLiteral("1000"), QStringLiteral("2000"), QStringLiteral("5"));
    expectColumns(printedThroughPdf("Calc1", "Printr"), {"Annual Compounding Comparisons", 27},
                  {{"Term in", 2},
                   {"$1,000.00", 12 + 14 - 9},
                   {"$2,000.00", 31 + 14 - 9},
                   {"14.8698%", 52 + 12 - 8},
                   {"100.0000%", 68 + 12 - 9}});
}
