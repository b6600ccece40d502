// FundMenu: opening, the status line, open and save through the file dialog, exit with unsaved
// changes.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/record_entry_window.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/name_input_window.h"
#include "support/file_bytes.h"
#include "support/ui_test_support.h"

namespace {

using testportfolio::Doc;

const QString kSample = QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS");
const QString kLoadError =
    QStringLiteral("File not found or wrong format. Check Filename and/or Directory");

class FundMenuTest : public WindowTest {
  protected:
    FundMenu* openMenu() {
        auto* m = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        m->show();
        m->button(QStringLiteral("Manager"))->click();
        return Windows().get<FundMenu>(QStringLiteral("FundMenu"));
    }
    void click(const char* name) {
        Windows()
            .get<FundMenu>(QStringLiteral("FundMenu"))
            ->button(QString::fromLatin1(name))
            ->click();
    }
    QString info() {
        return Windows().get<FundMenu>(QStringLiteral("FundMenu"))->InfoBox()->text();
    }
    void openSample() {
        script.chooseFile(kSample);
        click("Loadfile");
    }
};

TEST_F(FundMenuTest, OpensWithEmptyTablesAndItsButtons) {
    FundMenu* menu = openMenu();
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->windowTitle(), "Fund Management Menu");
    expectShown(menu, {{"Loadfile", "&Open a File from Disk", {990, 450, 3450, 450}},
                       {"SaveFile", "&Save Current File to Disk", {990, 1230, 3450, 450}},
                       {"Editrec", "&Add and Edit Records", {990, 2010, 3450, 450}},
                       {"Help7", "&Help", {990, 2790, 3450, 450}},
                       {"CompCurr", "&Compute Current Value", {5040, 450, 3450, 450}},
                       {"SortRec", "S&ort Records", {5040, 1230, 3450, 450}},
                       {"Display", "&Display Data", {5040, 2010, 3450, 450}},
                       {"Exitbutton", "E&xit to Main Menu", {5040, 2790, 3450, 450}},
                       {"Label1", "   Information", {990, 4020, 7500, 300}},
                       {"InfoBox", " Funds = 0    Records = 0 ", {990, 4320, 7500, 420}}});
    EXPECT_EQ(Doc().portfolio.records.size(), 1003u);
    EXPECT_EQ(Doc().portfolio.funds[31].FundName, "All Records");
    click("Help7");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_TRUE(script.lastMessage().text.startsWith(
        "To use all commands you must have a file in memory.\r\n\r\nGo to Add and Edit Records"));
    EXPECT_TRUE(script.lastMessage().text.endsWith(
        "called Dtasampl.WMS. Load it and try all the various features."));
}

TEST_F(FundMenuTest, OpeningTheSampleFillsTheTablesAndTheStatusLine) {
    openMenu();
    Doc().totals(1, 2) = Money::fromInt(20);  // a typed price is lost by a load
    openSample();
    EXPECT_TRUE(script.messages().empty()) << script.lastMessage().text.toStdString();
    ASSERT_EQ(script.fileRequests().size(), 1u);
    EXPECT_FALSE(script.fileRequests()[0].save);
    EXPECT_EQ(info(), " Dtasampl.WMS    Funds = 5    Records = 23 ");
    EXPECT_EQ(Doc().fileName, "Dtasampl.WMS");
    EXPECT_FALSE(Doc().changed);
    EXPECT_EQ(Doc().totals(1, 2), Money());
    EXPECT_TRUE(Windows().visible(QStringLiteral("FundMenu")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("bakgnd")));
}

TEST_F(FundMenuTest, LoadThenSaveGivesBackTheSameBytes) {
    openMenu();
    openSample();
    const QString copy = folder.filePath(QStringLiteral("Copy.WMS"));
    script.chooseFile(copy);
    click("SaveFile");
    EXPECT_TRUE(script.messages().empty());
    EXPECT_TRUE(script.fileRequests().back().save);
    EXPECT_EQ(script.fileRequests().back().proposedName, "Dtasampl.WMS");
    EXPECT_EQ(readFile(copy), readFile(kSample));
    EXPECT_EQ(Doc().fileName, "Copy.WMS");
    EXPECT_EQ(info(), " Copy.WMS    Funds = 5    Records = 23 ");
}

TEST_F(FundMenuTest, ABrokenFileIsRefusedWithTheLoadMessageAndEmptyTables) {
    openMenu();
    openSample();
    const QString bad = folder.filePath(QStringLiteral("bad.wms"));
    writeFile(bad, "1001,2,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n");
    script.chooseFile(bad);
    click("Loadfile");
    EXPECT_EQ(script.lastMessage().text, kLoadError);
    EXPECT_EQ(script.lastMessage().title, "Load File");
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    EXPECT_EQ(Doc().portfolio.fundCount, 0);
    EXPECT_EQ(Doc().fileName, "");
    EXPECT_TRUE(Doc().portfolio.funds[1].FundName.isEmpty());
    EXPECT_EQ(Doc().portfolio.funds[31].FundNumberText, "31");
    EXPECT_EQ(info(), " Funds = 0    Records = 0 ");

    script.chooseFile(folder.filePath(QStringLiteral("missing.wms")));
    click("Loadfile");
    EXPECT_EQ(script.lastMessage().text, kLoadError);
}

TEST_F(FundMenuTest, CancellingTheDialogChangesNothing) {
    openMenu();
    openSample();
    Doc().changed = true;
    script.answer(dialogs::Answer::No);  // drop the changes
    script.chooseFile(std::nullopt);
    click("Loadfile");
    EXPECT_EQ(Doc().portfolio.recordCount, 23);
    EXPECT_EQ(Doc().fileName, "Dtasampl.WMS");
    script.clear();
    script.chooseFile(std::nullopt);
    click("SaveFile");
    EXPECT_TRUE(script.messages().empty());
    EXPECT_EQ(Doc().portfolio.recordCount, 23);
    // Nothing was written, so the portfolio still counts as unsaved.
    EXPECT_TRUE(Doc().changed);
}

// A date of the year 50 would load, and then every save would fail.
TEST_F(FundMenuTest, AFileWithDatesThatCouldNotBeSavedAgainIsRefusedWhole) {
    openMenu();
    const QString old = folder.filePath(QStringLiteral("old.wms"));
    writeFile(old,
              "4,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n"
              "1,10,3,0,0,30,\"B\",#2001-07-04#\r\n1,10,3,0,0,30,\"B\",#2001-07-04#\r\n"
              "1,10,3,0,0,30,\"B\",#2001-07-04#\r\n1,10,3,0,0,30,\"B\",#0050-07-04#\r\n");
    script.chooseFile(old);
    click("Loadfile");
    EXPECT_EQ(script.lastMessage().title, "Load File");
    EXPECT_EQ(script.lastMessage().text,
              "File not found or wrong format. Check Filename and/or Directory");
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
}

TEST_F(FundMenuTest, OpeningOverUnsavedChangesAsksFirst) {
    openMenu();
    testportfolio::TypedPortfolio();
    Doc().fileName = QStringLiteral("MINE.WMS");
    script.answer(dialogs::Answer::Yes);  // go back and save
    click("Loadfile");
    EXPECT_EQ(script.lastMessage().title, "Changed File in Memory");
    EXPECT_EQ(script.lastMessage().text,
              "MINE.WMS file in memory will be erased. Do you want to go back and Save Current "
              "File to Disk?.");
    EXPECT_EQ(script.lastMessage().buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(script.fileRequests().empty());
    EXPECT_EQ(Doc().portfolio.recordCount, 1);

    script.answer(dialogs::Answer::No);
    script.chooseFile(kSample);
    click("Loadfile");
    EXPECT_EQ(Doc().portfolio.recordCount, 23);
    EXPECT_FALSE(Doc().changed);
}

TEST_F(FundMenuTest, SavingWithoutRecordsWritesNothing) {
    openMenu();
    click("SaveFile");
    EXPECT_EQ(script.lastMessage().text, "No Records to Save");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_TRUE(script.fileRequests().empty());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FundMenuTest, AFailedSaveShowsTheMessageAndKeepsTheFileAndTheChanges) {
    openMenu();
    testportfolio::TypedPortfolio();
    Doc().fileName = QStringLiteral("MINE.WMS");
    const QString target = folder.filePath(QStringLiteral("MINE.WMS"));
    writeFile(target, "the old file");
    // A record whose date cannot be written makes the save fail half way.
    Doc().portfolio.records[1].TradeDate = QStringLiteral("13/45/1999");
    script.chooseFile(target);
    click("SaveFile");
    EXPECT_EQ(script.lastMessage().text, "MINE.WMS Bad filename, must be in the form MYFILE.WMS");
    EXPECT_EQ(script.lastMessage().title, "Saving Error");
    EXPECT_EQ(readFile(target), "the old file");
    EXPECT_TRUE(Doc().changed);
    EXPECT_TRUE(Windows().visible(QStringLiteral("FundMenu")));
}

TEST_F(FundMenuTest, ExitAsksAboutUnsavedChanges) {
    openMenu();
    testportfolio::TypedPortfolio();
    script.answer(dialogs::Answer::Yes);
    click("Exitbutton");
    EXPECT_EQ(script.lastMessage().title, "Changed File in Memory");
    EXPECT_TRUE(Windows().visible(QStringLiteral("FundMenu")));
    EXPECT_EQ(Doc().portfolio.recordCount, 1);

    script.answer(dialogs::Answer::No);
    click("Exitbutton");
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("FundMenu")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
    // The portfolio went with the menu: the next visit starts without one.
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    EXPECT_FALSE(Doc().changed);
}

TEST_F(FundMenuTest, ExitWithoutChangesAsksNothing) {
    openMenu();
    openSample();
    click("Exitbutton");
    EXPECT_TRUE(script.messages().empty());
    EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    EXPECT_EQ(Doc().fileName, "");
}

TEST_F(FundMenuTest, LeavingWithEveryRecordDeletedLeavesNoNamelessFundsBehind) {
    openMenu();
    openSample();
    Doc().portfolio.recordCount = 0;  // every record deleted; the funds are left empty
    Doc().changed = true;
    click("Exitbutton");
    EXPECT_TRUE(script.messages().empty());  // nothing that could be saved
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
    openMenu();
    EXPECT_EQ(info(), " Funds = 0    Records = 0 ");
    EXPECT_EQ(Doc().portfolio.fundCount, 0);
}

TEST_F(FundMenuTest, AUserStartsAPortfolioSavesItQuitsAndOpensItAgain) {
    openMenu();
    click("Editrec");
    auto* w = Windows().get<RecordEntry>(QStringLiteral("RecordEntry"));
    ASSERT_TRUE(w && w->isVisible());
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    script.onModal([](QWidget* win) {
        auto* n = qobject_cast<NamInput*>(win);
        QTest::keyClicks(n->InFName(), QStringLiteral("Maple Leaf Fund"));
        n->Acept()->click();
    });
    QTest::mouseClick(w->createfund(), Qt::LeftButton);
    for (const char* key : {"b", "\r", "3/15/1996", "\r", "10", "\r", "100", "\r", "50", "\r"}) {
        if (QString::fromLatin1(key) == u"\r")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(key));
    }
    QTest::mouseClick(w->AddaRec(), Qt::LeftButton);
    QTest::mouseClick(w->ExBut(), Qt::LeftButton);
    settle();
    EXPECT_EQ(info(), " Funds = 1    Records = 1 ");

    const QString path = folder.filePath(QStringLiteral("maple.wms"));
    script.chooseFile(path);
    click("SaveFile");
    EXPECT_EQ(readFile(path),
              QByteArray("1,1,\"All Records\",\"31\"\r\n\"Maple Leaf Fund\",\" 1\"\r\n"
                         "1,10,100,50,0,1050,\"B\",#1996-03-15#\r\n"));
    EXPECT_EQ(info(), " maple.wms    Funds = 1    Records = 1 ");
    click("Exitbutton");
    EXPECT_TRUE(script.messages().empty()) << script.lastMessage().text.toStdString();
    settle();

    openMenu();
    EXPECT_EQ(info(), " Funds = 0    Records = 0 ");
    script.chooseFile(path);
    click("Loadfile");
    EXPECT_EQ(info(), " maple.wms    Funds = 1    Records = 1 ");
    click("Editrec");
    w = Windows().get<RecordEntry>(QStringLiteral("RecordEntry"));
    EXPECT_EQ(w->Funds()->itemText(0), "Maple Leaf Fund");
    w->ChooseFund(0);
    EXPECT_EQ(w->InTrans()->text(), "Bought  ");
    EXPECT_EQ(w->InComm()->text(), "$50.0000");
}

}  // namespace
