#include "planning/model/savings_plan.h"

#include <stdexcept>

#include "common/number_format.h"
#include "planning/model/calculator_figures.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QString percentCell(Money percent) {
    return Format(percent, u"##.00") + u'%';
}
}  // namespace

SavingsPlanInputs SavingsPlanInputs::fromCalcInputs(const std::vector<Money>& c) {
    SavingsPlanInputs in;
    in.lumpSum = c.at(1);
    in.annual = c.at(2);
    in.ratePercent = c.at(3);
    in.years = c.at(4);
    in.inflationPercent = c.at(5);
    in.increasePercent = c.at(6);
    return in;
}

bool PastSavingsYearLimit(const SavingsPlanInputs& in) {
    return PastYearLimit(static_cast<double>(RoundedYears(in.years)), kSavingsYearLimit);
}

SavingsPlan CalculateSavingsPlan(const SavingsPlanInputs& in) {
    const float r = static_cast<float>(in.ratePercent.toDouble() / 100.0);
    const double f = in.inflationPercent.toDouble() / 100.0;
    const double g = in.increasePercent.toDouble() / 100.0;

    SavingsPlan plan;
    plan.years = RoundedYears(in.years);
    if (plan.years > kSavingsYearLimit) throw std::out_of_range("term past the year limit");
    plan.yearsComputed = plan.years < 1 ? 1 : static_cast<int>(plan.years);
    plan.rows.reserve(static_cast<size_t>(plan.yearsComputed));

    Money annual = in.annual;
    const Money firstInvestment = annual + in.lumpSum;
    Money interest = InterestFor(firstInvestment.toDouble(), r);
    Money invested = firstInvestment;
    double value = (interest + firstInvestment).toDouble();
    value -= value * f;
    plan.rows.push_back({1, firstInvestment, interest, Money::fromDouble(value)});

    for (int y = 2; y <= plan.years; ++y) {
        annual = Money::fromDouble(annual.toDouble() + annual.toDouble() * g);
        const double base = value + annual.toDouble();
        interest = InterestFor(base, r);
        value = base + interest.toDouble();
        value -= value * f;
        invested += annual;
        plan.rows.push_back({y, annual, interest, Money::fromDouble(value)});
    }

    plan.totalInvested = invested;
    plan.finalValue = Money::fromDouble(value);
    plan.totalInterest = plan.finalValue - plan.totalInvested;
    return plan;
}

void StoreYearTable(const SavingsPlan& plan, SharedTable<Money>& t) {
    StoreYearRows(t, plan.rows,
                  [](const SavingsYear& r) {
                      return StoredYear{r.year, {r.invested, r.interest, r.value}};
                  },
                  plan.yearsComputed + 1,
                  {plan.yearsComputed, {plan.totalInvested, plan.totalInterest, plan.finalValue}});
}

std::vector<QStringList> SavingsGridRows(const SavingsPlan& plan, const QString& symbol) {
    SharedTable<Money> table;
    table.create(plan.yearsComputed + 2, 6);
    StoreYearTable(plan, table);
    return YearGridRows(table, plan.yearsComputed, kSavingsGridColumns, symbol);
}

QStringList ComparisonCells(const SavingsPlanInputs& in, const SavingsPlan& plan) {
    const QString money = QStringLiteral("###,,###.00");
    const QString total = QStringLiteral("#####,,##0.00");
    return {Format(static_cast<double>(plan.yearsComputed), u"###"),
            Format(in.lumpSum, money),
            Format(in.annual, money),
            percentCell(in.ratePercent),
            percentCell(in.increasePercent),
            percentCell(in.inflationPercent),
            Format(plan.totalInvested, total),
            Format(plan.finalValue, total)};
}

QString ComparisonLabel(int row) {
    return ComparisonRowLabel(row);
}

QString ComparisonReportEntry(const SavingsPlanInputs& in, const SavingsPlan& plan) {
    const QString money = QStringLiteral("###,,###.00");
    const QString total = QStringLiteral("####,,##0.00");
    // A figure too wide for its field stays a blank apart from the one before it.
    auto field = [](const QString& figure, int width) {
        return RightJustifyWhole(figure, width, 1);
    };
    QString line = field(Format(static_cast<double>(plan.yearsComputed), u"##"), 3) +
                   field(Format(in.lumpSum, money), 12) + field(Format(in.annual, money), 12) +
                   field(Format(in.ratePercent, u"##.00"), 7) + u'%' +
                   field(Format(in.increasePercent, u"##.00"), 7) + u'%' +
                   field(Format(in.inflationPercent, u"##.00"), 7) + u'%' +
                   field(Format(plan.totalInvested, total), 13) +
                   field(Format(plan.finalValue, total), 14);
    return line + kCrLf + u' ' + QString(77, u'_') + kCrLf + kCrLf;
}
