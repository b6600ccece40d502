// Benchmarks of the compound rate window: 23 entries of 60 years each, with the grid rows, the
// shared tables and the printout text.
#include <benchmark/benchmark.h>

#include <memory>

#include "planning/model/compound_rate.h"
#include "planning/ui/compound_rate_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

// One entry's figures alone: the rate, the 60 year values, the cells and the printout text.
void BM_CompoundRateEntry(benchmark::State& state) {
    const CompoundRateInputs in{Money::fromInt(25000), Money::fromInt(200000), Money::fromInt(60)};
    for (auto _ : state) {
        const CompoundRateEntry entry = CalculateCompoundRate(in);
        benchmark::DoNotOptimize(
            CompoundRateCells(in, entry, QStringLiteral("House"), QStringLiteral("$")));
        benchmark::DoNotOptimize(
            CompoundRateReportEntry(in, entry, QStringLiteral("House"), QStringLiteral("$")));
    }
}
BENCHMARK(BM_CompoundRateEntry);

// The window filled to its 23 entries of 60 years: each iteration opens a
// fresh window and times the 23 Calculates (per Calculate: divide by 23).
void BM_CompoundRateTwentyThreeEntries(benchmark::State& state) {
    dialogs::Script script;
    for (auto _ : state) {
        state.PauseTiming();
        State().reset();
        State().settings.currencySymbol = QStringLiteral("$");
        auto window = std::make_unique<FindComp>();
        window->setInput(1, Money::fromInt(25000));
        window->setInput(2, Money::fromInt(200000));
        window->setInput(3, Money::fromInt(60));
        state.ResumeTiming();
        for (int i = 0; i < 23; ++i) window->Calculate();
        state.PauseTiming();
        if (window->rowsUsed() != 23 || window->graphPoints() != 23)
            state.SkipWithError("the entries were not added");
        window.reset();
        State().releaseCalculatorTables();
        state.ResumeTiming();
    }
    state.counters["per_calculate"] =
        benchmark::Counter(23.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompoundRateTwentyThreeEntries)->Unit(benchmark::kMicrosecond);

}  // namespace
