// The program on a desktop: start-up stacking, tool placement, frame close, keys, file folders.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "planning/ui/mortgage_window.h"
#include "platform/keys.h"
#include "platform/window_registry.h"
#include "platform/window_rules.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/window_catalog.h"
#include "support/ui_test_support.h"

namespace {

class Desktop : public WindowTest {
  protected:
    MenuMain* menu() {
        Windows().show(QStringLiteral("MenuMain"));
        return Windows().get<MenuMain>(QStringLiteral("MenuMain"));
    }
};

}  // namespace

TEST_F(Desktop, StartUpPutsTheMenuOverTheBackdropWithTheFocus) {
    MenuMain* m = StartProgram();
    settle();
    QWidget* back = Windows().get(QStringLiteral("bakgnd"));
    EXPECT_TRUE(window_rules::isBackdrop(back));
    EXPECT_TRUE(back->isVisible());
    EXPECT_EQ(back->geometry(), m->geometry());
    EXPECT_EQ(QApplication::activeWindow(), m);
    // A large tool window covers both exactly; a smaller one sits over their middle.
    QTest::mouseClick(m->button(QStringLiteral("Savings")), Qt::LeftButton);
    EXPECT_EQ(Windows().get(QStringLiteral("CalcInpt"))->geometry(), back->geometry());
    Windows().unload(QStringLiteral("CalcInpt"));
    Windows().show(QStringLiteral("MenuMain"));
    // Moving the menu takes the backdrop along.
    m->move(m->pos() + QPoint(30, 20));
    settle();
    EXPECT_EQ(back->pos(), m->pos());
}

TEST_F(Desktop, ClosingAToolByItsFrameReturnsToTheMenu) {
    MenuMain* m = menu();
    QTest::mouseClick(m->button(QStringLiteral("LoanPmt")), Qt::LeftButton);
    ASSERT_TRUE(Windows().visible(QStringLiteral("CdnMort")));
    EXPECT_EQ(Windows().get<CdnMort>(QStringLiteral("CdnMort"))->mode(), MortgageMode::Loan);
    Windows().get(QStringLiteral("CdnMort"))->close();
    settle();
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(Windows().exists(QStringLiteral("CdnMort")));
}

TEST_F(Desktop, EnterOnAFocusedMenuButtonPressesIt) {
    MenuMain* m = menu();
    QPushButton* compound = m->button(QStringLiteral("Compound"));
    compound->setFocus();
    QTest::keyClick(compound, Qt::Key_Return);
    EXPECT_FALSE(m->isVisible());
    EXPECT_TRUE(Windows().visible(QStringLiteral("FindComp")));
}

TEST_F(Desktop, InCurValTakesTheFigureWithTwoEnters) {
    bool focusedOk = false;
    script.onModal([&](QWidget* w) {
        auto* in = qobject_cast<InCurVal*>(w);
        ASSERT_TRUE(in);
        keys::type(in->CurVal(), QStringLiteral("12.5"));
        QTest::keyClick(in->CurVal(), Qt::Key_Return);  // the figure is done
        focusedOk = in->focusWidget() == in->Accept();
        QTest::keyClick(in->focusWidget(), Qt::Key_Return);  // presses OK
    });
    EXPECT_EQ(AskCurrentValue(), "12.5");
    EXPECT_TRUE(focusedOk);
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("InCurVal")));
}

TEST_F(Desktop, InCurValTakesAPasteAsTypedKeys) {
    script.onModal([&](QWidget* w) {
        auto* in = qobject_cast<InCurVal*>(w);
        ASSERT_TRUE(in);
        QGuiApplication::clipboard()->setText(QStringLiteral("2,5e3x"));
        in->CurVal()->setFocus();
        QTest::keyClick(in->CurVal(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(in->CurVal(), Qt::Key_Return);
        QTest::keyClick(in->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(AskCurrentValue(), "253");
    EXPECT_EQ(script.beeps(), 3);
}

TEST_F(Desktop, EscapeInAModalWindowIsItsCancel) {
    script.onModal([&](QWidget* w) {
        auto* in = qobject_cast<InCurVal*>(w);
        ASSERT_TRUE(in);
        QApplication::setActiveWindow(in);
        keys::type(in->CurVal(), QStringLiteral("12"));
        QTest::keyClick(in->CurVal(), Qt::Key_Escape);
    });
    EXPECT_EQ(AskCurrentValue(), "");
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("InCurVal")));
    EXPECT_EQ(script.beeps(), 0);
}

TEST_F(Desktop, TheFileDialogStartsInTheFolderOfTheLastFile) {
    QTemporaryDir elsewhere;
    const QString opened = elsewhere.filePath(QStringLiteral("Family.wms"));
    QFile f(opened);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    script.chooseFile(opened);
    ChooseFile(FileChoice::OpenPortfolio);
    EXPECT_EQ(script.fileRequests().back().folder, "");  // the first time: the program's folder

    // Saving proposes the file just opened, in its own folder.
    script.chooseFile(std::nullopt);
    ChooseFile(FileChoice::SavePortfolio);
    EXPECT_EQ(QDir(script.fileRequests().back().folder), QDir(elsewhere.path()));
    EXPECT_EQ(script.fileRequests().back().proposedName, "Family.wms");

    // A cancelled dialog changes nothing; a file saved elsewhere moves the folder on.
    const QString saved = folder.filePath(QStringLiteral("Copy.wmw"));
    script.chooseFile(saved);
    ChooseFile(FileChoice::SaveStatement);
    script.chooseFile(std::nullopt);
    ChooseFile(FileChoice::OpenStatement);
    EXPECT_EQ(QDir(script.fileRequests().back().folder), QDir(folder.path()));
}
