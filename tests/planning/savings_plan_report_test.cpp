// The savings plan printouts as whole text pages.
#include "planning/model/savings_plan_report.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "common/print_device.h"
#include "support/money_literals.h"

TEST(SavingsPlanReport, CalculationPage) {
    SavingsPlanInputs in;
    in.lumpSum = M(10000);
    in.annual = M(1000);
    in.ratePercent = M(12.5);
    in.years = M(3);
    in.increasePercent = M(5);
    in.inflationPercent = M(3);
    TextDevice d;
    PrintSavingsCalculation(d, in, CalculateSavingsPlan(in), QStringLiteral("$"));
    d.endDoc();
    // Year 1: (10,000 + 1,000) x 12.5 % = 1,375.00; (11,000 + 1,375) x 0.97 = 12,003.75.
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                        Investment Growth Calculation


 Amount of Lump Sum Invested at Start                  $10,000.00
 Annual Amount Invested each Year                       $1,000.00
 Increase the annual Investment Rate by                      5.00%
 Annual Interest/Growth Rate(%)                             12.50%
 Time in Years                                                  3
 Adjust for Annual Inflation Rate(%)                         3.00%


 Year        Annual Investment      Interest/Growth         Current Value
 ________________________________________________________________________

   1                 11,000.00             1,375.00             12,003.75
   2                  1,050.00             1,631.72             14,244.90
   3                  1,102.50             1,918.43             16,747.86
 ________________________________________________________________________

 Total:             $13,152.50            $3,595.36            $16,747.86
)"));
}

TEST(SavingsPlanReport, ComparisonsPage) {
    SavingsPlanInputs in;
    in.annual = M(1000);
    in.ratePercent = M(20);
    in.years = M(25);
    QString text = ComparisonReportEntry(in, CalculateSavingsPlan(in));
    in.lumpSum = M(30000);
    in.annual = Money();
    in.ratePercent = Money();
    in.inflationPercent = M(-5);
    text += ComparisonReportEntry(in, CalculateSavingsPlan(in));
    TextDevice d;
    PrintSavingsComparisons(d, text);
    d.endDoc();
    // 566,377.32 = 1000 x 1.2 x (1.2^25 - 1) / 0.2; 101,590.65 = 30,000 x 1.05^25.
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                             Investment Growth Comparisons


 Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current
 End  Investment Investment /Growth  Increase Rate(%)     Invested    Value
 _____________________________________________________________________________

 25         .00    1,000.00  20.00%    .00%    .00%    25,000.00    566,377.32
 _____________________________________________________________________________

 25   30,000.00         .00    .00%    .00%  -5.00%    30,000.00    101,590.65
 _____________________________________________________________________________


)"));
}

TEST(SavingsPlanReport, EmptyComparisonsTextPrintsTheHeadingsAlone) {
    TextDevice d;
    PrintSavingsComparisons(d, QString());
    d.endDoc();
    const QStringList lines = d.pages().at(0);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.at(8), "");
}

TEST(SavingsPlanReport, FiguresWiderThanTheirColumnArePrintedWhole) {
    SavingsPlanInputs in;
    in.lumpSum = M(10000);
    in.annual = M(1000);
    in.ratePercent = M(20);
    in.years = M(50);
    const SavingsPlan plan = CalculateSavingsPlan(in);
    TextDevice d;
    PrintSavingsCalculation(d, in, plan, QStringLiteral("$"));
    d.endDoc();
    const QString page = d.allText();
    // 14 characters in a 13-character column: the line grows instead.
    EXPECT_TRUE(page.contains(QStringLiteral("   101,109,991.01\n"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral(" $145,541,027.78       $145,601,027.78")));
    EXPECT_TRUE(page.contains(Format(plan.totalInterest, u"####,,###.00")));
    EXPECT_TRUE(ComparisonReportEntry(in, plan).contains(Format(plan.finalValue, u"####,,##0.00")));
}
