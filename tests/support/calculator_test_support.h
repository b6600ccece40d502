// The fixture the calculator window tests share: the window opened from its
// menu button as a user opens it, its controls found by name, figures typed
// with the keyboard, and the grid read row by row.
#pragma once

#include <QApplication>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <initializer_list>
#include <utility>

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
    // The text a named control shows: a label's or a button's caption, a box's
    // text, the entry a list shows.
    QString textOf(const char* name) const {
        QWidget* c = child<QWidget>(name);
        if (!c) return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
        if (auto* list = qobject_cast<QComboBox*>(c)) return list->currentText();
        return QStringLiteral("<no text>");
    }
    // Checks what each named control shows, one row a control.
    void expectTexts(std::initializer_list<std::pair<const char*, QString>> rows) const {
        for (const auto& [name, text] : rows) EXPECT_EQ(textOf(name), text) << name;
    }

    // Calculates with `calculate`, prints with `print` through the real PDF
    // device and returns the text read back in 12-point cells.
    QString printedThroughPdf(const char* calculate, const char* print) {
        const QString pdf = printToPdf(windowName_ + QStringLiteral(".pdf"));
        button(calculate)->click();
        button(print)->click();
        return pdfText(pdf, 7.2);
    }
    // A text of a printout and the column it starts at, counted from the margin.
    struct At {
        const char* text;
        int column;
    };
    // Finds the page's margin by where `title` stands and checks that every
    // text starts at its column.
    static void expectColumns(const QString& page, At title, std::initializer_list<At> texts) {
        const int at = columnOf(page, QString::fromLatin1(title.text));
        ASSERT_GT(at, 0) << page.toStdString();
        const int margin = at - title.column;
        for (const At& t : texts)
            EXPECT_EQ(columnOf(page, QString::fromLatin1(t.text)) - margin, t.column) << t.text;
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
        EXPECT_EQ(State().GraphSource, ChartSource::Investments);
    }

    Window* w = nullptr;

  private:
    QString windowName_, gridName_;
    const char* menuButton_;
};
