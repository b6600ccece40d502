// Every window read without a mouse: Tab reaches every box, button and grid, and each one has
// the name a screen reader says for it.
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "planning/ui/mortgage_window.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/accessibility.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "support/ui_test_support.h"

namespace {

class Accessibility : public WindowTest {
  protected:
    // The window shown as its menu button shows it, active, with the focus where it puts it.
    // `mode`: the use a window of two uses opens in.
    QWidget* open(const char* name, int mode) {
        const QString window = QString::fromLatin1(name);
        if (window == "CalcInpt")
            CalcInpt::open(static_cast<SavingsMode>(mode));
        else if (window == "CdnMort")
            CdnMort::open(static_cast<MortgageMode>(mode));
        else
            Windows().show(window);
        QWidget* w = Windows().get(window);
        w->activateWindow();
        QApplication::setActiveWindow(w);
        settle();
        return w;
    }
    static QString nameOf(QObject* o) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
        return iface ? iface->text(QAccessible::Name) : QString();
    }
    static QString valueOf(QObject* o) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
        return iface ? iface->text(QAccessible::Value) : QString();
    }
    // What Tab is meant to reach: the boxes, lists, buttons and grids the user sees.
    static QList<QWidget*> tabStops(QWidget* window) {
        QList<QWidget*> stops;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !w->isVisibleTo(window) || !w->isEnabled() ||
                !(w->focusPolicy() & Qt::TabFocus))
                continue;
            const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) ||
                               qobject_cast<QAbstractSpinBox*>(w->parentWidget());
            if ((qobject_cast<QLineEdit*>(w) && !inner) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QPushButton*>(w) ||
                qobject_cast<QAbstractItemView*>(w))
                stops << w;
        }
        return stops;
    }
    // The controls Tab visits from the focused one until it comes back round.
    static QSet<QWidget*> tabWalk(QWidget* window) {
        QSet<QWidget*> seen;
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != window) return seen;
        for (int i = 0; i < 200; ++i) {
            QWidget* at = QApplication::focusWidget();
            if (!at) break;
            if (auto* list = qobject_cast<QComboBox*>(at->parentWidget())) at = list;
            if (i > 0 && at == first) break;
            seen.insert(at);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    }
};

struct Window {
    const char* name;
    int callMode;
};

TEST_F(Accessibility, TabReachesEveryControlAndEachIsNamedByItsCaption) {
    const Window windows[] = {
        {"MenuMain", 0},    {"CalcInpt", 1}, {"CalcInpt", 2}, {"PlanK", 0},
        {"Income", 0},      {"CalCaptl", 0}, {"CdnMort", 1},  {"CdnMort", 2},
        {"FindComp", 0},    {"FundMenu", 0}, {"DispNet", 0},  {"RecordEntry", 0},
        {"SymbolFonts", 0}, {"NamInput", 0}, {"InCurVal", 0}, {"Calcyear", 1},
    };
    for (const Window& win : windows) {
        SCOPED_TRACE(std::string(win.name) + " mode " + std::to_string(win.callMode));
        QWidget* w = open(win.name, win.callMode);
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(frame);
        EXPECT_TRUE(frame->role() == QAccessible::Window || frame->role() == QAccessible::Dialog);
        EXPECT_EQ(frame->text(QAccessible::Name), w->windowTitle());

        const QSet<QWidget*> reached = tabWalk(w);
        for (QWidget* stop : tabStops(w)) {
            const QString what = stop->objectName() + u' ' + stop->metaObject()->className();
            EXPECT_TRUE(reached.contains(stop)) << "Tab misses " << what.toStdString();
            const QString name = nameOf(stop);
            EXPECT_FALSE(name.isEmpty()) << what.toStdString() << " has no name";
            EXPECT_FALSE(accessibility::isFigure(name))
                << what.toStdString() << " is named by a figure: " << name.toStdString();
        }
        Windows().unload(QString::fromLatin1(win.name));
        settle();
    }
}

TEST_F(Accessibility, ListsAreNamedByTheirCaptionAndReadTheirFigureAsValue) {
    QWidget* w = open("CalcInpt", 1);
    auto* rate = w->findChild<QComboBox*>(QStringLiteral("InRate"));
    ASSERT_TRUE(rate);
    EXPECT_EQ(nameOf(rate), "Annual Interest/Growth Rate (%).");
    EXPECT_EQ(valueOf(rate), rate->currentText());
    EXPECT_EQ(nameOf(rate->lineEdit()), nameOf(rate));
    // The caption is tied to its box.
    auto* caption = w->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->buddy(), rate);
    EXPECT_EQ(nameOf(w->findChild<QWidget*>(QStringLiteral("TxtBox"))), "Help");
}

TEST_F(Accessibility, ResultFiguresFollowCalculateInTabOrderOnlyWhileShown) {
    QWidget* w = open("CdnMort", 1);
    auto* calculate = w->findChild<QPushButton*>(QStringLiteral("Calc4"));
    ASSERT_TRUE(calculate);
    const char* results[] = {"InMonthPI", "TotYear", "AllPayments"};
    const char* captions[] = {"Monthly Principal Plus Interest Payment.",
                              "Total of Monthly Payments each Year.", "Total of all Payments."};
    calculate->setFocus();
    calculate->click();
    settle();
    for (size_t i = 0; i < std::size(results); ++i) {
        auto* label = w->findChild<QLabel*>(QString::fromLatin1(results[i]));
        ASSERT_TRUE(label);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), label) << results[i];
        EXPECT_EQ(nameOf(label), captions[i]);
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_EQ(valueOf(label), label->text());
    }
    // An edit empties the figures and takes them out of the Tab order again.
    auto* principal = w->findChild<QLineEdit*>(QStringLiteral("InPrincipal"));
    principal->setFocus();
    QTest::keyClick(principal, Qt::Key_5);
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget()->objectName(), "InMonthPI");
}

TEST(CaptionName, ReadsACaptionAsASpokenNameAndTellsFiguresApart) {
    const struct {
        const char* caption;
        const char* name;
        bool figure;
    } cases[] = {
        {" Amount of  Lump Sum      Invested at Start.", "Amount of Lump Sum Invested at Start.",
         false},
        {"E&xit to Menu", "Exit to Menu", false},
        {"Stocks && Bonds", "Stocks & Bonds", false},
        {"         $1,000.00", "$1,000.00", true},
        {"12.50%", "12.50%", true},
        {"(1,234.56)", "(1,234.56)", true},
        {"Row  3", "Row 3", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(accessibility::captionName(QString::fromUtf8(c.caption)),
                  QString::fromUtf8(c.name));
        EXPECT_EQ(accessibility::isFigure(accessibility::captionName(QString::fromUtf8(c.caption))),
                  c.figure)
            << c.caption;
    }
}

}  // namespace
