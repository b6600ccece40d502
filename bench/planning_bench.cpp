// Benchmarks of the savings plan: Calculate at its largest sizes, the grid filled as on screen.
#include <benchmark/benchmark.h>

#include <memory>

#include "calculator_frame.h"
#include "planning/model/savings_plan.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

void prepare() {
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
}

// The year loop alone: 50 years with every rate in use.
void BM_SavingsPlanYearLoop(benchmark::State& state) {
    SavingsPlanInputs in;
    in.lumpSum = Money::fromInt(25000);
    in.annual = Money::fromInt(3500);
    in.ratePercent = Money::fromDouble(12.5);
    in.years = Money::fromInt(50);
    in.inflationPercent = Money::fromInt(3);
    in.increasePercent = Money::fromInt(5);
    for (auto _ : state) benchmark::DoNotOptimize(CalculateSavingsPlan(in));
}
BENCHMARK(BM_SavingsPlanYearLoop);

// $25,000 a year at 5 % for 50 years.
void fiftyYearPlan(CalcInpt& window) {
    window.setInput(1, Money::fromInt(25000));
    window.setInput(4, Money::fromInt(50));
    window.setInput(6, Money::fromInt(5));
}

// Calculate in the calculations mode at 50 years in a hidden window: the loop, the shared
// tables and the grid handed its 51 rows.
void BM_SavingsCalculateFiftyYears(benchmark::State& state) {
    dialogs::Script script;
    prepare();
    CalcInpt window(SavingsMode::Calculations);
    fiftyYearPlan(window);
    for (auto _ : state) window.Calculate();
    if (window.graphPoints() != 50) state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_SavingsCalculateFiftyYears)->Unit(benchmark::kMicrosecond);

// The same in a shown window, to the grid's first frame: the rows in view are drawn.
void BM_SavingsCalculateFiftyYearsDrawn(benchmark::State& state) {
    dialogs::Script script;
    prepare();
    CalcInpt window(SavingsMode::Calculations);
    fiftyYearPlan(window);
    timeCalculateAndDraw(state, window, 50, 51);
}
BENCHMARK(BM_SavingsCalculateFiftyYearsDrawn)->Unit(benchmark::kMicrosecond);

// The comparisons mode filled to its 23 rows: each iteration opens a fresh
// window and times the 23 Calculates, the last one with 22 rows on screen.
void BM_SavingsComparisonsTwentyThreeRows(benchmark::State& state) {
    dialogs::Script script;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        auto window = std::make_unique<CalcInpt>(SavingsMode::Comparisons);
        window->setInput(4, Money::fromInt(50));
        state.ResumeTiming();
        for (int i = 0; i < 23; ++i) window->Calculate();
        state.PauseTiming();
        if (window->comparisonCount() != 23) {
            state.SkipWithError("the rows were not added");
            break;
        }
        window.reset();
        State().releaseCalculatorTables();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SavingsComparisonsTwentyThreeRows)->Unit(benchmark::kMicrosecond);

}  // namespace
