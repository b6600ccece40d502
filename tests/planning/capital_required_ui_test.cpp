// The capital required window as a user drives it: boxes, keys, Calculate, limits, help, chart,
// printouts, exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "charts/ui/chart_window.h"
#include "planning/model/capital_required_help.h"
#include "planning/model/capital_required_report.h"
#include "planning/ui/capital_required_window.h"
#include "platform/chart_view.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

class CapitalWindow : public CalculatorTest<CalCaptl> {
  protected:
    CapitalWindow() : CalculatorTest("CalCaptl", "Grid1", "HowMuch") {}
};

}  // namespace

TEST_F(CapitalWindow, OpensWithItsBoxesListsLabelsAndGrid) {
    open();
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->windowTitle(), "Amount of Annual Investment Required");
    EXPECT_EQ(State().CalcInputs.size(), 4u);
    expectTexts({{"InLumpInv",
                  "       $100,000.00",
                  {75, 510, 1830, 330},
                  {"100000", "200000", "300000", "400000", "500000", "600000"}},
                 {"InRate",
                  QString(15, u' ') + "20.00%",
                  {75, 1350, 1830, 330},
                  {"10", "12.5", "15", "17.5", "20"}},
                 {"InTerm",
                  QString(19, u' ') + "25",
                  {75, 2190, 1830, 330},
                  {"5", "10", "15", "20", "25", "30"}},
                 {"Label1", " Amount of Capital I want  on Retirement.", {0, 60, 1980, 810}}});
    EXPECT_EQ(inputs(), (std::vector<Money>{M("100000"), M("20"), M("25")}));
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->Cols(), 4);
    EXPECT_EQ(grid()->cellText(0, 2), "Interest/Growth Compounded");
    EXPECT_NEAR(grid()->colWidth(0), Grid::kDefaultColWidth + 365, 15);
    EXPECT_NEAR(grid()->colWidth(3), Grid::kDefaultColWidth + 1450, 15);
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(CapitalWindow, CalculatesTheDefaultsIntoTheGridAndTheSharedTables) {
    open();
    button("Calc")->click();
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(grid()->Rows(), 29);
    EXPECT_EQ(row(1), (QStringList{"1", "176.56", "35.31", "211.87"}));
    EXPECT_EQ(row(2), (QStringList{"2", "176.56", "77.69", "466.12"}));
    EXPECT_EQ(row(25), (QStringList{"25", "176.56", "16,666.67", "100,000.00"}));
    EXPECT_EQ(row(26), (QStringList{"Total:", "$4,414.02", "$95,585.98", "$100,000.00"}));
    EXPECT_EQ(row(27), (QStringList{"", "", "", ""}));
    EXPECT_EQ(w->graphPoints(), 25);
    EXPECT_EQ(State().YearTable(2, 3), M("77.69"));
    EXPECT_EQ(State().YearTable(26, 1), M("26"));
    EXPECT_EQ(grid()->selEndRow(), 1);
    EXPECT_EQ(grid()->selEndCol(), 0);

    // Any edit blanks the results.
    box("InRate")->setFocus();
    QTest::keyClicks(box("InRate"), QStringLiteral("1"));
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
}

TEST_F(CapitalWindow, TermsFromOneToTheHundredYearLimitAndTheWrongEntries) {
    open();
    enter("InTerm", QStringLiteral("1"));
    button("Calc")->click();
    EXPECT_EQ(row(1), (QStringList{"1", "83,333.33", "16,666.67", "100,000.00"}));
    EXPECT_EQ(grid()->cellText(2, 0), "Total:");
    EXPECT_EQ(w->graphPoints(), 1);

    enter("InTerm", QStringLiteral("100"));
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 104);
    EXPECT_EQ(row(100), (QStringList{"100", ".00", "16,666.67", "100,000.00"}));
    EXPECT_EQ(grid()->cellText(101, 0), "Total:");
    EXPECT_EQ(w->graphPoints(), 100);

    enter("InTerm", QStringLiteral("101"));
    button("Calc")->click();
    expectRefused("Wrong entry, 100 Years limit.", "Amount of Annual Investment Required");

    // A zero term or rate divides by zero: a wrong entry, nothing shown or charted.
    for (const char* keys : {"0", "25"}) {
        enter("InTerm", QString::fromLatin1(keys));
        if (QLatin1String(keys) == QLatin1String("25")) enter("InRate", QStringLiteral("0"));
        button("Calc")->click();
        SCOPED_TRACE(keys);
        expectRefused("Wrong entry, try again", "Help");
    }
    script.clear();
    button("Graphs")->click();
    EXPECT_EQ(script.lastMessage().text, "No Data to work with. Calculate.");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(CapitalWindow, KeysEnterOrderAndTheHelpPanel) {
    open();
    expectEnterOrder({"InLumpInv", "InRate", "InTerm"}, "Calc");

    // The years take whole numbers; no box takes "-".
    enter("InTerm", QStringLiteral("3.5"));
    EXPECT_EQ(State().CalcInputs.at(3), M("35"));
    EXPECT_EQ(script.beeps(), 1);
    enter("InLumpInv", QStringLiteral("-2500.5"));
    EXPECT_EQ(State().CalcInputs.at(1), M("2500.5"));
    EXPECT_EQ(box("InLumpInv")->currentText(), "         $2,500.50");
    EXPECT_EQ(script.beeps(), 2);

    button("Help1")->click();
    EXPECT_EQ(button("Help1")->text(), "Close &Help");
    EXPECT_FALSE(grid()->isVisible());
    EXPECT_EQ(panel()->toPlainText(), CapitalRequiredHelpText(QStringLiteral("$"))
                                          .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QTest::keyClick(panel(), Qt::Key_Return);
    EXPECT_TRUE(box("InLumpInv")->hasFocus());
    button("Help1")->click();
    EXPECT_EQ(button("Help1")->text(), "&Help");
    EXPECT_TRUE(grid()->isVisible());
}

TEST_F(CapitalWindow, ShowGraphDrawsTheYearsAndReturnsHere) {
    open();
    enter("InTerm", QStringLiteral("3"));
    enter("InLumpInv", QStringLiteral("250000"));
    enter("InRate", QStringLiteral("12.5"));
    button("Calc")->click();
    button("Graphs")->click();
    EXPECT_FALSE(w->isVisible());
    auto* chart = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(chart->isVisible());
    EXPECT_EQ(chart->chartShown(), ChartKind::YearBars);
    ChartView* g = chart->graph();
    EXPECT_EQ(g->title(), "Investment value at end of each Year");
    ASSERT_EQ(g->pointCount(), 3);
    EXPECT_EQ(g->label(0), "1");
    EXPECT_EQ(g->label(2), "3");
    EXPECT_DOUBLE_EQ(g->value(0), M("73732.7189").toDouble());
    EXPECT_DOUBLE_EQ(g->value(2), 250000.0);

    chart->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(grid()->cellText(3, 3), "250,000.00");

    exitToMenu();
}

TEST_F(CapitalWindow, PrintsTheLastCalculation) {
    open();
    enter("InLumpInv", QStringLiteral("250000"));
    enter("InRate", QStringLiteral("12.5"));
    enter("InTerm", QStringLiteral("3"));
    button("Calc")->click();
    enter("InTerm", QStringLiteral("9"));  // typed after: not in the printout
    button("Prt")->click();
    EXPECT_EQ(script.lastMessage().text, "Continue with Printout.");
    ASSERT_EQ(printouts().size(), 1u);
    TextDevice expected;
    const CapitalInputs in{M("250000"), M("12.5"), M("3")};
    PrintCapitalRequired(expected, in, CalculateCapitalRequired(in), QStringLiteral("$"));
    EXPECT_EQ(printouts().front()->pageText(0), expected.pageText(0));

    // A failed calculation leaves nothing of an earlier one to print.
    enter("InRate", QStringLiteral("0"));
    button("Calc")->click();
    button("Prt")->click();
    ASSERT_EQ(printouts().size(), 2u);
    const QString page = printouts().back()->pageText(0);
    EXPECT_FALSE(page.contains(QStringLiteral("65,540.19"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral(" Total:                   $.00")));
}

TEST_F(CapitalWindow, PrintoutThroughThePdfDevice) {
    open();
    enter("InTerm", QStringLiteral("3"));
    // 100,000 at 20 % in 3 years: P = 100000 / (((1.2^3 - 1) / 0.2) x 1.2) = 22,893.77.
    expectColumns(printedThroughPdf("Calc", "Prt"), {"Amount of Annual Investment Required", 22},
                  {{"Amount of Capital I want", 2},
                   {"$100,000.00", 52 + 14 - 11},
                   {"20.00%", 53 + 14 - 6},
                   {"22,893.77", 17 + 14 - 9},
                   {"Total:", 2},
                   {"$68,681.32", 17 + 14 - 10}});
}
