#include "planning/model/mortgage_extras.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "planning/model/calculator_figures.h"

bool MortgageExtras::any() const {
    if (perPayment > Money()) return true;
    return std::any_of(lumpSums.begin(), lumpSums.end(),
                       [](const LumpSum& l) { return l.amount > Money() && l.payment > 0; });
}

Money MortgageExtras::at(int n) const {
    Money sum = perPayment;
    for (const LumpSum& l : lumpSums)
        if (l.payment == n && l.amount > Money()) sum += l.amount;
    return sum;
}

namespace {

constexpr int64_t kRawPerCent = Money::kScale / 100;

}  // namespace

Money RoundedToCents(Money v) {
    const int64_t raw = v.raw();
    int64_t cents = raw / kRawPerCent;
    const int64_t rest = raw % kRawPerCent;
    const int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > kRawPerCent || (twice == kRawPerCent && cents % 2 != 0)) cents += raw < 0 ? -1 : 1;
    return Money::fromRaw(cents * kRawPerCent);
}

namespace {

// A whole number of cents as an amount, checked.
Money FromCents(double cents) {
    if (!std::isfinite(cents) || std::fabs(cents) > 9.0e16)
        throw MoneyOverflow("mortgage figure out of range");
    return Money::fromRaw(static_cast<int64_t>(cents) * kRawPerCent);
}

// The month's interest: the balance in cents times the rate, half to even to the cent
// (nearbyint rounds ties to even in the default rounding mode).
Money InterestOf(Money balance, double monthlyRate) {
    return FromCents(
        std::nearbyint(static_cast<double>(balance.raw() / kRawPerCent) * monthlyRate));
}

void Add(ExtraRow& sum, const ExtraRow& row) {
    sum.payment += row.payment;
    sum.extra += row.extra;
    sum.interest += row.interest;
    sum.principal += row.principal;
    sum.balance = row.balance;
}

Money InterestOf(const std::vector<ExtraRow>& rows) {
    Money sum;
    for (const ExtraRow& r : rows) sum += r.interest;
    return sum;
}

}  // namespace

std::vector<ExtraRow> MonthsWithExtras(Money amount, double monthlyRate, Money payment, int months,
                                       const MortgageExtras& extras) {
    std::vector<ExtraRow> rows;
    Money balance = RoundedToCents(amount);
    payment = RoundedToCents(payment);
    rows.reserve(static_cast<size_t>(std::max(months, 0)));
    for (int n = 1; n <= months && balance > Money(); ++n) {
        ExtraRow r;
        r.period = n;
        r.interest = InterestOf(balance, monthlyRate);
        const Money extra = RoundedToCents(extras.at(n));
        const Money due = r.interest + balance;
        if (payment + extra >= due || n == months) {
            // The last payment: exactly what closes the loan.
            r.payment = std::max(std::min(payment, due), due - extra);
            r.extra = due - r.payment;
            r.principal = balance;
            r.balance = Money();
        } else {
            r.payment = payment;
            r.extra = extra;
            r.principal = payment + extra - r.interest;
            r.balance = balance - r.principal;
        }
        balance = r.balance;
        rows.push_back(r);
    }
    return rows;
}

ExtraSchedule CalculateWithExtras(const MortgageInputs& in, const MortgageSchedule& base,
                                  const MortgageExtras& extras) {
    const bool loan = in.mode == MortgageMode::Loan;
    const int monthsPerRow = loan ? 1 : 12;
    const int term = std::max(base.periods, 0) * monthsPerRow;
    ExtraSchedule s;
    s.regularPayment = FromCents(std::floor(base.payment * 100 + 0.5));
    const std::vector<ExtraRow> months =
        MonthsWithExtras(in.amount, base.monthlyRate, s.regularPayment, term, extras);
    const std::vector<ExtraRow> without =
        MonthsWithExtras(in.amount, base.monthlyRate, s.regularPayment, term, MortgageExtras{});
    s.payments = static_cast<int>(months.size());
    s.paymentsWithout = static_cast<int>(without.size());
    s.interestWithout = InterestOf(without);

    for (size_t i = 0; i < months.size(); ++i) {
        if (i % static_cast<size_t>(monthsPerRow) == 0) {
            ExtraRow row;
            row.period = static_cast<int>(s.rows.size()) + 1;
            s.rows.push_back(row);
        }
        Add(s.rows.back(), months[i]);
        Add(s.totals, months[i]);
    }
    s.totals.period = static_cast<int>(s.rows.size());
    s.totals.balance = Money();
    return s;
}

void StoreExtraTable(const ExtraSchedule& s, SharedTable<Money>& t) {
    for (const ExtraRow& row : s.rows) {
        t(row.period, 1) = Money::fromInt(row.period);
        t(row.period, 2) = row.interest;
        t(row.period, 3) = row.principal;
        t(row.period, 4) = row.balance;
        t(row.period, 5) = row.extra;
    }
    const int total = s.totals.period + 1;
    t(total, 1) = Money::fromInt(s.totals.period);
    t(total, 2) = s.totals.interest;
    t(total, 3) = s.totals.principal;
    t(total, 4) = Money();
    t(total, 5) = s.totals.payment + s.totals.extra;
}

GridRowSource ExtraGridSource(const ExtraSchedule& s, const QString& symbol) {
    return ScheduleGridSource<ExtraRow, Money, 4>(
        s.rows, {&ExtraRow::interest, &ExtraRow::principal, &ExtraRow::extra, &ExtraRow::balance},
        {s.totals.interest, s.totals.principal, s.totals.extra, Money()}, symbol);
}

std::vector<QStringList> ExtraGridRows(const ExtraSchedule& s, const QString& symbol) {
    return ExtraGridSource(s, symbol).all();
}

QStringList ExtraResultTexts(const ExtraSchedule& s, const QString& symbol) {
    auto amount = [&symbol](Money v) { return symbol + Format(v, u"###,,##0.00"); };
    return {QString::number(s.payments), QString::number(s.paymentsSaved()),
            amount(s.interestWithout), amount(s.totals.interest), amount(s.interestSaved())};
}
