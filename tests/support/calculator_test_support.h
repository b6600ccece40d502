// The fixture the calculator window tests share: the window opened from its
// menu button as a user opens it, its controls found by name, figures typed
// with the keyboard, and the grid read row by row.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"
#include "shell/main_menu_window.h"
#include "support/ui_test_support.h"

// `Window` is the calculator's class, `Box` the kind of its input boxes
// (QComboBox for the boxes with a list of figures, QLineEdit otherwise).
template <class Window, class Box = QComboBox>
class CalculatorTest : public WindowTest {
  protected:
    CalculatorTest(const char* windowName, const char* gridName)
        : windowName_(QString::fromLatin1(windowName)), gridName_(QString::fromLatin1(gridName)) {}

    // Clicks `menuButton` on the main menu and takes the window it opens.
    Window* openFrom(const char* menuButton) {
        auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        menu->show();
        menu->button(QString::fromLatin1(menuButton))->click();
        w = Windows().get<Window>(windowName_);
        QApplication::setActiveWindow(w);
        return w;
    }

    template <class T = Box>
    T* child(const char* name) const {
        return w->template findChild<T*>(QString::fromLatin1(name));
    }
    Box* box(const char* name) const { return child(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    Grid* grid() const { return w->template findChild<Grid*>(gridName_); }
    QPlainTextEdit* panel() const { return child<QPlainTextEdit>("TxtBox"); }

    // Types into a box as a user does: focus, keys, Enter.
    void enter(QWidget* target, const QString& keys) {
        target->setFocus();
        QTest::keyClicks(target, keys);
        QTest::keyClick(target, Qt::Key_Return);
    }
    void enter(const char* name, const QString& keys) { enter(box(name), keys); }

    QStringList row(int r) const {
        QStringList cells;
        for (int c = 0; c < grid()->Cols(); ++c) cells << grid()->cellText(r, c);
        return cells;
    }
    // True when no cell below the headings holds text.
    bool bodyBlank() const {
        for (int r = 1; r < grid()->Rows(); ++r)
            for (int c = 0; c < grid()->Cols(); ++c)
                if (!grid()->cellText(r, c).isEmpty()) return false;
        return true;
    }
    static QStringList items(QComboBox* b) {
        QStringList l;
        for (int i = 0; i < b->count(); ++i) l << b->itemText(i);
        return l;
    }

    // Leaves by the exit button and checks the calculator left nothing behind:
    // the window gone, the menu back, no inputs, no mode and no chart hand-over.
    void exitToMenu(const char* exitButton = "ExitButton") {
        button(exitButton)->click();
        settle();
        EXPECT_FALSE(Windows().exists(windowName_));
        EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
        EXPECT_TRUE(State().CalcInputs.empty());
        EXPECT_EQ(State().CallMode, 0);
        EXPECT_EQ(State().GraphPoints, 0);
        EXPECT_EQ(State().GraphSource, 0);
    }

    Window* w = nullptr;

  private:
    QString windowName_, gridName_;
};
