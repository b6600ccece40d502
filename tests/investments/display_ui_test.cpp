// "&Display Data" and "S&ort Records" from the fund menu: the fund chooser, the record view,
// pricing one fund.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "investments/table_test_ui_state.h"
#include "investments/ui/fund_chooser_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/window_registry.h"
#include "shell/ui/input_value_window.h"
#include "support/ui_test_support.h"

using namespace testportfolio;

namespace {

// Answers the fund chooser: a line to choose (1..), 31 for "&All Records", 0 for "&Cancel".
std::function<void(QWidget*)> Choose(int line) {
    return [line](QWidget* w) {
        auto* chooser = qobject_cast<FunChose*>(w);
        ASSERT_TRUE(chooser);
        if (line == 31) {
            chooser->AllRec()->click();
        } else if (line == 0) {
            chooser->Command2()->click();
        } else {
            chooser->Fund()->setCurrentRow(line - 1);
            QTest::keyClick(chooser->Fund(), Qt::Key_Return);
        }
    };
}

// Answers InCurVal by typing `text` and pressing OK (or Cancel when `ok` is false).
std::function<void(QWidget*)> Price(const QString& text, bool ok = true) {
    return [=](QWidget* w) {
        auto* input = qobject_cast<InCurVal*>(w);
        ASSERT_TRUE(input);
        EXPECT_EQ(input->Label1()->text(), "   Current Price per         Share");
        keys::type(input->CurVal(), text);
        (ok ? input->Accept() : input->NoAccept())->click();
    };
}

QStringList Row(Grid* g, int row, int from = 0, int count = 8) {
    QStringList cells;
    for (int c = from; c < from + count; ++c) cells << g->cellText(row, c);
    return cells;
}

}  // namespace

class DisplayData : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Windows().show("FundMenu");
        Fresh();
        AddFund("Alpha");
        AddFund("Beta");
        AddRecord(1, "B", 10, 100, 0, 0, QDate(1996, 1, 1));
        AddRecord(2, "B", 5, 10, 0, 0, QDate(1996, 1, 2));
        AddRecord(1, "S", 15, 80, 0, 0, QDate(1996, 2, 1));
    }
    Table1* table() { return Windows().get<Table1>("Table1"); }
};

TEST_F(DisplayData, ChooserListsTheFundsAndCancelDoesNothing) {
    script.onModal([](QWidget* w) {
        auto* chooser = qobject_cast<FunChose*>(w);
        ASSERT_TRUE(chooser);
        EXPECT_EQ(chooser->windowTitle(), "Select Fund to Display");
        ASSERT_EQ(chooser->Fund()->count(), 2);
        EXPECT_EQ(chooser->Fund()->item(1)->text(), "Beta");
        EXPECT_EQ(chooser->Fund()->currentRow(), 0);
        chooser->Command2()->click();
    });
    DisplayDataCommand(Doc());
    EXPECT_EQ(Doc().cursor.currentFund, 0);
    EXPECT_FALSE(Windows().exists("Table1"));
    EXPECT_TRUE(Windows().visible("FundMenu"));
}

TEST_F(DisplayData, OneFundWithTotalsAndPricing) {
    script.onModal(Choose(1));
    DisplayDataCommand(Doc());
    ASSERT_TRUE(Windows().visible("Table1"));
    EXPECT_FALSE(Windows().visible("FundMenu"));
    Table1* t = table();
    EXPECT_EQ(t->windowTitle(), "Alpha");
    Grid* g = t->Grid5();
    EXPECT_EQ(g->Rows(), 25);
    EXPECT_EQ(g->Cols(), 8);
    EXPECT_EQ(g->cellText(0, 0), "Type of Transaction");
    EXPECT_EQ(Row(g, 2), (QStringList{"Sold    ", "2/1/1996", "15.0000", "-80.0000", ".00", ".00",
                                      ".00", "-1,200.00"}));
    EXPECT_EQ(g->cellText(4, 0), "Total:");
    EXPECT_EQ(g->cellText(4, 7), "$-200.00");
    EXPECT_EQ(Row(g, 6, 0, 3), (QStringList{"Average per", "share cost = ", "$.0000"}));
    ASSERT_TRUE(t->DrwGraph()->isVisible());
    EXPECT_EQ(t->DrwGraph()->text(), "&Current Value");

    script.onModal(Price("15"));
    t->DrwGraph()->click();
    // From two rows below the average: headings, underline, figures.
    EXPECT_EQ(Row(g, 9, 2, 4),
              (QStringList{"Current   ", "Total      ", "Gain or   ", "Gain or   "}));
    EXPECT_EQ(Row(g, 12, 2, 4), (QStringList{"15.00", "300.00", "500.00", "50.00%"}));
    EXPECT_TRUE(Doc().reportPages[1].startsWith(" Current Price"));

    script.onModal(Price("99", false));  // Cancel changes nothing
    t->DrwGraph()->click();
    EXPECT_EQ(g->cellText(12, 2), "15.00");
}

TEST_F(DisplayData, PricingWithoutABaseSaysItCannotCalculate) {
    AddFund("Gift");
    AddRecord(3, "D", 10, 10, 0, 0, QDate(1996, 3, 1));
    script.onModal(Choose(3));
    DisplayDataCommand(Doc());
    script.onModal(Price("12"));
    table()->DrwGraph()->click();
    EXPECT_EQ(script.lastMessage().text, "Cannot calculate.");
    EXPECT_EQ(script.lastMessage().title, "Error");
}

TEST_F(DisplayData, AllRecordsHidesPricing) {
    script.onModal(Choose(31));
    DisplayDataCommand(Doc());
    Table1* t = table();
    EXPECT_EQ(t->windowTitle(), "All Records");
    EXPECT_FALSE(t->DrwGraph()->isVisible());
    EXPECT_EQ(t->Grid5()->cellText(3, 0), "Sold    ");
    EXPECT_EQ(t->Grid5()->cellText(5, 3), "30.0000");
    t->ExitBut()->click();
    settle();
    EXPECT_TRUE(Windows().visible("FundMenu"));
    EXPECT_EQ(Doc().cursor.currentFund, 0);
    EXPECT_EQ(Doc().reportPages.size(), 4);
}

TEST_F(DisplayData, PrintingTheRecordViewAsksForAHeader) {
    script.onModal(Choose(1));
    DisplayDataCommand(Doc());
    script.onModal([](QWidget* w) {
        auto* input = w->findChild<QLineEdit*>("InFName");
        ASSERT_TRUE(input);
        input->setText("Alpha history");
        w->findChild<QPushButton*>("Acept")->click();
    });
    table()->Printr()->click();
    ASSERT_EQ(printouts().size(), 1u);
    const QString page = printouts()[0]->pageText(0);
    EXPECT_TRUE(page.contains("Alpha history"));
    EXPECT_TRUE(page.contains("\n" + QString(31, ' ') + "Alpha\n"));
    EXPECT_TRUE(page.contains("Average Cost per Share   = $.0000"));

    // No at the question, or Cancel in NamInput: nothing is printed.
    script.answer(dialogs::Answer::No);
    table()->Printr()->click();
    script.onModal([](QWidget* w) { w->findChild<QPushButton*>("NAcept")->click(); });
    table()->Printr()->click();
    EXPECT_EQ(printouts().size(), 1u);
}

TEST_F(DisplayData, SortFromTheMenu) {
    Doc().portfolio.funds[1].FundName = "Zulu";
    Doc().totals(1, 2) = M(9);
    auto* menu = Windows().get<FundMenu>("FundMenu");
    menu->button("SortRec")->click();
    EXPECT_EQ(Doc().portfolio.funds[1].FundName, "Beta");
    EXPECT_EQ(Doc().portfolio.records[1].FundNo, M(2));  // Zulu's purchase, now in slot 2
    EXPECT_EQ(Doc().portfolio.records[2].FundNo, M(1));
    EXPECT_TRUE(Doc().changed);
    EXPECT_EQ(Doc().totals(1, 2), M(0));  // the prices go with the old order
    EXPECT_EQ(menu->InfoBox()->text(), " Funds = 2    Records = 3 ");
}

TEST_F(DisplayData, SortWithABadDateSaysSoAndKeepsTheRecords) {
    State().DateExample = "12/31/1996";
    Doc().portfolio.records[2].TradeDate = QStringLiteral("not a date");
    SortRecordsCommand(Doc());
    EXPECT_EQ(script.lastMessage().text,
              "Cannot sort file as dates are different format. Should be 12/31/1996");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(Doc().portfolio.records[3].TypeCode, "S");
}

TEST_F(DisplayData, NothingToDisplay) {
    Fresh();
    DisplayDataCommand(Doc());
    EXPECT_EQ(script.lastMessage().text, "No Records in Memory");
    EXPECT_TRUE(script.modalWindows().empty());
}

TEST_F(DisplayData, TotalsBeyondTheMoneyRangeCannotCalculate) {
    AddRecord(2, "B", 1, 6e14, 0, 0, QDate(1997, 1, 1));
    AddRecord(2, "B", 1, 6e14, 0, 0, QDate(1997, 1, 2));
    script.onModal(Choose(2));
    DisplayDataCommand(Doc());
    settle();
    EXPECT_EQ(script.lastMessage().text, "Cannot calculate.");
    EXPECT_FALSE(Windows().exists("Table1"));
    EXPECT_TRUE(Windows().visible("FundMenu"));
}
