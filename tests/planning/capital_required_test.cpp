// Capital required: the annual investment, the year loop, the table, the printout and the help.
// Expected figures come from tests/tools/capital_required.py, which works the loop out from the
// window's rules apart from the program's code.
#include "planning/model/capital_required.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "planning/model/capital_required_help.h"
#include "planning/model/capital_required_report.h"
#include "support/help_text_checks.h"
#include "support/money_literals.h"

namespace {

CapitalInputs inputs(const char* capital, const char* rate, const char* years) {
    return {M(capital), M(rate), M(years)};
}

}  // namespace

// One row per case: the inputs, then a year's stored figures and the totals.
TEST(CapitalRequired, AnnualInvestmentAndTheYearLoop) {
    struct Case {
        const char *capital, *rate, *years;
        int year;
        const char *payment, *interest, *value;
        const char *totalInvested, *totalInterest, *finalValue;
    };
    const Case cases[] = {
        // The window's defaults: year 1 shows P, P x 0.2 (not yet rounded to
        // cents) and 1.2 x P; year 25 reaches the capital to the cent.
        {"100000", "20", "25", 1, "176.5607", "35.3121", "211.8729", "4414.0187", "95585.9813",
         "100000"},
        // From year 2 the interest shown is rounded to cents: (211.8729 +
        // 176.5607) x 0.2 = 77.68672 shows 77.69, the value keeps 77.68672.
        {"100000", "20", "25", 2, "176.5607", "77.69", "466.1204", "4414.0187", "95585.9813",
         "100000"},
        {"100000", "20", "25", 25, "176.5607", "16666.67", "100000", "4414.0187", "95585.9813",
         "100000"},
        // One year: P = C / (1 + i).
        {"100000", "20", "1", 1, "83333.3333", "16666.6667", "100000", "83333.3333", "16666.6667",
         "100000"},
        // The longest term: a payment of two hundredths of a cent still reaches the capital.
        {"100000", "20", "100", 100, "0.0002", "16666.67", "100000", "0.0201", "99999.9799",
         "100000"},
        {"250000", "12.5", "3", 2, "65540.1946", "17409.11", "156682.0276", "196620.5837",
         "53379.4163", "250000"},
        // A term of 2.5 years rounds half to even: 2 years.
        {"250000", "12.5", "2.5", 2, "104575.1634", "27777.78", "250000", "209150.3268",
         "40849.6732", "250000"},
        {"500000", "10", "20", 1, "7936.1931", "793.6193", "8729.8124", "158723.8616",
         "341276.1384", "500000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.capital) + " at " + c.rate + " % for " + c.years);
        const CapitalPlan p = CalculateCapitalRequired(inputs(c.capital, c.rate, c.years));
        ASSERT_GE(static_cast<int>(p.rows.size()), c.year);
        const CapitalYear& y = p.rows[static_cast<size_t>(c.year - 1)];
        EXPECT_EQ(y.year, c.year);
        EXPECT_EQ(p.payment, M(c.payment));
        EXPECT_EQ(y.invested, M(c.payment));
        EXPECT_EQ(y.interest, M(c.interest));
        EXPECT_EQ(y.value, M(c.value));
        EXPECT_EQ(p.totalInvested, M(c.totalInvested));
        EXPECT_EQ(p.totalInterest, M(c.totalInterest));
        EXPECT_EQ(p.finalValue, M(c.finalValue));
    }
}

TEST(CapitalRequired, ZeroRateZeroTermAndTheLimitAreWrongEntries) {
    EXPECT_THROW(CalculateCapitalRequired(inputs("100000", "0", "25")), CapitalEntryError);
    EXPECT_THROW(CalculateCapitalRequired(inputs("100000", "20", "0")), CapitalEntryError);
    EXPECT_THROW(CalculateCapitalRequired(inputs("100000", "20", "0.5")), CapitalEntryError);
    EXPECT_THROW(CalculateCapitalRequired(inputs("0", "0", "0")), CapitalEntryError);
    EXPECT_EQ(CalculateCapitalRequired(inputs("100000", "20", "100")).rows.size(), 100u);
    EXPECT_EQ(CalculateCapitalRequired(inputs("100000", "20", "100.5")).rows.size(), 100u);
    EXPECT_THROW(CalculateCapitalRequired(inputs("100000", "20", "101")), CapitalEntryError);
    // (1 + 10,000,000)^100 is beyond a double: no infinity reaches the table.
    EXPECT_THROW(CalculateCapitalRequired(inputs("100000", "1000000000", "100")),
                 CapitalEntryError);
    // The largest capital rounds past the currency's range on the way back.
    EXPECT_THROW(CalculateCapitalRequired(inputs("922337203685477.5807", "20", "1")),
                 MoneyOverflow);
    // No capital: nothing to invest, every figure zero.
    const CapitalPlan none = CalculateCapitalRequired(inputs("0", "20", "3"));
    EXPECT_EQ(none.finalValue, Money());
    EXPECT_EQ(none.rows.size(), 3u);
}

TEST(CapitalRequired, YearTableAndGridRows) {
    const CapitalPlan p = CalculateCapitalRequired(inputs("250000", "12.5", "3"));
    SharedTable<Money> t;
    t.create(102, 6);
    StoreCapitalYearTable(p, t);
    EXPECT_EQ(t(3, 1), M("3"));
    EXPECT_EQ(t(3, 4), M("250000"));
    // The total row's year column holds n + 1.
    EXPECT_EQ(t(4, 1), M("4"));
    EXPECT_EQ(t(4, 2), M("196620.5837"));
    EXPECT_EQ(t(4, 3), M("53379.4163"));

    const auto rows = CapitalGridRows(p, QStringLiteral("$"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (QStringList{"1", "65,540.19", "8,192.52", "73,732.72"}));
    EXPECT_EQ(rows[2], (QStringList{"3", "65,540.19", "27,777.78", "250,000.00"}));
    EXPECT_EQ(rows[3], (QStringList{"Total:", "$196,620.58", "$53,379.42", "$250,000.00"}));
}

TEST(CapitalRequiredReport, Page) {
    const CapitalInputs in = inputs("250000", "12.5", "3");
    TextDevice d;
    PrintCapitalRequired(d, in, CalculateCapitalRequired(in), QStringLiteral("$"));
    d.endDoc();
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                     Amount of Annual Investment Required


 Amount of Capital I want on Retirement.              $250,000.00
 Annual Interest/Growth Rate(%).                            12.50%
 At the end of how many Years.                                  3


 Year        Annual Investment      Interest/Growth         Current Value
 ________________________________________________________________________
   1                 65,540.19             8,192.52             73,732.72
   2                 65,540.19            17,409.11            156,682.03
   3                 65,540.19            27,777.78            250,000.00
 ________________________________________________________________________
 Total:            $196,620.58           $53,379.42           $250,000.00
)"));
}

TEST(CapitalRequiredReport, NothingCalculatedPrintsTheFiguresTyped) {
    TextDevice d;
    PrintCapitalRequired(d, inputs("1000", "0", "0"), CapitalPlan{}, QStringLiteral("DM"));
    d.endDoc();
    const QStringList lines = d.pages().at(0);
    EXPECT_TRUE(
        lines.contains(" Annual Interest/Growth Rate(%).                              .00%"))
        << d.pageText(0).toStdString();
    EXPECT_EQ(lines.at(lines.size() - 2), lines.at(10));  // the separator twice, no year between
    EXPECT_EQ(lines.last(),
              " Total:                  DM.00                DM.00                 DM.00");
}

TEST(CapitalRequiredHelp, WordForWordWithTheFiguresLevelWithTheBoxes) {
    const QStringList lines = HelpLines(CapitalRequiredHelpText(QStringLiteral("DM")));
    // The boxes stand four help lines apart, the first two lines down.
    EXPECT_EQ(lines.mid(0, 11), (QStringList{"", "", "100,000.00", "", "", "", "           20%", "",
                                             "", "", "            25"}));
    const int at = static_cast<int>(lines.indexOf(
        " Example. Will show how much annual savings are required to build your Capital"));
    ASSERT_GT(at, 10);
    ExpectHelpText(lines, {{at + 1, " to DM100,000.00 at 20% compounded over 25 Years."}});
}
