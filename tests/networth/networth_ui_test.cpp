// DispNet as a user drives it: typing into the grids, blank lines, files, printout, help and exit.
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/printing.h"
#include "networth/model/networth_file.h"
#include "networth/ui/networth_window.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/name_input_window.h"
#include "support/file_bytes.h"
#include "support/ui_test_support.h"

namespace {

const QString kSample = QStringLiteral(VANTORA_SAMPLES "/NetSampl.WMW");

}  // namespace

class NetWorthWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Windows().show("DispNet");
        w = Windows().get<DispNet>("DispNet");
        ASSERT_TRUE(w);
    }
    void click(const char* name) { w->button(QString::fromLatin1(name))->click(); }
    // Clicks a cell of a grid, as the user picks the cell to type into.
    void pick(Grid* g, int row, int col) {
        g->setFocus();
        const QModelIndex cell = g->model()->index(row - 1, col);
        g->scrollTo(cell);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(cell).center());
        ASSERT_EQ(g->Row(), row);
        ASSERT_EQ(g->Col(), col);
    }
    void type(Grid* g, const QString& text) { QTest::keyClicks(g, text); }
    void openSample() {
        script.chooseFile(kSample);
        click("Loadnet");
    }
    DispNet* w = nullptr;
};

TEST_F(NetWorthWindow, LoadsEmpty) {
    EXPECT_EQ(w->windowTitle(), "Net Worth Statement");
    Grid* g = w->Grid6();
    EXPECT_EQ(g->Rows(), 35);
    EXPECT_EQ(g->cellText(0, 0), " Assets");
    EXPECT_EQ(w->Grid7()->cellText(0, 0), " Liabilities");
    EXPECT_EQ(g->cellText(2, 0), "Total Assets");
    EXPECT_EQ(g->cellText(2, 1), "$0.00");
    EXPECT_EQ(w->Grid7()->cellText(2, 0), "Total Liabilities");
    EXPECT_EQ(w->Net()->text(), "$.00");
    EXPECT_TRUE(w->NetInfo()->isHidden());
    EXPECT_TRUE(w->HlpTxt()->isHidden());
}

// The cell protocol, key by key, as typed into the real grid.
TEST_F(NetWorthWindow, TypingIntoTheGrid) {
    Grid* g = w->Grid6();
    pick(g, 1, 0);
    type(g, "Hou\"se");  // the quote cannot be stored: refused
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_EQ(g->cellText(1, 0), "House");
    EXPECT_FALSE(w->NetInfo()->isHidden());
    QTest::keyClick(g, Qt::Key_Backspace);
    type(g, "e!");
    EXPECT_EQ(CellName(w->statement().tables.assets(1, 0)), "House!");
    pick(g, 1, 1);
    type(g, "12.345");  // at most two decimals
    EXPECT_EQ(g->cellText(1, 1), "12.34");
    EXPECT_EQ(w->statement().tables.assets(1, 1).number, 12.34);
    QTest::keyClick(g, Qt::Key_Backspace);  // clears the whole value
    EXPECT_EQ(g->cellText(1, 1), "");
    EXPECT_EQ(w->statement().tables.assets(1, 1).kind, NetCell::Kind::Empty);
    type(g, "1.2.3");  // the second point is kept, the 3 is not
    EXPECT_EQ(w->statement().tables.assets(1, 1).number, 1.2);
    EXPECT_EQ(g->cellText(1, 1), "1.20");
    type(g, "x-");  // figures and the point only
    EXPECT_EQ(script.beeps(), 3);
    QTest::keyClick(g, Qt::Key_Return);  // Enter moves down
    EXPECT_EQ(g->Row(), 2);
    // Beyond the money range (15 digits of 9): refused, the value before stays.
    type(g, "9999999999999999");
    EXPECT_EQ(script.beeps(), 5);
    EXPECT_EQ(w->statement().tables.assets(2, 1).number, 99999999999999.0);
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(w->statement().tables.assets(2, 1).kind, NetCell::Kind::Empty);
    EXPECT_EQ(g->cellText(2, 1), "");

    // Under a language with a decimal comma the comma is the point, in values only.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    pick(g, 4, 1);
    type(g, "7,5");
    pick(g, 4, 0);
    type(g, "Boat, old");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(w->statement().tables.assets(4, 1).number, 7.5);
    EXPECT_EQ(CellName(w->statement().tables.assets(4, 0)), "Boat, old");
    QTest::keyClick(g, Qt::Key_Delete);
    pick(g, 4, 1);
    QTest::keyClick(g, Qt::Key_Delete);

    // A name already there is replaced by what is typed into it.
    pick(g, 1, 0);
    type(g, "Home");
    EXPECT_EQ(g->cellText(1, 0), "Home");
    // A control character never becomes part of a name.
    keys::type(g, QString(QChar(127)) + QChar(QChar::LineSeparator));
    EXPECT_EQ(CellName(w->statement().tables.assets(1, 0)), "Home");

    // Below row 30 nothing is typed.
    pick(g, 31, 0);
    type(g, "x");
    EXPECT_EQ(script.lastMessage().text, "30 Row limit.");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(w->statement().tables.assets(31, 0).kind, NetCell::Kind::Empty);

    // The grid keeps its cell while another control has the focus.
    pick(w->Grid7(), 3, 1);
    type(w->Grid7(), "250");
    w->button("Calc7")->setFocus();
    w->Grid7()->setFocus();
    EXPECT_EQ(w->Grid7()->Row(), 3);
    EXPECT_EQ(w->Grid7()->Col(), 1);

    click("Calc7");
    EXPECT_TRUE(w->NetInfo()->isHidden());
    EXPECT_EQ(g->cellText(1, 0), "Home");
    EXPECT_EQ(g->cellText(1, 1), "1.20");
    EXPECT_EQ(g->cellText(3, 0), "Total Assets");
    EXPECT_EQ(g->cellText(3, 1), "$1.20");
    // The liability without a name has gone, and its value with it.
    EXPECT_EQ(w->Grid7()->cellText(2, 1), "$0.00");
    EXPECT_EQ(w->Net()->text(), "$1.20");
}

TEST_F(NetWorthWindow, SampleOpenInsertSaveAndReopen) {
    openSample();
    EXPECT_EQ(State().FundFileName, "NetSampl.WMW");
    EXPECT_EQ(script.fileRequests().back().filter, "Net Worth Database (*.wmw)|*.wmw");
    EXPECT_FALSE(script.fileRequests().back().save);
    EXPECT_TRUE(Windows().visible("DispNet"));
    EXPECT_EQ(w->Grid6()->cellText(4, 1), "21,750.75");
    EXPECT_EQ(w->Grid7()->cellText(4, 0), "BlankLine");
    EXPECT_EQ(w->Grid7()->cellText(4, 1), "");
    EXPECT_EQ(w->Net()->text(), "$237,615.55");

    // A blank line at the current cell's row, asked for in InCurVal.
    pick(w->Grid6(), 5, 0);
    script.onModal([](QWidget* window) {
        auto* input = qobject_cast<InCurVal*>(window);
        ASSERT_TRUE(input);
        EXPECT_EQ(input->Label1()->text(), "   Insert a blank line       at line number  5 ?");
        keys::type(input->CurVal(), "5");
        input->Accept()->click();
    });
    click("InsertAss");
    EXPECT_EQ(w->statement().tables.assetCount, 15);
    EXPECT_EQ(w->Grid6()->cellText(5, 0), "BlankLine");
    EXPECT_EQ(w->Grid6()->cellText(6, 0), " ");
    // Out of range: nothing.
    script.onModal([](QWidget* window) {
        keys::type(qobject_cast<InCurVal*>(window)->CurVal(), "29");
        qobject_cast<InCurVal*>(window)->Accept()->click();
    });
    click("InsertLiab");
    EXPECT_EQ(w->statement().tables.liabilityCount, 7);

    const QString saved = folder.filePath("Mine.wmw");
    script.chooseFile(saved);
    click("SaveNet");
    EXPECT_TRUE(script.fileRequests().back().save);
    EXPECT_EQ(script.fileRequests().back().proposedName, "NetSampl.WMW");
    EXPECT_EQ(State().FundFileName, "Mine.wmw");
    EXPECT_EQ(w->statement().fileName, "Mine.wmw");
    EXPECT_FALSE(w->statement().changed);
    const QByteArray bytes = readFile(saved);
    EXPECT_TRUE(bytes.startsWith("15,7\r\n\"Checking Account\",2450.75,\"Mortgage\",168400\r\n"));
    EXPECT_TRUE(
        bytes.contains("\r\n\"BlankLine\",,\"Credit Card\",1240.35\r\n"
                       "\" \",,\"Student Loan\",5200\r\n"));

    // Nothing changed since: Exit asks nothing and clears the name.
    click("Exit1");
    settle();
    EXPECT_TRUE(script.messages().empty() ||
                script.lastMessage().title != "Changed File in Memory");
    EXPECT_TRUE(Windows().visible("MenuMain"));
    EXPECT_EQ(State().FundFileName, "");

    Windows().show("DispNet");
    w = Windows().get<DispNet>("DispNet");
    script.chooseFile(saved);
    click("Loadnet");
    EXPECT_EQ(w->Grid6()->cellText(5, 0), "BlankLine");
    EXPECT_EQ(w->Net()->text(), "$237,615.55");
}

// Typed rows are data: Exit asks about them, Save calculates them first.
TEST_F(NetWorthWindow, TypedRowsAreKept) {
    pick(w->Grid6(), 1, 0);
    type(w->Grid6(), "Cash");
    pick(w->Grid6(), 1, 1);
    type(w->Grid6(), "10");
    script.answer(dialogs::Answer::Yes);
    click("Exit1");
    EXPECT_EQ(script.lastMessage().text,
              " file in memory will be erased. Do you want to go back and save it to Disk?.");
    EXPECT_EQ(script.lastMessage().title, "Changed File in Memory");
    EXPECT_TRUE(Windows().visible("DispNet"));
    // Closing the frame is the same exit, with the same question.
    script.answer(dialogs::Answer::Yes);
    w->close();
    EXPECT_EQ(script.messages().size(), 2u);
    EXPECT_TRUE(Windows().visible("DispNet"));

    // Save calculates first, so the file holds the typed row.
    const QString path = folder.filePath("typed.wmw");
    script.chooseFile(path);
    click("SaveNet");
    EXPECT_NE(script.lastMessage().text, "No Records to Save");
    EXPECT_TRUE(readFile(path).startsWith("1,0\r\n\"Cash\",10,,\r\n"));
    EXPECT_TRUE(w->NetInfo()->isHidden());
    EXPECT_EQ(w->Grid6()->cellText(3, 1), "$10.00");
    EXPECT_FALSE(w->statement().changed);

    // A statement with nothing in it has nothing to save.
    pick(w->Grid6(), 1, 0);
    QTest::keyClick(w->Grid6(), Qt::Key_Delete);
    click("SaveNet");
    EXPECT_EQ(script.lastMessage().text, "No Records to Save");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_TRUE(Windows().visible("DispNet"));
}

// A save that is cancelled or fails keeps the statement marked as changed.
TEST_F(NetWorthWindow, UnfinishedSaveKeepsTheChanges) {
    openSample();
    pick(w->Grid6(), 1, 1);
    type(w->Grid6(), "5");
    click("Calc7");
    EXPECT_TRUE(w->statement().changed);
    script.chooseFile(std::nullopt);
    click("SaveNet");
    EXPECT_TRUE(w->statement().changed);
    script.chooseFile(folder.filePath("no/such/folder/x.wmw"));
    click("SaveNet");
    EXPECT_EQ(script.lastMessage().text, " Bad Filename. Must be in the form MYFILE.WMW");
    EXPECT_EQ(script.lastMessage().title, "Saving Error");
    EXPECT_TRUE(w->statement().changed);
    EXPECT_TRUE(Windows().visible("DispNet"));
    script.answer(dialogs::Answer::No);
    click("Exit1");
    EXPECT_EQ(script.lastMessage().title, "Changed File in Memory");
    EXPECT_FALSE(Windows().exists("DispNet"));
}

// A file that cannot be opened leaves the statement as it was; opening over
// unsaved changes asks first.
TEST_F(NetWorthWindow, OpeningGuardsTheStatement) {
    pick(w->Grid6(), 1, 0);
    type(w->Grid6(), "Savings");
    QFile bad(folder.filePath("bad.wmw"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("1,0\r\n\"A\",1,,\r\n");
    bad.close();

    script.answer(dialogs::Answer::Yes);  // go back and save
    script.chooseFile(bad.fileName());
    click("Loadnet");
    EXPECT_EQ(script.lastMessage().title, "Changed File in Memory");
    EXPECT_TRUE(script.fileRequests().empty());

    script.clear();
    script.answer(dialogs::Answer::No);
    script.chooseFile(bad.fileName());
    click("Loadnet");
    EXPECT_EQ(script.lastMessage().text,
              "File not found or wrong format. Check Filename and/or Directory.");
    EXPECT_EQ(script.lastMessage().title, "Loading Error");
    EXPECT_EQ(w->Grid6()->cellText(1, 0), "Savings");
    EXPECT_EQ(CellName(w->statement().tables.assets(1, 0)), "Savings");
    EXPECT_FALSE(w->NetInfo()->isHidden());
    EXPECT_EQ(State().FundFileName, "");
    EXPECT_TRUE(Windows().visible("DispNet"));

    // Cancel leaves it too, uncalculated.
    script.answer(dialogs::Answer::No);
    script.chooseFile(std::nullopt);
    click("Loadnet");
    EXPECT_EQ(w->statement().tables.assetCount, 0);
    EXPECT_EQ(CellName(w->statement().tables.assets(1, 0)), "Savings");
}

TEST_F(NetWorthWindow, PrintoutWithHeader) {
    openSample();
    script.answer(dialogs::Answer::Yes);
    script.onModal([](QWidget* window) {
        auto* input = qobject_cast<NamInput*>(window);
        ASSERT_TRUE(input);
        EXPECT_EQ(input->FName()->text(), "Enter Printout Header");
        input->NAcept()->click();  // Cancel still prints, headed "1"
    });
    click("Printr");
    EXPECT_EQ(script.messages().front().text, "Continue with Printout.");
    ASSERT_EQ(printouts().size(), 1u);
    const QStringList lines = printouts()[0]->pageText(0).split(u'\n');
    EXPECT_EQ(lines[1], " 1");
    EXPECT_EQ(lines[4], QString(31, u' ') + "NET WORTH STATEMENT");
    EXPECT_EQ(lines[10].trimmed().left(16), "Checking Account");

    script.answer(dialogs::Answer::No);
    click("Printr");
    EXPECT_EQ(printouts().size(), 1u);
}

// Once through the real PDF device, read back in 12-point character cells.
TEST_F(NetWorthWindow, PrintoutAsPdf) {
    const QString pdf = printToPdf(QStringLiteral("net.pdf"));
    openSample();
    script.answer(dialogs::Answer::Yes);
    script.onModal([](QWidget* window) {
        qobject_cast<NamInput*>(window)->InFName()->setText("The Sample Household");
        qobject_cast<NamInput*>(window)->Acept()->click();
    });
    click("Printr");
    const QString text = pdfText(pdf, 7.2);
    auto lineWith = [&](const QString& needle) {
        for (const QString& l : text.split(u'\n'))
            if (l.contains(needle)) return l;
        return QString();
    };
    EXPECT_TRUE(text.contains("The Sample Household"));
    // The amounts stand right-aligned under each other, the liabilities beside them.
    const QString checking = lineWith("Checking Account");
    const QString savings = lineWith("Savings Account");
    EXPECT_EQ(checking.indexOf("2,450.75") + 8, savings.indexOf("12,800.00") + 9);
    EXPECT_TRUE(checking.contains("Mortgage"));
    EXPECT_EQ(checking.indexOf("Mortgage") - checking.indexOf("Checking"), 40);
    EXPECT_TRUE(lineWith("Net Worth =").contains("$237,615.55"));
    // The statement fits one page (blank pages after it left aside).
    QStringList pages = text.split(u'\f');
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    EXPECT_EQ(pages.size(), 1);
}

TEST_F(NetWorthWindow, HelpBox) {
    click("Help9");
    QPlainTextEdit* help = w->HlpTxt();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(w->button("Help9")->isHidden());
    EXPECT_TRUE(help->toPlainText().contains("Load NetSampl.WMW to try out the various features."));
    QTest::keyClick(help, Qt::Key_X);  // reads only
    EXPECT_EQ(script.beeps(), 1);
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_TRUE(help->isHidden());
    EXPECT_TRUE(help->toPlainText().isEmpty());
    EXPECT_FALSE(w->button("Help9")->isHidden());

    // Clicking outside the box closes it too.
    click("Help9");
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(help, &out);
    EXPECT_TRUE(help->isHidden());
    EXPECT_FALSE(w->button("Help9")->isHidden());
}
