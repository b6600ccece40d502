// Benchmarks of the capital required window: Calculate at its longest term, the grid filled as on
// screen.
#include <benchmark/benchmark.h>

#include "planning/model/capital_required.h"
#include "planning/ui/capital_required_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

// Calculate at 100 years: the annual investment, the loop, the shared tables
// and 101 grid rows of text.
void BM_CapitalRequiredCalculateHundredYears(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    CalCaptl window;
    window.setInput(1, Money::fromInt(600000));
    window.setInput(2, *Money::parse(u"12.5"));
    window.setInput(3, Money::fromInt(100));
    for (auto _ : state) window.Calculate();
    if (window.graphPoints() != 100) state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_CapitalRequiredCalculateHundredYears)->Unit(benchmark::kMicrosecond);

}  // namespace
