// Retirement income: both withdrawal choices, their single-precision and four-decimal rates, the
// refusals, the final partial year and the total row.
//
// Every expected figure comes from tests/tools/retirement_income.py, which works the year loops
// out from their rules with exact decimals (and, for the pinned precision cases, also with double
// precision to show what the program must not print).
#include "planning/model/retirement_income.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "planning/model/calculator_tables.h"
#include "planning/model/retirement_income_help.h"
#include "support/help_text_checks.h"

namespace {

Money D(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

RetirementIncomeInputs percentage(const char* capital, const char* rate, const char* withdrawn,
                                  const char* years) {
    RetirementIncomeInputs in;
    in.capital = D(capital);
    in.ratePercent = D(rate);
    in.withdrawal = D(withdrawn);
    in.years = D(years);
    return in;
}

RetirementIncomeInputs fixedAmount(const char* capital, const char* rate, const char* monthly) {
    RetirementIncomeInputs in = percentage(capital, rate, monthly, "20");
    in.choice = WithdrawalChoice::FixedAmount;
    return in;
}

struct Row {
    int year;
    const char* interest;
    const char* withdrawn;
    const char* value;
};

struct Case {
    const char* what;
    RetirementIncomeInputs in;
    size_t years;
    std::vector<Row> rows;  // some of the year rows
    Row total;              // year count and totals
    bool ranOut = false;
};

}  // namespace

TEST(RetirementIncome, YearRowsAndTotals) {
    const Case cases[] = {
        {"Percentage defaults",
         percentage("500000", "10", "8", "20"),
         20,
         {{1, "50000", "40000.0005", "510000.0005"},
          {20, "72840.5510", "58272.4405", "742973.6205"}},
         {20, "1214868.4290", "971894.6800", "742973.6205"}},
        {"the help example: income and value grow by 5 % a year",
         percentage("100000", "20", "15", "25"),
         25,
         {{1, "20000", "15000.0005", "105000.0005"},
          {2, "21000.0001", "15750.0005", "110250.0005"}},
         {25, "954541.7204", "715906.1925", "338635.3405"}},
        // 17.5 % as a 32-bit float is 0.17499999702: year 1 ends at 102,499.99 where a double
        // rate gives 102,500.00, and the totals at 53,823.43 / 46,134.36 / 107,689.04 where a
        // double gives 53,823.44 / 46,134.37 / 107,689.06.
        {"a single-precision growth rate",
         percentage("100000", "17.5", "15", "3"),
         3,
         {{1, "17500", "15000.0005", "102499.9905"},
          {2, "17937.4983", "15374.9905", "105062.4805"}},
         {3, "53823.4324", "46134.3615", "107689.0405"}},
        // m = 0.0079741 is used as 0.0080: with the unrounded rate year 1 would earn 9,459.47.
        {"Fixed Amount: the four-decimal monthly rate, then the capital runs out in year 17",
         fixedAmount("100000", "10", "1000"),
         17,
         {{1, "9491.5326", "12000", "97491.5326"},
          {2, "9239.8364", "12000", "94731.3690"},
          {16, "1473.0094", "12000", "9558.4429"},
          {17, "417.2055", "9975.6484", "0"}},
         {17, "101975.6484", "201975.6484", "0"},
         true},
        // 46.87 %: with a 32-bit rate and monthly rate m = 0.03254999593 rounds to 0.0325; worked
        // in double precision m = 0.0325500005 rounds to 0.0326 and year 1 would earn 34,937.93
        // and end at 74,937.93.
        {"Fixed Amount: the single-precision monthly rate",
         fixedAmount("100000", "46.87", "5000"),
         3,
         {{1, "34808.2504", "60000", "74808.2504"}, {2, "23022.3714", "60000", "37830.6218"}},
         {3, "63719.7084", "163719.7084", "0"},
         true},
        {"Fixed Amount: interest above the withdrawals runs exactly 50 years",
         fixedAmount("100000", "10", "700"),
         50,
         {{1, "9654.2337", "8400", "101254.2337"}, {50, "144284.9430", "8400", "1577647.5710"}},
         {50, "1897647.5710", "420000", "1577647.5710"}},
        {"Fixed Amount: year 50 leaves less than a year's cash, and there is no year 51",
         fixedAmount("100000", "10", "806.12"),
         50,
         {{50, "1357.2825", "9673.44", "9567.9790"}},
         {50, "393239.9790", "483672", "9567.9790"}},
        {"Fixed Amount: the capital runs out in year 50",
         fixedAmount("100000", "10", "806.74"),
         50,
         {{49, nullptr, "9680.88", "9565.1930"}, {50, "512.6049", "10077.7979", "0"}},
         {50, nullptr, nullptr, "0"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RetirementIncome r = CalculateRetirementIncome(c.in);
        ASSERT_EQ(r.outcome, RetirementOutcome::Calculated);
        ASSERT_EQ(r.rows.size(), c.years);
        EXPECT_EQ(r.ranOut, c.ranOut);
        for (const Row& want : c.rows) {
            const RetirementYear& got = r.rows.at(static_cast<size_t>(want.year - 1));
            EXPECT_EQ(got.year, want.year);
            if (want.interest) {
                EXPECT_EQ(got.interest, D(want.interest)) << want.year;
            }
            EXPECT_EQ(got.withdrawn, D(want.withdrawn)) << want.year;
            EXPECT_EQ(got.value, D(want.value)) << want.year;
        }
        if (c.total.interest) {
            EXPECT_EQ(r.totalInterest, D(c.total.interest));
        }
        if (c.total.withdrawn) {
            EXPECT_EQ(r.totalWithdrawn, D(c.total.withdrawn));
        }
        EXPECT_EQ(r.finalValue, D(c.total.value));
        // The total row agrees with the last row.
        EXPECT_EQ(r.finalValue, r.rows.back().value);
    }
}

// The final partial year counts what was left and its interest as withdrawn and leaves nothing;
// the total row must not count it again as a value left over (it would show 975.65 here, the
// cash left after the final year's nine months). Every amount is counted once: capital plus
// interest is what was withdrawn plus what is left.
TEST(RetirementIncome, EveryAmountIsCountedOnceWhenTheCapitalRunsOut) {
    for (const char* monthly : {"1000", "1500", "2000", "3000", "4000", "806.74", "700"}) {
        SCOPED_TRACE(monthly);
        const RetirementIncomeInputs in = fixedAmount("100000", "10", monthly);
        const RetirementIncome r = CalculateRetirementIncome(in);
        EXPECT_EQ(in.capital + r.totalInterest, r.totalWithdrawn + r.finalValue);
        Money interest;
        for (const RetirementYear& y : r.rows) interest += y.interest;
        EXPECT_EQ(interest, r.totalInterest);
        if (r.ranOut) {
            EXPECT_EQ(Format(r.finalValue, u"####,,##0.00"), "0.00");
        }
    }
}

TEST(RetirementIncome, MonthlyRateAndTheWithdrawalSteps) {
    EXPECT_NEAR(MonthlyRate(0.1f), 0.0079741, 1e-7);
    EXPECT_EQ(Money::fromDouble(MonthlyRate(0.1f)), D("0.008"));
    EXPECT_EQ(MonthlyRate(0.0f), 0.0f);
    // Cut to whole cents, plus 0.0005.
    EXPECT_EQ(WithdrawalFor(D("1234.5678"), 0.1), D("123.4505"));
    EXPECT_EQ(ValueAfterYear(D("1234.5678"), 0.1f, 0.05), D("1296.2905"));
}

TEST(RetirementIncome, RefusalsComeBeforeAnyRow) {
    struct Refusal {
        const char* what;
        RetirementIncomeInputs in;
        RetirementOutcome outcome;
    };
    const Refusal refusals[] = {
        {"more than 100 %", percentage("100000", "10", "101", "20"),
         RetirementOutcome::WithdrawingTooMuch},
        // 100 % of whole cents is the value plus 0.0005: more than there is.
        {"exactly 100 %", percentage("100000", "10", "100", "20"),
         RetirementOutcome::WithdrawingTooMuch},
        {"no capital", percentage("0", "10", "8", "20"), RetirementOutcome::WithdrawingTooMuch},
        {"51 years", percentage("500000", "10", "8", "51"), RetirementOutcome::PastYearLimit},
        {"51.5 years round to 52", percentage("500000", "10", "8", "51.5"),
         RetirementOutcome::PastYearLimit},
        {"twelve months above the capital", fixedAmount("100000", "12", "8333.34"),
         RetirementOutcome::WithdrawingTooMuch},
        {"any withdrawal from no capital", fixedAmount("0", "10", "0.01"),
         RetirementOutcome::WithdrawingTooMuch},
    };
    for (const Refusal& c : refusals) {
        SCOPED_TRACE(c.what);
        const RetirementIncome r = CalculateRetirementIncome(c.in);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_TRUE(r.rows.empty());
    }
    // Twelve months of exactly the capital are allowed; without interest nothing is left.
    const RetirementIncome all = CalculateRetirementIncome(fixedAmount("120000", "0", "10000"));
    ASSERT_EQ(all.outcome, RetirementOutcome::Calculated);
    EXPECT_EQ(all.rows.at(0).value, Money());
    EXPECT_EQ(all.finalValue, Money());
}

TEST(RetirementIncome, TermsCountAfterRoundingAndNoTermKeepsTheCapital) {
    EXPECT_EQ(CalculateRetirementIncome(percentage("1000", "10", "8", "50.5")).rows.size(), 50u);
    EXPECT_EQ(CalculateRetirementIncome(percentage("1000", "10", "8", "2.5")).rows.size(), 2u);
    const RetirementIncome none = CalculateRetirementIncome(percentage("1000", "10", "8", "0"));
    EXPECT_EQ(none.outcome, RetirementOutcome::Calculated);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.finalValue, D("1000"));
}

TEST(RetirementIncome, FiguresOutOfRangeFailInsteadOfPrinting) {
    // 900 million millions grow past the currency's range.
    EXPECT_THROW(CalculateRetirementIncome(percentage("900000000000000", "20", "1", "50")),
                 MoneyOverflow);
    EXPECT_THROW(CalculateRetirementIncome(fixedAmount("900000000000000", "20", "1")),
                 MoneyOverflow);
    EXPECT_THROW(CalculateRetirementIncome(percentage("1000", "900000000000", "1", "50")),
                 MoneyOverflow);
    // Neither capital nor a monthly amount: nothing to count the last months by.
    EXPECT_THROW(CalculateRetirementIncome(fixedAmount("0", "10", "0")), std::domain_error);
    // No withdrawal from a capital: 50 years of growth.
    EXPECT_EQ(CalculateRetirementIncome(fixedAmount("1000", "10", "0")).rows.size(), 50u);
}

TEST(RetirementIncome, YearTableHoldsTheRowsAndTheTotalRowWithinItsShape) {
    const RetirementIncome r = CalculateRetirementIncome(fixedAmount("100000", "10", "1000"));
    SharedTable<Money> t;
    t.create(kRetirementLastRow + 1, 6);
    StoreRetirementTable(r, t);
    EXPECT_EQ(t(1, 1), D("1"));
    EXPECT_EQ(t(1, 4), D("97491.5326"));
    EXPECT_EQ(t(17, 3), D("9975.6484"));
    EXPECT_EQ(t(18, 1), D("17"));
    EXPECT_EQ(t(18, 2), D("101975.6484"));
    EXPECT_EQ(t(18, 3), D("201975.6484"));
    EXPECT_EQ(t(18, 4), Money());
    SharedTable<Money> small;
    small.create(18, 6);  // no room for the total row
    EXPECT_THROW(StoreRetirementTable(r, small), std::out_of_range);
}

// Each choice's help: its heading, the worked example's figures on the lines level with the
// boxes (one box every four lines from the third), its sentences, the closing pointer and "End".
TEST(RetirementIncomeHelp, EachChoiceWordForWord) {
    const char* pointer = "See 'How to use the Program' for more complex retirement planning.";
    ExpectHelpText(
        HelpLines(RetirementIncomeHelpText(WithdrawalChoice::Percentage, QStringLiteral("£"))),
        {{0, "                    With Percentage Option highlighted."},
         {2, "100,000.00"},
         {6, "         20%"},
         {10, "        15%"},
         {14, "          25"}},
        {"Shows £100,000.00 lump sum invested on retirement at 20% Interest/Growth rate "
         "compounded annually for 25 years and taking out 15% at the end of each year from the "
         "Current Value at the start of each Year. Notice that both the Annual Income and the "
         "Current Value each increase by 5% annually.",
         "Annual Income Withdrawn is defined as being made up of Annual Interest/Growth and the "
         "sale of some investments if neccessary to give the income you require.",
         pointer});
    ExpectHelpText(
        HelpLines(RetirementIncomeHelpText(WithdrawalChoice::FixedAmount, QStringLiteral("$"))),
        {{0, "                   With Fixed Amount Option highlighted."},
         {2, "100,000.00"},
         {6, "        10%"},
         {10, "   1,000.00"}},
        {"Shows taking out a fixed amount monthly. If you are taking out more cash annually than "
         "is being generated by the Interest/Growth rate, shows number of years before Capital "
         "is gone.",
         "If the Annual Income is less than the Interest/Growth rate then the calculation ends "
         "at 50 years. Table shows annual totals based on monthly calculation of Annual Income, "
         "Interest/Growth and Current Value.",
         "Annual Amount of Cash Withdrawn is defined as being made up of Annual Interest/Growth "
         "and the sale of some of your investments if neccessary to give the income you "
         "require.",
         pointer});
}
