// The table window's printouts as text pages: layouts, page breaks and page numbers.
#include "investments/model/table_report.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "common/print_device.h"
#include "common/printing.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/table_test_portfolio.h"

using namespace testportfolio;

namespace {

// What the To Printer action does around a report (a test of the Courier font switches it in
// its report).
template <class Report>
TextDevice Print(Report report) {
    TextDevice d;
    report(d);
    FinishPrintout(d);
    return d;
}

// Pages that hold something (the printout ends by asking for a new page).
std::vector<QStringList> Pages(const TextDevice& d) {
    std::vector<QStringList> pages = d.pages();
    while (!pages.empty() && pages.back().isEmpty()) pages.pop_back();
    return pages;
}

QString PageLine(int n) {
    return QString(39, ' ') + "Page " + QString::number(n) + " ";
}

}  // namespace

class TableReport : public PortfolioTest {
  protected:
    // The printouts as the To Printer action makes them: the record listing of a fund, the value
    // report of the current value's pages.
    TextDevice PrintRecords(const QString& header, int fund) {
        return Print([&](PrintDevice& d) {
            PrintRecordReport(d, header, p, totals, fund, summary, settings);
        });
    }
    TextDevice PrintValues(const QString& header, const CurrentValueView& v) {
        return Print(
            [&](PrintDevice& d) { PrintValueReport(d, header, v.page1, v.page2, settings); });
    }
    PersonalSettings settings{.currencySymbol = cur, .linesPerPage = 59};
    QString summary;  // the one-fund price summary
};

TEST_F(TableReport, RecordListingGolden) {
    AddFund("Alpha");
    AddRecord(1, "B", 10, 100, 50, 0, QDate(1996, 3, 15));
    AddRecord(1, "D", 12.5, 4, 0, 0, QDate(1996, 12, 20));
    AddRecord(1, "C", 0, 0, 0, 1234.5, QDate(1997, 1, 2));
    AddRecord(1, "S", 20, 50, 25, 0, QDate(1997, 6, 30));
    const TextDevice d = PrintRecords("My Funds", 1);
    const auto pages = Pages(d);
    ASSERT_EQ(pages.size(), 1u);
    const QStringList expected = {
        QString(35, ' ') + "My Funds",
        "",
        QString(31, ' ') + "Alpha",
        QString(78, '_'),
        "Trans-           Trade    Share   Number     Comm     Div.    Cash        Book",
        "action            Date    Price   Shares     Fees   Shares    Div.       Value",
        "Bought       3/15/1996    10.00   100.000    50.00              0.00   1,050.00",
        "Div. Shares  12/20/1996   12.50     4.000     0.00    50.00     0.00       0.00",
        "Cash Div.    1/2/1997      0.00     0.000     0.00          1,234.50  -1,234.50",
        "Sold         6/30/1997    20.00   -50.000    25.00              0.00    -975.00",
        "",
        "Total:                             54.000    75.00    50.00 1,234.50  -1,159.50",
        "Average Cost per Share   = $.0000",
    };
    EXPECT_EQ(pages[0], expected) << pages[0].join("|\n").toStdString();
}

// Every page holds at most LinesPerPage lines; each later page is numbered at
// column 40 and repeats the column headings; no record is lost or repeated.
TEST_F(TableReport, LongListingBreaksIntoNumberedPagesThatFit) {
    AddFund("Alpha");
    for (int i = 0; i < 80; ++i) AddRecord(1, "B", i + 1, 1, 0, 0, QDate(1990, 1, 1).addDays(i));
    settings.linesPerPage = 30;
    BuildRecordView(p, totals, 1, cur);
    summary = PriceFund(totals, 100, cur).summary;
    const TextDevice d = PrintRecords("Header", 1);
    const auto pages = Pages(d);
    ASSERT_GE(pages.size(), 4u);
    int records = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_LE(pages[i].size(), 30) << "page " << i + 1;
        if (i > 0) {
            EXPECT_EQ(pages[i][0], PageLine(static_cast<int>(i) + 1));
            EXPECT_EQ(pages[i][1], "");
            EXPECT_TRUE(pages[i][2].startsWith("Trans-"));
            EXPECT_TRUE(pages[i][3].startsWith("action"));
        }
        for (const QString& l : pages[i]) records += l.startsWith("Bought") ? 1 : 0;
    }
    EXPECT_EQ(records, 80);
    // The totals, the average and the price summary stay together at the end.
    const QStringList& last = pages.back();
    EXPECT_TRUE(last.contains(QString(" ") + QString(77, '_')));
    EXPECT_TRUE(std::any_of(last.begin(), last.end(),
                            [](const QString& l) { return l.startsWith("Total:"); }));
    EXPECT_TRUE(last.last().endsWith("%"));
}

TEST_F(TableReport, CourierIsSetAgainOnEveryPage) {
    AddFund("Alpha");
    for (int i = 0; i < 150; ++i) AddRecord(1, "B", 1, 1, 0, 0, QDate(1990, 1, 1).addDays(i));
    settings.printerFont = PrinterFont::CourierNew;
    const TextDevice d = Print([&](PrintDevice& device) {
        ApplyChosenPrinterFont(device,
                               settings);  // as the To Printer action does: measured in Courier
        PrintRecordReport(device, "H", p, totals, 1, summary, settings);
    });
    const auto pages = Pages(d);
    const int capacity = settings.linesPerPage;
    EXPECT_EQ(capacity, 65);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0][0], "");  // the font switch's empty line
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_LE(pages[i].size(), capacity);
        if (i > 0) {
            EXPECT_EQ(pages[i][0], PageLine(static_cast<int>(i) + 1));
            EXPECT_EQ(pages[i][1], "");  // the font again
            EXPECT_EQ(pages[i][2], "");
        }
    }
    EXPECT_EQ(d.fontChanges(), 3);
}

TEST_F(TableReport, ValueReportGolden) {
    AddFund("Alpha");
    AddFund("Beta");
    AddRecord(1, "B", 10, 100, 50, 0, QDate(1996, 3, 15));
    AddRecord(2, "B", 20, 50, 0, 0, QDate(1996, 3, 15));
    PrepareFundTotals(totals);
    totals(1, 2) = M(12);
    totals(2, 2) = M(30);
    AccumulateHoldings(p, totals);
    const CurrentValueView v = ComputeFundValues(p, totals, cur);
    const TextDevice d = PrintValues("Family Portfolio", v);
    const auto pages = Pages(d);
    ASSERT_EQ(pages.size(), 1u);
    QStringList expected = {QString(31, ' ') + "Family Portfolio", ""};
    expected += v.page1.split("\r\n");
    EXPECT_EQ(pages[0], expected) << pages[0].join("|\n").toStdString();
    EXPECT_EQ(pages[0][8],
              "             100.0000     1,050.00    12.0000     1,200.00      150.00   14.29%");
}

// Funds 12 and later go on a page of their own; a small page splits them further,
// never between a fund's two lines.
TEST_F(TableReport, ThirtyFundsOnNumberedPages) {
    for (int f = 1; f <= 30; ++f) {
        AddFund(QStringLiteral("Fund %1").arg(f, 2, 10, QLatin1Char('0')));
        AddRecord(f, "B", 10, f, 0, 0, QDate(1996, 1, 1));
    }
    PrepareFundTotals(totals);
    for (int f = 1; f <= 30; ++f) totals(f, 2) = M(11);
    AccumulateHoldings(p, totals);
    const CurrentValueView v = ComputeFundValues(p, totals, cur);
    settings.linesPerPage = 40;
    const TextDevice d = PrintValues("H", v);
    const auto pages = Pages(d);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[0].last().isEmpty() || pages[0].last().contains("%"));
    EXPECT_EQ(pages[1][0], PageLine(2));
    EXPECT_EQ(pages[1][4], "  " + QString(77, '_'));
    EXPECT_EQ(pages[1][5].left(11), "  Fund 12 (");
    EXPECT_EQ(pages[2][0], PageLine(3));
    int names = 0;
    for (const auto& page : pages) {
        EXPECT_LE(page.size(), 40);
        for (int i = 0; i < page.size(); ++i)
            if (page[i].startsWith("  Fund ")) {
                ++names;
                ASSERT_LT(i + 1, page.size());
                EXPECT_TRUE(page[i + 1].endsWith("%"));  // its figures on the same page
            }
    }
    EXPECT_EQ(names, 30);
    EXPECT_TRUE(pages[2].last().startsWith("  Total:"));
}

TEST_F(TableReport, FiguresWiderThanTheirFieldsAreKeptWhole) {
    AddFund("Big");
    AddRecord(1, "B", 123456.78, 98765.432, 10000, 0, QDate(1996, 1, 1));
    const QString line = RecordReportLine(p.records[1]);
    EXPECT_TRUE(line.contains(" 123,456.78 ")) << line.toStdString();
    EXPECT_TRUE(line.contains(" 98,765.432 ")) << line.toStdString();
    const QString book = Format(p.records[1].BookValue, u"###,,##0.00");
    EXPECT_EQ(book.size(), 17);
    EXPECT_TRUE(line.endsWith(" " + book)) << line.toStdString();
}

TEST_F(TableReport, BlockLongerThanAPageLeavesNoEmptyPage) {
    TextDevice d;
    PagedReport report(d, 12, {"heading"});
    QStringList block;
    for (int i = 0; i < 20; ++i) block << QString::number(i);
    report.block(block);
    ASSERT_EQ(d.pages().size(), 2u);
    EXPECT_EQ(d.pages()[0].first(), "0");
    EXPECT_EQ(d.pages()[0].size(), 12);
    EXPECT_EQ(d.pages()[1][0], PageLine(2));
    EXPECT_EQ(d.pages()[1][2], "heading");
    EXPECT_EQ(d.pages()[1].last(), "19");
}
