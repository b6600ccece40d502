// The retirement income printout of both withdrawal choices as whole text pages.
#include "planning/model/retirement_income_report.h"

#include <gtest/gtest.h>

#include "common/print_device.h"

namespace {
Money D(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

std::string page(const RetirementIncomeInputs& in) {
    TextDevice d;
    PrintRetirementIncome(d, in, CalculateRetirementIncome(in), QStringLiteral("$"));
    d.endDoc();
    return d.pageText(0).toStdString();
}
}  // namespace

// Figures from tests/tools/retirement_income.py: at 17.5 % as a 32-bit float the first year ends
// at 102,499.99 (a double rate would print 102,500.00).
TEST(RetirementIncomeReport, PercentagePage) {
    RetirementIncomeInputs in;
    in.capital = D("100000");
    in.ratePercent = D("17.5");
    in.withdrawal = D("15");
    in.years = D("3");
    EXPECT_EQ(page(in), std::string(R"(
                          Retirement Income Calculation


 Current Value of your Investments on Retirement     $100,000.00

 Annual Interest/Growth Rate (%)                           17.50%

 Annual Income Withdrawn as a (%) of Current Value         15.00%

 Time in Years                                                 3


 Year         Interest/Growth         Annual Income         Current Value
 ________________________________________________________________________

   1                17,500.00              15,000.00           102,499.99
   2                17,937.50              15,374.99           105,062.48
   3                18,385.93              15,759.37           107,689.04
 ________________________________________________________________________

 Total:            $53,823.43             $46,134.36          $107,689.04
)"));
}

// The capital runs out in year 8: that row withdraws what was left and its interest, and the
// total row ends at the same .00.
TEST(RetirementIncomeReport, FixedAmountPage) {
    RetirementIncomeInputs in;
    in.choice = WithdrawalChoice::FixedAmount;
    in.capital = D("100000");
    in.ratePercent = D("10");
    in.withdrawal = D("1500");
    in.years = D("20");  // not used by this choice
    EXPECT_EQ(page(in), std::string(R"(
                          Retirement Income Calculation


 Current Value of your Investments on Retirement     $100,000.00

 Annual Interest/Growth Rate (%)                           10.00%

 Monthly Amount of Cash Withdrawn                      $1,500.00


 Year         Interest/Growth         Annual Income         Current Value
 ________________________________________________________________________

   1                 9,220.36              18,000.00            91,220.36
   2                 8,339.43              18,000.00            81,559.79
   3                 7,370.10              18,000.00            70,929.89
   4                 6,303.51              18,000.00            59,233.40
   5                 5,129.90              18,000.00            46,363.29
   6                 3,838.53              18,000.00            32,201.82
   7                 2,417.58              18,000.00            16,619.40
   8                   846.34              17,465.74                  .00
 ________________________________________________________________________

 Total:            $43,465.74            $143,465.74                 $.00
)"));
}
