// The savings plan's year loop, its comparison row and the year window's amount.
#include "planning/model/savings_plan.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/savings_plan_help.h"
#include "planning/model/year_end_amount.h"
#include "support/help_text_checks.h"
#include "support/money_literals.h"

namespace {

// The window's defaults: no lump sum, 1,000.00 a year, 20 %, 25 years.
SavingsPlanInputs defaults() {
    SavingsPlanInputs in;
    in.annual = M(1000);
    in.ratePercent = M(20);
    in.years = M(25);
    return in;
}

}  // namespace

TEST(SavingsPlan, DefaultsGrowAsTheYearLoopDescribes) {
    const SavingsPlan p = CalculateSavingsPlan(defaults());
    ASSERT_EQ(p.rows.size(), 25u);
    EXPECT_EQ(p.rows[0].invested, M(1000));
    EXPECT_EQ(p.rows[0].interest, M(200));
    EXPECT_EQ(p.rows[0].value, M(1200));
    // Year 2: base 1,200.00 + 1,000.00 = 2,200.00.
    EXPECT_EQ(p.rows[1].interest, M(440));
    EXPECT_EQ(p.rows[1].value, M(2640));
    EXPECT_EQ(p.totalInvested, M(25000));
    // An annuity paid at the start of each year: 1000 x 1.2 x (1.2^25 - 1) / 0.2.
    const double closedForm = 1000 * 1.2 * (std::pow(1.2, 25) - 1) / 0.2;
    EXPECT_NEAR(p.finalValue.toDouble(), closedForm, 0.05);
    EXPECT_EQ(p.totalInterest, p.finalValue - p.totalInvested);
}

TEST(SavingsPlan, LumpSumAloneCountsAsYearOnesInvestment) {
    SavingsPlanInputs in = defaults();
    in.lumpSum = M(1000);
    in.annual = Money();
    const SavingsPlan p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.rows[0].invested, M(1000));
    EXPECT_EQ(p.rows[0].value, M(1200));
    EXPECT_EQ(p.rows[1].invested, Money());
    EXPECT_EQ(p.rows[1].value, M(1440));
    EXPECT_EQ(p.totalInvested, M(1000));
}

TEST(SavingsPlan, IncreaseGrowsTheAnnualAmountFromYearTwo) {
    SavingsPlanInputs in = defaults();
    in.increasePercent = M(5);
    const SavingsPlan p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.rows[0].invested, M(1000));
    EXPECT_EQ(p.rows[1].invested, M(1050));
    EXPECT_EQ(p.rows[2].invested, M(1102.5));
    // Year 2: (1,200.00 + 1,050.00) x 20 %.
    EXPECT_EQ(p.rows[1].interest, M(450));
}

TEST(SavingsPlan, InflationShrinksAndNegativeInflationRaisesTheValue) {
    SavingsPlanInputs in = defaults();
    in.lumpSum = M(30000);
    in.annual = Money();
    in.ratePercent = Money();
    in.inflationPercent = M(5);
    SavingsPlan p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.rows[0].value, M(28500));
    EXPECT_NEAR(p.finalValue.toDouble(), 30000 * std::pow(0.95, 25), 0.005);

    in.inflationPercent = M(-5);
    p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.rows[0].value, M(31500));
    EXPECT_NEAR(p.finalValue.toDouble(), 30000 * std::pow(1.05, 25), 0.005);
}

TEST(SavingsPlan, ShortTermsComputeOneYear) {
    SavingsPlanInputs in = defaults();
    in.years = M(1);
    SavingsPlan p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.years, 1);
    EXPECT_EQ(p.yearsComputed, 1);
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.finalValue, M(1200));

    in.years = Money();
    p = CalculateSavingsPlan(in);
    EXPECT_EQ(p.years, 0);
    EXPECT_EQ(p.yearsComputed, 1);
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.totalInvested, M(1000));
}

TEST(SavingsPlan, FiftyYearLimitAfterRoundingHalfToEven) {
    SavingsPlanInputs in = defaults();
    in.years = M(50);
    EXPECT_FALSE(PastSavingsYearLimit(in));
    EXPECT_EQ(CalculateSavingsPlan(in).rows.size(), 50u);
    in.years = M(50.5);  // rounds to 50
    EXPECT_FALSE(PastSavingsYearLimit(in));
    in.years = M(51);
    EXPECT_TRUE(PastSavingsYearLimit(in));
    EXPECT_THROW(CalculateSavingsPlan(in), std::out_of_range);
    in.years = M(1e12);
    EXPECT_TRUE(PastSavingsYearLimit(in));
}

TEST(SavingsPlan, HugeFiguresRaiseMoneyOverflow) {
    SavingsPlanInputs in = defaults();
    in.lumpSum = M(900e12);
    in.years = M(50);
    EXPECT_THROW(CalculateSavingsPlan(in), MoneyOverflow);
    in = defaults();
    in.ratePercent = M(1e9);
    EXPECT_THROW(CalculateSavingsPlan(in), MoneyOverflow);
}

TEST(SavingsPlan, YearTableHoldsTheYearsAndTheTotalRow) {
    SavingsPlanInputs in = defaults();
    in.years = M(3);
    const SavingsPlan p = CalculateSavingsPlan(in);
    SharedTable<Money> t;
    t.create(102, 6);
    StoreYearTable(p, t);
    EXPECT_EQ(t(1, 1), M(1));
    EXPECT_EQ(t(2, 2), M(1000));
    EXPECT_EQ(t(3, 4), M(4368));  // 1,200 -> 2,640 -> (2,640 + 1,000) x 1.2
    EXPECT_EQ(t(4, 1), M(3));
    EXPECT_EQ(t(4, 2), M(3000));
    EXPECT_EQ(t(4, 3), M(1368));
    EXPECT_EQ(t(4, 4), M(4368));
}

TEST(SavingsPlan, GridRowsAndTheTotalRow) {
    SavingsPlanInputs in = defaults();
    in.years = M(2);
    const auto rows = SavingsGridRows(CalculateSavingsPlan(in), QStringLiteral("$"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (QStringList{"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(rows[1], (QStringList{"2", "1,000.00", "440.00", "2,640.00"}));
    EXPECT_EQ(rows[2], (QStringList{"Total:", "$2,000.00", "$640.00", "$2,640.00"}));

    in = defaults();
    in.annual = Money();
    in.years = M(1);
    const auto zero = SavingsGridRows(CalculateSavingsPlan(in), QStringLiteral("DM"));
    EXPECT_EQ(zero[0], (QStringList{"1", ".00", ".00", ".00"}));
    EXPECT_EQ(zero[1], (QStringList{"Total:", "DM0.00", "DM0.00", "DM0.00"}));
}

TEST(SavingsPlan, ComparisonRowCellsLabelAndReportEntry) {
    SavingsPlanInputs in = defaults();
    in.lumpSum = M(10000);
    in.years = M(10);
    in.increasePercent = M(5);
    in.inflationPercent = M(-3);
    const SavingsPlan p = CalculateSavingsPlan(in);
    const QStringList cells = ComparisonCells(in, p);
    ASSERT_EQ(cells.size(), 8);
    EXPECT_EQ(cells.mid(0, 6),
              (QStringList{"10", "10,000.00", "1,000.00", "20.00%", "5.00%", "-3.00%"}));
    EXPECT_EQ(cells[6], Format(p.totalInvested, u"#####,,##0.00"));
    EXPECT_EQ(cells[6], "22,577.89");  // 10,000 + 1,000 x (1.05^10 - 1) / 0.05
    EXPECT_EQ(ComparisonLabel(3), "Row  3");

    const QString entry = ComparisonReportEntry(in, p);
    const QStringList lines = entry.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].left(51), " 10   10,000.00    1,000.00  20.00%   5.00%  -3.00%");
    EXPECT_EQ(lines[0].mid(51),
              "    22,577.89" + RightJustify(Format(p.finalValue, u"####,,##0.00"), 14));
    EXPECT_EQ(lines[1], " " + QString(77, u'_'));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "");
}

TEST(CalculatorFigures, InterestUsesTheSinglePrecisionRate) {
    EXPECT_EQ(InterestFor(1000, 0.2f), M(200));
    // 0.1 as a float is 0.100000001490116...: the difference shows on a billion.
    EXPECT_EQ(InterestFor(1e9, 0.1f), Money::fromRaw(1000000014901));
    EXPECT_EQ(RoundedYears(M(2.5)), 2);
    EXPECT_EQ(RoundedYears(M(3.5)), 4);
    EXPECT_EQ(RoundedYears(M(-2.5)), -2);
    EXPECT_EQ(RoundedYears(M(24.4999)), 24);
}

TEST(CalculatorFigures, InputBoxTexts) {
    EXPECT_EQ(BoxFormat::money(18).text(M(1000), "$"), "         $1,000.00");
    EXPECT_EQ(BoxFormat::money(18).text(Money(), "$"), "              $.00");
    EXPECT_EQ(BoxFormat::rate(18).text(M(12.5), "$"), "             12.50%");
    EXPECT_EQ(BoxFormat::rate(18).text(M(-5), "$"), "             -5.00%");
    EXPECT_EQ(BoxFormat::years(21).text(M(25), "$"), QString(19, u' ') + "25");
    // A figure wider than its box is shown whole, never cut to another number.
    EXPECT_EQ(BoxFormat::money(18).text(M(900e9), "$"), "$900,000,000,000.00");
}

TEST(YearEndAmount, DepositsMadeDuringTheYear) {
    EXPECT_EQ(YearEndAmount(M(100), M(12), 12), M(1278));
    EXPECT_EQ(YearEndAmount(M(300), M(12), 4), M(1290));
    EXPECT_EQ(YearEndAmount(M(600), M(12), 2), M(1308));
    // 33.33 x 12 + 33.33 x 0.10 / 12 x 78 = 421.6245, rounded to cents.
    EXPECT_EQ(YearEndAmount(M(33.33), M(10), 12), M(421.62));
    EXPECT_THROW(YearEndAmount(M(800e12), M(12), 12), MoneyOverflow);
}

TEST(SavingsPlanHelp, BothModesWordForWord) {
    const QStringList one =
        HelpLines(SavingsPlanHelpText(SavingsMode::Calculations, QStringLiteral("DM")));
    const QStringList two =
        HelpLines(SavingsPlanHelpText(SavingsMode::Comparisons, QStringLiteral("DM")));
    // The first example's figures, one per input box, four lines apart.
    ExpectHelpText(
        one,
        {{0, " Always PgDn to End to read all text.          For results click Calculate."},
         {1, " To change any number, click yellow box, delete and type in your own."},
         {2, "      0"},
         {6, "1,000.00"},
         {10, "       0%"},
         {14, "      20%"},
         {18, "      25"},
         {22, "       0%"}},
        {"Shows the future value of DM30,000.00 at 5% annual inflation Rate for 25 years. What it "
         "would have to be worth in future to have the same buying power as today. Minus factor "
         "should be used only in this one calculation.",
         "First find Total Current Value for 5 years, add this to the DM10,000.00, enter this "
         "figure in ' Amount of Lump Sum Invested at Start' and calculate for the remaining 20 "
         "years.",
         " period of 25 years."});
    ExpectHelpText(
        two, {{0, " Change entries in any Input Box and click Calculate for comparisions."}},
        {"Shows you the future value of DM30,000.00 at a 5% annnual inflation Rate for 25 years. "
         "What its future purchasing power is compared to today."});
    EXPECT_FALSE(two.contains(" period of 25 years."));
    auto blanksBeforeEnd = [](const QStringList& l) {
        int n = 0;
        for (int i = l.size() - 2; i >= 0 && l.at(i).isEmpty(); --i) ++n;
        return n;
    };
    EXPECT_EQ(blanksBeforeEnd(two), blanksBeforeEnd(one) + 16);
}
