// Benchmarks of the chart window at its largest sizes: one repaint of the chart to an offscreen
// image, at the size the window opens at and maximized on a full-HD screen (the picture the chart
// keeps copied again), the first paint at a new size (laid out and painted afresh, as at each
// step of a resize), and the whole printout of the window to a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include "bench_portfolio.h"
#include "charts/ui/chart_window.h"
#include "investments/model/fund_charts.h"
#include "planning/model/calculator_charts.h"
#include "platform/chart_view.h"
#include "platform/dialogs.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {

// The chart the next openChart opens.
ChartData handedOver;

// The investment manager's chart: 30 funds, each with a gain and a value.
void fundHandOver() {
    State().reset();
    PortfolioDocument doc;
    FillFullPortfolio(doc);
    for (int k = 1; k <= kMaxFunds; ++k) {
        doc.totals(k, 5) = Money::fromDouble((k * 37 % 200) - 60.5);
        doc.totals(k, 3) = Money::fromDouble(1000.0 * k + 0.25);
    }
    handedOver =
        FundCharts(doc.totals, doc.portfolio.funds, doc.portfolio.fundCount, QStringLiteral("$"));
}

// A savings plan of `years` years (1,000.00 a year at 8 %).
void yearHandOver(int years) {
    State().reset();
    SavingsPlan plan;
    plan.years = plan.yearsComputed = years;
    double v = 0;
    for (int y = 1; y <= years; ++y) {
        v = (v + 1000) * 1.08;
        plan.rows.push_back({y, {}, {}, Money::fromDouble(v)});
    }
    handedOver = YearChart(plan, QStringLiteral("$"));
}

// A loan of 100,000.00 at 9 % over `months` months: one bar a month.
void loanHandOver(int months) {
    State().reset();
    MortgageInputs in;
    in.mode = MortgageMode::Loan;
    in.amount = Money::fromInt(100000);
    MortgageSchedule schedule;
    schedule.periods = months;
    const double rate = 0.09 / 12;
    const double payment = 100000 * rate / (1 - std::pow(1 + rate, -months));
    double balance = 100000;
    for (int m = 1; m <= months; ++m) {
        balance = balance * (1 + rate) - payment;
        schedule.rows.push_back({m, {}, {}, Money::fromDouble(std::max(balance, 0.0))});
    }
    handedOver = YearChart(schedule, in, QStringLiteral("$"));
}

Form1* openChart(bool threeD, bool maximized) {
    DefineWindows();
    Form1* f = Form1::open(handedOver);
    if (threeD) f->button(QStringLiteral("ThreeDee"))->click();
    if (maximized) f->resize(1920, 1080);
    QCoreApplication::processEvents();
    return f;
}

// One repaint of the chart as it stands in the window.
void paintChart(benchmark::State& state, bool threeD) {
    Form1* f = openChart(threeD, state.range(0) == 1);
    ChartView* chart = f->graph();
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(
        QStringLiteral("%1 x %2").arg(chart->width()).arg(chart->height()).toStdString());
    Windows().unloadAll();
}

void BM_ChartPaintFunds3D(benchmark::State& state) {
    fundHandOver();
    paintChart(state, true);
}
BENCHMARK(BM_ChartPaintFunds3D)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ChartPaintFundsPie3D(benchmark::State& state) {
    fundHandOver();
    Form1* f = openChart(false, state.range(0) == 1);
    f->button(QStringLiteral("Pie2d"))->click();
    f->button(QStringLiteral("ThreeDee"))->click();
    QCoreApplication::processEvents();
    ChartView* chart = f->graph();
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) chart->render(&image);
    Windows().unloadAll();
}
BENCHMARK(BM_ChartPaintFundsPie3D)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ChartPaintYears50(benchmark::State& state) {
    yearHandOver(50);
    paintChart(state, false);
}
BENCHMARK(BM_ChartPaintYears50)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ChartPaintYears50In3D(benchmark::State& state) {
    yearHandOver(50);
    paintChart(state, true);
}
BENCHMARK(BM_ChartPaintYears50In3D)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The monthly loan chart: 360 bars (30 years), and 480 (the longest loan).
void BM_ChartPaintMonths(benchmark::State& state) {
    loanHandOver(static_cast<int>(state.range(1)));
    paintChart(state, false);
}
BENCHMARK(BM_ChartPaintMonths)
    ->Args({0, 360})
    ->Args({1, 360})
    ->Args({0, 480})
    ->Args({1, 480})
    ->Unit(benchmark::kMillisecond);

// The chart laid out and painted afresh, as for the first paint at a size: the fund chart and
// the 3D pie of 30 funds, the 480-month loan chart flat and in 3D, and 50 years in 3D. With
// VANTORA_CHART_IMAGES set to a folder, each picture is written there as a PNG file (to compare
// the look before and after a change), and the printout below as chart.pdf.
void BM_ChartFirstPaint(benchmark::State& state) {
    const int chart = static_cast<int>(state.range(1));
    if (chart < 2)
        fundHandOver();
    else if (chart < 4)
        loanHandOver(480);
    else
        yearHandOver(50);
    Form1* f = openChart(chart == 3 || chart == 4, state.range(0) == 1);
    if (chart == 1) {
        f->button(QStringLiteral("Pie2d"))->click();
        f->button(QStringLiteral("ThreeDee"))->click();
        QCoreApplication::processEvents();
    }
    ChartView* view = f->graph();
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&image);
        view->paint(p);
    }
    static const char* const names[] = {"funds", "funds 3D pie", "480 months", "480 months 3D",
                                        "50 years 3D"};
    state.SetLabel(names[chart]);
    const QString folder = qEnvironmentVariable("VANTORA_CHART_IMAGES");
    if (!folder.isEmpty())
        image.save(QStringLiteral("%1/chart%2-%3.png").arg(folder).arg(chart).arg(state.range(0)));
    Windows().unloadAll();
}
BENCHMARK(BM_ChartFirstPaint)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMillisecond);

// "&To Printer" in colour to the PDF device: the window painted on the page (the strip of
// buttons under the chart as an image at 600 dots per inch), then written to the file.
void BM_ChartPrintToPdf(benchmark::State& state) {
    fundHandOver();
    Form1* f = openChart(true, false);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    setPrintDeviceFactory([&](const QString& job) -> std::unique_ptr<PrintDevice> {
        return std::make_unique<PrinterDevice>(pdf, job);
    });
    dialogs::Script script;
    for (auto _ : state) {
        script.answer(dialogs::Answer::Yes);
        script.answer(dialogs::Answer::Yes);
        f->button(QStringLiteral("Ptr"))->click();
    }
    if (!QFile::exists(pdf)) state.SkipWithError("no printout");
    const QString folder = qEnvironmentVariable("VANTORA_CHART_IMAGES");
    if (!folder.isEmpty()) QFile::copy(pdf, folder + QStringLiteral("/chart.pdf"));
    setPrintDeviceFactory(nullptr);
    Windows().unloadAll();
}
BENCHMARK(BM_ChartPrintToPdf)->Unit(benchmark::kMillisecond)->MinTime(2);

}  // namespace
