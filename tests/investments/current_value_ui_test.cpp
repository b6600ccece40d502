// The price grid and "&Calculate" as a user drives them, and the sample portfolio end to end.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/number_format.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/window_registry.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/name_input_window.h"
#include "support/ui_test_support.h"

using namespace testportfolio;

namespace {

const QDate d1(1996, 3, 15), d2(1996, 9, 1);

CurrValue* OpenPrices() {
    CompValueCommand(Doc());
    return Windows().visible("CurrValue") ? Windows().get<CurrValue>("CurrValue") : nullptr;
}

void Key(QWidget* w, Qt::Key key) {
    QTest::keyClick(w, key);
}

}  // namespace

class PriceGrid : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Windows().show("FundMenu");
        Fresh();
        AddFund("Alpha");
        AddFund("Beta");
        AddRecord(1, "B", 10, 100, 0, 0, d1);
        AddRecord(2, "B", 20, 10, 0, 0, d1);
    }
};

TEST_F(PriceGrid, TypingBackspaceDeleteAndEnter) {
    CurrValue* w = OpenPrices();
    ASSERT_TRUE(w);
    EXPECT_FALSE(Windows().visible("FundMenu"));
    Grid* g = w->Grid8();
    EXPECT_EQ(g->Rows(), 35);
    EXPECT_EQ(g->cellText(0, 1), "  Current Price");
    EXPECT_EQ(g->cellText(2, 0), "Beta");

    keys::type(g, "12.5");
    EXPECT_EQ(g->cellText(1, 1), "12.50");
    EXPECT_EQ(Doc().totals(1, 2), M(12.5));
    keys::type(g, "x");
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_EQ(g->cellText(1, 1), "12.50");
    Key(g, Qt::Key_Backspace);
    EXPECT_EQ(g->cellText(1, 1), "");
    EXPECT_EQ(Doc().totals(1, 2), M(0));

    keys::type(g, "1234.5\r");  // Enter moves down a row
    EXPECT_EQ(g->cellText(1, 1), "1,234.50");
    EXPECT_EQ(g->Row(), 2);
    keys::type(g, "3");
    EXPECT_EQ(g->cellText(2, 1), "3.00");
    Key(g, Qt::Key_Delete);
    EXPECT_EQ(g->cellText(2, 1), "");
    EXPECT_EQ(Doc().totals(2, 2), M(0));
    EXPECT_EQ(Doc().totals(1, 2), M(1234.5));
}

TEST_F(PriceGrid, NameColumnTakesNoKeys) {
    CurrValue* w = OpenPrices();
    Grid* g = w->Grid8();
    Key(g, Qt::Key_Left);
    EXPECT_EQ(g->Col(), 0);
    keys::type(g, "5");
    Key(g, Qt::Key_Delete);
    EXPECT_EQ(g->cellText(1, 0), "Alpha");
    EXPECT_EQ(Doc().totals(1, 2), M(0));
}

TEST_F(PriceGrid, RowsBeyondThirtyRefuseEveryKey) {
    CurrValue* w = OpenPrices();
    Grid* g = w->Grid8();
    for (int i = 0; i < 30; ++i) keys::sendDown(g);
    ASSERT_EQ(g->Row(), 31);
    keys::type(g, "5");
    EXPECT_EQ(script.lastMessage().text, "30 Row limit.");
    EXPECT_EQ(script.lastMessage().title, "Help");
    script.clear();
    for (int i = 0; i < 3; ++i) keys::sendDown(g);
    ASSERT_EQ(g->Row(), 34);
    Key(g, Qt::Key_Delete);  // nothing beyond the table is touched
    EXPECT_EQ(script.lastMessage().text, "30 Row limit.");
    EXPECT_EQ(g->cellText(34, 1), "");
}

TEST_F(PriceGrid, HelpMessage) {
    CurrValue* w = OpenPrices();
    w->Help9()->click();
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_TRUE(script.lastMessage().text.endsWith(
        "\r\n\r\nFor DtaSampl enter 20.00 for all Current Price inputs. "));
}

TEST_F(PriceGrid, MissingPriceIsReportedAndTheWindowStays) {
    CurrValue* w = OpenPrices();
    keys::type(w->Grid8(), "15");
    w->CurValOK()->click();
    EXPECT_EQ(script.lastMessage().text, "Check missing entry");
    EXPECT_EQ(script.lastMessage().title, "Entry Error");
    EXPECT_TRUE(Windows().visible("CurrValue"));
    EXPECT_FALSE(Windows().exists("Table1"));
    EXPECT_EQ(Doc().totals(1, 0), M(0));   // totals cleared
    EXPECT_EQ(Doc().totals(1, 2), M(15));  // the typed price stays
}

TEST_F(PriceGrid, PricesSurviveLeavingAndComingBack) {
    CurrValue* w = OpenPrices();
    keys::sendDown(w->Grid8());
    keys::type(w->Grid8(), "7.25");
    w->CancelBut()->click();
    settle();
    EXPECT_TRUE(Windows().visible("FundMenu"));
    CurrValue* again = OpenPrices();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Grid8()->cellText(2, 1), "7.25");
    EXPECT_EQ(again->Grid8()->cellText(1, 1), "");
}

TEST_F(PriceGrid, CommandRefusesEmptyMemoryAndEmptyFunds) {
    AddFund("Gamma");  // a name without records
    EXPECT_EQ(OpenPrices(), nullptr);
    EXPECT_EQ(script.lastMessage().text,
              "You have Added a Fund Name but have not entered a record in it. Either delete the "
              "Fund name or add a record. I cannot work with an empty Fund.");
    EXPECT_TRUE(CheckEmptyFunds(Doc()));
    Fresh();
    EXPECT_EQ(OpenPrices(), nullptr);
    EXPECT_EQ(script.lastMessage().text, "No Records in Memory");
    EXPECT_TRUE(Windows().visible("FundMenu"));
}

TEST_F(PriceGrid, CalculateShowsTheValueTable) {
    AddRecord(1, "S", 15, 80, 0, 0, d2);  // Alpha: 20 shares, book -200, money put in 1000
    CurrValue* w = OpenPrices();
    keys::type(w->Grid8(), "15\r10\r");
    w->CurValOK()->click();
    settle();
    EXPECT_FALSE(Windows().exists("CurrValue"));
    ASSERT_TRUE(Windows().visible("Table1"));
    auto* t = Windows().get<Table1>("Table1");
    EXPECT_EQ(t->windowTitle(), "Current Value of all Funds");
    EXPECT_EQ(t->DrwGraph()->text(), "&Show Graph");
    Grid* g = t->Grid5();
    EXPECT_EQ(g->Cols(), 7);
    EXPECT_EQ(g->cellText(0, 6), "Gain or   Loss %");
    QStringList alpha, total;
    for (int c = 0; c < 7; ++c) alpha << g->cellText(1, c), total << g->cellText(4, c);
    EXPECT_EQ(alpha,
              (QStringList{"Alpha", "20.0000", "-200.00", "$15.00", "300.00", "500.00", "50.00%"}));
    // Book cost 0 in all: the total per cent stays 0.
    EXPECT_EQ(total, (QStringList{"Total:", "30.0000", "$.00", "", "$400.00", "$400.00", ".00%"}));
    EXPECT_FALSE(Doc().reportPages[1].isEmpty());
}

// The sample portfolio, every price typed as 20.00 as its help message says,
// from the fund menu to the chart and back.
class SamplePortfolio : public WindowTest {};

TEST_F(SamplePortfolio, TwentyAShareEndToEnd) {
    Windows().show("FundMenu");
    auto* menu = Windows().get<FundMenu>("FundMenu");
    script.chooseFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
    menu->button("Loadfile")->click();
    settle();
    ASSERT_GT(Doc().portfolio.recordCount, 0);
    const int funds = Doc().portfolio.fundCount;

    menu->button("CompCurr")->click();
    auto* prices = Windows().get<CurrValue>("CurrValue");
    ASSERT_TRUE(Windows().visible("CurrValue"));
    for (int f = 0; f < funds; ++f) keys::type(prices->Grid8(), "20.00\r");
    for (int f = 1; f <= funds; ++f) EXPECT_EQ(prices->Grid8()->cellText(f, 1), "20.00");
    prices->CurValOK()->click();
    settle();
    ASSERT_TRUE(Windows().visible("Table1"));
    auto* table = Windows().get<Table1>("Table1");

    // Each fund is worth its shares at 20.00, and the total row adds them up.
    Money total;
    for (int f = 1; f <= funds; ++f) {
        Money shares;
        for (int r = 1; r <= Doc().portfolio.recordCount; ++r)
            if (Doc().portfolio.records[r].FundNo == Money::fromInt(f))
                shares += Doc().portfolio.records[r].Shares;
        EXPECT_EQ(table->Grid5()->cellText(f, 4), Format(shares * M(20), u"####,,###.00")) << f;
        EXPECT_EQ(table->Grid5()->cellText(f, 3), "$20.00");
        total += shares * M(20);
    }
    EXPECT_EQ(table->Grid5()->cellText(funds + 2, 4), "$" + Format(total, u"####,,###.00"));

    // The charts take over and give the table back.
    table->DrwGraph()->click();
    settle();
    EXPECT_TRUE(Windows().visible("Form1"));
    EXPECT_FALSE(Windows().visible("Table1"));
    auto* exit = Windows().get("Form1")->findChild<QPushButton*>("ExitBut");
    ASSERT_TRUE(exit);
    exit->click();
    settle();
    EXPECT_TRUE(Windows().visible("Table1"));
    EXPECT_EQ(table->Grid5()->cellText(1, 3), "$20.00");

    // Printed with a header asked for in NamInput.
    script.onModal([](QWidget* w) {
        auto* input = qobject_cast<NamInput*>(w);
        ASSERT_TRUE(input);
        EXPECT_EQ(input->FName()->text(), "Enter Printout Header");
        input->InFName()->setText("Sample at 20");
        input->Acept()->click();
    });
    table->Printr()->click();
    ASSERT_EQ(printouts().size(), 1u);
    const QString page = printouts()[0]->pageText(0);
    EXPECT_TRUE(page.contains("Sample at 20"));
    EXPECT_TRUE(page.contains("Current Value of all Funds."));
    EXPECT_TRUE(page.contains("  Total:"));

    table->ExitBut()->click();
    settle();
    EXPECT_FALSE(Windows().exists("Table1"));
    EXPECT_TRUE(Windows().visible("FundMenu"));
}

TEST_F(PriceGrid, HoldingsBeyondTheMoneyRangeCannotCalculate) {
    AddRecord(2, "B", 1, 6e14, 0, 0, d2);
    AddRecord(2, "B", 1, 6e14, 0, 0, d2);
    CurrValue* w = OpenPrices();
    keys::type(w->Grid8(), "1\r1\r");
    w->CurValOK()->click();
    EXPECT_EQ(script.lastMessage().text, "Cannot calculate.");
    EXPECT_TRUE(Windows().visible("CurrValue"));
    EXPECT_FALSE(Windows().exists("Table1"));
}

// InCurVal asks for a price, or (for the net worth window) whether to insert a line.
class InputValue : public WindowTest {};

TEST_F(InputValue, ModesKeysAndAnswers) {
    script.onModal([this](QWidget* w) {
        auto* input = qobject_cast<InCurVal*>(w);
        ASSERT_TRUE(input);
        EXPECT_EQ(input->windowTitle(), "Input ");
        EXPECT_EQ(input->Label1()->text(), "   Insert a blank line       at line number  5 ?");
        keys::type(input->CurVal(), "1a.5");
        EXPECT_EQ(input->CurVal()->text(), "1.5");
        EXPECT_EQ(script.beeps(), 1);
        input->NoAccept()->click();
    });
    EXPECT_EQ(AskInsertLine(5), "");

    script.onModal([](QWidget* w) {
        auto* input = qobject_cast<InCurVal*>(w);
        EXPECT_EQ(input->Label1()->text(), "   Current Price per         Share");
        keys::type(input->CurVal(), "20.00");
        input->Accept()->click();
    });
    EXPECT_EQ(AskCurrentValue(), "20.00");

    script.onModal([](QWidget* w) { w->close(); });  // closing the window is Cancel
    EXPECT_EQ(AskCurrentValue(), "");
}
