#include "platform/keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "shell/input_conventions_ui.h"
#include "shell/key_filters.h"

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
