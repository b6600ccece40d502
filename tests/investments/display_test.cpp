// The record view: rows, grid size, totals, average cost and pricing one fund.
#include <gtest/gtest.h>

#include "investments/model/display_records.h"
#include "investments/table_test_portfolio.h"

using namespace testportfolio;

class Display : public PortfolioTest {
  protected:
    void SetUp() override {
        AddFund("Alpha");
        AddFund("Beta");
    }
};

TEST_F(Display, GridHasTwentyFiveRowsUpToFourteenRecordsThenGrows) {
    for (int i = 0; i < 14; ++i) AddRecord(1, "B", 1, 1, 0, 0, QDate(1996, 1, 1).addDays(i));
    AddRecord(2, "B", 1, 1, 0, 0, QDate(1996, 1, 1));
    EXPECT_EQ(BuildRecordView(p, totals, 1, cur).gridRows, 25);
    EXPECT_EQ(BuildRecordView(p, totals, 1, cur).nextRow, 19);
    for (int i = 0; i < 6; ++i) AddRecord(1, "B", 1, 1, 0, 0, QDate(1997, 1, 1).addDays(i));
    EXPECT_EQ(BuildRecordView(p, totals, 1, cur).gridRows, 31);
    EXPECT_EQ(BuildRecordView(p, totals, 31, cur).gridRows, 32);  // all 21 records
    EXPECT_EQ(BuildRecordView(p, totals, 2, cur).records.size(), 1u);
}

TEST_F(Display, RowsTotalsAndAverageCost) {
    AddRecord(1, "B", 10, 100, 50, 0, QDate(1996, 3, 15));  // book 1050
    AddRecord(2, "B", 99, 1, 0, 0, QDate(1996, 3, 16));     // another fund
    AddRecord(1, "D", 12, 5, 0, 0, QDate(1996, 6, 30));     // 60 in shares
    AddRecord(1, "C", 0, 0, 0, 20, QDate(1996, 7, 1));
    AddRecord(1, "S", 15, 25, 10, 0, QDate(1996, 8, 1));  // book -365
    AddRecord(1, "U", 14, 1, 0, 0, QDate(1996, 9, 1));    // -14 in shares
    const RecordView v = BuildRecordView(p, totals, 1, cur);
    EXPECT_EQ(v.caption, "Alpha");
    ASSERT_EQ(v.rowCount(), 9);
    EXPECT_EQ(v.row(0), (QStringList{"Bought  ", "3/15/1996", "10.0000", "100.0000", "50.00", ".00",
                                     ".00", "1,050.00"}));
    EXPECT_EQ(v.row(1)[5], "60.00");
    EXPECT_EQ(v.row(3), (QStringList{"Sold    ", "8/1/1996", "15.0000", "-25.0000", "10.00", ".00",
                                     ".00", "-365.00"}));
    EXPECT_EQ(v.row(4)[0], "Unit Fee");
    EXPECT_EQ(v.row(4)[5], "-14.00");
    EXPECT_EQ(v.row(5), QStringList(8));
    // 79 shares, book 1050 - 20 - 365 = 665, money put in 1050 - 20 = 1030.
    EXPECT_EQ(v.row(6),
              (QStringList{"Total:", "", "", "79.0000", "$60.00", "46.00", "$20.00", "$665.00"}));
    EXPECT_EQ(v.row(8)[0], "Average per");
    EXPECT_EQ(v.row(8)[1], "share cost = ");
    EXPECT_EQ(v.row(8)[2], "$8.4177");  // 665 / 79
    EXPECT_EQ(totals(31, 2), M(1030));
    EXPECT_EQ(v.nextRow, 10);
}

TEST_F(Display, FundWithOnlySalesHasNoAverageCost) {
    AddRecord(1, "S", 10, 5, 0, 0, QDate(1996, 1, 1));
    EXPECT_EQ(BuildRecordView(p, totals, 1, cur).avgCost, M(0));
    AddRecord(2, "B", 10, 5, 0, 0, QDate(1996, 1, 1));
    AddRecord(2, "C", 0, 0, 0, 60, QDate(1996, 2, 1));  // book below zero
    EXPECT_EQ(BuildRecordView(p, totals, 2, cur).avgCost, M(0));
}

TEST_F(Display, AllRecordsShowsEveryFund) {
    AddRecord(1, "B", 1, 1, 0, 0, QDate(1996, 1, 1));
    AddRecord(2, "B", 2, 2, 0, 0, QDate(1996, 1, 2));
    const RecordView v = BuildRecordView(p, totals, 31, cur);
    EXPECT_EQ(v.caption, "All Records");
    EXPECT_EQ(v.records, (std::vector<int>{1, 2}));
    EXPECT_EQ(v.row(3)[3], "3.0000");
}

TEST_F(Display, PricingOneFund) {
    AddRecord(1, "B", 10, 100, 0, 0, QDate(1996, 1, 1));
    AddRecord(1, "S", 15, 80, 0, 0, QDate(1996, 2, 1));  // book -200, put in 1000
    BuildRecordView(p, totals, 1, cur);
    const FundPricing priced = PriceFund(totals, 15, cur);
    EXPECT_EQ(priced.value, M(300));
    EXPECT_EQ(priced.gain, M(500));
    EXPECT_EQ(priced.gainPercent, M(50));
    EXPECT_EQ(priced.rows[3], (QStringList{"15.00", "300.00", "500.00", "50.00%"}));
    EXPECT_EQ(priced.rows[1][2], "Loss $   ");
    const QStringList summary = priced.summary.split("\r\n");
    ASSERT_EQ(summary.size(), 3);
    EXPECT_EQ(summary[0],
              " Current Price                   Value                Gain $            Gain %");
    EXPECT_EQ(summary[1], " " + QString(77, u'_'));
    // Each figure ends under the end of its heading.
    EXPECT_EQ(summary[2], QString(6, ' ') + "$15.0000" + QString(17, ' ') + "$300.00" +
                              QString(15, ' ') + "$500.00" + QString(12, ' ') + "50.00%");
}

TEST_F(Display, PricingWithoutAnyBaseCannotCalculate) {
    AddRecord(1, "D", 10, 10, 0, 0, QDate(1996, 1, 1));  // no book, no money put in
    BuildRecordView(p, totals, 1, cur);
    EXPECT_THROW(PriceFund(totals, 12, cur), MoneyOverflow);
    EXPECT_EQ(PriceFund(totals, 0, cur).gainPercent, M(0));  // worth nothing: 0 per cent
}
