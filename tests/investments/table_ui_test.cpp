// Table1's printouts through the real PDF device, read back as text in fixed character cells.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/number_format.h"
#include "common/printing.h"
#include "investments/model/current_value.h"
#include "investments/model/table_report.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/fund_chooser_window.h"
#include "investments/ui/table_window.h"
#include "investments/ui/value_commands.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "support/ui_test_support.h"

using namespace testportfolio;

namespace {

// The line of `page` holding `needle`, and the column (from 1, less the page's
// left margin `margin`) where `needle` starts and ends.
struct Found {
    int start = -1, end = -1;
};
Found Find(const QString& page, const QString& needle, int margin) {
    for (const QString& l : page.split(u'\n')) {
        const int at = static_cast<int>(l.indexOf(needle));
        if (at >= 0) return {at - margin + 1, at - margin + static_cast<int>(needle.size())};
    }
    return {};
}

// The margin: where the column headings' first line starts.
int Margin(const QString& page, const QString& firstHeading) {
    for (const QString& l : page.split(u'\n')) {
        const int at = static_cast<int>(l.indexOf(firstHeading));
        if (at >= 0) return at;
    }
    return -1;
}

}  // namespace

class TablePdf : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath("table.pdf");
        // Printouts go to a PDF file; the page capacity is measured on it, as at start-up.
        setPrintDeviceFactory([this](const QString& job) -> std::unique_ptr<PrintDevice> {
            auto d = std::make_unique<PrinterDevice>(pdf, job);
            State().settings.linesPerPage = MeasureLinesPerPage(*d);
            return d;
        });
        Windows().show("FundMenu");
        Fresh();
    }
    void AnswerHeader(const QString& header) {
        script.onModal([header](QWidget* w) {
            w->findChild<QLineEdit*>("InFName")->setText(header);
            w->findChild<QPushButton*>("Acept")->click();
        });
    }
    QTemporaryDir dir;
    QString pdf;
};

TEST_F(TablePdf, RecordListingPagesFitAndAreNumbered) {
    AddFund("Alpha Growth");
    for (int i = 0; i < 130; ++i)
        AddRecord(1, "B", 10 + i, 1000, 12.5, 0, QDate(1990, 1, 1).addDays(7 * i));
    script.onModal([](QWidget* w) {
        auto* chooser = qobject_cast<FunChose*>(w);
        chooser->Fund()->setCurrentRow(0);
        QTest::keyClick(chooser->Fund(), Qt::Key_Return);
    });
    DisplayDataCommand(Doc());
    auto* table = Windows().get<Table1>("Table1");
    ASSERT_TRUE(table->isVisible());
    AnswerHeader("All purchases");
    table->Printr()->click();

    // The same listing as text pages with the capacity the PDF device gave.
    TextDevice text;
    PrintRecordReport(text, "All purchases", Doc().portfolio, Doc().totals, 1,
                      Doc().reportPages.value(1), State().settings);
    std::vector<QStringList> expected = text.pages();

    const QStringList pages = pdfPages(pdf);
    ASSERT_GE(pages.size(), 3);
    // No page overflowed: the PDF has exactly the pages the report broke into.
    EXPECT_EQ(pages.size(), static_cast<int>(expected.size()));
    for (int i = 0; i < pages.size(); ++i) {
        const int m = Margin(pages[i], "Trans-");
        ASSERT_GE(m, 0) << "page " << i + 1;
        if (i > 0) {
            EXPECT_EQ(Find(pages[i], "Page " + QString::number(i + 1), m).start, 40);
        }
        EXPECT_EQ(Find(pages[i], "action            Date", m).start, 1);
    }
    const int m = Margin(pages[0], "Trans-");
    EXPECT_EQ(Find(pages[0], "Alpha Growth", m).start, 32);
    // The first purchase: date at 14, figures ending at 31, 41, 50, 79.
    EXPECT_EQ(Find(pages[0], "1/1/1990", m).start, 14);
    EXPECT_EQ(Find(pages[0], " 10.00 ", m).end, 32);
    EXPECT_EQ(Find(pages[0], "1,000.000", m).end, 41);
    EXPECT_EQ(Find(pages[0], "12.50", m).end, 50);
    EXPECT_EQ(Find(pages[0], "10,012.50", m).end, 79);
    EXPECT_TRUE(pages.last().contains("Average Cost per Share"));
}

TEST_F(TablePdf, ValueReportColumnsUnderTheirHeadings) {
    for (int f = 1; f <= 14; ++f) {
        AddFund(QStringLiteral("Fund number %1").arg(f));
        AddRecord(f, "B", 10, 100 * f, 25, 0, QDate(1996, 1, f));
    }
    PrepareFundTotals(Doc().totals);
    for (int f = 1; f <= 14; ++f) Doc().totals(f, 2) = M(12.5);
    AccumulateHoldings(Doc().portfolio, Doc().totals);
    ASSERT_TRUE(ComputeCurrentValue(Doc()));
    auto* table = Windows().get<Table1>("Table1");
    AnswerHeader("Year end");
    table->Printr()->click();

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);  // funds 12 and later on a page of their own
    const int m = Margin(pages[0], "  Name of     Number") + 0;
    ASSERT_GE(m, 0);
    EXPECT_EQ(Find(pages[0], "Current Value of all Funds.", m).start, 28);
    EXPECT_EQ(Find(pages[0], "Fund number 1 (", m).start, 3);
    // Fund 1: 100 shares, book 1,025.00, price 12.5, value 1,250.00, gain 225.00, 21.95 %.
    EXPECT_EQ(Find(pages[0], "100.0000", m).end, 21);
    EXPECT_EQ(Find(pages[0], "1,025.00", m).end, 34);
    EXPECT_EQ(Find(pages[0], "12.5000", m).end, 45);
    EXPECT_EQ(Find(pages[0], "1,250.00", m).end, 58);
    EXPECT_EQ(Find(pages[0], "225.00", m).end, 70);
    EXPECT_EQ(Find(pages[0], "21.95%", m).end, 79);
    const int m2 = Margin(pages[1], "  Name of     Number");
    EXPECT_EQ(Find(pages[1], "Page 2", m2).start, 40);
    EXPECT_EQ(Find(pages[1], "Fund number 12 (", m2).start, 3);
    EXPECT_EQ(Find(pages[1], "Total:", m2).start, 3);
}
