#include <gtest/gtest.h>

#include "investments/model/fund_charts.h"
#include "planning/model/calculator_charts.h"

namespace {

const QString kEndOfYear = QStringLiteral("Investment value at end of each Year");

// Funds as the current value computation leaves them: names in rows 1..n,
// gain per cent in column 5, current total value in column 3.
struct Funds {
    std::vector<FundNameRow> names = std::vector<FundNameRow>(32);
    SharedTable<Money> totals;
    Funds(const QStringList& fundNames, const std::vector<double>& gains,
          const std::vector<double>& values) {
        totals.create(32, 9);
        for (int k = 1; k <= fundNames.size(); ++k) {
            names[static_cast<size_t>(k)].FundName = fundNames[k - 1];
            totals(k, 5) = Money::fromDouble(gains[static_cast<size_t>(k - 1)]);
            totals(k, 3) = Money::fromDouble(values[static_cast<size_t>(k - 1)]);
        }
    }
    ChartData chart(int count, const QString& symbol = QStringLiteral("$")) const {
        return FundCharts(totals, names, count, symbol);
    }
};

// A mortgage of `years` years: the balance at the end of each year falls by `yearlyDrop`.
MortgageSchedule mortgage(int years, double yearlyDrop) {
    MortgageSchedule s;
    s.periods = years;
    for (int t = 1; t <= years; ++t)
        s.rows.push_back({t, Money(), Money(), Money::fromDouble(100000 - yearlyDrop * t)});
    return s;
}

MortgageInputs borrowed(MortgageMode mode) {
    MortgageInputs in;
    in.mode = mode;
    in.amount = Money::fromDouble(100000);
    return in;
}

// The savings plan's defaults, 1,000.00 a year at 20 %: 1,200.00, then 2,640.00.
SavingsPlan savings() {
    SavingsPlan p;
    p.years = p.yearsComputed = 2;
    p.rows = {{1, {}, {}, Money::fromDouble(1200)}, {2, {}, {}, Money::fromDouble(2640)}};
    return p;
}

RetirementIncome oneRetirementYear() {
    // Capital gone in the first year: the total row that follows is not a year to draw.
    RetirementIncome r;
    r.rows = {{1, Money::fromDouble(310.55), Money(), Money()}};
    return r;
}

RetirementIncomeInputs retirement(WithdrawalChoice choice) {
    RetirementIncomeInputs in;
    in.choice = choice;
    in.capital = Money::fromDouble(10000);
    return in;
}

TEST(ChartData, EachResultChartsItsPoints) {
    const std::vector<Money> rates = {Money::fromDouble(14.8698), Money::fromDouble(-50)};
    const std::vector<Money> finalValues = {Money::fromDouble(566377.32)};
    CapitalPlan capital;
    capital.years = 1;
    capital.rows = {{1, {}, {}, Money::fromDouble(1234.5)}};
    K401Plan k401;
    k401.years = 2;
    k401.rows = {{1, {}, {}, {}, Money::fromDouble(5000)},
                 {2, {}, {}, {}, Money::fromDouble(11000)}};
    ExtraSchedule extras;
    extras.rows = {{1, {}, {}, {}, {}, Money::fromDouble(60000)},
                   {2, {}, {}, {}, {}, Money::fromDouble(10000)},
                   {3, {}, {}, {}, {}, Money()}};
    extras.totals.period = 3;
    const struct {
        const char* source;
        ChartData chart;
        ChartKind kind;
        const char* title;
        const char* axisTitle;
        ChartUnit unit;
        QStringList labels;
        std::vector<double> values;
    } cases[] = {
        {"savings years",
         YearChart(savings(), "$"),
         ChartKind::YearBars,
         "Investment value at end of each Year",
         "",
         ChartUnit::Money,
         {"1", "2"},
         {1200, 2640}},
        {"savings comparisons",
         SavingsComparisonChart(finalValues, "£"),
         ChartKind::ComparisonBars,
         "Savings Comparisons",
         "Value £",
         ChartUnit::Money,
         {"Row  1", ""},
         {566377.32, 0}},
        {"compound rates",
         CompoundRateChart(rates, "$"),
         ChartKind::ComparisonBars,
         "Annual compound growth comparisons",
         "Gain %",
         ChartUnit::Percent,
         {"Row  1", "Row  2"},
         {14.8698, -50}},
        // Bars at the start of each period: the starting amount first.
        {"retirement, fixed amount",
         YearChart(oneRetirementYear(), retirement(WithdrawalChoice::FixedAmount), "$"),
         ChartKind::YearBars,
         "Retirement value at start of each Year",
         "",
         ChartUnit::Money,
         {"1", ""},
         {10000, 0}},
        {"retirement, percentage",
         YearChart(oneRetirementYear(), retirement(WithdrawalChoice::Percentage), "$"),
         ChartKind::YearBars,
         "Retirement value at end of each Year",
         "",
         ChartUnit::Money,
         {"1", ""},
         {0, 0}},
        {"loan",
         YearChart(mortgage(3, 30000), borrowed(MortgageMode::Loan), "$"),
         ChartKind::YearBars,
         "Loan balance at start of each Month",
         "",
         ChartUnit::Money,
         {"1", "2", "3"},
         {100000, 70000, 40000}},
        {"mortgage with extras",
         YearChart(extras, borrowed(MortgageMode::Mortgage), "$"),
         ChartKind::YearBars,
         "Mortgage balance at start of each Year",
         "",
         ChartUnit::Money,
         {"1", "2", "3"},
         {100000, 60000, 10000}},
        {"capital required",
         YearChart(capital, "$"),
         ChartKind::YearBars,
         "Investment value at end of each Year",
         "",
         ChartUnit::Money,
         {"1", ""},
         {1234.5, 0}},
        {"401(k)",
         YearChart(k401, "$"),
         ChartKind::YearBars,
         "Investment value at end of each Year",
         "",
         ChartUnit::Money,
         {"1", "2"},
         {5000, 11000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.chart.kind, c.kind) << c.source;
        EXPECT_EQ(c.chart.points.title, QString::fromUtf8(c.title)) << c.source;
        EXPECT_EQ(c.chart.points.axisTitle, QString::fromUtf8(c.axisTitle)) << c.source;
        EXPECT_EQ(c.chart.points.unit, c.unit) << c.source;
        EXPECT_EQ(c.chart.points.labels, c.labels) << c.source;
        EXPECT_EQ(c.chart.points.values, c.values) << c.source;
        EXPECT_FALSE(c.chart.funds()) << c.source;
    }
}

TEST(ChartData, MortgageBarsStartWithThePrincipal) {
    const ChartData d = YearChart(mortgage(25, 4000), borrowed(MortgageMode::Mortgage), "$");
    const ChartPoints& p = d.points;
    EXPECT_EQ(p.title, QStringLiteral("Mortgage balance at start of each Year"));
    ASSERT_EQ(p.values.size(), 25u);
    EXPECT_EQ(p.labels.first(), QStringLiteral("1"));
    EXPECT_EQ(p.labels.last(), QStringLiteral("25"));
    EXPECT_EQ(p.values.front(), 100000);  // the principal
    EXPECT_EQ(p.values[1], 96000);        // the balance after year 1
    EXPECT_EQ(p.values.back(), 4000);     // the balance at the start of year 25
}

TEST(ChartData, FundChartsTakeEverySlotWithItsName) {
    // Gain of 500 on a book cost of 1000 is 50 per cent; the deleted slot has
    // nothing; the third fund lost 12.3456 per cent.
    const Funds funds({QStringLiteral("Growth Fund"), QString(), QStringLiteral("Bond Fund")},
                      {50, 0, -12.3456}, {1500.9999, 0, 250.5});
    const ChartData d = funds.chart(3, QStringLiteral("DM"));
    EXPECT_EQ(d.kind, ChartKind::FundGain);
    EXPECT_TRUE(d.funds());
    EXPECT_EQ(d.currencySymbol, QStringLiteral("DM"));
    EXPECT_EQ(d.points.title, QStringLiteral("Current Value "));
    EXPECT_EQ(d.points.axisTitle, QStringLiteral("Gain %"));
    EXPECT_EQ(d.points.unit, ChartUnit::Percent);
    EXPECT_EQ(d.points.labels, QStringList({"Growth Fund", "", "Bond Fund"}));
    EXPECT_EQ(d.points.values, (std::vector<double>{50, 0, -12.3456}));

    EXPECT_EQ(d.fundValues.title, QStringLiteral("Distribution"));
    EXPECT_EQ(d.fundValues.axisTitle, QStringLiteral("Value"));
    EXPECT_EQ(d.fundValues.unit, ChartUnit::Money);
    EXPECT_EQ(d.fundValues.labels, d.points.labels);
    EXPECT_EQ(d.fundValues.values, (std::vector<double>{1500, 0, 250}));  // whole-number parts
}

TEST(ChartData, SinglePointsGetAnEmptySecondOne) {
    // Book cost 0, nothing put in: 100 per cent; slot 2 is left over from an earlier portfolio.
    const Funds funds({QStringLiteral("Only Fund"), QStringLiteral("Old Fund")}, {100, 7}, {1, 2});
    const ChartData d = funds.chart(1);
    EXPECT_EQ(d.points.labels, QStringList({"Only Fund", ""}));
    EXPECT_EQ(d.points.values, (std::vector<double>{100, 0}));
    EXPECT_EQ(d.fundValues.values, (std::vector<double>{1, 0}));
}

TEST(ChartData, CountsBeyondTheResultStopAtItsEdge) {
    // A term longer than the rows computed, or funds the tables do not hold, draw what there is.
    SavingsPlan plan = savings();
    plan.years = 30000;
    EXPECT_EQ(YearChart(plan, "$").points.values.size(), 2u);
    plan.years = 0;  // nothing to chart
    EXPECT_TRUE(YearChart(plan, "$").points.values.empty());
    EXPECT_EQ(FundCharts(SharedTable<Money>(), {}, 5, "$").points.values,
              (std::vector<double>(5, 0.0)));
    EXPECT_EQ(FundCharts(SharedTable<Money>(), {}, 99, "$").points.values.size(), 30u);
}

}  // namespace
