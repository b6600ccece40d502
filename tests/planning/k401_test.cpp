// The 401(k) plan: the year loop, its single-precision rate of return, the table, the printout and
// the help. Expected figures come from tests/tools/k401_year_loop.py, which works the loop out from
// the plan's rules apart from the program's code.
#include "planning/model/k401.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "planning/model/k401_help.h"
#include "planning/model/k401_report.h"
#include "support/help_text_checks.h"
#include "support/money_literals.h"

namespace {

// The window's defaults: 10,000.00, 50,000.00 a year, 5 % and 4 %, raise 4 %,
// return 10 %, no inflation, 25 years.
K401Inputs defaults() {
    return {M("10000"), M("50000"), M("5"), M("4"), M("4"), M("10"), M("0"), M("25")};
}

}  // namespace

TEST(K401, YearLoopCases) {
    struct Case {
        const char* what;
        K401Inputs in;
        int year;
        const char *salary, *contribution, *interest, *value;
        const char *total, *totalInterest, *finalValue;
    };
    K401Inputs inflation = defaults();
    inflation.inflationPercent = M("3");
    K401Inputs flat = defaults();
    flat.companyPercent = Money();
    flat.raisePercent = Money();
    flat.years = M("3");
    K401Inputs small = defaults();
    small.balance = M("1.01");
    small.years = M("2");
    const Case cases[] = {
        {"defaults, year 1", defaults(), 1, "50000", "4500", "1450", "15950", "197406.5836",
         "584872.2263", "782278.8099"},
        // Year 2: base 15,950.00 + 4,680.00 = 20,630.00.
        {"defaults, year 2", defaults(), 2, "52000", "4680", "2063", "22693", "197406.5836",
         "584872.2263", "782278.8099"},
        {"defaults, year 25", defaults(), 25, "128165.2082", "11534.8685", "71116.2564",
         "782278.8099", "197406.5836", "584872.2263", "782278.8099"},
        // Each year's value is multiplied by 0.97 after the interest: 15,950 x 0.97.
        {"inflation 3 %", inflation, 1, "50000", "4500", "1450", "15471.5", "197406.5836",
         "278867.9222", "476274.5058"},
        {"inflation 3 %, year 2", inflation, 2, "52000", "4680", "2015.15", "21501.6505",
         "197406.5836", "278867.9222", "476274.5058"},
        // No company rate, no raise: every contribution is salary x own rate.
        {"company 0, raise 0", flat, 3, "50000", "2500", "2037.5", "22412.5", "17500", "4912.5",
         "22412.5"},
        {"balance 1.01", small, 2, "52000", "4680", "963.1111", "10594.2221", "9181.01",
         "1413.2121", "10594.2221"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const K401Plan p = CalculateK401(c.in);
        ASSERT_GE(static_cast<int>(p.rows.size()), c.year);
        const K401Year& y = p.rows[static_cast<size_t>(c.year - 1)];
        EXPECT_EQ(y.year, c.year);
        EXPECT_EQ(y.salary, M(c.salary));
        EXPECT_EQ(y.contribution, M(c.contribution));
        EXPECT_EQ(y.interest, M(c.interest));
        EXPECT_EQ(y.value, M(c.value));
        EXPECT_EQ(p.totalInvested, M(c.total));
        EXPECT_EQ(p.totalInterest, M(c.totalInterest));
        EXPECT_EQ(p.finalValue, M(c.finalValue));
    }
}

// 17.5 % is not exact in binary: as a 32-bit float it is 0.17499999701976776.
// Over 50 years on a large account the difference shows in every printed
// figure of the last years; with a double rate the loop prints year 50
// interest 766,954,829.06 and a final value of 5,149,553,852.27 instead.
TEST(K401, TheRateOfReturnIsSinglePrecision) {
    const K401Inputs in{M("250000"), M("900000"), M("10"), M("5"),
                        M("6"),      M("17.5"),   M("0"),  M("50")};
    const K401Plan p = CalculateK401(in);
    ASSERT_EQ(p.rows.size(), 50u);
    EXPECT_EQ(p.rows[48].interest, M("652378037.2797"));
    EXPECT_EQ(p.rows[49].interest, M("766954735.3851"));
    EXPECT_EQ(p.finalValue, M("5149553297.9354"));
    TextDevice d;
    PrintK401(d, in, p, QStringLiteral("$"));
    const QStringList lines = d.pages().at(0);
    EXPECT_TRUE(
        lines.contains("  50              2,345,963.04       766,954,735.39      5,149,553,297.94"))
        << d.pageText(0).toStdString();
}

TEST(K401, TermsAndTheFiftyYearLimit) {
    K401Inputs in = defaults();
    in.years = M("50");
    EXPECT_EQ(CalculateK401(in).rows.size(), 50u);
    in.years = M("1");
    const K401Plan one = CalculateK401(in);
    ASSERT_EQ(one.rows.size(), 1u);
    EXPECT_EQ(one.finalValue, M("15950"));
    EXPECT_EQ(one.totalInvested, M("14500"));
    for (const char* years : {"51", "0", "0.5"}) {
        in.years = M(years);
        EXPECT_THROW(CalculateK401(in), K401EntryError) << years;
    }
    in = defaults();
    in.salary = M("900000000000000");
    EXPECT_THROW(CalculateK401(in), MoneyOverflow);
}

TEST(K401, YearTableAndGridRowsWithAndWithoutTheBalanceRow) {
    K401Inputs in = defaults();
    in.years = M("2");
    K401Plan p = CalculateK401(in);
    SharedTable<Money> t;
    t.create(102, 6);
    StoreK401YearTable(p, t);
    EXPECT_EQ(t(0, 4), M("10000"));
    EXPECT_EQ(t(2, 0), M("52000"));
    EXPECT_EQ(t(2, 1), M("2"));
    EXPECT_EQ(t(3, 1), M("2"));  // the total row holds n
    EXPECT_EQ(t(3, 2), M("19180"));
    EXPECT_EQ(t(3, 3), M("3513"));
    EXPECT_EQ(t(3, 4), M("22693"));

    auto rows = K401GridRows(p, QStringLiteral("$"));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (QStringList{"", "", "", "", "10,000.00"}));
    EXPECT_EQ(rows[1], (QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,950.00"}));
    EXPECT_EQ(rows[2], (QStringList{"2", "52,000.00", "4,680.00", "2,063.00", "22,693.00"}));
    EXPECT_EQ(rows[3], (QStringList{"Total:", "", "$19,180.00", "$3,513.00", "$22,693.00"}));

    // A balance of 0 or 1 has no row: the years start on grid row 1.
    for (const char* balance : {"0", "1"}) {
        in.balance = M(balance);
        p = CalculateK401(in);
        EXPECT_FALSE(ShowsStartingBalance(p)) << balance;
        rows = K401GridRows(p, QStringLiteral("$"));
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0].at(0), "1");
    }
    in.balance = M("1.01");
    EXPECT_TRUE(ShowsStartingBalance(CalculateK401(in)));
}

TEST(K401Report, PageWithTheStartingBalance) {
    K401Inputs in = defaults();
    in.years = M("3");
    in.inflationPercent = M("3");
    TextDevice d;
    PrintK401(d, in, CalculateK401(in), QStringLiteral("$"));
    d.endDoc();
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                        Investment Growth - 401K Plan


 Current balance in your 401K account                  $10,000.00

 Your current annual salary                            $50,000.00

 Your annual 401K rate of contribution                       5.00%

 The company contribution rate                               4.00%

 Estimated rate of annual salary raises                      4.00%

 Annual rate of return on your 401K                         10.00%

 Estimated rate of annual inflation                          3.00%

 The number of years to retirement                              3


  Year   Annual Salary   Contributions   Interest/Growth    Current Value
  _______________________________________________________________________

                                                                10,000.00
   1                  4,500.00             1,450.00             15,471.50
   2                  4,680.00             2,015.15             21,501.65
   3                  4,867.20             2,636.89             28,135.56
  _______________________________________________________________________

 Total:             $24,047.20            $4,088.36            $28,135.56
)"));
}

TEST(K401Report, NoBalanceLineForABalanceOfOne) {
    K401Inputs in = defaults();
    in.balance = M("1");
    in.years = M("1");
    TextDevice d;
    PrintK401(d, in, CalculateK401(in), QStringLiteral("$"));
    d.endDoc();
    const QStringList lines = d.pages().at(0);
    const int separator = static_cast<int>(lines.indexOf("  " + QString(71, u'_')));
    ASSERT_GT(separator, 0) << d.pageText(0).toStdString();
    EXPECT_EQ(lines.at(separator + 1), "");
    EXPECT_TRUE(lines.at(separator + 2).startsWith("   1 "))
        << lines.at(separator + 2).toStdString();
}

TEST(K401Help, PromptsStandOnTheLinesOfTheirBoxes) {
    // 720 twips between boxes over 210-twip lines: 3 3/7 lines, each prompt on the nearest.
    const int promptLines[] = {2, 5, 9, 12, 16, 19, 23, 26};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(K401PromptLine(i), promptLines[i]) << i;
    ExpectHelpText(
        HelpLines(K401HelpText()),
        {{0, " For results click Calculate."},
         {1, " Click any yellow box and type in your figures."},
         {2, " If you have already have a plan, type the current balance. If none type 0."},
         {5, " Type in your current annual salary."},
         {9, " Type in your annual contribution rate."},
         {12, " Your company contribution rate. If none type 0."},
         {16, " Type in the estimated percentage of annual salary increase."},
         {19, " Type in the estimated annual income/growth rate of your plan."},
         {23, " Leave at 0 unless you want to see the purchasing power in today's dollars."},
         {24, " Type in inflation rate. Current Value each year will be reduced at this rate."},
         {26, " Type in the estimated number of years to retirement."}});
}
