// The year window over the savings plan: deposits during the year, the options, Insert and Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

class YearWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        menu->show();
        menu->button(QStringLiteral("Savings"))->click();
        plan = Windows().get<CalcInpt>(QStringLiteral("CalcInpt"));
        plan->Calculate();
    }
    // Presses "&Year" and runs `act` while the year window is up.
    void withYearWindow(const std::function<void(Calcyear*)>& act) {
        script.onModal([act](QWidget* w) {
            QApplication::setActiveWindow(w);
            act(qobject_cast<Calcyear*>(w));
        });
        plan->findChild<QPushButton*>(QStringLiteral("SmalSav"))->click();
        settle();
    }
    template <class T>
    static T* child(QWidget* w, const char* name) {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    static void type(Calcyear* y, const char* box, const QString& keys) {
        auto* b = child<QLineEdit>(y, box);
        b->setFocus();
        QTest::keyClicks(b, keys);
        QTest::keyClick(b, Qt::Key_Return);
    }
    // Clicks an option button on its round mark, where a user clicks.
    static void choose(Calcyear* y, const char* option) {
        auto* b = child<QRadioButton>(y, option);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    static QString result(Calcyear* y) { return child<QLabel>(y, "ResultAnt")->text(); }

    CalcInpt* plan = nullptr;
};

}  // namespace

TEST_F(YearWindow, EachOptionRecomputesAndInsertFillsTheAnnualAmount) {
    withYearWindow([](Calcyear* y) {
        ASSERT_TRUE(y);
        EXPECT_EQ(y->windowTitle(), "Investments made during each Year");
        EXPECT_TRUE(child<QRadioButton>(y, "Option1")->isChecked());
        EXPECT_EQ(child<QLineEdit>(y, "inDeposit")->text(), "");
        type(y, "inDeposit", QStringLiteral("100"));
        EXPECT_TRUE(child<QLineEdit>(y, "inRate")->hasFocus());
        EXPECT_EQ(child<QLineEdit>(y, "inDeposit")->text(), "      $100.00");
        type(y, "inRate", QStringLiteral("12"));
        EXPECT_TRUE(child<QPushButton>(y, "Calc")->hasFocus());
        EXPECT_EQ(child<QLineEdit>(y, "inRate")->text(), "          12.00%");
        EXPECT_EQ(State().CalcInputs.at(8), M(100));
        EXPECT_EQ(State().CalcInputs.at(7), M(12));

        child<QPushButton>(y, "Calc")->click();
        EXPECT_EQ(result(y), "    $1,278.00");  // 1,200 + 100 x 1 % x (12 + 11 + ... + 1)
        choose(y, "Option2");
        EXPECT_EQ(result(y), "      $430.00");  // 400 + 100 x 3 % x (4 + 3 + 2 + 1)
        choose(y, "Option3");
        EXPECT_EQ(result(y), "      $218.00");  // 200 + 100 x 6 % x (2 + 1)
        type(y, "inDeposit", QStringLiteral("600"));
        EXPECT_EQ(result(y), "");  // the first key empties the result too
        child<QPushButton>(y, "Calc")->click();
        EXPECT_EQ(result(y), "    $1,308.00");

        child<QPushButton>(y, "Insert")->click();
        EXPECT_TRUE(y->isVisible());  // the window stays open
        EXPECT_EQ(State().CalcInputs.at(2), M(1308));
        // The figure put into the annual amount is an edit of it: the old results go at once.
        EXPECT_EQ(child<Grid>(Windows().get(QStringLiteral("CalcInpt")), "Grid1")->cellText(1, 1),
                  "");
        child<QPushButton>(y, "ExitButton")->click();
    });
    EXPECT_FALSE(Windows().exists(QStringLiteral("Calcyear")));
    EXPECT_EQ(State().CalcInputs.at(8), Money());
    EXPECT_EQ(State().CalcInputs.at(7), Money());
    EXPECT_EQ(plan->findChild<QComboBox*>(QStringLiteral("InInvest"))->currentText(),
              "          1,308.00");
    // Closing the year window resets the savings results and leaves nothing pending.
    EXPECT_EQ(plan->findChild<Grid*>(QStringLiteral("Grid1"))->cellText(1, 1), "");
    EXPECT_EQ(plan->graphPoints(), 0);
    EXPECT_FALSE(plan->inputEdited());
    plan->Calculate();
    EXPECT_EQ(plan->findChild<Grid*>(QStringLiteral("Grid1"))->cellText(1, 1), "1,308.00");
}

TEST_F(YearWindow, ARateOfZeroKeepsTheResultShownButInsertsZero) {
    withYearWindow([](Calcyear* y) {
        type(y, "inDeposit", QStringLiteral("300"));
        type(y, "inRate", QStringLiteral("12"));
        choose(y, "Option2");
        EXPECT_EQ(result(y), "    $1,290.00");
        EXPECT_EQ(y->yearEndAmount(), M(1290));
        child<QLineEdit>(y, "inRate")->setFocus();
        QTest::keyClick(child<QLineEdit>(y, "inRate"), Qt::Key_Delete);
        child<QLineEdit>(y, "inRate")->clear();
        QTest::keyClick(child<QLineEdit>(y, "inRate"), Qt::Key_Return);
        EXPECT_EQ(State().CalcInputs.at(7), Money());
        child<QPushButton>(y, "Calc")->click();
        EXPECT_EQ(y->yearEndAmount(), Money());
        child<QPushButton>(y, "Insert")->click();
        y->close();  // the frame's close button leaves as Exit does
    });
    EXPECT_EQ(State().CalcInputs.at(2), Money());
    EXPECT_EQ(State().CalcInputs.at(8), Money());
    EXPECT_FALSE(Windows().exists(QStringLiteral("Calcyear")));
    EXPECT_TRUE(Windows().exists(QStringLiteral("CalcInpt")));
}

TEST_F(YearWindow, KeysAreFilteredAndHugeDepositsAreRefused) {
    withYearWindow([this](Calcyear* y) {
        type(y, "inDeposit", QStringLiteral("1a2-3"));
        EXPECT_EQ(State().CalcInputs.at(8), M(123));
        EXPECT_EQ(script.beeps(), 2);
        type(y, "inRate", QStringLiteral("10"));
        type(y, "inDeposit", QStringLiteral("90000000000000"));
        child<QPushButton>(y, "Calc")->click();
        EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
        EXPECT_EQ(result(y), "");
        child<QPushButton>(y, "ExitButton")->click();
    });
}
