#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/keys.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/settings_window.h"
#include "support/ui_test_support.h"

namespace {

class Personalize : public WindowTest {
  protected:
    // Opens the window from the menu as a user does; `act` runs while it is up.
    void openFromMenu(std::function<void(SymbolFonts*)> act) {
        auto* m = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        m->show();
        script.onModal([act](QWidget* w) { act(qobject_cast<SymbolFonts*>(w)); });
        m->button(QStringLiteral("InitCurrFont"))->click();
        settle();
    }
    static QByteArray fileBytes() {
        QFile f(QStringLiteral("Personal.vtp"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

TEST_F(Personalize, ShowsTheSettingsAndSavesWhatTheUserTyped) {
    State().settings.userName = QStringLiteral("Ann");
    State().settings.printerFont = PrinterFont::CourierNew;
    openFromMenu([](SymbolFonts* w) {
        ASSERT_TRUE(w);
        EXPECT_EQ(w->windowTitle(), "Personalize");
        EXPECT_TRUE(w->Option2()->isChecked());
        EXPECT_EQ(w->InCurrency()->text(), "$");
        EXPECT_EQ(w->InMyName()->text(), "Ann");
        QTest::mouseClick(w->Option1(), Qt::LeftButton);
        EXPECT_EQ(State().settings.printerFont, PrinterFont::Standard);  // at once
        QTest::keyClicks(w->InCurrency(), QStringLiteral("E"));
        QTest::keyClicks(w->InCurrency(), QStringLiteral("U"));
        EXPECT_EQ(w->InCurrency()->text(), "U");  // only the last key stays
        w->InMyName()->clear();
        QTest::keyClicks(w->InMyName(), QStringLiteral("Jo, \"Al\""));
        EXPECT_EQ(w->InMyName()->text(), "Jo, Al");  // the double quote was refused
        w->ExitFonts()->click();
    });
    EXPECT_EQ(script.beeps(), 2);
    EXPECT_EQ(fileBytes(), QByteArray("\"U\",0,\"Jo, Al\"\r\n"));
    EXPECT_EQ(State().settings.currencySymbol, "U");
    auto* m = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(m->MyName()->isVisible());
    EXPECT_EQ(m->MyName()->text(), "Jo, Al");
    EXPECT_FALSE(Windows().exists(QStringLiteral("SymbolFonts")));
}

TEST_F(Personalize, ClearingTheNameHidesItAndBackspaceEmptiesTheSymbol) {
    State().settings.userName = QStringLiteral("Ann");
    openFromMenu([](SymbolFonts* w) {
        w->InMyName()->clear();
        QTest::keyClick(w->InCurrency(), Qt::Key_Backspace);
        EXPECT_EQ(w->InCurrency()->text(), "");
        w->ExitFonts()->click();
    });
    EXPECT_EQ(fileBytes(), QByteArray("\"\",0,\"\"\r\n"));
    EXPECT_EQ(State().settings.currencySymbol, "");  // stays empty until the next start reads "$"
    EXPECT_FALSE(Windows().get<MenuMain>(QStringLiteral("MenuMain"))->MyName()->isVisible());
}

TEST_F(Personalize, ClosingTheFrameSavesAndReturnsToTheMenu) {
    openFromMenu([](SymbolFonts* w) {
        QTest::mouseClick(w->Option2(), Qt::LeftButton);
        w->close();
    });
    EXPECT_EQ(fileBytes(), QByteArray("\"$\",6,\"\"\r\n"));
    EXPECT_TRUE(Windows().get(QStringLiteral("MenuMain"))->isVisible());
}

TEST_F(Personalize, AFailedWriteIsNotReportedAndStillReturns) {
    QDir().mkdir(QStringLiteral("Personal.vtp"));  // a folder in the file's place
    openFromMenu([](SymbolFonts* w) { w->ExitFonts()->click(); });
    EXPECT_TRUE(script.messages().empty());
    EXPECT_TRUE(Windows().get(QStringLiteral("MenuMain"))->isVisible());
    EXPECT_GT(State().settings.linesPerPage, 0);
}
