// The calculators' shared pieces: reading a box, the year limit, the grid's rows, the year rows
// of the grid and of the printout.
#include "planning/model/calculator_tables.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "planning/model/calculator_figures.h"
#include "support/money_literals.h"

TEST(BoxReading, TheBoxesOwnFormsReadAsTheFigureTheyShow) {
    struct Case {
        const char* text;
        const char* symbol;
        const char* figure;
    };
    const Case cases[] = {
        {"         $1,500.00", "$", "1500"},  // Delete pressed, nothing deleted
        {"$1,5007.00", "$", "15007"},         // a digit typed inside the figure
        {"             12.50%", "$", "12.5"},
        {"             -5.00%", "$", "-5"},
        {"$-5.00", "$", "-5"},
        {"                   25", "$", "25"},
        {"\u20ac2,000.00", "\u20ac", "2000"},
        {" $100,000.00", "\u20ac", "100000"},  // a default text with its literal "$"
        {"15", "1", "15"},                     // a digit as symbol is never passed over
        {"12.5.3", "$", "12.5"},               // otherwise the leading number
        {"7abc", "$", "7"},
        {"", "$", "0"},
        {"abc", "$", "0"},
        {".", "$", "0"},
        {".5", "$", ".5"},
        {"123456789012.3456", "$", "123456789012.3456"},  // every ten-thousandth, no double
        {"0.00005", "$", "0"},                            // half to even
        {"922337203685477.5807", "$", "922337203685477.5807"},
    };
    for (const Case& c : cases) {
        const auto read = BoxFormat::read(QString::fromUtf8(c.text), QString::fromUtf8(c.symbol));
        ASSERT_TRUE(read.has_value()) << c.text;
        EXPECT_EQ(*read, M(c.figure)) << c.text;
    }
}

TEST(BoxReading, AFigureBeyondTheCurrencyRangeReadsAsNothing) {
    EXPECT_FALSE(BoxFormat::read(QString(400, u'9'), QStringLiteral("$")).has_value());
    EXPECT_FALSE(BoxFormat::read(QStringLiteral("922337203685478"), QStringLiteral("$")));
    EXPECT_FALSE(BoxFormat::read(QStringLiteral("-99999999999999999999"), QStringLiteral("$")));
    // Leading zeros are not size.
    EXPECT_EQ(BoxFormat::read(QString(400, u'0') + u'7', QStringLiteral("$")), Money::fromInt(7));
}

TEST(CalculatorTables, YearLimitsAndGridRows) {
    EXPECT_FALSE(PastYearLimit(50, 50));
    EXPECT_FALSE(PastYearLimit(50.5, 50));  // a term read as typed, not rounded
    EXPECT_TRUE(PastYearLimit(51, 50));
    EXPECT_TRUE(PastYearLimit(481, 480));
    EXPECT_EQ(YearLimitMessage(60), "Wrong entry, 60 Years limit.");

    struct Rows {
        int64_t term;
        int extra;
        int rows;
    };
    const Rows rows[] = {{21, 4, 25}, {22, 4, 26},   {50, 4, 54},  {480, 4, 484},
                         {20, 5, 25}, {21, 5, 26},   {0, 4, 25},   {-65000, 4, 25},
                         {1, 4, 25},  {100, 4, 104}, {362, 4, 366}};
    for (const Rows& r : rows) EXPECT_EQ(GridRowsFor(r.term, r.extra), r.rows) << r.term;
    EXPECT_LE(GridRowsFor(int64_t{1} << 40, 4), 100004);  // never a runaway grid
}

TEST(CalculatorTables, WideFiguresOfAPrintoutEndInLineWhereTheBlanksBeforeThemAllow) {
    const YearPrintLayout layout{{2, 3}, {{17, 14}, {39, 13}, {61, 13}}};
    const struct {
        std::vector<Money> figures;
        const char* line;
    } cases[] = {
        // Every figure fits: each ends at its column's end (30, 51, 73).
        {{M("1"), M("2"), M("3")},
         "   1                      1.00                 2.00                  3.00"},
        // 17 and 18 characters: they reach left into the blanks before them.
        {{M("10544061118.54"), M("101234567890.12"), M("3")},
         "   1         10,544,061,118.54   101,234,567,890.12                  3.00"},
        // No room left: one blank after the figure before, then whole.
        {{M("1"), M("900000000000000"), M("900000000000000")},
         "   1                      1.00 900,000,000,000,000.00 900,000,000,000,000.00"},
    };
    for (const auto& c : cases) {
        TextDevice d;
        PrintYearLine(d, layout, 1, c.figures);
        EXPECT_EQ(d.pages().at(0).at(0).toStdString(), c.line);
    }
    // The total line: the symbol counts in the figure's width.
    TextDevice d;
    PrintTotalLine(d, layout, {M("10544061118.54"), M("0"), M("0")}, QStringLiteral("$"));
    EXPECT_EQ(d.pages().at(0).at(0).toStdString(),
              " Total:     $10,544,061,118.54                 $.00                  $.00");
}

TEST(CalculatorTables, YearGridRowsPickTheirColumnsAndLeaveEmptyTotals) {
    SharedTable<Money> t;
    t.create(4, 6);
    // Two years of a table with the salary in column 0, as the 401(k) keeps it.
    for (int y = 1; y <= 2; ++y) {
        t(y, 0) = Money::fromInt(50000 * y);
        t(y, 1) = Money::fromInt(y);
        t(y, 2) = M("4500");
        t(y, 3) = M("1450.005");
        t(y, 4) = M("1234567.5");
    }
    t(3, 2) = M("9000");
    t(3, 3) = M("0.004");
    t(3, 4) = M("-12.5");
    YearGridColumns cols;
    cols.yearColumns = {0, 2, 3, 4};
    cols.totalColumns = {-1, 2, 3, 4};
    const auto rows = YearGridRows(t, 2, cols, QStringLiteral("DM"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (QStringList{"1", "50,000.00", "4,500.00", "1,450.01", "1,234,567.50"}));
    EXPECT_EQ(rows[1].at(0), "2");
    EXPECT_EQ(rows[2], (QStringList{"Total:", "", "DM9,000.00", "DM0.00", "DM-12.50"}));

    // The loans' total row keeps "####,,###.00": a zero balance shows as "$.00".
    cols.totalColumns = {4};
    cols.totalPicture = QStringLiteral("####,,###.00");
    t(3, 4) = Money();
    EXPECT_EQ(YearGridRows(t, 2, cols, QStringLiteral("$")).back(),
              (QStringList{"Total:", "$.00"}));
}

// The grid reads a source's rows whenever it first draws them: by then the shared table may hold
// another calculation, or none.
TEST(CalculatorTables, AYearGridSourceKeepsTheFiguresOfItsCalculation) {
    SharedTable<Money> t;
    t.create(5, 6);
    for (int y = 1; y <= 4; ++y)
        for (int c = 2; c <= 4; ++c) t(y, c) = Money::fromInt(100 * y + c);
    const GridRowSource source = YearGridSource(t, 3, YearGridColumns{}, QStringLiteral("$"));
    const std::vector<QStringList> made =
        YearGridRows(t, 3, YearGridColumns{}, QStringLiteral("$"));
    ASSERT_EQ(source.count, 4);
    for (int y = 1; y <= 4; ++y)
        for (int c = 2; c <= 4; ++c) t(y, c) = Money::fromInt(-1);
    t.release();
    EXPECT_EQ(source.all(), made);
    EXPECT_EQ(source.cells(2), (QStringList{"3", "302.00", "303.00", "304.00"}));
    EXPECT_EQ(source.cells(3), (QStringList{"Total:", "$402.00", "$403.00", "$404.00"}));
}

TEST(CalculatorTables, YearAndTotalLinesOfAPrintout) {
    // A layout whose middle column is the widest, as the retirement printout's.
    const YearPrintLayout layout{{2, 3}, {{17, 13}, {39, 14}, {61, 13}}};
    TextDevice d;
    PrintYearLine(d, layout, 7, {M("1450"), M("40000"), M("510000")});
    PrintYearLine(d, layout, 100, {M("1234567890.12"), M("0"), M("-5")});
    PrintTotalLine(d, layout, {M("9491.53"), M("12000"), M("97491.53")}, QStringLiteral("$"));
    const QStringList lines = d.pages().at(0);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].toStdString(),
              "   7                 1,450.00              40,000.00           510,000.00");
    // A figure wider than its column is printed whole, still ending in line.
    EXPECT_EQ(lines[1].toStdString(),
              " 100         1,234,567,890.12                    .00                -5.00");
    EXPECT_EQ(lines[2].toStdString(),
              " Total:             $9,491.53             $12,000.00           $97,491.53");
    EXPECT_EQ(YearTableRow(
                  [] {
                      SharedTable<Money> t;
                      t.create(2, 6);
                      t(1, 4) = Money::fromInt(3);
                      t(1, 2) = Money::fromInt(1);
                      return t;
                  }(),
                  1, {4, 2}),
              (std::vector<Money>{Money::fromInt(3), Money::fromInt(1)}));
    EXPECT_EQ(ComparisonRowLabel(23), "Row  23");
}
