#include "planning/model/capital_required_report.h"

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Year, annual investment, interest/growth and value.
const YearPrintLayout kCapitalPrintLayout{{2, 3}, {{17, 14}, {39, 13}, {61, 13}}};
constexpr int kFigureWidth = 14;

void inputLine(PrintDevice& d, const QString& label, int column, const QString& value) {
    d.at(2, label);
    d.at(column, RightJustifyWhole(value, kFigureWidth));
    d.endLine();
}

}  // namespace

void PrintCapitalRequired(PrintDevice& d, const CapitalInputs& in, const CapitalPlan& plan,
                          const QString& symbol) {
    d.line();
    d.at(22, QStringLiteral("Amount of Annual Investment Required"));
    d.endLine();
    d.line();
    d.line();
    inputLine(d, QStringLiteral("Amount of Capital I want on Retirement."), 52,
              symbol + Format(in.capital, u"##,,###.00"));
    // The rate prints as a percentage of itself: 20 shows as "20.00%". The
    // percent sign takes the column after the amounts' last digit.
    inputLine(d, QStringLiteral("Annual Interest/Growth Rate(%)."), 53,
              Format(in.ratePercent, u"###.00") + u'%');
    inputLine(d, QStringLiteral("At the end of how many Years."), 52,
              Format(static_cast<double>(CapitalYears(in)), u"###"));
    d.line();
    d.line();
    PrintGrowthHeading(d);
    for (const CapitalYear& y : plan.rows)
        PrintYearLine(d, kCapitalPrintLayout, y.year, {y.invested, y.interest, y.value});
    PrintTableRule(d);
    PrintTotalLine(d, kCapitalPrintLayout,
                   {plan.totalInvested, plan.totalInterest, plan.finalValue}, symbol);
}
