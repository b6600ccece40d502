#include "planning/model/calculator_charts.h"

#include <algorithm>

namespace {

const QString kValueAtEnd = QStringLiteral("Investment value at end of each Year");

ChartData yearBars(const QString& title, const QString& symbol) {
    ChartData d;
    d.kind = ChartKind::YearBars;
    d.points.title = title;
    d.currencySymbol = symbol;
    return d;
}

// The first `count` rows, each a bar labelled with its period: its own value, or, `shifted`,
// `start` first and then the value of the row before.
template <class Rows, class Period, class Value>
ChartData withRows(ChartData d, const Rows& rows, int64_t count, Period period, Value value,
                   bool shifted = false, Money start = Money()) {
    const size_t n = static_cast<size_t>(std::clamp<int64_t>(count, 0, rows.size()));
    for (size_t i = 0; i < n; ++i) {
        d.points.labels.append(Money::fromInt(period(rows[i])).toFileText());
        const Money v = !shifted ? value(rows[i]) : i == 0 ? start : value(rows[i - 1]);
        d.points.values.push_back(v.toDouble());
    }
    PadSinglePoint(d.points);
    return d;
}

ChartData comparisonBars(const std::vector<Money>& values, const QString& title,
                         const QString& axisTitle, ChartUnit unit, const QString& symbol) {
    ChartData d;
    d.kind = ChartKind::ComparisonBars;
    d.points.title = title;
    d.points.axisTitle = axisTitle;
    d.points.unit = unit;
    d.currencySymbol = symbol;
    for (size_t k = 1; k <= values.size(); ++k) {
        d.points.labels.append(ComparisonRowLabel(static_cast<int>(k)));
        d.points.values.push_back(values[k - 1].toDouble());
    }
    PadSinglePoint(d.points);
    return d;
}

// The balance of a mortgage or a loan at the start of each period, with or without extras.
ChartData balanceBars(MortgageMode mode, const QString& symbol) {
    return yearBars(mode == MortgageMode::Loan
                        ? QStringLiteral("Loan balance at start of each Month")
                        : QStringLiteral("Mortgage balance at start of each Year"),
                    symbol);
}

}  // namespace

ChartData YearChart(const SavingsPlan& plan, const QString& symbol) {
    return withRows(
        yearBars(kValueAtEnd, symbol), plan.rows, plan.years,
        [](const SavingsYear& r) { return r.year; }, [](const SavingsYear& r) { return r.value; });
}

ChartData YearChart(const MortgageSchedule& schedule, const MortgageInputs& in,
                    const QString& symbol) {
    return withRows(
        balanceBars(in.mode, symbol), schedule.rows, schedule.periods,
        [](const AmortizationRow& r) { return r.period; },
        [](const AmortizationRow& r) { return r.balance; }, true, in.amount);
}

ChartData YearChart(const ExtraSchedule& schedule, const MortgageInputs& in,
                    const QString& symbol) {
    return withRows(
        balanceBars(in.mode, symbol), schedule.rows, schedule.totals.period,
        [](const ExtraRow& r) { return r.period; }, [](const ExtraRow& r) { return r.balance; },
        true, in.amount);
}

ChartData YearChart(const RetirementIncome& result, const RetirementIncomeInputs& in,
                    const QString& symbol) {
    const bool fixed = in.choice == WithdrawalChoice::FixedAmount;
    return withRows(
        yearBars(fixed ? QStringLiteral("Retirement value at start of each Year")
                       : QStringLiteral("Retirement value at end of each Year"),
                 symbol),
        result.rows, static_cast<int64_t>(result.rows.size()),
        [](const RetirementYear& r) { return r.year; },
        [](const RetirementYear& r) { return r.value; }, fixed, in.capital);
}

ChartData YearChart(const CapitalPlan& plan, const QString& symbol) {
    return withRows(
        yearBars(kValueAtEnd, symbol), plan.rows, plan.years,
        [](const CapitalYear& r) { return r.year; }, [](const CapitalYear& r) { return r.value; });
}

ChartData YearChart(const K401Plan& plan, const QString& symbol) {
    return withRows(
        yearBars(kValueAtEnd, symbol), plan.rows, plan.years,
        [](const K401Year& r) { return r.year; }, [](const K401Year& r) { return r.value; });
}

ChartData SavingsComparisonChart(const std::vector<Money>& finalValues, const QString& symbol) {
    return comparisonBars(finalValues, QStringLiteral("Savings Comparisons"),
                          QStringLiteral("Value ") + symbol, ChartUnit::Money, symbol);
}

ChartData CompoundRateChart(const std::vector<Money>& ratesPercent, const QString& symbol) {
    return comparisonBars(ratesPercent, QStringLiteral("Annual compound growth comparisons"),
                          QStringLiteral("Gain %"), ChartUnit::Percent, symbol);
}
