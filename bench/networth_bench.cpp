// Benchmarks of the net worth statement: Calculate on full lists with the grids redrawn, and load
// and save of a full statement.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "networth/model/networth_file.h"
#include "networth/ui/networth_window.h"
#include "platform/grid.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {

// 30 assets and 30 liabilities in groups of five, each group ending with a "Sub Total" row,
// calculated.
NetTables fullStatement() {
    NetTables t = EmptyNetTables();
    for (int r = 1; r <= kNetWorkingRows; ++r) {
        const bool subTotal = r % 6 == 0;
        const QString name =
            subTotal ? QStringLiteral("Sub Total") : QStringLiteral("Item %1").arg(r);
        t.assets(r, 0) = TextCell(name);
        t.liabilities(r, 0) = TextCell(name);
        if (!subTotal) {
            t.assets(r, 1) = NumberCell(1234.56 * r);
            t.liabilities(r, 1) = NumberCell(321.09 * r);
        }
    }
    (void)CalcTotals(t);
    return t;
}

void BM_NetWorthCalculateAndRedraw(benchmark::State& state) {
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    DefineWindows();
    Windows().show(QStringLiteral("DispNet"));
    auto* w = Windows().get<DispNet>(QStringLiteral("DispNet"));
    // The full statement opened as a file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.wmw"));
    if (!WriteNetWorthFile(path, fullStatement())) state.SkipWithError("save failed");
    w->OpenStatementFrom(path);
    for (auto _ : state) {
        w->Calculate();
        w->repaint();
    }
    if (w->statement().tables.assetCount != kNetWorkingRows) state.SkipWithError("rows lost");
    Windows().unloadAll();
    State().reset();
}
BENCHMARK(BM_NetWorthCalculateAndRedraw)->Unit(benchmark::kMillisecond);

void BM_NetWorthSaveAndLoad(benchmark::State& state) {
    const NetTables full = fullStatement();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.wmw"));
    for (auto _ : state) {
        if (!WriteNetWorthFile(path, full)) state.SkipWithError("save failed");
        if (!OpenNetWorthFile(path)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_NetWorthSaveAndLoad)->Unit(benchmark::kMillisecond);

}  // namespace
