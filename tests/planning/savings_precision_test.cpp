// The savings plan's interest/growth rate is single precision: figures that a double rate
// would print otherwise.
#include <gtest/gtest.h>

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/savings_plan.h"
#include "planning/model/savings_plan_report.h"

// 1,000.00 a year at 17.5 % for 50 years. 0.175 is not exact in binary: as a
// 32-bit float it is 0.17499999701976776, as a double 0.17499999999999999.
// The expected figures come from tests/tools/savings_year_loop.py, which works
// the year loop out from its rules with exact decimals; with a double rate it
// gives year 50 interest 3,175,093.89 and a final value of 21,318,487.54.
TEST(SavingsPrecision, TheRateIsSinglePrecision) {
    SavingsPlanInputs in;
    in.annual = Money::fromInt(1000);
    in.ratePercent = *Money::parse(u"17.5");
    in.years = Money::fromInt(50);
    const SavingsPlan plan = CalculateSavingsPlan(in);
    ASSERT_EQ(plan.rows.size(), 50u);
    EXPECT_EQ(plan.rows[48].interest, *Money::parse(u"2702058.2841"));
    EXPECT_EQ(plan.rows[48].value, *Money::parse(u"18142391.5988"));
    EXPECT_EQ(plan.rows[49].interest, *Money::parse(u"3175093.4757"));
    EXPECT_EQ(plan.finalValue, *Money::parse(u"21318485.0745"));

    TextDevice d;
    PrintSavingsCalculation(d, in, plan, QStringLiteral("$"));
    const QStringList lines = d.pages().at(0);
    EXPECT_TRUE(
        lines.contains("  49                  1,000.00         2,702,058.28         18,142,391.60"))
        << d.pageText(0).toStdString();
    EXPECT_TRUE(lines.contains(
        "  50                  1,000.00         3,175,093.48         21,318,485.07"));
    EXPECT_TRUE(lines.contains(
        " Total:             $50,000.00       $21,268,485.07        $21,318,485.07"));
}
