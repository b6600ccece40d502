// The benchmarks' entry point: an offscreen QApplication (window benchmarks fill real grids)
// under a fixed locale and date format.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "common/dates.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    dates::setShortFormat(QStringLiteral("M/d/yyyy"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
