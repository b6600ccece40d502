// Benchmarks of the 401(k) window: Calculate at its longest term, the grid filled as on screen.
#include <benchmark/benchmark.h>

#include "planning/model/k401.h"
#include "planning/ui/k401_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

// Calculate at 50 years with every rate in use: the loop, the shared tables,
// the balance row and 51 grid rows of text.
void BM_K401CalculateFiftyYears(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    PlanK window;
    window.setInput(7, Money::fromInt(3));
    window.setInput(8, Money::fromInt(50));
    for (auto _ : state) window.Calculate();
    if (window.graphPoints() != 50) state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_K401CalculateFiftyYears)->Unit(benchmark::kMicrosecond);

}  // namespace
