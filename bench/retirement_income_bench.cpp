// Benchmarks of retirement income: the Fixed Amount choice over its full 50 years, alone and as
// Calculate runs it with the grid filled as on screen (target: well under one 16 ms frame).
#include <benchmark/benchmark.h>

#include "planning/model/retirement_income.h"
#include "planning/ui/retirement_income_window.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

namespace {

// 600 months: 100,000.00 at 10 % paying 700.00 a month never runs out.
RetirementIncomeInputs fiftyYears() {
    RetirementIncomeInputs in;
    in.choice = WithdrawalChoice::FixedAmount;
    in.capital = Money::fromInt(100000);
    in.ratePercent = Money::fromInt(10);
    in.withdrawal = Money::fromInt(700);
    return in;
}

void BM_RetirementFixedAmountFiftyYears(benchmark::State& state) {
    const RetirementIncomeInputs in = fiftyYears();
    for (auto _ : state) benchmark::DoNotOptimize(CalculateRetirementIncome(in));
}
BENCHMARK(BM_RetirementFixedAmountFiftyYears)->Unit(benchmark::kMicrosecond);

// Calculate in the window: the loop, the shared table and 51 grid rows of text.
void BM_RetirementCalculateFixedAmountWithGrid(benchmark::State& state) {
    dialogs::Script script;
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    Income window;
    window.ChooseWithdrawal(WithdrawalChoice::FixedAmount);
    window.setInput(3, Money::fromInt(700));
    for (auto _ : state) window.Calculate();
    if (window.graphPoints() != 50) state.SkipWithError("the calculation did not run 50 years");
    State().releaseCalculatorTables();
}
BENCHMARK(BM_RetirementCalculateFixedAmountWithGrid)->Unit(benchmark::kMicrosecond);

}  // namespace
