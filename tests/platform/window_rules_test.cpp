// The rules every registered window follows: frame close, Enter on buttons, frames, placement.
#include "platform/window_rules.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

namespace {

// A window with a text box and two buttons, the second one an exit button.
struct TestWindow : QWidget {
    QLineEdit* box = new QLineEdit(this);
    QPushButton* ok = new QPushButton(QStringLiteral("&OK"), this);
    QPushButton* exit = new QPushButton(QStringLiteral("E&xit to Menu"), this);
    int oks = 0, exits = 0;
    TestWindow() {
        ok->setObjectName(QStringLiteral("ok"));
        exit->setObjectName(QStringLiteral("exit"));
        ok->setGeometry(0, 30, 80, 25);
        exit->setGeometry(90, 30, 80, 25);
        connect(ok, &QPushButton::clicked, this, [this] { ++oks; });
        connect(exit, &QPushButton::clicked, this, [this] {
            ++exits;
            hide();
        });
    }
};

class WindowRules : public ::testing::Test {
  protected:
    template <class W = TestWindow>
    W* make(const QString& name, QSize fixed = {}) {
        Windows().define(name, [fixed] {
            auto* w = new W;
            if (fixed.isValid()) w->setFixedSize(fixed);
            return w;
        });
        names_.push_back(name);
        return static_cast<W*>(Windows().get(name));
    }
    void TearDown() override {
        for (const QString& n : names_) Windows().unload(n);
        Windows().setHome(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::vector<QString> names_;
};

}  // namespace

TEST_F(WindowRules, ClosingTheFrameActsAsTheExitButton) {
    auto* w = make(QStringLiteral("RulesExit"));
    Windows().show(QStringLiteral("RulesExit"));
    EXPECT_FALSE(w->close());  // the exit action decides what becomes of the window
    EXPECT_EQ(w->exits, 1);
    EXPECT_FALSE(w->isVisible());  // this one hides itself

    // A window with no exit button closes as usual.
    Windows().define(QStringLiteral("RulesPlain"), [] { return new QWidget; });
    names_.push_back(QStringLiteral("RulesPlain"));
    Windows().show(QStringLiteral("RulesPlain"));
    EXPECT_TRUE(Windows().get(QStringLiteral("RulesPlain"))->close());

    // An exit button with another caption can be named.
    auto* other = make(QStringLiteral("RulesNamedExit"));
    other->exit->setText(QStringLiteral("&Done"));
    EXPECT_EQ(window_rules::exitButton(other), nullptr);
    window_rules::setExitButton(other->exit);
    EXPECT_EQ(window_rules::exitButton(other), other->exit);
    other->close();
    EXPECT_EQ(other->exits, 1);
}

TEST_F(WindowRules, EnterOrSpacePressesTheFocusedButtonOnly) {
    auto* w = make(QStringLiteral("RulesKeys"));
    Windows().show(QStringLiteral("RulesKeys"));
    w->ok->setFocus();
    QTest::keyClick(w->ok, Qt::Key_Return);
    QTest::keyClick(w->ok, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(w->ok, Qt::Key_Space);
    EXPECT_EQ(w->oks, 3);
    // Enter in a text box presses no button; neither does Ctrl+Enter on one.
    w->box->setFocus();
    QTest::keyClick(w->box, Qt::Key_Return);
    w->ok->setFocus();
    QTest::keyClick(w->ok, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(w->oks, 3);
    EXPECT_EQ(w->exits, 0);
}

TEST_F(WindowRules, FixedSizeWindowsOfferNoMaximizeAndModalOnesNoMinimize) {
    auto* fixed = make(QStringLiteral("RulesFixed"), QSize(300, 200));
    EXPECT_FALSE(fixed->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(fixed->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(fixed->windowFlags() & Qt::WindowCloseButtonHint);
    auto* sized = make(QStringLiteral("RulesSizable"));
    EXPECT_EQ(sized->windowFlags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_FALSE(sized->windowFlags() & Qt::CustomizeWindowHint);  // the usual frame

    dialogs::Script script;
    auto* modal = make(QStringLiteral("RulesModal"), QSize(200, 100));
    Qt::WindowFlags shownWith;
    script.onModal([&](QWidget* w) { shownWith = w->windowFlags(); });
    Windows().showModal(QStringLiteral("RulesModal"));
    EXPECT_EQ(shownWith & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_FALSE(shownWith & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(shownWith & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(shownWith & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(modal->isVisible());
}

// Minimizing a modal window sends it a hide event from the window system: the caller must keep
// waiting, or Qt keeps the window modal with nobody to end it and every other window, the
// backdrop too, refuses its close button from then on.
TEST_F(WindowRules, AMinimizedModalWindowHoldsItsCallerUntilItIsReallyClosed) {
    auto* modal = make(QStringLiteral("HeldModal"), QSize(200, 100));
    bool returned = false, heldWhileMinimized = false;
    QTimer::singleShot(0, modal, [&] {
        modal->setWindowState(Qt::WindowMinimized);
        QTimer::singleShot(30, [&] {
            heldWhileMinimized = !returned;
            Windows().unload(QStringLiteral("HeldModal"));
        });
    });
    Windows().showModal(QStringLiteral("HeldModal"));
    returned = true;
    EXPECT_TRUE(heldWhileMinimized);
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
}

TEST_F(WindowRules, ToolWindowsOpenWhereTheHomeWindowStands) {
    const QSize large(twips::px(9480), twips::px(6360));
    auto* home = make(QStringLiteral("RulesHome"), large);
    home->move(40, 60);
    Windows().setHome(QStringLiteral("RulesHome"));
    Windows().show(QStringLiteral("RulesHome"));

    auto* tool = make(QStringLiteral("RulesTool"), large);
    Windows().show(QStringLiteral("RulesTool"));
    EXPECT_EQ(tool->pos(), home->pos());
    auto* small = make(QStringLiteral("RulesSmall"), QSize(200, 100));
    Windows().show(QStringLiteral("RulesSmall"));
    EXPECT_LE((small->geometry().center() - home->frameGeometry().center()).manhattanLength(), 2);
    // A window its own code has placed keeps its place.
    auto* placed = make(QStringLiteral("RulesPlaced"), large);
    placed->move(300, 10);
    Windows().show(QStringLiteral("RulesPlaced"));
    EXPECT_EQ(placed->pos(), QPoint(300, 10));
}

TEST_F(WindowRules, TheBackdropStaysBehindWithoutFocusAndItsCloseButtonNeverClosesIt) {
    auto* back = make<QWidget>(QStringLiteral("RulesBackdrop"));
    window_rules::makeBackdrop(back);
    EXPECT_TRUE(back->windowFlags() & Qt::WindowStaysOnBottomHint);
    EXPECT_TRUE(back->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(back->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(back->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(back->testAttribute(Qt::WA_ShowWithoutActivating));
    Windows().show(QStringLiteral("RulesBackdrop"));
    EXPECT_FALSE(back->close());
    EXPECT_TRUE(back->isVisible());
}

TEST_F(WindowRules, BoxesOpenOverTheWindowThatAskedEvenWhileNoWindowIsActive) {
    auto* back = make<QWidget>(QStringLiteral("OwnerBackdrop"));
    window_rules::makeBackdrop(back);
    Windows().show(QStringLiteral("OwnerBackdrop"));
    auto* tool = make(QStringLiteral("OwnerTool"));
    Windows().show(QStringLiteral("OwnerTool"));
    QApplication::setActiveWindow(tool);
    EXPECT_EQ(dialogs::ownerWindow(), tool);
    // An earlier box has closed and the focus is not back yet: still the tool.
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(dialogs::ownerWindow(), tool);
    // The tool has gone: never the backdrop, which is kept below every window (a box of its
    // would be hidden under any other): no owner, and the box comes up on its own.
    tool->hide();
    EXPECT_EQ(dialogs::ownerWindow(), nullptr);
    // A window shown but never active (the program started with a file) owns the box, and a
    // modal window before it.
    auto* statement = make(QStringLiteral("OwnerStatement"));
    Windows().show(QStringLiteral("OwnerStatement"));
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(dialogs::ownerWindow(), statement);
    auto* modal = make(QStringLiteral("OwnerModal"));
    modal->setWindowModality(Qt::ApplicationModal);
    modal->show();
    EXPECT_EQ(dialogs::ownerWindow(), modal);
    modal->hide();
}

TEST_F(WindowRules, TheBackdropClosedWithNoToolShownRunsItsActionOtherwiseNothing) {
    auto* back = make<QWidget>(QStringLiteral("LoneBackdrop"));
    window_rules::makeBackdrop(back);
    Windows().show(QStringLiteral("LoneBackdrop"));
    auto* home = make(QStringLiteral("LoneHome"));
    auto* tool = make(QStringLiteral("LoneTool"));
    Windows().show(QStringLiteral("LoneTool"));
    int actions = 0;
    window_rules::setLoneBackdropAction(home, [&actions] { ++actions; });
    auto closeBackdrop = [&] {
        EXPECT_FALSE(back->close());
        QCoreApplication::processEvents();
        EXPECT_TRUE(back->isVisible());
    };
    closeBackdrop();
    EXPECT_EQ(actions, 0);  // the tool is there
    tool->showMinimized();
    closeBackdrop();
    EXPECT_EQ(actions, 0);  // minimized, it is there too
    tool->hide();
    closeBackdrop();
    EXPECT_EQ(actions, 1);
    Windows().show(QStringLiteral("LoneHome"));  // the home window does not count as a tool
    closeBackdrop();
    EXPECT_EQ(actions, 2);
    window_rules::setLoneBackdropAction(nullptr, {});
}
