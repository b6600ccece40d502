// Benchmarks of the net worth statement: Calculate on full lists with the grids redrawn, and load
// and save of a full statement.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "networth/model/networth_file.h"
#include "networth/ui/networth_window.h"
#include "networth/ui/statement_state.h"
#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {

// 30 assets and 30 liabilities in groups of five, each group ending with a "Sub Total" row.
void fillStatement() {
    AppState& s = State();
    for (int r = 1; r <= kNetWorkingRows; ++r) {
        const bool subTotal = r % 6 == 0;
        const QString name =
            subTotal ? QStringLiteral("Sub Total") : QStringLiteral("Item %1").arg(r);
        s.NetAssets(r, 0) = TextCell(name);
        s.NetLiabilities(r, 0) = TextCell(name);
        if (!subTotal) {
            s.NetAssets(r, 1) = NumberCell(1234.56 * r);
            s.NetLiabilities(r, 1) = NumberCell(321.09 * r);
        }
    }
}

void BM_NetWorthCalculateAndRedraw(benchmark::State& state) {
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    DefineWindows();
    Windows().show(QStringLiteral("DispNet"));
    auto* w = Windows().get<DispNet>(QStringLiteral("DispNet"));
    fillStatement();
    for (auto _ : state) {
        w->Calculate();
        w->repaint();
    }
    if (State().AssetCount != kNetWorkingRows) state.SkipWithError("rows lost");
    State().NetChanged = 0;
    Windows().unloadAll();
    State().reset();
}
BENCHMARK(BM_NetWorthCalculateAndRedraw)->Unit(benchmark::kMillisecond);

void BM_NetWorthSaveAndLoad(benchmark::State& state) {
    State().reset();
    CreateNetTables(State());
    fillStatement();
    {
        HeldNetTables held(State());
        (void)CalcTotals(held.value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("full.wmw"));
        for (auto _ : state) {
            if (!WriteNetWorthFile(path, held.value)) state.SkipWithError("save failed");
            if (!OpenNetWorthFile(path)) state.SkipWithError("load failed");
        }
    }
    State().reset();
}
BENCHMARK(BM_NetWorthSaveAndLoad)->Unit(benchmark::kMillisecond);

}  // namespace
