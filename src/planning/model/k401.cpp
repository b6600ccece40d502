#include "planning/model/k401.h"

#include "common/number_format.h"
#include "planning/model/calculator_figures.h"

K401Inputs K401Inputs::fromCalcInputs(const std::vector<Money>& c) {
    K401Inputs in;
    in.balance = c.at(1);
    in.salary = c.at(2);
    in.ownPercent = c.at(3);
    in.companyPercent = c.at(4);
    in.raisePercent = c.at(5);
    in.returnPercent = c.at(6);
    in.inflationPercent = c.at(7);
    in.years = c.at(8);
    return in;
}

int64_t K401Years(const K401Inputs& in) {
    return RoundedYears(in.years);
}

K401Plan CalculateK401(const K401Inputs& in) {
    const int64_t n = K401Years(in);
    if (n > kK401YearLimit) throw K401EntryError("term past the year limit");
    // A term of no years would print a year's growth as its totals.
    if (n < 1) throw K401EntryError("no year to project");
    const float r = static_cast<float>(in.returnPercent.toDouble() / 100.0);
    const double c = in.ownPercent.toDouble() / 100.0;
    const double k = in.companyPercent.toDouble() / 100.0;
    const double s = in.raisePercent.toDouble() / 100.0;
    const double f = in.inflationPercent.toDouble() / 100.0;
    const double B = in.balance.toDouble();

    K401Plan plan;
    plan.years = static_cast<int>(n);
    plan.balance = in.balance;
    plan.rows.reserve(static_cast<size_t>(n));

    double S = in.salary.toDouble();
    double C = S * (c + k);
    Money I = InterestFor(B + C, r);
    double T = C + B;
    double V = I.toDouble() + B + C;
    V -= V * f;
    plan.rows.push_back({1, Money::fromDouble(S), Money::fromDouble(C), I, Money::fromDouble(V)});
    Money Cc = Money::fromDouble(C);
    for (int y = 2; y <= plan.years; ++y) {
        S += S * s;
        Cc = Money::fromDouble(Cc.toDouble() + Cc.toDouble() * s);
        C = Cc.toDouble();
        const double base = V + C;
        I = InterestFor(base, r);
        V = base + I.toDouble();
        V -= V * f;
        T += C;
        plan.rows.push_back({y, Money::fromDouble(S), Cc, I, Money::fromDouble(V)});
    }
    plan.totalInvested = Money::fromDouble(T);
    plan.finalValue = Money::fromDouble(V);
    plan.totalInterest = plan.finalValue - plan.totalInvested;
    return plan;
}

bool ShowsStartingBalance(const K401Plan& plan) {
    return plan.balance > Money::fromInt(1);
}

void StoreK401YearTable(const K401Plan& plan, SharedTable<Money>& t) {
    // Besides the common columns: the starting balance in row 0, each year's salary in column 0.
    t(0, 4) = plan.balance;
    StoreYearRows(t, plan.rows,
                  [&t](const K401Year& r) {
                      t(r.year, 0) = r.salary;
                      return StoredYear{r.year, {r.contribution, r.interest, r.value}};
                  },
                  plan.years + 1,
                  {plan.years, {plan.totalInvested, plan.totalInterest, plan.finalValue}});
}

GridRowSource K401GridSource(const K401Plan& plan, const QString& symbol) {
    SharedTable<Money> table;
    table.create(plan.years + 2, 6);
    StoreK401YearTable(plan, table);
    GridRowSource years = YearGridSource(table, plan.years, kK401GridColumns, symbol);
    if (!ShowsStartingBalance(plan)) return years;
    const QStringList balance{QString(), QString(), QString(), QString(),
                              Format(plan.balance, u"####,,###.00")};
    return {years.count + 1, [balance, yearRow = std::move(years.cells)](int i) {
                return i == 0 ? balance : yearRow(i - 1);
            }};
}

std::vector<QStringList> K401GridRows(const K401Plan& plan, const QString& symbol) {
    return K401GridSource(plan, symbol).all();
}
