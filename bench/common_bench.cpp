// Benchmarks of the shared number types: what every table fill and file save leans on.
#include <benchmark/benchmark.h>

#include "common/field_codec.h"
#include "common/money.h"
#include "common/number_format.h"

static void BM_FormatPicture(benchmark::State& state) {
    double v = 1234567.891;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Format(v, u"####,,###.00"));
        v += 0.37;
    }
}
BENCHMARK(BM_FormatPicture);

static void BM_MoneyFromDouble(benchmark::State& state) {
    double v = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Money::fromDouble(v));
        v += 0.01;
    }
}
BENCHMARK(BM_MoneyFromDouble);

static void BM_FieldReaderRecordLine(benchmark::State& state) {
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i) bytes += "1,10.25,100,50,0,1075,\"B\",#1996-03-15#\r\n";
    for (auto _ : state) {
        FieldReader r(bytes);
        for (int i = 0; i < 1000; ++i) {
            for (int c = 0; c < 6; ++c) benchmark::DoNotOptimize(r.money());
            benchmark::DoNotOptimize(r.text());
            benchmark::DoNotOptimize(r.date());
        }
    }
}
BENCHMARK(BM_FieldReaderRecordLine)->Unit(benchmark::kMillisecond);
