#include "planning/model/savings_plan_report.h"

#include <QStringList>

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Year, amount invested, interest/growth and value.
const YearPrintLayout kSavingsPrintLayout{{2, 3}, {{17, 14}, {39, 13}, {61, 13}}};

void inputLine(PrintDevice& d, const QString& label, const QString& value) {
    d.at(2, label);
    d.at(52, value);
    d.endLine();
}

QString rateField(Money percent) {
    return RightJustifyWhole(Format(percent, u"###.00"), 14) + u'%';
}

}  // namespace

void PrintSavingsCalculation(PrintDevice& d, const SavingsPlanInputs& in, const SavingsPlan& plan,
                             const QString& symbol) {
    const QString inputMoney = QStringLiteral("##,,###.00");
    d.line();
    d.at(25, QStringLiteral("Investment Growth Calculation"));
    d.endLine();
    d.line();
    d.line();
    inputLine(d, QStringLiteral("Amount of Lump Sum Invested at Start"),
              RightJustifyWhole(symbol + Format(in.lumpSum, inputMoney), 14));
    inputLine(d, QStringLiteral("Annual Amount Invested each Year"),
              RightJustifyWhole(symbol + Format(in.annual, inputMoney), 14));
    inputLine(d, QStringLiteral("Increase the annual Investment Rate by"),
              rateField(in.increasePercent));
    inputLine(d, QStringLiteral("Annual Interest/Growth Rate(%)"), rateField(in.ratePercent));
    inputLine(d, QStringLiteral("Time in Years"), RightJustifyWhole(Format(in.years, u"###"), 14));
    inputLine(d, QStringLiteral("Adjust for Annual Inflation Rate(%)"),
              rateField(in.inflationPercent));
    d.line();
    d.line();
    PrintGrowthHeading(d);
    d.line();

    for (const SavingsYear& y : plan.rows)
        PrintYearLine(d, kSavingsPrintLayout, y.year, {y.invested, y.interest, y.value});
    PrintTableRule(d);
    d.line();
    PrintTotalLine(d, kSavingsPrintLayout,
                   {plan.totalInvested, plan.totalInterest, plan.finalValue}, symbol);
}

void PrintSavingsComparisons(PrintDevice& d, const QString& reportText) {
    d.line();
    d.at(30, QStringLiteral("Investment Growth Comparisons"));
    d.endLine();
    d.line();
    d.line();
    d.at(2, QStringLiteral(
                "Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current"));
    d.endLine();
    d.at(2, QStringLiteral(
                "End  Investment Investment /Growth  Increase Rate(%)     Invested    Value"));
    d.endLine();
    d.at(2, QString(77, u'_'));
    d.endLine();
    d.line();
    // The accumulated text as one printed item: its own line breaks, then the item's.
    for (const QString& part : reportText.split(QStringLiteral("\r\n"))) d.line(part);
}
