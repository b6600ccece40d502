// F1 in a window opens the manual at that window's section.
#include "shell/ui/help_key_ui.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_chooser_window.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "planning/ui/mortgage_window.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/help_viewer.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "support/ui_test_support.h"

using namespace testportfolio;

namespace {

QList<HelpViewer*> Viewers() {
    QList<HelpViewer*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<HelpViewer*>(w); v && v->isVisible()) list << v;
    return list;
}

// A key pressed where the user would press it: in a control of the window.
void PressF1In(QWidget* window) {
    QWidget* target = window;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus && child->isVisible()) {
            target = child;
            break;
        }
    QTest::keyClick(target, Qt::Key_F1);
}

}  // namespace

class HelpKey : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        InstallHelpKey();
        SetManualPath(QStringLiteral(VANTORA_HELP_DIR "/VTK.html"));
    }
    void TearDown() override {
        for (HelpViewer* v : Viewers()) v->close();
        WindowTest::TearDown();
    }
};

TEST_F(HelpKey, F1InEachToolOpensItsSectionInOneManualWindow) {
    struct Case {
        const char* window;
        int mode;  // of a window of two uses
        const char* anchor;
    };
    const Case cases[] = {
        {"MenuMain", 0, "menu"},     {"CalcInpt", 1, "savings"},  {"CalcInpt", 2, "comparisons"},
        {"CdnMort", 1, "mortgages"}, {"CdnMort", 2, "loans"},     {"FundMenu", 0, "fundmenu"},
        {"DispNet", 0, "networth"},  {"FindComp", 0, "compound"}, {"PlanK", 0, "k401"},
        {"Income", 0, "retirement"}, {"CalCaptl", 0, "capital"},  {"SymbolFonts", 0, "settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        const QString name = QString::fromLatin1(c.window);
        QWidget* w = name == "CalcInpt"  ? CalcInpt::open(static_cast<SavingsMode>(c.mode))
                     : name == "CdnMort" ? CdnMort::open(static_cast<MortgageMode>(c.mode))
                                         : Windows().get(name);
        ASSERT_NE(w, nullptr);
        w->show();
        PressF1In(w);
        settle();
        const QList<HelpViewer*> viewers = Viewers();
        ASSERT_EQ(viewers.size(), 1);  // F1 again uses the manual window already open
        EXPECT_TRUE(viewers[0]->documentFound());
        EXPECT_EQ(viewers[0]->currentSection(), QString::fromLatin1(c.anchor));
        EXPECT_EQ(viewers[0]->windowTitle(), QStringLiteral("How to Use the Program"));
        Windows().unload(QString::fromLatin1(c.window));
        settle();
    }
}

TEST_F(HelpKey, OverAModalWindowTheManualOpensModalAndCanBeClosed) {
    QWidget* w = Windows().get(QStringLiteral("SymbolFonts"));
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    ASSERT_EQ(QApplication::activeModalWidget(), w);
    PressF1In(w);
    settle();
    const QList<HelpViewer*> viewers = Viewers();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_TRUE(viewers[0]->isModal());
    EXPECT_EQ(viewers[0]->currentSection(), QStringLiteral("settings"));
    QApplication::setActiveWindow(viewers[0]);
    QTest::keyClick(viewers[0]->browser(), Qt::Key_Escape);  // closes it, as the frame would
    settle();
    EXPECT_TRUE(Viewers().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), w);
    w->setWindowModality(Qt::NonModal);
}

// The table window reached as the user reaches it: Display Data with a fund chosen shows the fund's
// records, Compute Current Value the value of every fund; F1 follows what it shows.
TEST_F(HelpKey, TheTableWindowOpensTheSectionOfWhatItShows) {
    Fresh();
    AddFund(QStringLiteral("Alpha"));
    AddRecord(1, QStringLiteral("B"), 10, 100, 0, 0, QDate(1996, 3, 15));
    script.onModal([](QWidget* w) {
        auto* chooser = qobject_cast<FunChose*>(w);
        ASSERT_TRUE(chooser);
        chooser->Fund()->setCurrentRow(0);
        QTest::keyClick(chooser->Fund(), Qt::Key_Return);
    });
    DisplayDataCommand(Doc());
    State().settings.printerFont = PrinterFont::Standard;
    Doc().totals(1, 2) = Money::fromInt(12);  // the price typed for the current value
    for (const char* anchor : {"display", "currentvalue"}) {
        if (QString::fromLatin1(anchor) == u"currentvalue") {
            ASSERT_TRUE(ComputeCurrentValue(Doc()));
        }
        QWidget* w = Windows().get(QStringLiteral("Table1"));
        ASSERT_TRUE(w && w->isVisible());
        PressF1In(w);
        settle();
        ASSERT_EQ(Viewers().size(), 1);
        EXPECT_EQ(Viewers()[0]->currentSection(), QString::fromLatin1(anchor));
    }
}

TEST_F(HelpKey, F1InTheManualItselfOpensNothingMore) {
    HelpViewer* v = OpenManualAt(QStringLiteral("keys"));
    QTest::keyClick(v->browser(), Qt::Key_F1);
    settle();
    EXPECT_EQ(Viewers().size(), 1);
    EXPECT_EQ(v->currentSection(), QStringLiteral("keys"));
}
