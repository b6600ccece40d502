// Returns… in the current value table: the sample portfolio's returns on screen, on paper and in a
// CSV file.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/returns_window.h"
#include "investments/ui/table_window.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/window_registry.h"
#include "support/ui_test_support.h"

namespace {

using testportfolio::Doc;

// The sample at 20.00 a share on 12/31/1998, as tests/tools/annual_return.py works it out.
const QStringList kTotal{"Total:",    "25,075.00", "3,789.00", "31,505.00",
                         "10,219.00", "2.96",      "16.16%",   "year"};
const QStringList kReturns{"18.64%", "8.70%", "32.86%", "-5.83%", "17.76%"};

}  // namespace

class ReturnsWindow : public WindowTest {
  protected:
    // The sample loaded, 20.00 typed for every fund and calculated; the value table open.
    Table1* OpenSampleValues() {
        Windows().show("FundMenu");
        auto* menu = Windows().get<FundMenu>("FundMenu");
        script.chooseFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
        menu->button("Loadfile")->click();
        settle();
        menu->button("CompCurr")->click();
        auto* prices = Windows().get<CurrValue>("CurrValue");
        for (int f = 0; f < Doc().portfolio.fundCount; ++f) keys::type(prices->Grid8(), "20.00\r");
        prices->findChild<QPushButton*>("CurValOK")->click();
        settle();
        return Windows().get<Table1>("Table1");
    }
    // Presses Returns… and runs `inside` on the window it opens, valued on 12/31/1998.
    void PressReturns(Table1* values, const std::function<void(Returns*)>& inside) {
        auto* button = values->ReturnsBut();
        ASSERT_TRUE(button);
        bool opened = false;
        script.onModal([&](QWidget* w) {
            auto* r = qobject_cast<Returns*>(w);
            ASSERT_TRUE(r);
            opened = true;
            ASSERT_TRUE(r->ShowReturns(QDate(1998, 12, 31)));
            inside(r);
            r->ExitBut()->click();
        });
        button->click();
        settle();
        EXPECT_TRUE(opened);
        EXPECT_FALSE(Windows().exists("Returns"));
        EXPECT_TRUE(Windows().visible("Table1"));
    }
};

TEST_F(ReturnsWindow, SampleOnScreenOnPaperAndInCsv) {
    const QString pdf = printToPdf(QStringLiteral("returns.pdf"));
    Table1* values = OpenSampleValues();
    ASSERT_TRUE(values);
    EXPECT_TRUE(values->ReturnsBut()->isVisible());
    EXPECT_EQ(values->ReturnsBut()->text(), "&Returns…");
    const QString csv = folder.filePath("returns.csv");
    PressReturns(values, [&](Returns* w) {
        EXPECT_EQ(w->windowTitle(), "Annual Return of all Funds");
        EXPECT_EQ(w->Label1()->text(), "Money-weighted return at the prices of 12/31/1998");
        Grid* g = w->Grid1();
        for (int f = 1; f <= 5; ++f) EXPECT_EQ(g->cellText(f, 6), kReturns[f - 1]) << f;
        QStringList total;
        for (int c = 0; c < 8; ++c) total << g->cellText(7, c);
        EXPECT_EQ(total, kTotal);
        w->Printr()->click();
        script.chooseFile(csv);
        ASSERT_TRUE(g->saveAsCsv());
    });
    // The printout: the same figures in their columns.
    const QString text = pdfText(pdf, 7.2);
    // The title is centred: 14 blanks before it.
    expectColumns(text, {"Money-weighted return at the prices", 15},
                  {{"Cedar Bond Income", 3},
                   {"32.86% year", 66},
                   {"31,505.00     10,219.00   2.96    16.16% year", 32}});
    for (const QString& r : kReturns) EXPECT_GT(columnOf(text, r), 0) << r.toStdString();
    // The CSV file: plain numbers.
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString rows = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(
        rows.contains("Delta Technology,5800.00,1165.00,4000.00,-635.00,2.39,-5.83,year\r\n"))
        << rows.toStdString();
    EXPECT_TRUE(rows.contains("Total:,25075.00,3789.00,31505.00,10219.00,2.96,16.16,year\r\n"));
}
