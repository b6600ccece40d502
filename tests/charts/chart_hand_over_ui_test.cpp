#include <gtest/gtest.h>

#include "charts/ui/chart_hand_over.h"
#include "shell/ui/app_state.h"

namespace {

class ChartPointsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s.reset();
        s.settings.currencySymbol = QStringLiteral("$");
    }
    // A fund list as the current value computation leaves it: names in rows
    // 1..n, gain per cent in column 5, current total value in column 3.
    void funds(const QStringList& names) {
        s.FundNames.assign(32, FundNameRow());
        s.FundTotals.create(32, 9);
        for (int k = 1; k <= names.size(); ++k)
            s.FundNames[static_cast<size_t>(k)].FundName = names[k - 1];
        s.FundCount() = static_cast<int16_t>(names.size());
        s.GraphSource = ChartSource::Investments;
    }
    // A mortgage table as the mortgage window leaves it: a balance at the end
    // of each year in column 4 and the total row after the last year.
    void mortgage(int years, double principal, double yearlyDrop) {
        s.YearTable.create(501, 6);
        s.CalcInputs.assign(6, Money());
        s.CalcInputs[1] = Money::fromDouble(principal);
        for (int t = 1; t <= years; ++t) {
            s.YearTable(t, 1) = Money::fromInt(t);
            s.YearTable(t, 4) = Money::fromDouble(principal - yearlyDrop * t);
        }
        s.YearTable(years + 1, 1) = Money::fromInt(years);
        s.YearTable(years + 1, 5) = Money::fromDouble(172610.26);  // total of all payments
        s.GraphSource = ChartSource::Mortgage;
        s.CallMode = 1;
        s.GraphPoints = static_cast<int16_t>(years);
        s.GraphTitle = QStringLiteral("Mortgage balance at start of each Year");
    }
    AppState s;
};

TEST_F(ChartPointsTest, OpeningChartAndOpenerFollowTheSource) {
    const struct {
        int source, mode, chart;
        const char* opener;
    } cases[] = {
        {0, 0, chart_shown::PerCent, "Table1"},      {1, 1, chart_shown::Year, "CalcInpt"},
        {1, 2, chart_shown::Comparison, "CalcInpt"}, {2, 0, chart_shown::Year, "Income"},
        {3, 2, chart_shown::Year, "Income"},         {4, 2, chart_shown::Year, "CdnMort"},
        {5, 0, chart_shown::Year, "CalCaptl"},       {6, 0, chart_shown::Comparison, "FindComp"},
        {7, 0, chart_shown::Year, "PlanK"},          {8, 0, 0, ""}};
    for (const auto& c : cases) {
        s.GraphSource = static_cast<ChartSource>(c.source);
        s.CallMode = static_cast<int16_t>(c.mode);
        EXPECT_EQ(OpeningChart(s), c.chart) << "source " << c.source << " mode " << c.mode;
        EXPECT_EQ(ChartOpener(static_cast<ChartSource>(c.source)), QString::fromLatin1(c.opener))
            << "source " << c.source;
    }
}

TEST_F(ChartPointsTest, PointCountPadsASinglePoint) {
    EXPECT_EQ(ChartPointCount(0), 0);
    EXPECT_EQ(ChartPointCount(1), 2);
    EXPECT_EQ(ChartPointCount(2), 2);
    EXPECT_EQ(ChartPointCount(50), 50);
}

TEST_F(ChartPointsTest, FundChartsTakeEverySlotWithItsName) {
    funds({QStringLiteral("Growth Fund"), QString(), QStringLiteral("Bond Fund")});
    // Gain of 500 on a book cost of 1000 is 50 per cent; the deleted slot has
    // nothing; the third fund lost 12.3456 per cent.
    s.FundTotals(1, 5) = Money::fromDouble(50);
    s.FundTotals(3, 5) = Money::fromDouble(-12.3456);
    s.FundTotals(1, 3) = Money::fromDouble(1500.9999);
    s.FundTotals(3, 3) = Money::fromDouble(250.5);

    const ChartPoints gain = PerCentPoints(s);
    EXPECT_EQ(gain.title, QStringLiteral("Current Value "));
    EXPECT_EQ(gain.axisTitle, QStringLiteral("Gain %"));
    EXPECT_EQ(gain.labels, QStringList({"Growth Fund", "", "Bond Fund"}));
    EXPECT_EQ(gain.values, (std::vector<double>{50, 0, -12.3456}));

    const ChartPoints value = ValuePoints(s);
    EXPECT_EQ(value.title, QStringLiteral("Distribution"));
    EXPECT_EQ(value.axisTitle, QStringLiteral("Value"));
    EXPECT_EQ(value.labels, gain.labels);
    EXPECT_EQ(value.values, (std::vector<double>{1500, 0, 250}));  // whole-number parts
}

TEST_F(ChartPointsTest, SingleFundGetsAnEmptySecondPoint) {
    funds({QStringLiteral("Only Fund")});
    s.FundTotals(1, 5) = Money::fromDouble(100);  // book cost 0, nothing put in: 100 per cent
    s.FundTotals(2, 5) = Money::fromDouble(7);    // left over from an earlier portfolio
    const ChartPoints p = PerCentPoints(s);
    EXPECT_EQ(p.labels, QStringList({"Only Fund", ""}));
    EXPECT_EQ(p.values, (std::vector<double>{100, 0}));
}

TEST_F(ChartPointsTest, SavingsYearsAreDrawnFromColumnFour) {
    s.createCalculatorTables();
    // Savings defaults: 1,000.00 a year at 20 %: 1,200.00, then 2,640.00.
    s.YearTable(1, 1) = Money::fromInt(1);
    s.YearTable(1, 4) = Money::fromDouble(1200);
    s.YearTable(2, 1) = Money::fromInt(2);
    s.YearTable(2, 4) = Money::fromDouble(2640);
    s.GraphSource = ChartSource::Savings;
    s.CallMode = 1;
    s.GraphPoints = 2;
    s.GraphTitle = QStringLiteral("Investment value at end of each Year");
    PrepareYearValues(s);
    EXPECT_EQ(s.YearTable(1, 5), Money::fromDouble(1200));
    EXPECT_EQ(s.YearTable(2, 5), Money::fromDouble(2640));
    const ChartPoints p = YearPoints(s);
    EXPECT_EQ(p.title, QStringLiteral("Investment value at end of each Year"));
    EXPECT_EQ(p.labels, QStringList({"1", "2"}));
    EXPECT_EQ(p.values, (std::vector<double>{1200, 2640}));
}

TEST_F(ChartPointsTest, MortgageBarsStartWithThePrincipal) {
    mortgage(25, 100000, 4000);
    PrepareYearValues(s);
    const ChartPoints p = YearPoints(s);
    ASSERT_EQ(p.values.size(), 25u);
    EXPECT_EQ(p.labels.first(), QStringLiteral("1"));
    EXPECT_EQ(p.labels.last(), QStringLiteral("25"));
    EXPECT_EQ(p.values.front(), 100000);  // the principal
    EXPECT_EQ(p.values[1], 96000);        // the balance after year 1
    EXPECT_EQ(p.values.back(), 4000);     // the balance at the start of year 25
}

TEST_F(ChartPointsTest, ChartKeepsTheMortgageTotalRow) {
    mortgage(25, 100000, 4000);
    PrepareYearValues(s);
    EXPECT_EQ(s.YearTable(26, 5), Money::fromDouble(172610.26));
    EXPECT_EQ(s.YearTable(26, 1), Money::fromInt(25));
}

TEST_F(ChartPointsTest, OneYearResultHasAnEmptySecondBarNotTheTotalRow) {
    // Retirement income, fixed amount, capital gone in the first year: row 2
    // is the total row, which is not a year to draw.
    s.YearTable.create(363, 6);
    s.CalcInputs.assign(6, Money());
    s.CalcInputs[1] = Money::fromDouble(10000);
    s.YearTable(1, 1) = Money::fromInt(1);
    s.YearTable(1, 4) = Money::fromDouble(0);
    s.YearTable(2, 1) = Money::fromInt(1);
    s.YearTable(2, 2) = Money::fromDouble(310.55);
    s.GraphSource = ChartSource::RetirementFixedAmount;
    s.CallMode = 2;
    s.GraphPoints = 1;
    PrepareYearValues(s);
    const ChartPoints p = YearPoints(s);
    EXPECT_EQ(p.labels, QStringList({"1", ""}));
    EXPECT_EQ(p.values, (std::vector<double>{10000, 0}));
}

TEST_F(ChartPointsTest, ComparisonAxisTitleFollowsTheTool) {
    s.createCalculatorTables();
    s.ComparisonLabels(1, 0) = QStringLiteral("Row  1");
    s.ComparisonLabels(2, 0) = QStringLiteral("Row  2");
    s.ComparisonTable(1, 5) = Money::fromDouble(14.8698);  // 1,000.00 to 2,000.00 in 5 years
    s.ComparisonTable(2, 5) = Money::fromDouble(-50);
    s.GraphPoints = 2;
    s.GraphTitle = QStringLiteral("Annual compound growth comparisons");

    s.GraphSource = ChartSource::CompoundRate;
    ChartPoints p = ComparisonPoints(s);
    EXPECT_EQ(p.axisTitle, QStringLiteral("Gain %"));
    EXPECT_EQ(p.labels, QStringList({"Row  1", "Row  2"}));
    EXPECT_EQ(p.values, (std::vector<double>{14.8698, -50}));

    s.GraphSource = ChartSource::Savings;
    s.CallMode = 2;
    s.settings.currencySymbol = QStringLiteral("£");
    p = ComparisonPoints(s);
    EXPECT_EQ(p.axisTitle, QStringLiteral("Value £"));
    EXPECT_EQ(p.title, QStringLiteral("Annual compound growth comparisons"));
}

TEST_F(ChartPointsTest, AmountsCarryTheCurrencySymbolAndRatesPerCent) {
    s.createCalculatorTables();
    s.settings.currencySymbol = QStringLiteral("DM");
    funds({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(PerCentPoints(s).unit, ChartPoints::Unit::Percent);
    EXPECT_EQ(ValuePoints(s).unit, ChartPoints::Unit::Money);
    EXPECT_EQ(ValuePoints(s).currencySymbol, QStringLiteral("DM"));
    // Every year chart shows amounts: savings, retirement, mortgage, capital, 401(k).
    for (int source : {1, 2, 3, 4, 5, 7}) {
        s.GraphSource = static_cast<ChartSource>(source);
        const ChartPoints p = YearPoints(s);
        EXPECT_EQ(p.unit, ChartPoints::Unit::Money) << source;
        EXPECT_EQ(p.currencySymbol, QStringLiteral("DM")) << source;
    }
    // Comparison rows: amounts for the savings plan, growth rates otherwise.
    s.GraphSource = ChartSource::Savings;
    s.CallMode = 2;
    EXPECT_EQ(ComparisonPoints(s).unit, ChartPoints::Unit::Money);
    s.GraphSource = ChartSource::CompoundRate;
    s.CallMode = 0;
    EXPECT_EQ(ComparisonPoints(s).unit, ChartPoints::Unit::Percent);
}

TEST_F(ChartPointsTest, CountsBeyondTheTablesStopAtTheirEdge) {
    // A count the tables cannot hold, or tables already released, draw what
    // there is and never read outside them.
    s.createCalculatorTables();
    s.GraphSource = ChartSource::Savings;
    s.CallMode = 1;
    s.GraphPoints = 30000;
    EXPECT_NO_THROW(PrepareYearValues(s));
    EXPECT_EQ(YearPoints(s).values.size(), 101u);
    s.GraphSource = ChartSource::Mortgage;
    EXPECT_NO_THROW(PrepareYearValues(s));
    EXPECT_EQ(ComparisonPoints(s).values.size(), 24u);

    s.releaseCalculatorTables();
    EXPECT_NO_THROW(PrepareYearValues(s));
    EXPECT_TRUE(YearPoints(s).values.empty());
    EXPECT_TRUE(ComparisonPoints(s).values.empty());
    s.FundCount() = 5;  // no fund tables at all
    EXPECT_EQ(PerCentPoints(s).values, (std::vector<double>(5, 0.0)));
}

}  // namespace
