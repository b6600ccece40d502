#include "planning/model/mortgage_report.h"

#include "common/number_format.h"
#include "common/print_device.h"
#include "common/printing.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Period, interest paid, principal paid and balance.
const YearPrintLayout kTableLayout{{2, 3}, {{15, 14}, {40, 14}, {63, 14}}};
constexpr int kValueColumn = 47;
// Lines printed above the first row of the table.
constexpr int kLinesBeforeTable = 21;
// A continuation page: the blank line, the heading and the rule.
constexpr int kLinesAfterBreak = 3;
// The page capacity assumed when none has been measured.
constexpr int kAssumedLinesPerPage = 59;

void item(PrintDevice& d, const QString& label, const QString& value) {
    d.at(2, label);
    d.at(kValueColumn, value);
    d.endLine();
    d.line();
}

void heading(PrintDevice& d, bool loan) {
    d.at(2,
         loan ? QStringLiteral(
                    "Month         Interest Paid           Principal Paid                Balance")
              : QStringLiteral(
                    "Year          Interest Paid           Principal Paid                Balance"));
    d.endLine();
    d.at(2, QString(75, u'_'));
    d.endLine();
}

// The compounding list's entry for the periods a year.
QString compoundingText(int perYear) {
    for (const Compounding& c : kCompoundings)
        if (c.perYear == perYear) return QString::fromUtf16(c.text);
    return QString::fromUtf16(kCompoundings[0].text);
}

}  // namespace

int PrintMortgageReport(PrintDevice& d, const MortgageInputs& in,
                        const MortgageSchedule* calculated, const PersonalSettings& settings) {
    const QString& symbol = settings.currencySymbol;
    // Before any calculation: the rate as typed, no payments and no table.
    MortgageSchedule none;
    none.rate = static_cast<float>(in.ratePercent.toDouble() / 100);
    const MortgageSchedule& s = calculated ? *calculated : none;
    auto result = [&](QString (*text)(const MortgageSchedule&, const QString&)) {
        return RightJustifyWhole(calculated ? text(s, symbol) : QString(), 14);
    };
    PersonalSettings printing = settings;  // the font set again on a new page measures again
    const bool loan = in.mode == MortgageMode::Loan;
    d.line();
    if (loan)
        d.at(28, QStringLiteral("Monthly Payments on a Loan"));
    else
        d.at(32, QStringLiteral(" Mortgage Table"));
    d.endLine();
    d.line();
    item(d,
         loan ? QStringLiteral("Principal Amount of Loan") : QStringLiteral("Amount of Mortgate"),
         RightJustifyWhole(symbol + Format(in.amount, u"#####,,###.00"), 14));
    item(d, QStringLiteral("Annual Interest Rate (%)"),
         RightJustifyWhole(Format(static_cast<double>(s.rate), u"###.00%"), 15));
    item(d, loan ? QStringLiteral("Term in Months") : QStringLiteral("Term in Years"),
         RightJustifyWhole(Format(in.term, u"###"), 14));
    item(d, QStringLiteral("Compounding Periods"), RightJustify(compoundingText(in.perYear), 14));
    item(d, QStringLiteral("Monthly Principal and Interest Payment"), result(MonthlyPaymentText));
    item(d, QStringLiteral("Total of Monthly Payments over One Year"), result(YearlyPaymentsText));
    item(d, QStringLiteral("Total of All Payments"), result(AllPaymentsText));
    d.line();
    heading(d, loan);
    d.line();

    // The font set again on a new page measures the page again.
    auto perPage = [&printing] {
        return printing.linesPerPage > 0 ? printing.linesPerPage : kAssumedLinesPerPage;
    };
    int counted = kLinesBeforeTable;
    for (const AmortizationRow& row : s.rows) {
        PrintYearLine(d, kTableLayout, row.period, {row.interest, row.principal, row.balance});
        ++counted;
        if (counted % perPage() == 0) {
            PrintPageNumber(d);
            d.newPage();
            ApplyChosenPrinterFont(d, printing);
            d.line();
            heading(d, loan);
            counted = kLinesAfterBreak;
        }
    }
    d.at(2, QString(75, u'_'));
    d.endLine();
    d.line();
    PrintTotalLine(
        d, kTableLayout,
        {Money::fromDouble(s.totalInterest), Money::fromDouble(s.totalPrincipal), Money()}, symbol);
    return counted + 3;
}
