// The 401(k) window as a user drives it: the eight boxes, keys, Calculate, limits, help, chart,
// printouts, exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "charts/ui/chart_window.h"
#include "planning/model/k401_help.h"
#include "planning/model/k401_report.h"
#include "planning/ui/k401_window.h"
#include "platform/chart_view.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/calculator_test_support.h"
#include "support/money_literals.h"

namespace {

const char* const kBoxes[] = {"InCurrBal",     "InCurrSal",  "InCntrbRate", "InCompRate",
                              "InAnnSalRaise", "InRetnRate", "InInflRate",  "InNumYears"};

class K401Window : public CalculatorTest<PlanK, QLineEdit> {
  protected:
    K401Window() : CalculatorTest("PlanK", "Grid7", "Plan401K") {}
};

}  // namespace

TEST_F(K401Window, OpensWithItsEightBoxesLabelsAndGrid) {
    open();
    EXPECT_FALSE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(w->windowTitle(), "401(k) Investment Growth Calculations");
    expectTexts({{"InCurrBal", "   $10,000.00"},
                 {"InCurrSal", "   $50,000.00"},
                 {"InCntrbRate", QString(10, u' ') + "5.00%"},
                 {"InCompRate", QString(10, u' ') + "4.00%"},
                 {"InAnnSalRaise", QString(10, u' ') + "4.00%"},
                 {"InRetnRate", QString(9, u' ') + "10.00%"},
                 {"InInflRate", QString(11, u' ') + ".00%"},
                 {"InNumYears", QString(13, u' ') + "25"},
                 {"Label8", " The number of years to          retirement."}});
    EXPECT_EQ(inputs(), (std::vector<Money>{M("10000"), M("50000"), M(5), M(4), M(4), M(10), M(0.0),
                                            M("25")}));
    EXPECT_EQ(grid()->Rows(), 25);
    EXPECT_EQ(grid()->Cols(), 5);
    EXPECT_EQ(grid()->cellText(0, 2), " Combined Contributions");
    EXPECT_NEAR(grid()->colWidth(4), Grid::kDefaultColWidth + 1000, 15);
}

TEST_F(K401Window, TypingThroughTheEightBoxes) {
    open();
    const char* typed[] = {"0", "40000", "6", "3", "3", "7", "0", "30"};
    box(kBoxes[0])->setFocus();
    for (int i = 0; i < 8; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_EQ(focus, box(kBoxes[i])) << kBoxes[i];
        QTest::keyClicks(focus, QString::fromLatin1(typed[i]));
        QTest::keyClick(focus, Qt::Key_Return);
    }
    EXPECT_TRUE(button("Calc")->hasFocus());
    EXPECT_EQ(box("InCurrSal")->text(), "   $40,000.00");
    EXPECT_EQ(box("InRetnRate")->text(), QString(10, u' ') + "7.00%");
    button("Calc")->click();
    // No balance: the years start on grid row 1.
    EXPECT_EQ(row(1), (QStringList{"1", "40,000.00", "3,600.00", "252.00", "3,852.00"}));
    EXPECT_EQ(grid()->Rows(), 35);
    EXPECT_EQ(row(31), (QStringList{"Total:", "", "$171,271.50", "$328,043.29", "$499,314.79"}));

    // Every box takes a point, even the years; none takes "-".
    enter("InNumYears", QStringLiteral("-2.5"));
    EXPECT_EQ(State().CalcInputs.at(8), M("2.5"));
    EXPECT_EQ(script.beeps(), 1);
    // Delete empties the box and clears the results.
    button("Calc")->click();
    box("InCurrSal")->setFocus();
    QTest::keyClick(box("InCurrSal"), Qt::Key_Delete);
    EXPECT_EQ(box("InCurrSal")->text(), "");
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
    QTest::keyClick(box("InCurrSal"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(2), Money());
    EXPECT_EQ(box("InCurrSal")->text(), "         $.00");
}

TEST_F(K401Window, CalculatesTheDefaultsWithTheBalanceRow) {
    open();
    button("Calc")->click();
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(grid()->Rows(), 30);
    EXPECT_EQ(row(1), (QStringList{"", "", "", "", "10,000.00"}));
    EXPECT_EQ(row(2), (QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,950.00"}));
    EXPECT_EQ(row(3), (QStringList{"2", "52,000.00", "4,680.00", "2,063.00", "22,693.00"}));
    EXPECT_EQ(row(27), (QStringList{"Total:", "", "$197,406.58", "$584,872.23", "$782,278.81"}));
    EXPECT_EQ(w->graphPoints(), 25);
    EXPECT_EQ(State().YearTable(0, 4), M("10000"));
    EXPECT_EQ(State().YearTable(1, 4), M("15950"));
    EXPECT_EQ(grid()->selEndRow(), 1);

    enter("InNumYears", QStringLiteral("50"));
    button("Calc")->click();
    EXPECT_EQ(grid()->Rows(), 55);
    EXPECT_EQ(grid()->cellText(52, 0), "Total:");
    enter("InNumYears", QStringLiteral("51"));
    button("Calc")->click();
    expectRefused("Wrong entry, 50 Years limit.", "401(k) Investment Growth Calculations");
    enter("InNumYears", QStringLiteral("0"));
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_TRUE(bodyBlank());
    enter("InCurrSal", QStringLiteral("900000000000000"));
    enter("InNumYears", QStringLiteral("5"));
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(w->graphPoints(), 0);
}

TEST_F(K401Window, HelpPromptsStandLevelWithTheirBoxes) {
    open();
    w->show();
    settle();
    button("Help1")->click();
    EXPECT_EQ(panel()->toPlainText(),
              K401HelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(panel()->horizontalScrollBar()->maximum(), 0);  // no prompt runs past the panel
    const QTextDocument* doc = panel()->document();
    for (int i = 0; i < 8; ++i) {
        const QTextBlock line = doc->findBlockByNumber(K401PromptLine(i));
        const QRect r = panel()->cursorRect(QTextCursor(line));
        const int lineMiddle = panel()->viewport()->mapTo(w, r.center()).y();
        const QRect boxRect = box(kBoxes[i])->geometry();
        // Within half a line: the prompt reads as the box's.
        EXPECT_NEAR(lineMiddle, boxRect.center().y(), 7) << kBoxes[i];
    }
    QTest::keyClick(panel(), Qt::Key_Return);
    EXPECT_TRUE(box("InCurrBal")->hasFocus());
}

TEST_F(K401Window, ShowGraphDrawsTheYearsAndExitReturnsToTheMenu) {
    open();
    enter("InNumYears", QStringLiteral("2"));
    button("Calc")->click();
    button("Graphs")->click();
    auto* chart = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(chart->isVisible());
    ChartView* g = chart->graph();
    ASSERT_EQ(g->pointCount(), 2);
    EXPECT_EQ(g->label(0), "1");
    EXPECT_DOUBLE_EQ(g->value(0), 15950.0);
    EXPECT_DOUBLE_EQ(g->value(1), 22693.0);
    chart->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(w->isVisible());

    exitToMenu();
}

TEST_F(K401Window, PrintsTheLastCalculation) {
    open();
    enter("InNumYears", QStringLiteral("3"));
    enter("InInflRate", QStringLiteral("3"));
    button("Calc")->click();
    enter("InCurrBal", QStringLiteral("0"));  // typed after: not in the printout
    button("Prt")->click();
    ASSERT_EQ(printouts().size(), 1u);
    TextDevice expected;
    const K401Inputs in{M("10000"), M("50000"), M("5"), M("4"), M("4"), M("10"), M("3"), M("3")};
    PrintK401(expected, in, CalculateK401(in), QStringLiteral("$"));
    EXPECT_EQ(printouts().front()->pageText(0), expected.pageText(0));
}

TEST_F(K401Window, PrintoutThroughThePdfDevice) {
    open();
    enter("InNumYears", QStringLiteral("2"));
    expectColumns(printedThroughPdf("Calc", "Prt"), {"Investment Growth - 401K Plan", 25},
                  {{"Current balance in your", 2},
                   {"$50,000.00", 52 + 14 - 10},
                   {"10.00%", 53 + 14 - 6},
                   {" 10,000.00", 61 + 13 - 9 - 1},
                   {"22,693.00", 61 + 13 - 9},
                   {"$19,180.00", 17 + 14 - 10}});
}
