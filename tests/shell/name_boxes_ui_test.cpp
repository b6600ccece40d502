// Names and the currency symbol, however the text comes in: no line breaks or other control
// characters in a name, no double quote, one character for the symbol.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/name_input_window.h"
#include "shell/ui/settings_window.h"
#include "support/ui_test_support.h"

namespace {

void pasteByKeys(QLineEdit* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void pasteFromMenu(QLineEdit* edit, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    const QPoint at(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
    QApplication::sendEvent(edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    ASSERT_TRUE(paste);
    menu->close();
    paste->trigger();
}

// A drag that enters the box and is dropped there.
void drop(QLineEdit* edit, const QString& text) {
    QMimeData mime;
    mime.setText(text);
    const QPointF at(2, 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &event);
}

using NameBoxes = WindowTest;

}  // namespace

TEST_F(NameBoxes, PersonalSettingsKeepNamesOnOneLineAndTheSymbolToOneCharacter) {
    auto* m = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
    m->show();
    script.onModal([](QWidget* win) {
        auto* w = qobject_cast<SymbolFonts*>(win);
        ASSERT_TRUE(w);
        w->InMyName()->clear();
        pasteByKeys(w->InMyName(), QStringLiteral("Jo\r\nAl \"X\"\t"));
        EXPECT_EQ(w->InMyName()->text(), "JoAl X");
        drop(w->InMyName(), QStringLiteral("\n!"));
        EXPECT_EQ(w->InMyName()->text(), "!JoAl X");

        pasteByKeys(w->InCurrency(), QStringLiteral("Euro"));
        EXPECT_EQ(w->InCurrency()->text(), "o");
        pasteFromMenu(w->InCurrency(), QStringLiteral("\""));
        EXPECT_EQ(w->InCurrency()->text(), "o");  // refused, the old symbol stays
        pasteFromMenu(w->InCurrency(), QStringLiteral("\u00a3\"\n"));
        EXPECT_EQ(w->InCurrency()->text(), "\u00a3");
        drop(w->InCurrency(), QStringLiteral("DM"));
        EXPECT_EQ(w->InCurrency()->text(), "M");
        w->ExitFonts()->click();
    });
    m->button(QStringLiteral("InitCurrFont"))->click();
    settle();
    EXPECT_EQ(State().settings.userName, "!JoAl X");
    EXPECT_EQ(State().settings.currencySymbol, "M");
    EXPECT_EQ(script.beeps(), 4);  // the quotes
}

TEST_F(NameBoxes, APastedFundNameLosesItsLineBreaks) {
    script.onModal([](QWidget* win) {
        auto* n = qobject_cast<NamInput*>(win);
        ASSERT_TRUE(n);
        QApplication::setActiveWindow(n);
        pasteByKeys(n->InFName(), QStringLiteral("Global\r\nGrowth\x0b Fund"));
        EXPECT_EQ(n->InFName()->text(), "GlobalGrowth Fund");
        QTest::keyClick(n->InFName(), Qt::Key_Return);  // Enter still goes to OK
        EXPECT_TRUE(n->Acept()->hasFocus());
        n->Acept()->click();
    });
    EXPECT_EQ(AskName(QString()), "GlobalGrowth Fund");

    // Cancel, or closing the window, answers "1".
    script.onModal([](QWidget* win) { qobject_cast<NamInput*>(win)->NAcept()->click(); });
    EXPECT_EQ(AskName(QString()), "1");
    script.onModal([](QWidget* win) { win->close(); });
    EXPECT_EQ(AskName(QString()), "1");
}
