// Benchmarks of the mortgage and loan window at its largest size: a 480-month loan and its grid
// (its printout is in print_bench.cpp).
#include <benchmark/benchmark.h>

#include "calculator_frame.h"
#include "planning/model/mortgage.h"
#include "planning/ui/mortgage_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

// Calculate of a 480-month loan in a hidden window: the schedule, the shared table, the result
// labels and the 484-row grid handed its rows.
void BM_LoanCalculate480Months(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    CdnMort window(MortgageMode::Loan);
    window.setInput(3, Money::fromInt(480));
    for (auto _ : state) window.Calculate();
    if (window.graphPoints() != 480) state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_LoanCalculate480Months)->Unit(benchmark::kMicrosecond);

// The same in a shown window, to the grid's first frame: the rows in view are drawn.
void BM_LoanCalculate480MonthsDrawn(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    CdnMort window(MortgageMode::Loan);
    window.setInput(3, Money::fromInt(480));
    timeCalculateAndDraw(state, window, 480, 481);
}
BENCHMARK(BM_LoanCalculate480MonthsDrawn)->Unit(benchmark::kMicrosecond);

}  // namespace
