#include "planning/model/retirement_income_report.h"

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Year, interest/growth, income withdrawn and value.
const YearPrintLayout kRetirementPrintLayout{{2, 3}, {{17, 13}, {39, 14}, {61, 13}}};
constexpr int kFigureWidth = 14;

void inputLine(PrintDevice& d, const QString& label, int column, const QString& figure) {
    d.at(2, label);
    d.at(column, RightJustifyWhole(figure, kFigureWidth));
    d.endLine();
}

QString percent(double fraction) {
    return Format(fraction, u"###.00%");
}

}  // namespace

void PrintRetirementIncome(PrintDevice& d, const RetirementIncomeInputs& in,
                           const RetirementIncome& result, const QString& symbol) {
    const QString money = QStringLiteral("####,,###.00");
    d.line();
    d.at(27, QStringLiteral("Retirement Income Calculation"));
    d.endLine();
    d.line();
    d.line();
    inputLine(d, QStringLiteral("Current Value of your Investments on Retirement"), 51,
              symbol + Format(in.capital, money));
    d.line();
    inputLine(d, QStringLiteral("Annual Interest/Growth Rate (%)"), 52,
              percent(in.ratePercent.toDouble() / 100));
    d.line();
    if (in.choice == WithdrawalChoice::FixedAmount) {
        inputLine(d, QStringLiteral("Monthly Amount of Cash Withdrawn"), 51,
                  symbol + Format(in.withdrawal.toDouble() / 100 * 100, money));
    } else {
        inputLine(d, QStringLiteral("Annual Income Withdrawn as a (%) of Current Value"), 52,
                  percent(in.withdrawal.toDouble() / 100));
        d.line();
        inputLine(d, QStringLiteral("Time in Years"), 51,
                  Format(static_cast<double>(RoundedYears(in.years)), u"###"));
    }
    d.line();
    d.line();
    const QString separator(72, u'_');
    d.at(2, QStringLiteral(
                "Year         Interest/Growth         Annual Income         Current Value"));
    d.endLine();
    d.at(2, separator);
    d.endLine();
    d.line();
    for (const RetirementYear& y : result.rows)
        PrintYearLine(d, kRetirementPrintLayout, y.year, {y.interest, y.withdrawn, y.value});
    d.at(2, separator);
    d.endLine();
    d.line();
    PrintTotalLine(d, kRetirementPrintLayout,
                   {result.totalInterest, result.totalWithdrawn, result.finalValue}, symbol);
}
