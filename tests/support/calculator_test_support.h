// The fixture the calculator window tests share: the window opened from its
// menu button as a user opens it, its controls found by name, figures typed
// with the keyboard, and the grid read row by row.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <initializer_list>
#include <utility>
#include <vector>

#include "charts/ui/chart_window.h"
#include "platform/chart_view.h"
#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/ui_test_support.h"

// `Window` is the calculator's class, `Box` the kind of its input boxes
// (QComboBox for the boxes with a list of figures, QLineEdit otherwise).
template <class Window, class Box = QComboBox>
class CalculatorTest : public WindowTest {
  protected:
    CalculatorTest(const char* windowName, const char* gridName, const char* menuButton = "")
        : windowName_(QString::fromLatin1(windowName)),
          gridName_(QString::fromLatin1(gridName)),
          menuButton_(menuButton) {}

    // Opens the window from its own menu button.
    Window* open() { return openFrom(menuButton_); }
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
    QLabel* label(const char* name) const { return child<QLabel>(name); }
    Grid* grid() const { return w->template findChild<Grid*>(gridName_); }
    QPlainTextEdit* panel() const { return child<QPlainTextEdit>("TxtBox"); }

    // Types into a box as a user does: focus, keys, Enter.
    void enter(QWidget* target, const QString& keys) {
        target->setFocus();
        QTest::keyClicks(target, keys);
        QTest::keyClick(target, Qt::Key_Return);
    }
    void enter(const char* name, const QString& keys) { enter(box(name), keys); }

    // Enter from the first box goes through the others in turn and then to `calculate`.
    void expectEnterOrder(std::initializer_list<const char*> boxes, const char* calculate) {
        child<QWidget>(*boxes.begin())->setFocus();
        for (auto next = boxes.begin() + 1; next != boxes.end(); ++next) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_TRUE(child<QWidget>(*next)->hasFocus()) << *next;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(button(calculate)->hasFocus());
    }
    // The last message said `text` under `title`, and no result is left in the grid or the chart.
    void expectRefused(const QString& text, const QString& title) {
        EXPECT_EQ(script.lastMessage().text, text);
        EXPECT_EQ(script.lastMessage().title, title);
        EXPECT_TRUE(bodyBlank());
        EXPECT_EQ(w->graphPoints(), 0);
    }

    // The figures the boxes hold, from slot 1.
    static std::vector<Money> inputs() {
        return {State().CalcInputs.begin() + 1, State().CalcInputs.end()};
    }
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
    // The text a named control shows (see `shownText`).
    QString textOf(const char* name) const { return shownText(w, name); }
    // Checks the window's controls, one row a control (see `Shown`).
    void expectTexts(std::initializer_list<Shown> rows) const { expectShown(w, rows); }

    // Prints with `print` through the real PDF device (answering Yes to the question) and returns
    // the pages read back in 12-point cells.
    QStringList printedPages(const char* print) {
        const QString pdf = printToPdf(windowName_ + QStringLiteral(".pdf"));
        script.answer(dialogs::Answer::Yes);
        button(print)->click();
        return pdfPages(pdf);
    }
    // Calculates with `calculate`, prints with `print` through the real PDF device and returns
    // the text read back.
    QString printedThroughPdf(const char* calculate, const char* print) {
        button(calculate)->click();
        return printedPages(print).join(u'\f');
    }
    // Presses Show Graph and returns the chart window it opened, or null.
    Form1* showGraph(const char* graphButton = "Graphs") {
        button(graphButton)->click();
        if (!Windows().visible(QStringLiteral("Form1"))) return nullptr;
        return Windows().get<Form1>(QStringLiteral("Form1"));
    }
    // Leaves by the exit button and checks the calculator left nothing behind:
    // the window gone, the menu back, no inputs.
    void exitToMenu(const char* exitButton = "ExitButton") {
        button(exitButton)->click();
        settle();
        EXPECT_FALSE(Windows().exists(windowName_));
        EXPECT_TRUE(Windows().visible(QStringLiteral("MenuMain")));
        EXPECT_TRUE(State().CalcInputs.empty());
    }

    Window* w = nullptr;

  private:
    QString windowName_, gridName_;
    const char* menuButton_;
};
