// RecordEntry driven as a user types: funds, adding, correcting, deleting, browsing, the limits.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/record_entry_window.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/name_input_window.h"
#include "support/money_literals.h"
#include "support/ui_test_support.h"

namespace {

using testportfolio::Doc;

const QString kNotSaved = QStringLiteral(
    "Record not Saved. Entries must be exactly\r\nas shown in Entry Help. Select it,\r\nthen Pg/Dn "
    "to your transaction type.");

class RecordWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto* menu = Windows().get<FundMenu>(QStringLiteral("FundMenu"));  // holds the portfolio
        menu->show();
    }

    // Opens the record window from the fund menu, active so that focus moves as for a user.
    RecordEntry* open() {
        Windows()
            .get<FundMenu>(QStringLiteral("FundMenu"))
            ->button(QStringLiteral("Editrec"))
            ->click();
        auto* w = Windows().get<RecordEntry>(QStringLiteral("RecordEntry"));
        QApplication::setActiveWindow(w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        return w;
    }

    static void addFund(const QString& name, int slot) {
        Portfolio& p = Doc().portfolio;
        p.funds[slot] = {name, QStringLiteral(" %1").arg(slot)};
        p.fundCount = std::max(p.fundCount, slot);
    }
    static void addRecord(int fund, const char* code, QDate date, EntryFigures f) {
        Portfolio& p = Doc().portfolio;
        p.recordCount += 1;
        p.records[p.recordCount] = MakeRecord(fund, QString::fromLatin1(code), date, f);
    }

    // Keys typed go wherever the focus is, as on the keyboard.
    static void type(const QString& text) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        QTest::keyClicks(w, text);
    }
    static void enter() {
        QWidget* w = QApplication::focusWidget();
        ASSERT_TRUE(w);
        QTest::keyClick(w, Qt::Key_Return);
    }
    static QString focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    void nameTheNewFund(const QString& name) {
        script.onModal([name](QWidget* w) {
            auto* n = qobject_cast<NamInput*>(w);
            ASSERT_TRUE(n);
            QTest::keyClicks(n->InFName(), name);
            n->Acept()->click();
        });
    }
    static void save(RecordEntry* w) { QTest::mouseClick(w->AddaRec(), Qt::LeftButton); }
};

TEST_F(RecordWindow, OpensBlankWithTheHelpAndTheCounts) {
    addFund(QStringLiteral("Alpha"), 1);
    addRecord(1, "B", QDate(1999, 1, 4), {M(10), M(5), {}, {}});
    RecordEntry* w = open();
    EXPECT_EQ(w->windowTitle(), "Edit Funds");
    EXPECT_FALSE(Windows().visible(QStringLiteral("FundMenu")));
    EXPECT_EQ(w->Funds()->count(), 1);
    EXPECT_EQ(State().DateExample, QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    expectShown(w, {{"Funds", "Click Dn/Arrow for Funds List"},
                    {"Label2", State().DateExample + " Transaction Date."},
                    {"NumFunds", " 1"},
                    {"NumRec", " 1"},
                    {"Label10", "  Entry Help                          PgDn to End"},
                    {"AddaRec", "&Add Record"}});
    EXPECT_TRUE(w->TxtBox()->toPlainText().startsWith("On startup the edit/display form"));
    EXPECT_TRUE(w->TxtBox()->toPlainText().endsWith("\nEnd"));
    EXPECT_FALSE(w->InTrans()->isEnabled());
    EXPECT_FALSE(w->NextRec()->isEnabled());
    // Typing into the help does nothing but beep.
    QTest::keyClicks(w->TxtBox(), QStringLiteral("ab"));
    EXPECT_EQ(script.beeps(), 2);
}

TEST_F(RecordWindow, ASaleTypedByTheUserIsStoredNegativeAndShownAgainAsTyped) {
    RecordEntry* w = open();
    nameTheNewFund(QStringLiteral("Alpha Fund"));
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    ASSERT_EQ(Doc().portfolio.fundCount, 1);
    EXPECT_EQ(Doc().portfolio.funds[1].FundName, "Alpha Fund");
    EXPECT_EQ(Doc().portfolio.funds[1].FundNumberText, " 1");
    EXPECT_EQ(w->Funds()->currentText(), "Alpha Fund");
    // The entry is open: only the save button is left, the focus is on the code.
    EXPECT_EQ(w->AddaRec()->text(), "&Save Record");
    for (QPushButton* b :
         {w->createfund(), w->DelRec(), w->Correctrec(), w->ExBut(), w->PrevRec(), w->NextRec()})
        EXPECT_FALSE(b->isVisible()) << b->objectName().toStdString();
    EXPECT_EQ(focused(), "InTrans");
    EXPECT_TRUE(w->label("Label9")->isVisible());
    EXPECT_EQ(w->label("Label11")->text(), " Transaction Type Code.");

    type(QStringLiteral("s"));
    EXPECT_FALSE(w->InCashDiv()->isVisible());
    EXPECT_TRUE(w->InComm()->isVisible());
    enter();
    EXPECT_EQ(focused(), "InDate");
    EXPECT_EQ(w->InTrans()->text(), "S");
    EXPECT_FALSE(w->label("Label9")->isVisible());
    EXPECT_EQ(w->label("Label11")->text(), " Transaction Type.");
    type(QStringLiteral("1/2x/1997"));  // the letter beeps and is dropped
    EXPECT_EQ(w->InDate()->text(), "1/2/1997");
    EXPECT_EQ(script.beeps(), 1);
    enter();
    EXPECT_EQ(focused(), "InPrice");
    type(QStringLiteral("10"));
    enter();
    EXPECT_EQ(w->InPrice()->text(), "$10.0000");
    EXPECT_EQ(focused(), "InNumber");
    type(QStringLiteral("100"));
    enter();
    EXPECT_EQ(focused(), "InComm");
    type(QStringLiteral("50"));
    enter();
    EXPECT_EQ(focused(), "AddaRec");
    save(w);

    ASSERT_EQ(Doc().portfolio.recordCount, 1);
    const FundRecord& r = Doc().portfolio.records[1];
    EXPECT_EQ(r.TypeCode, "S");
    EXPECT_EQ(r.Shares, M(-100));
    EXPECT_EQ(r.BookValue, M(-950));
    EXPECT_EQ(r.Fee, M(50));
    EXPECT_EQ(r.TradeDate.toDate(), QDate(1997, 1, 2));
    EXPECT_EQ(w->InTrans()->text(), "Sold    ");
    EXPECT_EQ(w->InNumber()->text(), "100.0000");
    EXPECT_EQ(w->InPrice()->text(), "$10.0000");
    EXPECT_EQ(w->InComm()->text(), "$50.0000");
    EXPECT_EQ(w->InCashDiv()->text(), "");
    EXPECT_EQ(w->label("Label13")->text(), "$-950.0000");
    EXPECT_EQ(w->label("Label8")->text(), " 1");
    EXPECT_EQ(w->label("NumRec")->text(), " 1");
    EXPECT_EQ(w->AddaRec()->text(), "&Add Record");
    EXPECT_TRUE(w->InCashDiv()->isVisible());
    EXPECT_FALSE(w->InPrice()->isEnabled());
    EXPECT_TRUE(w->DelRec()->isVisible());
    EXPECT_FALSE(w->correcting());
    // The completion blink: the change is recorded at once, the text comes back afterwards.
    EXPECT_TRUE(Doc().changed);
    EXPECT_EQ(w->label("Done")->text(), " Instruction completed");
    EXPECT_TRUE(w->flashing());
    EXPECT_TRUE(QTest::qWaitFor([w] { return !w->flashing(); }, 3000));
    EXPECT_EQ(w->label("Done")->text(), "      ");
    EXPECT_EQ(Windows().get<FundMenu>(QStringLiteral("FundMenu"))->InfoBox()->text(),
              " Funds = 1    Records = 1 ");
}

TEST_F(RecordWindow, PastedFiguresMeetTheRulesOfTypedOnes) {
    RecordEntry* w = open();
    nameTheNewFund(QStringLiteral("Kiwi"));
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    type(QStringLiteral("b"));
    enter();
    type(QStringLiteral("2/3/2001"));
    enter();
    ASSERT_EQ(focused(), "InPrice");
    // The comma and the letters beep and are dropped, as when typed.
    QGuiApplication::clipboard()->setText(QStringLiteral("2,5x"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w->InPrice()->text(), "25");
    EXPECT_EQ(script.beeps(), 2);
    enter();
    QGuiApplication::clipboard()->setText(QStringLiteral("10"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert, Qt::ShiftModifier);
    enter();
    enter();
    save(w);
    ASSERT_EQ(Doc().portfolio.recordCount, 1);
    EXPECT_EQ(Doc().portfolio.records[1].Price, M(25));
    EXPECT_EQ(Doc().portfolio.records[1].Shares, M(10));
}

TEST_F(RecordWindow, LowerCaseCodesAreStoredInCapitalsAndUnitFeesNegative) {
    addFund(QStringLiteral("Alpha"), 1);
    RecordEntry* w = open();
    w->ChooseFund(0);  // no records: an entry opens at once
    EXPECT_EQ(w->AddaRec()->text(), "&Save Record");
    EXPECT_EQ(focused(), "InTrans");
    type(QStringLiteral("u"));
    EXPECT_FALSE(w->InComm()->isVisible());
    EXPECT_FALSE(w->InCashDiv()->isVisible());
    enter();
    type(QStringLiteral("3/1/2001"));
    enter();
    type(QStringLiteral("10"));
    enter();
    type(QStringLiteral("5"));
    enter();
    EXPECT_EQ(focused(), "AddaRec");  // D and U need no fee
    save(w);
    ASSERT_EQ(Doc().portfolio.recordCount, 1);
    EXPECT_EQ(Doc().portfolio.records[1].TypeCode, "U");
    EXPECT_EQ(Doc().portfolio.records[1].Shares, M(-5));
    EXPECT_EQ(Doc().portfolio.records[1].BookValue, M(0.0));
    EXPECT_EQ(w->InTrans()->text(), "Unit Fee");
    EXPECT_EQ(w->InNumber()->text(), "5.0000");

    QTest::mouseClick(w->AddaRec(), Qt::LeftButton);
    type(QStringLiteral("b"));
    enter();
    type(QStringLiteral("3/2/2001"));
    enter();
    type(QStringLiteral("1,234.5"));  // the comma beeps
    enter();
    type(QStringLiteral("2"));
    enter();
    enter();  // no fee
    save(w);
    ASSERT_EQ(Doc().portfolio.recordCount, 2);
    EXPECT_EQ(Doc().portfolio.records[2].TypeCode, "B");
    EXPECT_EQ(Doc().portfolio.records[2].BookValue, M(2469));
    EXPECT_EQ(w->InPrice()->text(), "$1,234.5000");
    EXPECT_EQ(w->label("Label8")->text(), " 2");
}

TEST_F(RecordWindow, EntriesThatBreakTheRulesAreRejectedAndDropped) {
    addFund(QStringLiteral("Alpha"), 1);
    RecordEntry* w = open();
    w->ChooseFund(0);
    // A key that is no code.
    type(QStringLiteral("x"));
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(script.lastMessage().text,
              "Transaction Code, one letter, must be:\r\nB=Bought, S=Sold, C=Cash Div, D=Div. "
              "Shares, \r\nF=Fee Cash or U=Unit Fee");
    EXPECT_EQ(w->InTrans()->text(), "");
    enter();  // Enter in the empty box is no code either
    EXPECT_EQ(script.messages().size(), 2u);
    // A purchase without a price.
    type(QStringLiteral("b"));
    enter();
    type(QStringLiteral("3/2/2001"));
    enter();
    enter();
    type(QStringLiteral("100"));
    save(w);
    EXPECT_EQ(script.lastMessage().title, "Entry Error");
    EXPECT_EQ(script.lastMessage().text, kNotSaved);
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    EXPECT_EQ(w->InNumber()->text(), "");
    EXPECT_EQ(w->AddaRec()->text(), "&Add Record");
    EXPECT_FALSE(w->InTrans()->isEnabled());
    // A record without a date.
    QTest::mouseClick(w->AddaRec(), Qt::LeftButton);
    type(QStringLiteral("c"));
    EXPECT_FALSE(w->InPrice()->isVisible());  // a cash dividend takes no price
    enter();
    enter();
    EXPECT_EQ(focused(), "InCashDiv");
    type(QStringLiteral("100"));
    save(w);
    EXPECT_EQ(script.lastMessage().text, "Record not saved. Must have a date.");
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    // A date the system cannot read is refused when the box is left.
    QTest::mouseClick(w->AddaRec(), Qt::LeftButton);
    type(QStringLiteral("c"));
    enter();
    type(QStringLiteral("13/45/2001"));
    enter();
    EXPECT_EQ(script.lastMessage().title, "Invalid Date");
    EXPECT_EQ(script.lastMessage().text, "Correct date format is " + State().DateExample);
    EXPECT_EQ(focused(), "InDate");
}

TEST_F(RecordWindow, NoFundOrNoRecordSelected) {
    addFund(QStringLiteral("Alpha"), 1);
    RecordEntry* w = open();
    QTest::mouseClick(w->AddaRec(), Qt::LeftButton);
    EXPECT_EQ(script.lastMessage().text, "No Fund selected. See Entry Help.");
    EXPECT_EQ(script.lastMessage().title, "Add Record");
    QTest::mouseClick(w->Correctrec(), Qt::LeftButton);
    EXPECT_EQ(script.lastMessage().text, "No Record selected. See Entry Help.");
    EXPECT_EQ(script.lastMessage().title, "Correct Record");
    EXPECT_FALSE(w->correcting());
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    EXPECT_EQ(script.lastMessage().text, "No Record Selected. See Entry Help.");
    EXPECT_EQ(script.lastMessage().title, "Delete Record");
    EXPECT_EQ(w->AddaRec()->text(), "&Add Record");
}

TEST_F(RecordWindow, TheThirtyFirstFundAndTheThousandAndFirstRecordAreRefused) {
    for (int k = 1; k <= 30; ++k) addFund(QStringLiteral("Fund %1").arg(k), k);
    for (int r = 0; r < 1000; ++r)
        addRecord(1, "B", QDate(2000, 1, 3).addDays(r), {M(1), M(1), {}, {}});
    RecordEntry* w = open();
    nameTheNewFund(QStringLiteral("One too many"));
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(script.lastMessage().text,
              "Funds are limited to 30. \r\nYou will have to start a new\r\n File.");
    EXPECT_EQ(Doc().portfolio.fundCount, 30);
    EXPECT_EQ(w->Funds()->count(), 30);

    w->ChooseFund(1);  // Fund 2 has no records: an entry opens
    type(QStringLiteral("f"));
    enter();
    type(QStringLiteral("5/5/2005"));
    enter();
    EXPECT_EQ(focused(), "InComm");
    type(QStringLiteral("25"));
    save(w);
    EXPECT_EQ(script.lastMessage().text,
              "Files are limited to 1000 records\r\nYou will have to start a new\r\nFile.");
    EXPECT_EQ(Doc().portfolio.recordCount, 1000);
    EXPECT_FALSE(w->correcting());

    // Correcting is no adding: a full file can still be corrected.
    w->ChooseFund(0);
    EXPECT_EQ(w->InTrans()->text(), "Bought  ");
    QTest::mouseClick(w->Correctrec(), Qt::LeftButton);
    EXPECT_EQ(w->InTrans()->text(), "B");
    EXPECT_FALSE(w->InTrans()->isEnabled());
    EXPECT_FALSE(w->InCashDiv()->isEnabled());
    w->InPrice()->setFocus();
    type(QStringLiteral("3"));
    enter();
    enter();  // moving on with Enter keeps the shares shown
    EXPECT_EQ(focused(), "InComm");
    EXPECT_EQ(w->InNumber()->text(), "1.0000");
    save(w);
    EXPECT_EQ(Doc().portfolio.recordCount, 1000);
    EXPECT_EQ(Doc().portfolio.records[1].Price, M(3));
    EXPECT_EQ(Doc().portfolio.records[1].BookValue, M(3));
    EXPECT_EQ(w->InPrice()->text(), "$3.0000");
}

TEST_F(RecordWindow, BrowsingStepsThroughOneFundAndBeepsAtTheEnds) {
    addFund(QStringLiteral("Alpha"), 1);
    addFund(QStringLiteral("Beta"), 2);
    addRecord(1, "B", QDate(2000, 1, 3), {M(10), M(1), {}, {}});
    addRecord(2, "B", QDate(2000, 1, 4), {M(20), M(1), {}, {}});
    addRecord(1, "C", QDate(2000, 2, 3), {{}, {}, {}, M(7)});
    addRecord(1, "F", QDate(2000, 3, 3), {{}, {}, M(9), {}});
    RecordEntry* w = open();
    w->Funds()->setFocus();
    QTest::keyClick(w->Funds(), Qt::Key_Down);  // the list moves to its first line
    EXPECT_EQ(w->Funds()->currentText(), "Alpha");
    EXPECT_EQ(w->InTrans()->text(), "Bought  ");
    EXPECT_EQ(w->label("Label8")->text(), " 1");
    QTest::mouseClick(w->NextRec(), Qt::LeftButton);
    EXPECT_EQ(w->InTrans()->text(), "Cash Div.");
    EXPECT_EQ(w->InCashDiv()->text(), "$7.0000");
    EXPECT_EQ(w->InPrice()->text(), "");
    EXPECT_EQ(w->label("Label8")->text(), " 2");
    QTest::mouseClick(w->NextRec(), Qt::LeftButton);
    EXPECT_EQ(w->InTrans()->text(), "Fee Cash");
    EXPECT_EQ(w->label("Label13")->text(), "$9.0000");
    EXPECT_EQ(w->label("Label8")->text(), " 3");
    QTest::mouseClick(w->NextRec(), Qt::LeftButton);
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_FALSE(w->NextRec()->isEnabled());
    EXPECT_EQ(Doc().cursor.browsePos, 4);
    QTest::mouseClick(w->PrevRec(), Qt::LeftButton);
    QTest::mouseClick(w->PrevRec(), Qt::LeftButton);
    EXPECT_EQ(w->label("Label8")->text(), " 1");
    QTest::mouseClick(w->PrevRec(), Qt::LeftButton);
    EXPECT_EQ(script.beeps(), 2);
    EXPECT_FALSE(w->PrevRec()->isEnabled());
    EXPECT_EQ(focused(), "NextRec");
    EXPECT_EQ(w->InTrans()->text(), "Bought  ");
}

TEST_F(RecordWindow, TwoFundsOfTheSameNameCanBothBeReached) {
    addFund(QStringLiteral("Same"), 1);
    addFund(QStringLiteral("Same"), 2);
    addRecord(1, "B", QDate(2000, 1, 3), {M(10), M(1), {}, {}});
    addRecord(2, "B", QDate(2000, 1, 4), {M(20), M(1), {}, {}});
    RecordEntry* w = open();
    w->ChooseFund(0);
    EXPECT_EQ(Doc().cursor.currentFund, 1);
    EXPECT_EQ(w->InPrice()->text(), "$10.0000");
    w->ChooseFund(1);
    EXPECT_EQ(Doc().cursor.currentFund, 2);
    EXPECT_EQ(w->InPrice()->text(), "$20.0000");
}

TEST_F(RecordWindow, TheFundCannotChangeWhileAnEntryIsOpen) {
    addFund(QStringLiteral("Alpha"), 1);
    addFund(QStringLiteral("Beta"), 2);
    RecordEntry* w = open();
    w->ChooseFund(0);
    ASSERT_EQ(w->AddaRec()->text(), "&Save Record");
    w->Funds()->setCurrentIndex(1);
    w->ChooseFund(1);
    EXPECT_EQ(script.lastMessage().text, "Save Record before changing Fund.");
    EXPECT_EQ(Doc().cursor.currentFund, 1);
    EXPECT_EQ(w->Funds()->currentText(), "Alpha");
}

TEST_F(RecordWindow, DeletingTheLastRecordKeepsTheFundThenTheFundGoes) {
    addFund(QStringLiteral("Alpha"), 1);
    addFund(QStringLiteral("Beta"), 2);
    addRecord(2, "B", QDate(2000, 1, 4), {M(20), M(1), {}, {}});
    addRecord(1, "B", QDate(2000, 1, 5), {M(10), M(1), {}, {}});
    RecordEntry* w = open();
    w->ChooseFund(1);
    script.answer(dialogs::Answer::Cancel);
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    EXPECT_EQ(script.lastMessage().text, "Are you sure you wish to delete the current record.");
    EXPECT_EQ(script.lastMessage().buttons, dialogs::Buttons::OkCancel);
    EXPECT_EQ(Doc().portfolio.recordCount, 2);

    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    EXPECT_EQ(Doc().portfolio.recordCount, 1);
    EXPECT_EQ(Doc().portfolio.records[1].FundNo, M(1));
    EXPECT_EQ(Doc().portfolio.fundCount, 2);
    EXPECT_EQ(w->InTrans()->text(), "");
    EXPECT_EQ(Doc().cursor.browsePos, 0);
    EXPECT_TRUE(Doc().changed);
    EXPECT_EQ(w->label("NumRec")->text(), " 1");

    Doc().changed = false;
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("RecordEntry")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("FundMenu")));
    EXPECT_EQ(Doc().portfolio.fundCount, 1);
    EXPECT_EQ(Doc().portfolio.funds[1].FundName, "Alpha");
    EXPECT_EQ(Doc().portfolio.funds[2].FundName, "");
    EXPECT_TRUE(Doc().changed);  // the file still holds the fund: leaving must ask
    EXPECT_EQ(Windows().get<FundMenu>(QStringLiteral("FundMenu"))->InfoBox()->text(),
              " Funds = 1    Records = 1 ");
}

TEST_F(RecordWindow, DeleteRemovesTheRecordShownEvenBesideAFarFutureDate) {
    addFund(QStringLiteral("Alpha"), 1);
    addFund(QStringLiteral("Beta"), 2);
    addRecord(1, "B", QDate(2000, 1, 3), {M(10), M(1), {}, {}});
    addRecord(2, "B", QDate(2090, 5, 5), {M(20), M(1), {}, {}});
    addRecord(1, "B", QDate(2001, 1, 3), {M(30), M(1), {}, {}});
    RecordEntry* w = open();
    w->ChooseFund(0);
    ASSERT_EQ(w->InPrice()->text(), "$10.0000");
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    ASSERT_EQ(Doc().portfolio.recordCount, 2);
    // The shown record went; the others are left in date order.
    EXPECT_EQ(Doc().portfolio.records[1].Price, M(30));
    EXPECT_EQ(Doc().portfolio.records[2].Price, M(20));
    EXPECT_EQ(w->InPrice()->text(), "$30.0000");
    EXPECT_EQ(w->label("Label8")->text(), " 1");
    EXPECT_EQ(w->label("Done")->text(), " Instruction completed");
}

TEST_F(RecordWindow, DeleteRemovesTheRecordShownEvenWhenADateDoesNotConvert) {
    addFund(QStringLiteral("Alpha"), 1);
    addFund(QStringLiteral("Beta"), 2);
    addRecord(2, "B", QDate(50, 5, 5), {M(20), M(1), {}, {}});  // reads back as no date
    addRecord(1, "B", QDate(2000, 1, 3), {M(10), M(1), {}, {}});
    addRecord(1, "B", QDate(2001, 1, 3), {M(30), M(1), {}, {}});
    RecordEntry* w = open();
    w->ChooseFund(0);
    QTest::mouseClick(w->NextRec(), Qt::LeftButton);
    ASSERT_EQ(w->InPrice()->text(), "$30.0000");
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    EXPECT_TRUE(script.lastMessage().text.startsWith("Cannot sort file as dates are different"));
    ASSERT_EQ(Doc().portfolio.recordCount, 2);
    EXPECT_EQ(Doc().portfolio.records[1].Price, M(20));
    EXPECT_EQ(Doc().portfolio.records[2].Price, M(10));
    EXPECT_EQ(w->InPrice()->text(), "$10.0000");
}

TEST_F(RecordWindow, DeletingAnEmptyFundRemovesThatFundWhateverTheOtherNames) {
    addFund(QStringLiteral("~Tilde"), 1);
    addFund(QStringLiteral("Empty"), 2);
    addFund(QString::fromUtf8("\u00c9toile"), 3);
    addRecord(1, "B", QDate(2000, 1, 3), {M(10), M(1), {}, {}});
    addRecord(3, "B", QDate(2000, 1, 4), {M(30), M(1), {}, {}});
    RecordEntry* w = open();
    w->ChooseFund(1);  // no records: an entry opens; saving it empty drops it
    save(w);
    EXPECT_EQ(script.lastMessage().text, "Record not saved. Must have a date.");
    QTest::mouseClick(w->DelRec(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("RecordEntry")));
    const Portfolio& s = Doc().portfolio;
    ASSERT_EQ(s.fundCount, 2);
    QStringList names{s.funds[1].FundName, s.funds[2].FundName};
    EXPECT_FALSE(names.contains("Empty"));
    EXPECT_TRUE(names.contains("~Tilde"));
    EXPECT_TRUE(names.contains(QString::fromUtf8("\u00c9toile")));
    // Each fund kept its own records.
    for (int k = 1; k <= 2; ++k) {
        ASSERT_EQ(std::count_if(s.records.begin() + 1, s.records.begin() + s.recordCount + 1,
                                [k](const FundRecord& r) { return r.FundNo == Money::fromInt(k); }),
                  1);
        const Money price = s.funds[k].FundName == "~Tilde" ? M(10) : M(30);
        for (int r = 1; r <= s.recordCount; ++r) {
            if (s.records[r].FundNo == Money::fromInt(k)) {
                EXPECT_EQ(s.records[r].Price, price);
            }
        }
    }
    EXPECT_EQ(s.funds[1].FundNumberText, " 1");
    EXPECT_EQ(s.funds[2].FundNumberText, " 2");
    EXPECT_TRUE(s.funds[3].FundName.isEmpty());
}

TEST_F(RecordWindow, FundNamesTakeNoDoubleQuote) {
    RecordEntry* w = open();
    script.onModal([](QWidget* win) {
        auto* n = qobject_cast<NamInput*>(win);
        ASSERT_TRUE(n);
        EXPECT_EQ(n->windowTitle(), "Input");
        EXPECT_EQ(n->FName()->text(), " Type in new Fund or Company Name");
        QTest::keyClicks(n->InFName(), QStringLiteral("Big \"Q\" Co"));
        QTest::keyClick(n->InFName(), Qt::Key_Return);
        EXPECT_EQ(n->focusWidget(), n->Acept());
        n->Acept()->click();
    });
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    EXPECT_EQ(Doc().portfolio.funds[1].FundName, "Big Q Co");
    EXPECT_EQ(script.beeps(), 2);
}

TEST_F(RecordWindow, CancellingTheNameAddsNoFund) {
    RecordEntry* w = open();
    script.onModal([](QWidget* win) { qobject_cast<NamInput*>(win)->NAcept()->click(); });
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    EXPECT_EQ(Doc().portfolio.fundCount, 0);
    EXPECT_EQ(w->AddaRec()->text(), "&Add Record");
}

TEST_F(RecordWindow, ExitGoesBackToTheFundMenu) {
    RecordEntry* w = open();
    Doc().cursor.browsePos = 3;
    QTest::mouseClick(w->ExBut(), Qt::LeftButton);
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("RecordEntry")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("FundMenu")));
    EXPECT_EQ(Doc().cursor.browsePos, 0);
    EXPECT_EQ(Doc().cursor.shownRecord, 0);
}

}  // namespace
