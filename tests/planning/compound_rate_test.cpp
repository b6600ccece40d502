// The annual compound rate: rates and gains as shown and printed, the year values, the refused
// figures and the printout page.
#include "planning/model/compound_rate.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/compound_rate_report.h"
#include "support/money_literals.h"

namespace {

CompoundRateInputs Inputs(double cost, double value, double years) {
    return {M(cost), M(value), M(years)};
}

}  // namespace

// Figures worked out in Python with the same double-precision steps
// (math.exp(math.log(V / C) / n) - 1), rounded by hand to the pictures' places.
TEST(CompoundRate, RatesAndGainsAsShownAndPrinted) {
    const struct {
        double cost, value, years;
        const char* gridRate;
        const char* gridGain;
        const char* printedRate;
        const char* printedGain;
        double chartValue;  // rate x 100 to four places
    } cases[] = {
        // The help text's three examples.
        {1000, 2000, 5, "14.870%", "100.00%", "14.8698%", "100.0000%", 14.8698},
        {25000, 200000, 20, "10.957%", "700.00%", "10.9569%", "700.0000%", 10.9569},
        {500, 1000, 6, "12.246%", "100.00%", "12.2462%", "100.0000%", 12.2462},
        // A value below the cost: a loss.
        {1000, 500, 1, "-50.000%", "-50.00%", "-50.0000%", "-50.0000%", -50},
        // Below one per cent the pictures show no leading zero.
        {1000, 1005, 1, ".500%", ".50%", ".5000%", ".5000%", 0.5},
        // The longest term.
        {1000, 2000, 60, "1.162%", "100.00%", "1.1619%", "100.0000%", 1.1619},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cost << " to " << c.value << " in " << c.years);
        const CompoundRateInputs in = Inputs(c.cost, c.value, c.years);
        const CompoundRateEntry r = CalculateCompoundRate(in);
        const QStringList cells = CompoundRateCells(in, r, QString(), QStringLiteral("$"));
        ASSERT_EQ(cells.size(), 6);
        EXPECT_EQ(cells.at(4), c.gridRate);
        EXPECT_EQ(cells.at(5), c.gridGain);
        const QString entry = CompoundRateReportEntry(in, r, QString(), QStringLiteral("$"));
        EXPECT_TRUE(entry.contains(QString::fromLatin1(c.printedRate).rightJustified(12) +
                                   QString(4, u' ') +
                                   QString::fromLatin1(c.printedGain).rightJustified(12)))
            << entry.toStdString();
        EXPECT_EQ(r.ratePercent, M(c.chartValue));
    }
}

TEST(CompoundRate, YearValuesAreTheCostGrownAndRoundedDown) {
    // 500 x 1.12246...^y: 561.23, 629.96, 707.10, 793.70, 890.90, 1000.00.
    CompoundRateEntry r = CalculateCompoundRate(Inputs(500, 1000, 6));
    EXPECT_EQ(r.yearValues, (std::vector<Money>{M(561), M(629), M(707), M(793), M(890), M(1000)}));
    SharedTable<Money> table;
    table.create(102, 6);
    StoreCompoundYears(r, table);
    EXPECT_EQ(table(6, 1), M(6));
    EXPECT_EQ(table(6, 4), M(1000));
    EXPECT_EQ(table(7, 1), Money());

    // A falling value and a negative pair (both figures below 0) grow the same way.
    EXPECT_EQ(CalculateCompoundRate(Inputs(1000, 500, 1)).yearValues, std::vector<Money>{M(500)});
    r = CalculateCompoundRate(Inputs(-1000, -2000, 2));
    EXPECT_EQ(Format(r.rate, kGridRatePicture), "41.421%");
    // -1,414.21 and -1,999.9999999999995 rounded down.
    EXPECT_EQ(r.yearValues, (std::vector<Money>{M(-1415), M(-2000)}));
    EXPECT_EQ(Format(r.gain, kGridGainPicture), "100.00%");
}

TEST(CompoundRate, FiguresWithoutARateThrowBeforeAnythingIsKept) {
    // Opposite signs: the ratio has no logarithm.
    EXPECT_THROW(CalculateCompoundRate(Inputs(-1000, 2000, 5)), NoCompoundRate);
    EXPECT_THROW(CalculateCompoundRate(Inputs(1000, -2000, 5)), NoCompoundRate);
    // A rate of about 9 x 10^13 (1 cent to 900 billion in a year) is past the
    // currency's range once multiplied by 100 for the chart.
    EXPECT_THROW(CalculateCompoundRate(Inputs(0.01, 900e9, 1)), MoneyOverflow);
    // The largest rate the chart can hold still computes.
    EXPECT_GT(CalculateCompoundRate(Inputs(0.01, 90e9, 1)).ratePercent, M(8.99e14));

    EXPECT_TRUE(CompoundFigureMissing(Inputs(0, 2000, 5)));
    EXPECT_TRUE(CompoundFigureMissing(Inputs(1000, 0, 5)));
    EXPECT_TRUE(CompoundFigureMissing(Inputs(1000, 2000, 0)));
    EXPECT_FALSE(CompoundFigureMissing(Inputs(1000, 2000, 5)));
}

TEST(CompoundRateReport, PageWithANamedAndAnUnnamedEntry) {
    CompoundRateInputs in = Inputs(25000, 200000, 20);
    QString text = CompoundRateReportEntry(in, CalculateCompoundRate(in), QStringLiteral("House"),
                                           QStringLiteral("$"));
    in = Inputs(1000, 500, 1);
    text += CompoundRateReportEntry(in, CalculateCompoundRate(in), QString(), QStringLiteral("$"));
    TextDevice d;
    PrintCompoundRates(d, text);
    d.endDoc();
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                          Annual Compounding Comparisons


 Term in          Cost of         Current or      Compounded at   Total Rate(%)
  Years        Investment       Future Value     Annual Rate(%)     over Period
 ______________________________________________________________________________

 House
   20          $25,000.00        $200,000.00           10.9569%       700.0000%

 ______________________________________________________________________________ 

    1           $1,000.00            $500.00          -50.0000%       -50.0000%

 ______________________________________________________________________________ 

)"));
}

TEST(CompoundRateReport, AmountsWiderThanTheirFieldArePrintedWholeWithinTheLine) {
    const CompoundRateInputs in = Inputs(123456789012.5, 987654321098.75, 60);
    const QString entry =
        CompoundRateReportEntry(in, CalculateCompoundRate(in), QString(), QStringLiteral("$"));
    // They reach into the blanks before them, one blank kept; the percentages stay in place.
    EXPECT_TRUE(
        entry.contains(QStringLiteral("\r\n   60 $123,456,789,012.50 $987,654,321,098.75"
                                      "           3.5265%       700.0000%\r\n")))
        << entry.toStdString();
    // Percentages of billions: whole, one blank apart, however far they reach.
    const CompoundRateInputs huge = Inputs(1, 999999999, 1);
    EXPECT_TRUE(
        CompoundRateReportEntry(huge, CalculateCompoundRate(huge), QString(), QStringLiteral("$"))
            .contains(QStringLiteral("$999,999,999.00 99,999,999,799.9999% 99,999,999,800.0000%")));
}
