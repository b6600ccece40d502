// Benchmarks of the longest printouts, printed whole through the real PDF device to a temporary
// file: the 480-month loan table and the listing of all 1000 records. (The chart window's printout
// is in chart_bench.cpp.)
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "bench_portfolio.h"
#include "common/print_device.h"
#include "investments/model/display_records.h"
#include "investments/model/table_report.h"
#include "planning/model/mortgage.h"
#include "planning/model/mortgage_report.h"
#include "platform/dialogs.h"
#include "platform/printer_device.h"
#include "shell/ui/app_state.h"
#include "shell/ui/print_action_ui.h"

namespace {

// Prints `report` to a PDF file as "To &Printer" does once the question is answered.
void printToPdf(benchmark::State& state, const std::function<void(PrintDevice&)>& report) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printout.pdf"));
    setPrintDeviceFactory([&](const QString& job) -> std::unique_ptr<PrintDevice> {
        return std::make_unique<PrinterDevice>(pdf, job);
    });
    // Where the file went (and any failure) is said in a message box: nobody to answer it here.
    dialogs::Script script;
    for (auto _ : state) {
        if (!PrintReport(QStringLiteral("Bench"), report)) state.SkipWithError("not printed");
        script.clear();
    }
    state.counters["KiB"] = static_cast<double>(QFile(pdf).size()) / 1024;
    setPrintDeviceFactory(nullptr);
}

// The longest loan (480 months) and its printout as the window makes it.
struct LongestLoan {
    MortgageInputs in{MortgageMode::Loan, Money::fromInt(10000), Money::fromInt(10),
                      Money::fromInt(480), 12};
    MortgageSchedule s = CalculateMortgage(in);
    void print(PrintDevice& d) const {
        PrintMortgageReport(d, in, &s, PersonalSettings{.currencySymbol = QStringLiteral("$")});
    }
};

// To a text device: nine pages.
void BM_LoanPrintout480Months(benchmark::State& state) {
    State().reset();
    State().settings.linesPerPage = 59;
    const LongestLoan loan;
    for (auto _ : state) {
        TextDevice d;
        loan.print(d);
        d.endDoc();
        benchmark::DoNotOptimize(d.pages().size());
    }
}
BENCHMARK(BM_LoanPrintout480Months)->Unit(benchmark::kMicrosecond);

void BM_LoanPrintToPdf480Months(benchmark::State& state) {
    State().reset();
    State().settings.linesPerPage = 59;
    State().settings.printerFont = static_cast<PrinterFont>(state.range(0));
    const LongestLoan loan;
    printToPdf(state, [&](PrintDevice& d) { loan.print(d); });
}
// The program's own font (0) and Courier New (6).
BENCHMARK(BM_LoanPrintToPdf480Months)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_RecordListingPrintToPdf1000(benchmark::State& state) {
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    State().settings.linesPerPage = 59;
    State().settings.printerFont = static_cast<PrinterFont>(state.range(0));
    const AppState& s = State();
    PortfolioDocument doc;
    FillFullPortfolio(doc);
    BuildRecordView(doc.portfolio, doc.totals, kAllRecordsSlot, s.settings.currencySymbol);
    const QString header = QStringLiteral("Every transaction");
    printToPdf(state, [&](PrintDevice& d) {
        PrintRecordReport(d, header, doc.portfolio, doc.totals, kAllRecordsSlot, QString(),
                          s.settings);
    });
}
BENCHMARK(BM_RecordListingPrintToPdf1000)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
