// Benchmarks of the mortgage and loan window at its largest size: a 480-month loan, its grid and
// its printout.
#include <benchmark/benchmark.h>

#include "common/print_device.h"
#include "planning/mortgage.h"
#include "planning/mortgage_report.h"
#include "planning/mortgage_window.h"
#include "platform/dialogs.h"
#include "shell/app_state.h"

namespace {

// Calculate of a 480-month loan: the schedule, the shared table, the result
// labels and the 484-row grid filled with text.
void BM_LoanCalculate480Months(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().CurrencySymbol = QStringLiteral("$");
    CdnMort window(MortgageMode::Loan);
    window.setInput(3, Money::fromInt(480));
    for (auto _ : state) window.Calculate();
    if (State().GraphPoints != 480) state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_LoanCalculate480Months)->Unit(benchmark::kMicrosecond);

// The printout of the same loan to a text device: nine pages.
void BM_LoanPrintout480Months(benchmark::State& state) {
    State().reset();
    State().LinesPerPage = 59;
    const MortgageInputs in{MortgageMode::Loan, Money::fromInt(10000), Money::fromInt(10),
                            Money::fromInt(480), 12};
    const MortgageSchedule s = CalculateMortgage(in);
    const QString $ = QStringLiteral("$");
    const MortgageReportTexts texts{QStringLiteral("      Monthly"), MonthlyPaymentText(s, $),
                                    YearlyPaymentsText(s, $), AllPaymentsText(s, $)};
    for (auto _ : state) {
        TextDevice d;
        PrintMortgageReport(d, in, s, texts, $);
        d.endDoc();
        benchmark::DoNotOptimize(d.pages().size());
    }
}
BENCHMARK(BM_LoanPrintout480Months)->Unit(benchmark::kMicrosecond);

}  // namespace
