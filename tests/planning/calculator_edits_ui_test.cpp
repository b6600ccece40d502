// Every way a user changes a calculator box is an edit: paste by keys or the context menu, drag
// and drop, Delete, Cut; pasted text passes the box's key filter; a figure beyond the currency's
// range is refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "planning/ui/calcyear_window.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/money_literals.h"
#include "support/ui_test_support.h"

namespace {

// The ways a user puts text into a box other than typing it.
// Keys go where the desktop sends them: to the focused control, which for a
// drop-down list is the list itself (its edit box passes the focus on to it).
void pasteByKeys(QLineEdit* edit, const QString& text, bool shiftInsert = false) {
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused);
    if (shiftInsert)
        QTest::keyClick(focused, Qt::Key_Insert, Qt::ShiftModifier);
    else
        QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
}

// Opens the box's context menu where the user right-clicks and picks `action`
// ("edit-paste", "edit-cut", "edit-delete").
// The right click reaches the edit box, or the list when its edit box defers
// its menu to it.
void contextMenu(QLineEdit* edit, const char* action) {
    edit->setFocus();
    QWidget* target = edit->contextMenuPolicy() == Qt::NoContextMenu ? edit->parentWidget() : edit;
    const QPoint at = edit->mapTo(target, QPoint(4, edit->height() / 2));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    auto* item = menu->findChild<QAction*>(QString::fromLatin1(action));
    ASSERT_TRUE(item) << action;
    menu->close();
    item->trigger();
}

// A drag that enters the box and is dropped there.
void drop(QLineEdit* edit, const QString& text) {
    QMimeData mime;
    mime.setText(text);
    const QPointF at(edit->width() - 4, edit->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &event);
}

class CalculatorEdits : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        menu->show();
        menu->button(QStringLiteral("Savings"))->click();
        w = Windows().get<CalcInpt>(QStringLiteral("CalcInpt"));
        QApplication::setActiveWindow(w);
    }
    QLineEdit* edit(const char* name) const {
        return w->findChild<QComboBox*>(QString::fromLatin1(name))->lineEdit();
    }
    QPushButton* button(const char* name) const {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    Grid* grid() const { return w->findChild<Grid*>(QStringLiteral("Grid1")); }
    bool resultsCleared() const {
        for (int r = 1; r < grid()->Rows(); ++r)
            if (!grid()->cellText(r, 1).isEmpty()) return false;
        return w->graphPoints() == 0;
    }
    // Calculates with the figures shown, as the button does.
    void calculate() {
        button("Calc")->click();
        ASSERT_GT(w->graphPoints(), 0);
    }

    CalcInpt* w = nullptr;
};

}  // namespace

TEST_F(CalculatorEdits, APasteByKeysReplacesTheFigureAndCountsEverywhere) {
    calculate();
    pasteByKeys(edit("InInvest"), QStringLiteral("2345"), true);  // Shift+Insert
    EXPECT_EQ(edit("InInvest")->text(), "2345");
    EXPECT_TRUE(resultsCleared());
    // Calculate reads the pasted figure without the box being left first.
    button("Calc")->click();
    EXPECT_EQ(State().CalcInputs.at(2), M("2345"));
    EXPECT_EQ(grid()->cellText(1, 1), "2,345.00");
    button("Prt")->click();
    ASSERT_EQ(printouts().size(), 1u);
    EXPECT_TRUE(printouts()[0]->pageText(0).contains("$2,345.00"));

    // A pasted minus sign meets the term box's filter, as a typed one does.
    const int beeps = script.beeps();
    pasteByKeys(edit("InTerm"), QStringLiteral("-65000"));
    EXPECT_EQ(edit("InTerm")->text(), "65000");
    EXPECT_EQ(script.beeps(), beeps + 1);
    button("Calc")->click();
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, 50 Years limit.");
    EXPECT_EQ(w->graphPoints(), 0);
}

TEST_F(CalculatorEdits, UnderADecimalCommaLanguageTheCommaKeyIsThePoint) {
    const int beeps = script.beeps();
    edit("InInvest")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12,5"));
    EXPECT_EQ(edit("InInvest")->text(), "125");  // a grouping comma is dropped
    EXPECT_EQ(script.beeps(), beeps + 1);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    edit("InRate")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12,5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Comma, Qt::KeypadModifier, ',');
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(","));
    EXPECT_EQ(edit("InRate")->text(), "12.5..");
    edit("InTerm")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1,0"));  // whole years only
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(edit("InTerm")->text(), "10");
    EXPECT_EQ(script.beeps(), beeps + 2);
    button("Calc")->click();
    EXPECT_EQ(State().CalcInputs.at(3), M("12.5"));
}

TEST_F(CalculatorEdits, TheContextMenuPastesThroughTheFilterAndItsCutIsAnEdit) {
    calculate();
    edit("InLumpInv")->setFocus();
    edit("InLumpInv")->selectAll();
    contextMenu(edit("InLumpInv"), "edit-cut");
    EXPECT_TRUE(resultsCleared());
    EXPECT_TRUE(w->inputEdited());

    QGuiApplication::clipboard()->clear();
    contextMenu(edit("InRate"), "edit-paste");     // nothing to paste: nothing changes
    EXPECT_EQ(State().CalcInputs.at(1), Money());  // the box cut empty was read on leaving
    EXPECT_EQ(edit("InRate")->text(), "             20.00%");
    QGuiApplication::clipboard()->setText(QStringLiteral("1e30\n8"));
    contextMenu(edit("InRate"), "edit-paste");
    EXPECT_EQ(edit("InRate")->text(), "1308");  // the letter and the line break never typed
    QTest::keyClick(edit("InRate"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(3), M("1308"));
}

TEST_F(CalculatorEdits, ADropIsTypedIntoTheBox) {
    calculate();
    drop(edit("InLumpInv"), QStringLiteral("$5,000"));
    EXPECT_TRUE(edit("InLumpInv")->hasFocus());
    EXPECT_EQ(edit("InLumpInv")->text(), "5000");
    EXPECT_TRUE(resultsCleared());
    EXPECT_EQ(script.beeps(), 2);  // "$" and ","
    QTest::keyClick(edit("InLumpInv"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(1), M("5000"));
    EXPECT_EQ(edit("InLumpInv")->text(), "         $5,000.00");
}

TEST_F(CalculatorEdits, DeleteInsideAShownFigureKeepsTheFigureItShows) {
    calculate();
    edit("InInvest")->setFocus();
    QTest::keyClick(edit("InInvest"), Qt::Key_End);
    QTest::keyClick(edit("InInvest"), Qt::Key_Delete);  // deletes nothing
    EXPECT_TRUE(resultsCleared());
    QTest::keyClick(edit("InInvest"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(2), M("1000"));

    // Deleting a grouping comma, or the point of a rate, leaves the digits as shown.
    edit("InInvest")->setFocus();
    edit("InInvest")->setCursorPosition(static_cast<int>(edit("InInvest")->text().indexOf(u',')));
    QTest::keyClick(edit("InInvest"), Qt::Key_Delete);
    EXPECT_EQ(edit("InInvest")->text().trimmed(), "$1000.00");
    edit("InRate")->setFocus();  // leaving the box reads it
    EXPECT_EQ(State().CalcInputs.at(2), M("1000"));
    edit("InRate")->setCursorPosition(static_cast<int>(edit("InRate")->text().indexOf(u'.')));
    QTest::keyClick(edit("InRate"), Qt::Key_Delete);
    QTest::keyClick(edit("InRate"), Qt::Key_Return);
    EXPECT_EQ(State().CalcInputs.at(3), M("2000"));
}

TEST_F(CalculatorEdits, AFigureLongerThanMoneyCanHoldIsRefused) {
    pasteByKeys(edit("InLumpInv"), QString(400, u'9'));
    QTest::keyClick(edit("InLumpInv"), Qt::Key_Return);
    EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
    EXPECT_EQ(script.lastMessage().title, "Help");
    EXPECT_EQ(State().CalcInputs.at(1), Money());
    EXPECT_EQ(edit("InLumpInv")->text(), "              $.00");
}

// The box reads the lump sum exactly, and the year loop's values, which pass
// through a double, keep every ten-thousandth. The figures come from
// tests/tools/savings_year_loop.py.
TEST_F(CalculatorEdits, ALargeLumpSumKeepsEveryTenThousandth) {
    edit("InLumpInv")->setFocus();
    QTest::keyClicks(edit("InLumpInv"), QStringLiteral("123456789012.34"));
    button("Calc")->click();
    EXPECT_EQ(State().CalcInputs.at(1), M("123456789012.34"));
    EXPECT_EQ(State().YearTable(1, 4), M("148148148382.7379"));
    EXPECT_EQ(State().YearTable(26, 2), M("123456814012.34"));
    EXPECT_EQ(State().YearTable(26, 3), M("11653855074399.0116"));
    EXPECT_EQ(State().YearTable(26, 4), M("11777311888411.3516"));
    EXPECT_EQ(grid()->cellText(26, 2), "$11,653,855,074,399.00");
}

TEST_F(CalculatorEdits, TheYearWindowTakesPastesDropsAndDeleteAsTyping) {
    script.onModal([this](QWidget* win) {
        auto* y = qobject_cast<Calcyear*>(win);
        ASSERT_TRUE(y);
        QApplication::setActiveWindow(y);
        auto* deposit = y->findChild<QLineEdit*>(QStringLiteral("inDeposit"));
        auto* rate = y->findChild<QLineEdit*>(QStringLiteral("inRate"));
        auto* result = y->findChild<QLabel*>(QStringLiteral("ResultAnt"));
        pasteByKeys(deposit, QStringLiteral("1,00"));
        drop(rate, QStringLiteral("12%"));  // leaves the deposit box, which is read
        EXPECT_EQ(State().CalcInputs.at(8), M("100"));
        EXPECT_EQ(deposit->text(), "      $100.00");
        QTest::keyClick(rate, Qt::Key_Return);
        y->Calculate();
        EXPECT_EQ(result->text(), "    $1,278.00");

        // Delete in a shown figure clears the result and keeps the figure.
        rate->setFocus();
        QTest::keyClick(rate, Qt::Key_Delete);
        EXPECT_EQ(result->text(), "");
        QTest::keyClick(rate, Qt::Key_Return);
        EXPECT_EQ(State().CalcInputs.at(7), M("12"));

        // Text an input method commits is typed too.
        deposit->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("3x00"));
        QApplication::sendEvent(deposit, &commit);
        EXPECT_EQ(deposit->text(), "300");
        y->ExitWindow();
    });
    button("SmalSav")->click();
    settle();
    EXPECT_GE(script.beeps(), 3);  // ",", "%", "x"
}
