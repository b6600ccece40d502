// Benchmarks of the portfolio file: load and save of a full-size file (1000 records, 30 funds).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"

namespace {

// 30 funds and 1000 records of every kind, dated over several years.
Portfolio largePortfolio() {
    Portfolio s = EmptyPortfolio();
    for (int k = 1; k <= kMaxFunds; ++k)
        s.funds[k] = {QStringLiteral("Fund number %1 Growth").arg(k), QStringLiteral(" %1").arg(k)};
    s.fundCount = kMaxFunds;
    const char* codes[] = {"B", "S", "C", "D", "F", "U"};
    for (int r = 1; r <= kMaxRecords; ++r) {
        const QString code = QString::fromLatin1(codes[r % 6]);
        EntryFigures f;
        if (code == u"C")
            f.cashDiv = Money::fromDouble(12.34 + r);
        else if (code == u"F")
            f.fee = Money::fromDouble(5.5);
        else {
            f.price = Money::fromDouble(10.125 + r % 17);
            f.shares = Money::fromDouble(100.25 + r % 13);
            if (code == u"B" || code == u"S") f.fee = Money::fromInt(25);
        }
        s.records[r] = MakeRecord(1 + r % kMaxFunds, code, QDate(1990, 1, 1).addDays(r * 3), f);
    }
    s.recordCount = kMaxRecords;
    return s;
}

void BM_PortfolioSave(benchmark::State& state) {
    const Portfolio p = largePortfolio();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.wms"));
    for (auto _ : state) {
        if (!WritePortfolioFile(path, p)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_PortfolioSave)->Unit(benchmark::kMillisecond);

void BM_PortfolioLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.wms"));
    if (!WritePortfolioFile(path, largePortfolio())) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!ReadPortfolioFile(path)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_PortfolioLoad)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The two halves without the disk: the text of the file, and reading it back.
void BM_PortfolioText(benchmark::State& state) {
    const Portfolio p = largePortfolio();
    for (auto _ : state) benchmark::DoNotOptimize(PortfolioBytes(p));
}
BENCHMARK(BM_PortfolioText)->Unit(benchmark::kMillisecond);

void BM_PortfolioParse(benchmark::State& state) {
    const QByteArray bytes = *PortfolioBytes(largePortfolio());
    for (auto _ : state) benchmark::DoNotOptimize(ParsePortfolio(bytes));
}
BENCHMARK(BM_PortfolioParse)->Unit(benchmark::kMillisecond);

}  // namespace
