// Benchmarks of the longest printouts, printed whole through the real PDF device to a temporary
// file: the 480-month loan table and the listing of all 1000 records. (The chart window's printout
// is in chart_bench.cpp.)
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "bench_portfolio.h"
#include "investments/display_records.h"
#include "investments/table_report.h"
#include "planning/mortgage.h"
#include "planning/mortgage_report.h"
#include "platform/dialogs.h"
#include "platform/printer_device.h"
#include "shell/app_state.h"
#include "shell/print_action_ui.h"

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

void BM_LoanPrintToPdf480Months(benchmark::State& state) {
    State().reset();
    State().LinesPerPage = 59;
    State().PrinterFontChoice = static_cast<int16_t>(state.range(0));
    const MortgageInputs in{MortgageMode::Loan, Money::fromInt(10000), Money::fromInt(10),
                            Money::fromInt(480), 12};
    const MortgageSchedule s = CalculateMortgage(in);
    const QString $ = QStringLiteral("$");
    const MortgageReportTexts texts{QStringLiteral("      Monthly"), MonthlyPaymentText(s, $),
                                    YearlyPaymentsText(s, $), AllPaymentsText(s, $)};
    printToPdf(state, [&](PrintDevice& d) { PrintMortgageReport(d, in, s, texts, $); });
}
// The program's own font (0) and Courier New (6).
BENCHMARK(BM_LoanPrintToPdf480Months)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_RecordListingPrintToPdf1000(benchmark::State& state) {
    FillFullPortfolio();
    State().LinesPerPage = 59;
    State().PrinterFontChoice = static_cast<int16_t>(state.range(0));
    AppState& s = State();
    HeldPortfolio held(s);
    BuildRecordView(held.value, s.FundTotals, kAllRecordsSlot, s.CurrencySymbol);
    const QString header = QStringLiteral("Every transaction");
    printToPdf(state, [&](PrintDevice& d) {
        PrintRecordReport(d, header, held.value, s.FundTotals, kAllRecordsSlot, QString(),
                          TablePrintSettingsOf(s));
    });
}
BENCHMARK(BM_RecordListingPrintToPdf1000)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
