// Benchmarks of the portfolio file: load and save of a full-size file (1000 records, 30 funds).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "investments/portfolio.h"
#include "investments/record_entry.h"

namespace {

// 30 funds and 1000 records of every kind, dated over several years.
void fillLargePortfolio() {
    State().reset();
    ResetTables();
    AppState& s = State();
    for (int k = 1; k <= kMaxFunds; ++k)
        s.FundNames[k] = {QStringLiteral("Fund number %1 Growth").arg(k),
                          QStringLiteral(" %1").arg(k)};
    s.FundCount() = kMaxFunds;
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
        s.Records[r] = MakeRecord(1 + r % kMaxFunds, code, QDate(1990, 1, 1).addDays(r * 3), f);
    }
    s.RecordCount = kMaxRecords;
}

void BM_PortfolioSave(benchmark::State& state) {
    fillLargePortfolio();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.wms"));
    for (auto _ : state) {
        if (!WritePortfolioFile(path)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_PortfolioSave)->Unit(benchmark::kMillisecond);

void BM_PortfolioLoad(benchmark::State& state) {
    fillLargePortfolio();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.wms"));
    if (!WritePortfolioFile(path)) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!ReadPortfolioFile(path)) state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_PortfolioLoad)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The two halves without the disk: the text of the file, and reading it back.
void BM_PortfolioText(benchmark::State& state) {
    fillLargePortfolio();
    for (auto _ : state) benchmark::DoNotOptimize(PortfolioBytes());
}
BENCHMARK(BM_PortfolioText)->Unit(benchmark::kMillisecond);

void BM_PortfolioParse(benchmark::State& state) {
    fillLargePortfolio();
    const QByteArray bytes = *PortfolioBytes();
    for (auto _ : state) benchmark::DoNotOptimize(ParsePortfolio(bytes));
}
BENCHMARK(BM_PortfolioParse)->Unit(benchmark::kMillisecond);

}  // namespace
