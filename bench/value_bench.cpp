// Benchmarks of current value, sorting and record display on a full portfolio (1000 records, 30
// funds).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>

#include "bench_portfolio.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_sort.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/portfolio_state.h"
#include "investments/ui/table_window.h"
#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {

// Windows earlier benchmarks unloaded are gone first, so that their pending events are not
// counted here.
void dropUnloadedWindows() {
    Windows().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_CurrentValueFigures(benchmark::State& state) {
    FillFullPortfolio();
    AppState& s = State();
    HeldPortfolio held(s);
    for (auto _ : state) {
        AccumulateHoldings(held.value, s.FundTotals);
        benchmark::DoNotOptimize(
            ComputeFundValues(held.value, s.FundTotals, s.settings.currencySymbol));
    }
}
BENCHMARK(BM_CurrentValueFigures)->Unit(benchmark::kMillisecond);

// "&Calculate" as the user sees it: the figures, and the table window filled, shown and drawn.
void BM_CurrentValueTable(benchmark::State& state) {
    dropUnloadedWindows();
    FillFullPortfolio();
    DefineWindows();
    for (auto _ : state) {
        {
            HeldPortfolio held(State());
            AccumulateHoldings(held.value, State().FundTotals);
        }
        if (!ComputeCurrentValue()) state.SkipWithError("not calculated");
        QCoreApplication::processEvents();  // as the event loop does after the click
    }
    Windows().unloadAll();
}
BENCHMARK(BM_CurrentValueTable)->Unit(benchmark::kMillisecond);

// "S&ort Records": funds by name, then records by date, from the unsorted table each time.
void BM_SortFundsAndRecords(benchmark::State& state) {
    FillFullPortfolio();
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
    FillFullPortfolio();
    AppState& s = State();
    HeldPortfolio held(s);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildRecordView(held.value, s.FundTotals, kAllRecordsSlot, s.settings.currencySymbol));
}
BENCHMARK(BM_DisplayAllRecordsFigures)->Unit(benchmark::kMillisecond);

// "&Display Data": the records of `fund` into the table window's grid.
void BM_DisplayTable(benchmark::State& state) {
    dropUnloadedWindows();
    FillFullPortfolio();
    DefineWindows();
    State().CurrentFund = static_cast<int>(state.range(0));
    Windows().get<Table1>(QStringLiteral("Table1"));
    for (auto _ : state) {
        DisplayRecords();
        QCoreApplication::processEvents();
    }
    dropUnloadedWindows();
}
// All 1000 records, and one fund's.
BENCHMARK(BM_DisplayTable)->Arg(kAllRecordsSlot)->Arg(7)->Unit(benchmark::kMillisecond);

// The grid of all records drawn at window size, as on an expose or a scroll by a page: only
// the rows in view are drawn, and each row's texts are made the first time it is drawn.
void BM_DisplayTableRepaint(benchmark::State& state) {
    dropUnloadedWindows();
    FillFullPortfolio();
    DefineWindows();
    State().CurrentFund = kAllRecordsSlot;
    auto* table = Windows().get<Table1>(QStringLiteral("Table1"));
    DisplayRecords();
    Grid* grid = table->Grid5();
    QImage image(grid->size(), QImage::Format_ARGB32_Premultiplied);
    int top = 1;
    for (auto _ : state) {
        grid->scrollTo(grid->model()->index(top, 0), QAbstractItemView::PositionAtTop);
        grid->render(&image);
        top = (top + 20) % 1000;
    }
    state.SetLabel(QStringLiteral("%1 x %2").arg(grid->width()).arg(grid->height()).toStdString());
    Windows().unloadAll();
}
BENCHMARK(BM_DisplayTableRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
