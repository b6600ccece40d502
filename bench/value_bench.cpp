// Benchmarks of current value, sorting and record display on a full portfolio (1000 records, 30
// funds).
#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include "investments/current_value.h"
#include "investments/current_value_window.h"
#include "investments/display_records.h"
#include "investments/portfolio.h"
#include "investments/portfolio_sort.h"
#include "investments/table_window.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"
#include "shell/window_catalog.h"

namespace {

// 30 funds named out of order and 1000 records in no date order, every fund priced.
void fillPortfolio() {
    State().reset();
    ResetTables(State());
    AppState& s = State();
    s.CurrencySymbol = QStringLiteral("$");
    for (int k = 1; k <= kMaxFunds; ++k)
        s.FundNames[k] = {QStringLiteral("Fund %1 Income").arg((k * 17) % 31),
                          QStringLiteral(" %1").arg(k)};
    s.FundCount() = kMaxFunds;
    QRandomGenerator rng(42);
    const char* codes[] = {"B", "B", "S", "C", "D", "U"};
    for (int r = 1; r <= kMaxRecords; ++r) {
        FundRecord& rec = s.Records[r];
        rec.FundNo = Money::fromInt(1 + rng.bounded(kMaxFunds));
        rec.TypeCode = QString::fromLatin1(codes[r % 6]);
        rec.TradeDate = QDate(1985, 1, 1).addDays(rng.bounded(9000));
        rec.Price = Money::fromDouble(5 + rng.bounded(5000) / 100.0);
        rec.Shares = Money::fromInt(1 + rng.bounded(300));
        if (rec.TypeCode == u"S" || rec.TypeCode == u"U") rec.Shares = -rec.Shares;
        if (rec.TypeCode == u"C") {
            rec.CashDiv = Money::fromInt(40);
            rec.BookValue = -rec.CashDiv;
            rec.Price = rec.Shares = Money();
        } else if (rec.TypeCode == u"B" || rec.TypeCode == u"S") {
            rec.Fee = Money::fromInt(25);
            rec.BookValue = rec.Price * rec.Shares + rec.Fee;
        }
    }
    s.RecordCount = kMaxRecords;
    PrepareFundTotals(s.FundTotals);
    for (int k = 1; k <= kMaxFunds; ++k) s.FundTotals(k, 2) = Money::fromDouble(20);
}

void BM_CurrentValueFigures(benchmark::State& state) {
    fillPortfolio();
    AppState& s = State();
    HeldPortfolio held(s);
    for (auto _ : state) {
        AccumulateHoldings(held.value, s.FundTotals);
        benchmark::DoNotOptimize(ComputeFundValues(held.value, s.FundTotals, s.CurrencySymbol));
    }
}
BENCHMARK(BM_CurrentValueFigures)->Unit(benchmark::kMillisecond);

// "&Calculate" as the user sees it: the figures and the filled table window.
void BM_CurrentValueTable(benchmark::State& state) {
    fillPortfolio();
    DefineWindows();
    for (auto _ : state) {
        {
            HeldPortfolio held(State());
            AccumulateHoldings(held.value, State().FundTotals);
        }
        TableMode = 1;
        if (!ComputeCurrentValue()) state.SkipWithError("not calculated");
    }
    Windows().unloadAll();
}
BENCHMARK(BM_CurrentValueTable)->Unit(benchmark::kMillisecond);

// "S&ort Records": funds by name, then records by date, from the unsorted table each time.
void BM_SortFundsAndRecords(benchmark::State& state) {
    fillPortfolio();
    const std::vector<FundRecord> records = State().Records;
    const std::vector<FundNameRow> funds = State().FundNames;
    for (auto _ : state) {
        state.PauseTiming();
        State().Records = records;
        State().FundNames = funds;
        state.ResumeTiming();
        HeldPortfolio held(State());
        SortFunds(held.value);
        if (!SortRecordsByDate(held.value)) state.SkipWithError("date did not convert");
    }
}
BENCHMARK(BM_SortFundsAndRecords)->Unit(benchmark::kMillisecond);

void BM_DisplayAllRecordsFigures(benchmark::State& state) {
    fillPortfolio();
    AppState& s = State();
    HeldPortfolio held(s);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildRecordView(held.value, s.FundTotals, kAllRecordsSlot, s.CurrencySymbol));
}
BENCHMARK(BM_DisplayAllRecordsFigures)->Unit(benchmark::kMillisecond);

// "&Display Data" with "&All Records": 1000 rows into the table window's grid.
void BM_DisplayAllRecordsTable(benchmark::State& state) {
    fillPortfolio();
    DefineWindows();
    TableMode = 0;
    State().CurrentFund = kAllRecordsSlot;
    Windows().get(QStringLiteral("Table1"));
    for (auto _ : state) DisplayRecords();
    Windows().unloadAll();
}
BENCHMARK(BM_DisplayAllRecordsTable)->Unit(benchmark::kMillisecond);

void BM_DisplayOneFundTable(benchmark::State& state) {
    fillPortfolio();
    DefineWindows();
    TableMode = 0;
    State().CurrentFund = 7;
    Windows().get(QStringLiteral("Table1"));
    for (auto _ : state) DisplayRecords();
    Windows().unloadAll();
}
BENCHMARK(BM_DisplayOneFundTable)->Unit(benchmark::kMillisecond);

}  // namespace
