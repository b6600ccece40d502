// Mortgage and loan payments and amortization tables. Figures from
// tests/tools/mortgage_schedule.py, which works them out from the window's
// rules apart from the program.
#include "planning/model/mortgage.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "support/money_literals.h"

namespace {

QString Amt(Money v) {
    return Format(v, u"####,,###.00");
}
QString Amt(double v) {
    return Format(v, u"####,,###.00");
}
MortgageInputs Mortgage(double amount, double rate, double years, int perYear = 12) {
    return {MortgageMode::Mortgage, M(amount), M(rate), M(years), perYear};
}
MortgageInputs Loan(double amount, double rate, double months, int perYear = 12) {
    return {MortgageMode::Loan, M(amount), M(rate), M(months), perYear};
}

}  // namespace

// 100,000 at 10 % over 25 years with each compounding choice: the payment, the
// yearly total from the payment rounded to cents, the first and last years and
// the totals. Monthly (908.70) and semi-annual (894.49) are the usual annuity
// figures at e = 0.10/12 and e = 1.05^(1/6) - 1.
TEST(Mortgage, EveryCompoundingChoice) {
    struct Case {
        int perYear;
        const char* payment;
        const char* yearly;
        const char* row1Interest;
        const char* row1Principal;
        const char* row25Interest;
        const char* totalInterest;
    };
    const Case cases[] = {
        {12, "908.70", "10,904.40", "9,957.37", "947.03", "568.38", "172,610.23"},
        {6, "905.79", "10,869.48", "9,915.93", "953.54", "564.31", "171,736.81"},
        {3, "900.07", "10,800.84", "9,834.40", "966.45", "556.34", "170,021.28"},
        {2, "894.49", "10,733.88", "9,754.62", "979.23", "548.60", "168,346.17"},
        {1, "878.50", "10,542.00", "9,525.14", "1,016.81", "526.67", "163,548.71"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.perYear);
        const MortgageSchedule s = CalculateMortgage(Mortgage(100000, 10, 25, c.perYear));
        EXPECT_EQ(Amt(s.payment), c.payment);
        EXPECT_EQ(Amt(s.yearlyPayments), c.yearly);
        ASSERT_EQ(s.rows.size(), 25u);
        EXPECT_EQ(Amt(s.rows[0].interest), c.row1Interest);
        EXPECT_EQ(Amt(s.rows[0].principal), c.row1Principal);
        EXPECT_EQ(Amt(s.rows[24].interest), c.row25Interest);
        EXPECT_EQ(Amt(s.rows[24].balance), ".00");
        EXPECT_EQ(Amt(s.totalInterest), c.totalInterest);
        // The principal total is the amount borrowed.
        EXPECT_EQ(s.totalPrincipal, 100000.0);
    }
    // Annual compounding: e = (1 + r)^(1/12) - 1, r single precision.
    const MortgageSchedule annual = CalculateMortgage(Mortgage(100000, 10, 25, 1));
    EXPECT_NEAR(annual.monthlyRate, std::pow(1.0 + double(0.1f), 1.0 / 12) - 1, 1e-15);
}

TEST(Mortgage, ResultLabelsAndTheYearlyTotalFromTheRoundedPayment) {
    const MortgageSchedule s = CalculateMortgage(Mortgage(100000, 10, 25));
    // 12 times the unrounded payment is 10,904.41; the label shows 12 x 908.70.
    EXPECT_EQ(Amt(12 * s.payment), "10,904.41");
    EXPECT_EQ(MonthlyPaymentText(s, QStringLiteral("$")), "     $908.70");
    EXPECT_EQ(YearlyPaymentsText(s, QStringLiteral("$")), "  $10,904.40");
    EXPECT_EQ(AllPaymentsText(s, QStringLiteral("$")), " $272,610.23");
    // A figure wider than its label is shown whole, never cut.
    const MortgageSchedule big = CalculateMortgage(Mortgage(900000000, 10, 25));
    EXPECT_EQ(MonthlyPaymentText(big, QStringLiteral("DM")), "DM8,178,306.80");
}

TEST(Mortgage, LoansRunMonthByMonthAndEndNearZero) {
    const MortgageSchedule year = CalculateMortgage(Loan(10000, 10, 12));
    EXPECT_EQ(Amt(year.payment), "879.16");
    ASSERT_EQ(year.rows.size(), 12u);
    EXPECT_EQ(Amt(year.rows[0].interest), "83.33");
    EXPECT_EQ(Amt(year.rows[0].principal), "795.83");
    EXPECT_EQ(Amt(year.rows[0].balance), "9,204.17");
    EXPECT_EQ(Amt(year.rows[11].balance), ".00");
    EXPECT_EQ(Amt(year.allPayments()), "10,549.91");

    // 13 months is not a whole number of years: the discount factor takes
    // 13/12 years, so the last month still leaves nothing owing.
    const MortgageSchedule odd = CalculateMortgage(Loan(10000, 10, 13, 3));
    EXPECT_EQ(Amt(odd.payment), "814.28");
    ASSERT_EQ(odd.rows.size(), 13u);
    EXPECT_EQ(odd.rows[12].period, 13);
    EXPECT_EQ(Amt(odd.rows[12].principal), "807.63");
    EXPECT_LT(std::abs(odd.rows[12].balance.toDouble()), 0.005);

    const MortgageSchedule longest = CalculateMortgage(Loan(10000, 10, 480));
    ASSERT_EQ(longest.rows.size(), 480u);
    EXPECT_EQ(Amt(longest.payment), "84.91");
    EXPECT_EQ(Amt(longest.rows[479].interest), ".70");
    EXPECT_EQ(Amt(longest.totalInterest), "30,759.00");
}

// The annual rate is single precision: 7.3 % is 0.0729999989... Printed
// figures that a double rate would give otherwise (363,894.54 and
// 13,742,556.53 with r = 0.073 exactly).
TEST(Mortgage, SinglePrecisionRate) {
    const MortgageSchedule s = CalculateMortgage(Mortgage(5000000, 7.3, 50));
    EXPECT_EQ(s.rate, 0.073f);
    EXPECT_EQ(Amt(s.rows[1].interest), "363,894.53");
    EXPECT_EQ(Amt(s.totalInterest), "13,742,556.28");
    EXPECT_EQ(Amt(s.rows[49].balance), ".00");
}

TEST(Mortgage, LimitsAndFiguresThatCannotBeWorkedOut) {
    EXPECT_FALSE(PastMortgageLimit(Mortgage(1000, 10, 50)));
    EXPECT_TRUE(PastMortgageLimit(Mortgage(1000, 10, 51)));
    EXPECT_FALSE(PastMortgageLimit(Loan(1000, 10, 480)));
    EXPECT_TRUE(PastMortgageLimit(Loan(1000, 10, 481)));
    EXPECT_EQ(CalculateMortgage(Mortgage(1000, 10, 50)).rows.size(), 50u);
    EXPECT_THROW(CalculateMortgage(Mortgage(1000, 10, 51)), std::out_of_range);

    // A zero rate (0/0), a zero term (x/0) or figures past the currency's
    // range end the calculation: nothing that is not a number comes back.
    EXPECT_THROW(CalculateMortgage(Mortgage(100000, 0, 25)), MoneyOverflow);
    EXPECT_THROW(CalculateMortgage(Mortgage(100000, 10, 0)), MoneyOverflow);
    EXPECT_THROW(CalculateMortgage(Loan(10000, 10, 0)), MoneyOverflow);
    EXPECT_THROW(CalculateMortgage(Mortgage(90000000000000, 100, 50)), MoneyOverflow);
}

TEST(Mortgage, TableAndGridRows) {
    const MortgageSchedule s = CalculateMortgage(Loan(10000, 10, 12));
    SharedTable<Money> t;
    t.create(501, 6);
    StoreMortgageTable(s, t);
    EXPECT_EQ(t(1, 1), M(1));
    EXPECT_EQ(t(1, 2), s.rows[0].interest);
    EXPECT_EQ(t(12, 4), s.rows[11].balance);
    EXPECT_EQ(t(13, 1), M(12));
    EXPECT_EQ(Amt(t(13, 2)), "549.91");
    EXPECT_EQ(t(13, 3), M(10000));
    EXPECT_EQ(t(13, 4), Money());
    EXPECT_EQ(Amt(t(13, 5)), "10,549.91");

    const auto rows = MortgageGridRows(s, QStringLiteral("$"));
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0], (QStringList{"1", "83.33", "795.83", "9,204.17"}));
    EXPECT_EQ(rows[12], (QStringList{"Total:", "$549.91", "$10,000.00", "$.00"}));
}

// A schedule's grid rows are made when the grid first draws them, after the schedule is gone.
TEST(Mortgage, GridSourceOutlivesItsSchedule) {
    GridRowSource source;
    std::vector<QStringList> made;
    {
        const MortgageSchedule s = CalculateMortgage(Loan(10000, 10, 480));
        made = MortgageGridRows(s, QStringLiteral("$"));
        source = MortgageGridSource(s, QStringLiteral("$"));
    }
    ASSERT_EQ(source.count, 481);
    EXPECT_EQ(source.cells(479).at(0), "480");
    EXPECT_EQ(source.cells(480).at(0), "Total:");
    EXPECT_EQ(source.all(), made);
}

TEST(Mortgage, CompoundingEntries) {
    QStringList texts;
    std::vector<int> perYear;
    for (const Compounding& c : kCompoundings) {
        texts << QString::fromUtf16(c.text);
        perYear.push_back(c.perYear);
    }
    EXPECT_EQ(texts, (QStringList{"      Monthly", "    BiMonthly", "    Quarterly",
                                  " SemiAnnually", "     Annually"}));
    EXPECT_EQ(perYear, (std::vector<int>{12, 6, 3, 2, 1}));
    EXPECT_EQ(CompoundingFor(QStringLiteral(" SemiAnnually")).perYear, 2);
    EXPECT_EQ(CompoundingFor(QStringLiteral("Annually")).perYear, 12);
}
