#include "planning/model/k401_report.h"

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Year, contribution, interest/growth and value.
const YearPrintLayout kK401PrintLayout{{2, 3}, {{17, 14}, {39, 13}, {61, 13}}};
constexpr int kFigureWidth = 14;

void inputLine(PrintDevice& d, const QString& label, int column, const QString& value) {
    d.at(2, label);
    d.at(column, RightJustifyWhole(value, kFigureWidth));
    d.endLine();
    d.line();
}

}  // namespace

void PrintK401(PrintDevice& d, const K401Inputs& in, const K401Plan& plan, const QString& symbol) {
    d.line();
    d.at(25, QStringLiteral("Investment Growth - 401K Plan"));
    d.endLine();
    d.line();
    d.line();
    auto money = [&](Money x) { return symbol + Format(x, u"##,,###.00"); };
    // A rate's digits end under the amounts' digits, its "%" one column further.
    auto rate = [](Money x) { return Format(x, u"###.00") + u'%'; };
    inputLine(d, QStringLiteral("Current balance in your 401K account"), 52, money(in.balance));
    inputLine(d, QStringLiteral("Your current annual salary"), 52, money(in.salary));
    inputLine(d, QStringLiteral("Your annual 401K rate of contribution"), 53, rate(in.ownPercent));
    inputLine(d, QStringLiteral("The company contribution rate"), 53, rate(in.companyPercent));
    inputLine(d, QStringLiteral("Estimated rate of annual salary raises"), 53,
              rate(in.raisePercent));
    inputLine(d, QStringLiteral("Annual rate of return on your 401K"), 53, rate(in.returnPercent));
    inputLine(d, QStringLiteral("Estimated rate of annual inflation"), 53,
              rate(in.inflationPercent));
    inputLine(d, QStringLiteral("The number of years to retirement"), 52,
              Format(static_cast<double>(K401Years(in)), u"###"));
    d.line();
    const QString separator = u' ' + QString(71, u'_');
    d.at(2, QStringLiteral(
                " Year   Annual Salary   Contributions   Interest/Growth    Current Value"));
    d.endLine();
    d.at(2, separator);
    d.endLine();
    d.line();
    if (ShowsStartingBalance(plan)) {
        d.at(61, RightJustifyWhole(Format(plan.balance, u"####,,###.00"), 13));
        d.endLine();
    }
    for (const K401Year& y : plan.rows)
        PrintYearLine(d, kK401PrintLayout, y.year, {y.contribution, y.interest, y.value});
    d.at(2, separator);
    d.endLine();
    d.line();
    PrintTotalLine(d, kK401PrintLayout, {plan.totalInvested, plan.totalInterest, plan.finalValue},
                   symbol);
}
