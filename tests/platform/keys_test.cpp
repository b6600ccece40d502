#include "platform/keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "common/key_filters.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/typed_entry.h"
#include "shell/ui/input_conventions_ui.h"

TEST(KeyHook, FiltersReplaceOrDiscardTypedKeysWithABeep) {
    dialogs::Script script;
    QWidget window;
    QLineEdit* rate = makeTextBox(&window, QStringLiteral("InRate"), 0, 0, 1000, 300);
    QLineEdit* term = makeTextBox(&window, QStringLiteral("InTerm"), 0, 400, 1000, 300);
    int deletes = 0;
    ApplyNumberBoxRules(rate, NumericKeyFilter, term, [&] { ++deletes; });
    ApplyNumberBoxRules(term, WholeNumberKeyFilter, rate);
    window.show();
    QApplication::setActiveWindow(&window);
    rate->setFocus();
    QTest::keyClicks(rate, QStringLiteral("12.5-x"));
    EXPECT_EQ(rate->text(), "12.5");
    EXPECT_EQ(script.beeps(), 2);
    QTest::keyClick(rate, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
    QTest::keyClicks(term, QStringLiteral("2.5"));
    EXPECT_EQ(term->text(), "25");  // a term takes no point
    EXPECT_EQ(script.beeps(), 3);
    QTest::keyClick(rate, Qt::Key_Return);
    EXPECT_TRUE(term->hasFocus());
    EXPECT_EQ(rate->text(), "12.5");
}

TEST(KeyHook, AReplacedKeyIsTypedInsteadAndListsAreHookedThroughTheirEditBox) {
    QWidget window;
    QComboBox* list = makeInputList(&window, QStringLiteral("InLumpInv"), 0, 0, 1500, 300);
    list->addItems({QStringLiteral("10000"), QStringLiteral("15000")});
    int presses = 0;
    KeyHook::on(list)->keyPress = [&](int key) {
        ++presses;
        return key == 'a' ? int('7') : key;
    };
    window.show();
    list->setFocus();
    list->setEditText(QString());
    QTest::keyClicks(list->lineEdit(), QStringLiteral("1a"));
    EXPECT_EQ(list->currentText(), "17");
    EXPECT_EQ(presses, 2);                        // each key is seen once
    QTest::keyClicks(list, QStringLiteral("2"));  // keys sent to the list itself
    EXPECT_EQ(list->currentText(), "172");
    EXPECT_EQ(presses, 3);
}

// The desktop's editing keys are commands, never typed characters: Ctrl+A selects, Ctrl+Z brings
// back what the box showed when it was entered (an edit, as typing is), Ctrl+Shift+Z puts the
// edit back. In a plain box and in a drop-down list alike.
TEST(KeyHook, EditingKeysSelectUndoAndRedoWithoutABeep) {
    dialogs::Script script;
    QWidget window;
    QLineEdit* box = makeTextBox(&window, QStringLiteral("InRate"), 0, 0, 1000, 300);
    QComboBox* list = makeInputList(&window, QStringLiteral("InLumpInv"), 0, 400, 1500, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    for (QWidget* control : {static_cast<QWidget*>(box), static_cast<QWidget*>(list)}) {
        QLineEdit* edit = box;
        if (control == list) edit = list->lineEdit();
        int edits = 0;
        ApplyNumberBoxRules(control, NumericKeyFilter, nullptr, nullptr);
        TypedEntry::install(control, [&] { ++edits; });
        edit->setText(QStringLiteral("$1,000.00"));
        control->setFocus();
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(edit->selectedText(), "$1,000.00");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("75"));
        EXPECT_EQ(edit->text(), "75");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), "$1,000.00");
        EXPECT_EQ(edits, 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(edit->text(), "75");
        EXPECT_EQ(edits, 4);
        EXPECT_EQ(script.beeps(), 0);
    }
}
