// The schedule with extra payments. Figures from tests/tools/mortgage_extras.py, which works them
// out from the window's rules apart from the program.
#include "planning/model/mortgage_extras.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <random>

#include "common/number_format.h"
#include "planning/model/mortgage_extras_help.h"
#include "support/money_literals.h"

namespace {

QString Amt(Money v) {
    return Format(v, u"####,,##0.00");
}
MortgageExtras Extras(double perPayment, std::initializer_list<LumpSum> lumps = {}) {
    MortgageExtras x;
    x.perPayment = M(perPayment);
    size_t i = 0;
    for (const LumpSum& l : lumps) x.lumpSums[i++] = l;
    return x;
}
ExtraSchedule Work(const MortgageInputs& in, const MortgageExtras& x) {
    return CalculateWithExtras(in, CalculateMortgage(in), x);
}
bool SameFigures(const ExtraRow& a, const ExtraRow& b) {
    return a.payment == b.payment && a.extra == b.extra && a.interest == b.interest &&
           a.principal == b.principal && a.balance == b.balance;
}
QStringList Cells(const ExtraRow& r) {
    return {QString::number(r.period), Amt(r.payment),   Amt(r.extra),
            Amt(r.interest),           Amt(r.principal), Amt(r.balance)};
}

}  // namespace

TEST(MortgageExtras, AgainstTheFiguresWorkedOutApart) {
    struct Case {
        MortgageInputs in;
        MortgageExtras extras;
        int payments, saved;
        const char *without, *with, *interestSaved;
        QStringList first, last, totals;  // period, payment, extra, interest, principal, balance
    };
    // clang-format off
    const Case cases[] = {
        {{MortgageMode::Mortgage, M(100000), M(10), M(25), 12}, Extras(100, {{M(5000), 12}}),
         188, 112, "172,610.71", "93,974.78", "78,635.93",
         {"1", "10,904.40", "6,200.00", "9,900.80", "7,203.60", "92,796.40"},
         {"16", "6,708.78", "700.00", "251.96", "7,156.82", "0.00"},
         {"16", "170,274.78", "23,700.00", "93,974.78", "100,000.00", "0.00"}},
        // No extras: the term's last month takes up the cents the rounded payment leaves.
        {{MortgageMode::Mortgage, M(100000), M(10), M(25), 12}, Extras(0),
         300, 0, "172,610.71", "172,610.71", "0.00",
         {"1", "10,904.40", "0.00", "9,957.38", "947.02", "99,052.98"},
         {"25", "10,905.11", "0.00", "568.45", "10,336.66", "0.00"},
         {"25", "272,610.71", "0.00", "172,610.71", "100,000.00", "0.00"}},
        {{MortgageMode::Loan, M(10000), M(10), M(48), 6}, Extras(0, {{M(1000), 6}, {M(2500), 20}}),
         32, 16, "2,164.50", "1,391.82", "772.68",
         {"1", "253.43", "0.00", "82.99", "170.44", "9,829.56"},
         {"32", "35.49", "0.00", "0.29", "35.20", "0.00"},
         {"32", "7,891.82", "3,500.00", "1,391.82", "10,000.00", "0.00"}},
        // A lump sum that pays the loan off with the first payment is cut to what is owed.
        {{MortgageMode::Loan, M(10000), M(10), M(12), 12}, Extras(0, {{M(10000), 1}}),
         1, 11, "549.89", "83.33", "466.56",
         {"1", "879.16", "9,204.17", "83.33", "10,000.00", "0.00"},
         {"1", "879.16", "9,204.17", "83.33", "10,000.00", "0.00"},
         {"1", "879.16", "9,204.17", "83.33", "10,000.00", "0.00"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.join(u' ').toStdString());
        const ExtraSchedule s = Work(c.in, c.extras);
        EXPECT_EQ(s.payments, c.payments);
        EXPECT_EQ(s.paymentsSaved(), c.saved);
        EXPECT_EQ(Amt(s.interestWithout), c.without);
        EXPECT_EQ(Amt(s.totals.interest), c.with);
        EXPECT_EQ(Amt(s.interestSaved()), c.interestSaved);
        ASSERT_FALSE(s.rows.empty());
        EXPECT_EQ(Cells(s.rows.front()), c.first);
        EXPECT_EQ(Cells(s.rows.back()), c.last);
        EXPECT_EQ(Cells(s.totals), c.totals);
    }
    const ExtraSchedule s =
        Work({MortgageMode::Mortgage, M(100000), M(10), M(25), 12}, Extras(100, {{M(5000), 12}}));
    // The help panel's worked example quotes this schedule's results.
    const QString help = WithExtrasHelp(QString());
    for (const QString& figure : ExtraResultTexts(s, QString()))
        EXPECT_TRUE(help.contains(QRegularExpression(QStringLiteral("(^|[^\\d,.])") +
                                                     QRegularExpression::escape(figure) +
                                                     QStringLiteral("($|[^\\d])"))))
            << figure.toStdString();
}

// Every row adds up to the cent over many random loans: each compounding choice, terms up to
// 480 months, extras small and large, lump sums anywhere (beyond the end too).
TEST(MortgageExtras, EveryScheduleReconcilesToTheCent) {
    std::mt19937 random(20261207);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const int perYear[] = {12, 6, 3, 2, 1};
    int endedInFirst = 0, endedEarly = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const bool loan = trial % 2 == 0;
        MortgageInputs in;
        in.mode = loan ? MortgageMode::Loan : MortgageMode::Mortgage;
        in.amount = Money::fromRaw(int64_t{pick(1, 5000000)} * pick(1, 100) * 100);
        in.ratePercent = Money::fromRaw(int64_t{pick(1, 2500)} * 100);
        in.term = Money::fromInt(loan ? pick(1, 480) : pick(1, 40));
        in.perYear = perYear[trial % 5];
        MortgageExtras x;
        const int kind = pick(0, 3);
        if (kind >= 1) x.perPayment = Money::fromRaw(int64_t{pick(0, 200000)} * 100);
        if (kind >= 2)
            for (LumpSum& l : x.lumpSums)
                l = {Money::fromRaw(int64_t{pick(0, 1000000)} * 100), pick(0, 500)};
        if (kind == 3 && trial % 7 == 0) x.lumpSums[0] = {in.amount * M(2), 1};
        SCOPED_TRACE(trial);

        const MortgageSchedule base = CalculateMortgage(in);
        const ExtraSchedule s = CalculateWithExtras(in, base, x);
        const int term = static_cast<int>(base.periods) * (loan ? 1 : 12);
        const std::vector<ExtraRow> months =
            MonthsWithExtras(in.amount, base.monthlyRate, s.regularPayment, term, x);
        ASSERT_EQ(static_cast<int>(months.size()), s.payments);
        ASSERT_GE(s.payments, 1);
        EXPECT_LE(s.payments, s.paymentsWithout);
        EXPECT_LE(s.paymentsWithout, term);
        endedInFirst += s.payments == 1 && term > 1;
        endedEarly += s.payments < term;

        Money balance = in.amount;
        for (const ExtraRow& m : months) {
            ASSERT_EQ(m.payment + m.extra, m.interest + m.principal) << m.period;
            ASSERT_EQ(balance - m.principal, m.balance) << m.period;
            ASSERT_EQ(m.interest.raw() % 100, 0);
            ASSERT_LE(m.extra, x.at(m.period));
            balance = m.balance;
        }
        EXPECT_EQ(balance, Money());
        // The table's rows and totals are the sums of the months and of the rows.
        ExtraRow sum;
        size_t month = 0;
        for (const ExtraRow& r : s.rows) {
            ExtraRow part;
            for (int k = 0; k < (loan ? 1 : 12) && month < months.size(); ++k, ++month) {
                part.payment += months[month].payment;
                part.extra += months[month].extra;
                part.interest += months[month].interest;
                part.principal += months[month].principal;
                part.balance = months[month].balance;
            }
            ASSERT_TRUE(SameFigures(r, part)) << r.period;
            ASSERT_EQ(r.payment + r.extra, r.interest + r.principal);
            sum.payment += r.payment;
            sum.extra += r.extra;
            sum.interest += r.interest;
            sum.principal += r.principal;
        }
        EXPECT_EQ(month, months.size());
        EXPECT_TRUE(SameFigures(s.totals, sum));
        EXPECT_EQ(s.totals.principal, in.amount);
        EXPECT_GE(s.interestSaved(), Money());
    }
    EXPECT_GT(endedInFirst, 2);
    EXPECT_GT(endedEarly, 100);
}
