// Current value: fund totals, gain rules, the table rows and the printable report entries.
#include "investments/model/current_value.h"

#include <gtest/gtest.h>

#include "investments/table_test_portfolio.h"

using namespace testportfolio;

namespace {

const QDate d1(1996, 3, 15), d2(1996, 6, 1), d3(1997, 1, 10);

}  // namespace

class CurrentValue : public PortfolioTest {
  protected:
    // Prices as the price grid stores them, then "&Calculate".
    CurrentValueView Value(std::initializer_list<double> prices) {
        PrepareFundTotals(totals);
        int f = 1;
        for (double price : prices) totals(f++, 2) = M(price);
        AccumulateHoldings(p, totals);
        return ComputeFundValues(p, totals, cur);
    }
};

// Worked case: purchases with book 1000 worth 1500 now.
TEST_F(CurrentValue, GainOfFiveHundredOnBookOfThousandIsFiftyPerCent) {
    AddFund(QStringLiteral("Alpha"));
    AddRecord(1, "B", 10, 90, 100, 0, d1);  // 900 + fee 100 = book 1000
    const FundValue a = Value({1500.0 / 90}).values.funds[0];
    EXPECT_EQ(a.bookCost, M(1000));
    EXPECT_EQ(a.gain, a.value - M(1000));
    EXPECT_EQ(a.gainPercent, Money::fromDouble(a.gain.toDouble() / 10));

    AddFund(QStringLiteral("Beta"));
    AddRecord(2, "B", 10, 100, 0, 0, d1);
    const CurrentValueView w = Value({1500.0 / 90, 15});
    const FundValue& b = w.values.funds[1];
    EXPECT_EQ(b.value, M(1500));
    EXPECT_EQ(b.gain, M(500));
    EXPECT_EQ(b.gainPercent, M(50));
    // The figures are kept in the totals too (columns 3, 4, 5; the total in row 31).
    EXPECT_EQ(totals(2, 3), M(1500));
    EXPECT_EQ(totals(2, 4), M(500));
    EXPECT_EQ(totals(2, 5), M(50));
    EXPECT_EQ(totals(31, 3), w.values.total.value);
    EXPECT_EQ(w.rows[1], (QStringList{"Beta", "100.0000", "1,000.00", "$15.00", "1,500.00",
                                      "500.00", "50.00%"}));
}

// Worked case: sales returned more than was paid; the gain is measured against the money put in.
TEST_F(CurrentValue, NegativeBookCostIsMeasuredAgainstMoneyPutIn) {
    AddFund(QStringLiteral("Alpha"));
    AddRecord(1, "B", 10, 100, 0, 0, d1);        // book 1000, money put in 1000
    AddRecord(1, "S", 15, 80, 0, 0, d2);         // book -1200
    const CurrentValues v = Value({15}).values;  // 20 shares left, worth 300
    const FundValue& a = v.funds[0];
    EXPECT_EQ(a.bookCost, M(-200));
    EXPECT_EQ(a.moneyIn, M(1000));
    EXPECT_EQ(a.value, M(300));
    EXPECT_EQ(a.gain, M(500));
    EXPECT_EQ(a.gainPercent, M(50));
    EXPECT_EQ(v.total.gainPercent, M(50));  // the total follows the same rule
}

TEST_F(CurrentValue, FundWithoutBookCostOrMoneyPutInGainsHundredPerCent) {
    AddFund(QStringLiteral("Gift"));
    AddRecord(1, "D", 10, 10, 0, 0, d1);  // shares received, book 0
    const CurrentValues v = Value({12}).values;
    EXPECT_EQ(v.funds[0].gainPercent, M(100));
    EXPECT_EQ(v.total.gainPercent, M(0));  // no book cost in the whole portfolio
}

TEST_F(CurrentValue, OnlyHeldFundsNeedAPrice) {
    AddFund(QStringLiteral("Sold Out"));
    AddFund(QStringLiteral("Held"));
    AddRecord(1, "B", 10, 100, 0, 0, d1);
    AddRecord(1, "S", 12, 100, 0, 0, d2);
    AddRecord(2, "B", 5, 10, 0, 0, d1);
    PrepareFundTotals(totals);
    AccumulateHoldings(p, totals);
    EXPECT_EQ(FirstUnpricedHolding(p, totals), 2);  // the sold-out fund is not asked for
    totals(2, 2) = M(6);
    EXPECT_EQ(FirstUnpricedHolding(p, totals), 0);
    const CurrentValueView v = ComputeFundValues(p, totals, cur);
    EXPECT_EQ(v.rows[0][3], "$.00");
    EXPECT_EQ(totals(1, 4), M(200));  // the 200 gained on the sale
}

TEST_F(CurrentValue, EmptyFundIsFoundByItsRecords) {
    AddFund(QStringLiteral("A"));
    AddFund(QStringLiteral("B"));
    AddRecord(1, "B", 1, 1, 0, 0, d1);
    EXPECT_EQ(FirstFundWithoutRecords(p), 2);
    AddRecord(2, "C", 0, 0, 0, 5, d1);
    EXPECT_EQ(FirstFundWithoutRecords(p), 0);
}

// A portfolio whose holdings cancel out is worth 0: no share of it can be
// computed, and nothing divides by it.
TEST_F(CurrentValue, PortfolioWorthNothingShowsNoSharesAndNoFailure) {
    AddFund(QStringLiteral("Long"));
    AddFund(QStringLiteral("Short"));
    AddRecord(1, "B", 10, 10, 0, 0, d1);
    AddRecord(2, "B", 10, 10, 0, 0, d1);
    AddRecord(2, "S", 10, 20, 0, 0, d2);  // more sold than bought: -10 shares
    const CurrentValueView v = Value({10, 10});
    EXPECT_EQ(totals(31, 3), M(0));
    EXPECT_TRUE(v.page1.contains("  Long (0%)"));
    EXPECT_TRUE(v.page1.contains("  Short (0%)"));
    EXPECT_EQ(v.rows[1][1], "-10.0000");
    EXPECT_EQ(PortfolioShare(M(50), M(0)), M(0));
}

TEST_F(CurrentValue, TotalWithNegativeBookAndNoMoneyPutInIsZeroPerCent) {
    EXPECT_EQ(TotalGainPercent(M(100), M(-100), M(0)), M(0));
    EXPECT_EQ(TotalGainPercent(M(100), M(0), M(0)), M(0));
    EXPECT_EQ(TotalGainPercent(M(100), M(200), M(0)), M(50));
    EXPECT_EQ(FundGainPercent(M(100), M(-100), M(0)), M(-100));  // book cost is the base then
}

TEST_F(CurrentValue, ShareOfPortfolioIsCutToHundredths) {
    EXPECT_EQ(PortfolioShare(M(1), M(3)), M(33.33));
    EXPECT_EQ(PortfolioShare(M(2), M(3)), M(66.66));
    EXPECT_EQ(PortfolioShare(M(29), M(100)), M(29));
}

TEST_F(CurrentValue, OverflowLeavesTheTotalsAsTheyWere) {
    AddFund(QStringLiteral("Huge"));
    AddRecord(1, "B", 1, 1e8, 0, 0, d1);
    PrepareFundTotals(totals);
    totals(1, 2) = M(1e8);
    AccumulateHoldings(p, totals);
    const Money before = totals(1, 0);
    EXPECT_THROW(ComputeFundValues(p, totals, cur), MoneyOverflow);
    EXPECT_EQ(totals(1, 0), before);
    EXPECT_EQ(totals(1, 3), M(0));
}

// The grid keeps the prices typed for every fund until the next load or sort.
TEST_F(CurrentValue, TypedPricesSurviveReopeningUntilTheTablesAreRemade) {
    AddFund(QStringLiteral("A"));
    AddFund(QStringLiteral("B"));
    PrepareFundTotals(totals);
    totals(2, 2) = M(7.5);  // fund 1 still has no price
    totals(2, 3) = M(99);
    PrepareFundTotals(totals);
    EXPECT_EQ(totals(2, 2), M(7.5));
    EXPECT_EQ(totals(2, 3), M(0));
    ResetFundTotals(totals, 7);  // what a load or a sort does
    PrepareFundTotals(totals);
    EXPECT_EQ(totals.cols(), 9);
    EXPECT_EQ(totals(2, 2), M(0));
}

TEST_F(CurrentValue, ReportGoldenForTwoFunds) {
    AddFund(QStringLiteral("Alpha"));
    AddFund(QStringLiteral("Beta"));
    AddRecord(1, "B", 10, 100, 50, 0, d1);  // book 1050
    AddRecord(2, "B", 20, 50, 0, 0, d1);    // book 1000
    AddRecord(2, "S", 25, 10, 10, 0, d2);   // book -240
    const CurrentValueView v = Value({12, 30});
    const QString u77(77, u'_');
    const QStringList expected = {
        "                           Current Value of all Funds.",
        "",
        "  Name of     Number          Book    Current      Current      Gain/    Gain/",
        "     Fund     Shares          Cost      Price        Total      Loss $   Loss %",
        "  " + u77,
        "  Alpha (50%)",
        "             100.0000     1,050.00    12.0000     1,200.00      150.00   14.29%",
        "",
        "  Beta (50%)",
        "              40.0000       760.00    30.0000     1,200.00      440.00   57.89%",
        "",
        "  Total:     140.0000    $1,810.00               $2,400.00     $590.00   32.60%",
    };
    EXPECT_EQ(v.page1.split("\r\n"), expected);
    EXPECT_TRUE(v.page2.isEmpty());
    EXPECT_EQ(v.rows[3], (QStringList{"Total:", "140.0000", "$1,810.00", "", "$2,400.00", "$590.00",
                                      "32.60%"}));
    EXPECT_EQ(v.rows[2], QStringList(7));
}

TEST_F(CurrentValue, WideFiguresOfTheReportStayWholeAndOnTheLine) {
    AddFund(QStringLiteral("Huge"));
    AddRecord(1, "B", 1234.5678, 1000000, 0, 0, d1);  // book 1,234,567,800.00
    const CurrentValueView v = Value({1500});
    const QStringList lines = v.page1.split("\r\n");
    // The wide figures reach into the blanks before them and stay whole, one
    // blank apart: the line is 84 columns where figures pushed on made it 93.
    EXPECT_TRUE(
        lines.contains("       1,000,000.0000 1,234,567,800.00 1500.0000 1,500,000,000.00 "
                       "265,432,200.00 21.50%"))
        << v.page1.toStdString();
    EXPECT_TRUE(
        lines.contains("  Total: 1,000,000.0000 $1,234,567,800.00 $1,500,000,000.00 "
                       "$265,432,200.00 21.50%"))
        << v.page1.toStdString();
}

TEST_F(CurrentValue, FundsFromTheTwelfthGoToTheSecondPage) {
    for (int f = 1; f <= 12; ++f) {
        AddFund(QStringLiteral("Fund %1").arg(f, 2, 10, QLatin1Char('0')));
        AddRecord(f, "B", 1, 10, 0, 0, d3);
    }
    std::initializer_list<double> prices = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const CurrentValueView v = Value(prices);
    EXPECT_TRUE(v.page1.contains("Fund 11 ("));
    EXPECT_FALSE(v.page1.contains("Fund 12"));
    EXPECT_FALSE(v.page1.contains("Total:"));
    EXPECT_TRUE(v.page2.startsWith("  Fund 12 (8.33%)"));
    EXPECT_TRUE(v.page2.split("\r\n").last().startsWith("  Total:"));
}
