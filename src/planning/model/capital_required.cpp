#include "planning/model/capital_required.h"

#include <cmath>

#include "planning/model/calculator_figures.h"

namespace {

// Every step of the year loop must stay a finite number: a figure too large
// for a double ends the calculation as a wrong entry rather than as an
// infinity or a NaN in the table.
double checkedFinite(double x) {
    if (!std::isfinite(x)) throw CapitalEntryError("figure out of range");
    return x;
}

}  // namespace

CapitalInputs CapitalInputs::fromCalcInputs(const std::vector<Money>& c) {
    CapitalInputs in;
    in.capital = c.at(1);
    in.ratePercent = c.at(2);
    in.years = c.at(3);
    return in;
}

int64_t CapitalYears(const CapitalInputs& in) {
    return RoundedYears(in.years);
}

CapitalPlan CalculateCapitalRequired(const CapitalInputs& in) {
    const int64_t n = CapitalYears(in);
    if (n > kCapitalYearLimit) throw CapitalEntryError("term past the year limit");
    // A term of 0 divides by zero; a negative one has no year to invest in.
    if (n < 1) throw CapitalEntryError("no year to invest in");
    const double C = in.capital.toDouble();
    const double i = in.ratePercent.toDouble() / 100.0;
    if (i == 0.0) throw CapitalEntryError("a zero rate divides by zero");

    const double growth = checkedFinite(std::pow(1.0 + i, static_cast<double>(n)));
    const double P = checkedFinite(C / ((((growth - 1.0) / i)) * (1.0 + i)));

    CapitalPlan plan;
    plan.years = static_cast<int>(n);
    plan.payment = Money::fromDouble(P);
    plan.rows.reserve(static_cast<size_t>(n));
    double I = P * i;  // interest credited in the coming year
    double D = P * i;  // interest shown for the year
    double V = 0, T = 0, TI = 0;
    for (int y = 1; y <= plan.years; ++y) {
        V = checkedFinite(V + P + I);
        T += P;
        TI += I;
        plan.rows.push_back({y, plan.payment, Money::fromDouble(D), Money::fromDouble(V)});
        I = checkedFinite((V + P) * i);
        D = std::floor((V + P) * i * 100.0 + 0.5) / 100.0;
    }
    plan.totalInvested = Money::fromDouble(T);
    plan.totalInterest = Money::fromDouble(TI);
    plan.finalValue = Money::fromDouble(V);
    return plan;
}

void StoreCapitalYearTable(const CapitalPlan& plan, SharedTable<Money>& t) {
    // The total row's year column holds n + 1, not n.
    const int total = plan.years + 1;
    StoreYearRows(t, plan.rows,
                  [](const CapitalYear& r) {
                      return StoredYear{r.year, {r.invested, r.interest, r.value}};
                  },
                  total, {total, {plan.totalInvested, plan.totalInterest, plan.finalValue}});
}

std::vector<QStringList> CapitalGridRows(const CapitalPlan& plan, const QString& symbol) {
    SharedTable<Money> table;
    table.create(plan.years + 2, 6);
    StoreCapitalYearTable(plan, table);
    return YearGridRows(table, plan.years, kCapitalGridColumns, symbol);
}
