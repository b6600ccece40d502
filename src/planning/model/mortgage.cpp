#include "planning/model/mortgage.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/number_format.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

const Compounding kCompoundings[5] = {
    {u"      Monthly", 12}, {u"    BiMonthly", 6}, {u"    Quarterly", 3},
    {u" SemiAnnually", 2},  {u"     Annually", 1},
};

const Compounding& CompoundingFor(const QString& text) {
    for (const Compounding& c : kCompoundings)
        if (text == QStringView(c.text)) return c;
    return kCompoundings[0];
}

bool PastMortgageLimit(const MortgageInputs& in) {
    if (in.mode == MortgageMode::Loan) return PastYearLimit(in.term.toDouble(), kLoanMonthLimit);
    return PastYearLimit(in.term.toDouble(), kMortgageYearLimit);
}

namespace {

// A figure that is not a number ends the calculation as an overflow does.
double checked(double v) {
    if (!std::isfinite(v)) throw MoneyOverflow("mortgage figure out of range");
    return v;
}

}  // namespace

MortgageSchedule CalculateMortgage(const MortgageInputs& in) {
    if (PastMortgageLimit(in)) throw std::out_of_range("term past the limit");
    MortgageSchedule s;
    const bool loan = in.mode == MortgageMode::Loan;
    const double P = in.amount.toDouble();
    const int m = in.perYear >= 1 && in.perYear <= 12 ? in.perYear : 12;
    const int k = 12 / m;
    s.rate = static_cast<float>(in.ratePercent.toDouble() / 100);
    const double r = s.rate;
    // The discount factor takes the term in years, a fraction for a loan.
    double N = in.term.toDouble();
    if (loan) N = N / 12;
    const double e = checked(std::pow(1 + r / m, 1.0 / k) - 1);
    const double D = checked(1 / std::pow(1 + r / m, N * m));
    if (loan) N = N * 12;
    // A zero rate or a zero term leaves no payment to work out (0/0 or x/0).
    const double A = checked(P * e / (1 - D));
    s.monthlyRate = e;
    s.payment = A;
    s.yearlyPayments = checked(std::floor(A * 100 + 0.5) / 100 * 12);
    s.periods = static_cast<int>(RoundedYears(Money::fromDouble(N)));

    double B = P, i = e * B, p = A - i;
    double TI = 0, TP = 0;
    const int monthsPerRow = loan ? 1 : 12;
    s.rows.reserve(static_cast<size_t>(std::max(s.periods, 0)));
    for (int t = 1; t <= s.periods; ++t) {
        double I = 0, Pp = 0;
        for (int j = 0; j < monthsPerRow; ++j) {
            I += i;
            Pp += p;
            B -= p;
            i = e * B;
            p = A - i;
        }
        s.rows.push_back({t, Money::fromDouble(I), Money::fromDouble(Pp), Money::fromDouble(B)});
        TI += I;
        TP += Pp;
    }
    // The principal total is shown as exactly the amount borrowed.
    if (TP > 0.5) TP = P;
    s.totalInterest = checked(TI);
    s.totalPrincipal = checked(TP);
    // Every total must be storable before anything is shown.
    Money::fromDouble(s.allPayments());
    return s;
}

void StoreMortgageTable(const MortgageSchedule& s, SharedTable<Money>& t) {
    const auto stored = [](const AmortizationRow& r) {
        return StoredYear{r.period, {r.interest, r.principal, r.balance}};
    };
    const int total = s.periods + 1;
    StoreYearRows(
        t, s.rows, stored, total,
        {s.periods, {Money::fromDouble(s.totalInterest), Money::fromDouble(s.totalPrincipal), {}}});
    t(total, 5) = Money::fromDouble(s.allPayments());
}

namespace {
QString resultText(double v, const QString& symbol) {
    return RightJustifyWhole(symbol + Format(v, u"###,,###.00"), 12);
}
}  // namespace

QString MonthlyPaymentText(const MortgageSchedule& s, const QString& symbol) {
    return resultText(s.payment, symbol);
}

QString YearlyPaymentsText(const MortgageSchedule& s, const QString& symbol) {
    return resultText(s.yearlyPayments, symbol);
}

QString AllPaymentsText(const MortgageSchedule& s, const QString& symbol) {
    return resultText(s.allPayments(), symbol);
}

GridRowSource MortgageGridSource(const MortgageSchedule& s, const QString& symbol) {
    return ScheduleGridSource<AmortizationRow, double, 3>(
        s.rows,
        {&AmortizationRow::interest, &AmortizationRow::principal, &AmortizationRow::balance},
        {s.totalInterest, s.totalPrincipal, 0.0}, symbol);
}

std::vector<QStringList> MortgageGridRows(const MortgageSchedule& s, const QString& symbol) {
    return MortgageGridSource(s, symbol).all();
}
