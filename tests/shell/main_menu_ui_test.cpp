#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "planning/ui/mortgage_window.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/help_viewer.h"
#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/model/program_folder.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/ui_test_support.h"

namespace {

class MainMenu : public WindowTest {
  protected:
    MenuMain* menu() {
        auto* m = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
        m->show();
        return m;
    }
    void closeHelpViewers() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<HelpViewer*>(w)) w->close();
        settle();
    }
};

struct Route {
    const char* button;
    const char* window;
    int mode;  // the use a tool of two uses opens in; -1: a tool of one use
};

// The use a tool of two uses was opened in, -1 for any other window.
int ModeOf(QWidget* w) {
    if (auto* savings = qobject_cast<CalcInpt*>(w)) return static_cast<int>(savings->mode());
    if (auto* mortgage = qobject_cast<CdnMort*>(w)) return static_cast<int>(mortgage->mode());
    return -1;
}

}  // namespace

TEST_F(MainMenu, EveryToolButtonHidesTheMenuAndOpensItsWindowWithItsMode) {
    const Route routes[] = {
        {"Savings", "CalcInpt", 1},    {"Plan401K", "PlanK", -1},   {"Retirement", "Income", -1},
        {"SavingComp", "CalcInpt", 2}, {"HowMuch", "CalCaptl", -1}, {"LoanPmt", "CdnMort", 2},
        {"Canadian", "CdnMort", 1},    {"Manager", "FundMenu", -1}, {"NetWorth", "DispNet", -1},
        {"Compound", "FindComp", -1},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.button);
        MenuMain* m = menu();
        const QString name = QString::fromLatin1(r.window);
        // A tool of one use is shown by its name; a stand-in shows it was.
        if (r.mode < 0) Windows().define(name, [] { return new QWidget; });
        QTest::mouseClick(m->button(QString::fromLatin1(r.button)), Qt::LeftButton);
        EXPECT_FALSE(m->isVisible());
        EXPECT_TRUE(Windows().visible(name));
        EXPECT_EQ(ModeOf(Windows().get(name)), r.mode);
        Windows().unload(name);
        settle();
    }
}

TEST_F(MainMenu, PlaceholderToolReturnsToTheMenu) {
    MenuMain* m = menu();
    QTest::mouseClick(m->button(QStringLiteral("LoanPmt")), Qt::LeftButton);
    QWidget* tool = Windows().get(QStringLiteral("CdnMort"));
    ASSERT_TRUE(tool);
    EXPECT_EQ(tool->windowTitle(), "Monthly Payments on a Loan");
    auto* exit = tool->findChild<QPushButton*>(QStringLiteral("ExitButton"));
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->text(), "E&xit to Menu");
    exit->click();
    settle();
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(Windows().exists(QStringLiteral("CdnMort")));
}

TEST_F(MainMenu, HelpButtonsLeaveTheMenuShownAndOpenOneViewerPerPress) {
    MenuMain* m = menu();
    const int before = HelpViewer::openCount();
    QTest::mouseClick(m->button(QStringLiteral("HowTo")), Qt::LeftButton);
    QTest::mouseClick(m->button(QStringLiteral("HowTo")), Qt::LeftButton);
    QTest::mouseClick(m->button(QStringLiteral("Prosperon")), Qt::LeftButton);
    EXPECT_TRUE(m->isVisible());
    EXPECT_EQ(HelpViewer::openCount(), before + 3);
    closeHelpViewers();
    EXPECT_EQ(HelpViewer::openCount(), before);
}

TEST_F(MainMenu, ButtonsSitWhereTheLayoutPutsThemInTabOrder) {
    MenuMain* m = menu();
    EXPECT_EQ(m->windowTitle(), "Vantora 95");
    EXPECT_EQ(m->size(), QSize(twips::px(9480), twips::px(6360)));
    const char* order[] = {"Savings",   "Plan401K", "Retirement",   "SavingComp", "HowMuch",
                           "LoanPmt",   "Canadian", "Manager",      "NetWorth",   "Compound",
                           "Prosperon", "HowTo",    "InitCurrFont", "ExitButten"};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        EXPECT_EQ(m->button(QString::fromLatin1(order[i]))->nextInFocusChain(),
                  m->button(QString::fromLatin1(order[i + 1])))
            << order[i];
    EXPECT_EQ(m->button(QStringLiteral("Compound"))->geometry(),
              twips::rect(5220, 1755, 3450, 450));
    EXPECT_EQ(m->button(QStringLiteral("ExitButten"))->geometry(),
              twips::rect(3645, 5460, 2460, 450));
    EXPECT_EQ(m->button(QStringLiteral("InitCurrFont"))->text(), "Persona&lize Settings");
    // Every caption fits its button.
    for (QPushButton* b : m->findChildren<QPushButton*>()) {
        const QFontMetrics fm(b->font());
        EXPECT_LT(fm.horizontalAdvance(b->text().remove(u'&')), b->width() - 8)
            << b->objectName().toStdString();
    }
}

TEST_F(MainMenu, MyNameShowsTheUsersNameOrHides) {
    MenuMain* m = menu();
    QFile f(QStringLiteral("Personal.vtp"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"$\",0,\"Jane Smith\"\r\n");
    f.close();
    m->LoadPersonalSettings();
    EXPECT_TRUE(m->MyName()->isVisible());
    EXPECT_EQ(m->MyName()->text(), "Jane Smith");
    EXPECT_EQ(m->MyName()->pos(), twips::rect(4725, 6030, 1, 1).topLeft());
    // A long name stays inside the window; one longer than it is shortened.
    for (const int repeat : {3, 12}) {
        State().settings.userName = QStringList(repeat, QStringLiteral("Hohenzollern")).join(u' ');
        m->ShowMyName();
        EXPECT_LE(m->MyName()->geometry().right(), m->width()) << repeat;
        EXPECT_GE(m->MyName()->x(), 0) << repeat;
        EXPECT_EQ(m->MyName()->text() == State().settings.userName, repeat == 3);
    }
    State().settings.userName.clear();
    m->ShowMyName();
    EXPECT_FALSE(m->MyName()->isVisible());
}

TEST_F(MainMenu, StartUpReadsTheSettingsAndShowsBackdropAndMenu) {
    State().reset();
    MenuMain* m = StartProgram();
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(Windows().visible(QStringLiteral("bakgnd")));  // behind it once it is drawn
    // The program's folder (here the test binary's, which is writable) is the current folder.
    EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(State().settings.currencySymbol.isEmpty());  // the settings were read
    EXPECT_EQ(State().settings.linesPerPage, 59);             // usable at once
    // Once the menu has been drawn, the page capacity is that of the printing device.
    m->repaint();
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("bakgnd")));
    EXPECT_EQ(State().settings.linesPerPage, StartupLinesPerPage());
    EXPECT_EQ(m->MyName()->isVisible(), !State().settings.userName.isEmpty());
}

namespace {

// The program was asked to end: an event loop started now stops at once. The request is then
// cleared by running the application's own loop for a moment, so that the modal windows of the
// tests after this one wait for their answers.
void ExpectTheProgramToEnd() {
    QEventLoop loop;
    QTimer::singleShot(1000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), -1);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

}  // namespace

TEST_F(MainMenu, ExitEndsTheProgramWithEveryWindowClosed) {
    MenuMain* m = menu();
    Windows().show(QStringLiteral("bakgnd"));
    Windows().show(QStringLiteral("FundMenu"));
    QTest::mouseClick(m->button(QStringLiteral("ExitButten")), Qt::LeftButton);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(script.messages().empty());  // no question, nothing saved
    ExpectTheProgramToEnd();

    // Closing the menu's frame does the same: the backdrop is never left alone.
    m->show();
    Windows().show(QStringLiteral("bakgnd"));
    m->close();
    EXPECT_FALSE(Windows().visible(QStringLiteral("bakgnd")));
    ExpectTheProgramToEnd();
}
