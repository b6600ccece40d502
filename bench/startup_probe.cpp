// Start-up benchmark: the program's real start-up to its first painted main menu,
// against a bare Qt window of the same size with the same 14 buttons.
//
//   startup_probe              start Vantora 95, report when the menu has painted, exit
//   startup_bare               the bare window (its own program, linking Qt Widgets only)
//   startup_probe portfolio F  the same, then opens the portfolio file F (1000 records), its
//                              value table and its chart, and reports the peak memory again
//   startup_probe compare N    run both N times, interleaved, as child processes, and
//                              print the medians, the time ratio and the peak-memory ratio;
//                              then the peak with the largest portfolio open against the
//                              start-up peak. Exits 1 when a ratio passes its limit.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_portfolio.h"
#include "investments/model/current_value.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/portfolio_state.h"
#include "investments/ui/table_window.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/main_menu_window.h"
#include "shell/ui/single_instance_ui.h"
#include "shell/ui/window_catalog.h"

namespace {

// Notes the first paint of a window, or (installed on the application) of anything in `window`.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(const QWidget* window = nullptr) : window_(window) {}
    bool painted = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint &&
            (!window_ || (o->isWidgetType() && static_cast<QWidget*>(o)->window() == window_)))
            painted = true;
        return false;
    }

  private:
    const QWidget* window_;
};

long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// What the user does next with the largest file: Investment Manager, open the file, price every
// fund, Calculate (the value table), Show Graph (the chart); reports the peak once it has painted.
int openLargestPortfolio(const QString& path) {
    dialogs::Script script;  // a message would wait for a person
    Windows().hide(QStringLiteral("MenuMain"));
    Windows().show(QStringLiteral("FundMenu"));
    auto portfolio = ReadPortfolioFile(path);
    if (!portfolio) {
        std::fprintf(stderr, "the portfolio did not open\n");
        return 1;
    }
    InstallPortfolio(State(), std::move(*portfolio));
    for (int k = 1; k <= State().FundCount(); ++k) State().FundTotals(k, 2) = Money::fromInt(20);
    {
        HeldPortfolio held(State());
        AccumulateHoldings(held.value, State().FundTotals);
    }
    if (!ComputeCurrentValue()) return 1;
    // The chart paints its children (the window itself has nothing of its own to paint).
    PaintWatch watch(Windows().get(QStringLiteral("Form1")));
    qApp->installEventFilter(&watch);
    Windows().get<Table1>(QStringLiteral("Table1"))->ShowGraph();
    for (const dialogs::ShownMessage& m : script.messages())
        std::fprintf(stderr, "message: %s\n", qPrintable(m.text));
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("opened %ld\n", peakKb());
    std::fflush(stdout);
    return 0;
}

int runOnce(int argc, char** argv, const QString& portfolio) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    PaintWatch watch;
    QWidget* shown = nullptr;
    {
        // As the program starts: it listens for later starts first (a name of this run's own).
        ListenForLaterStarts(InstanceName(QCoreApplication::applicationDirPath(),
                                          QStringLiteral("probe-%1").arg(getpid())),
                             &app, OpenHandedOverFile);
        DefineWindows();
        // The menu is watched from the moment it exists, before start-up shows it.
        QWidget* menu = Windows().get(QStringLiteral("MenuMain"));
        menu->installEventFilter(&watch);
        StartProgram();
        shown = menu;
    }
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("painted %ld\n", peakKb());
    std::fflush(stdout);
    Q_UNUSED(shown);
    return portfolio.isEmpty() ? 0 : openLargestPortfolio(portfolio);
}

struct Sample {
    double ms;
    long kb;
    long openedKb;  // with the largest portfolio open (when asked for)
};

// The figure after `word` on the child's output lines.
long figureAfter(const QByteArray& out, const char* word) {
    for (const QByteArray& line : out.split('\n'))
        if (line.startsWith(word)) return line.mid(line.indexOf(' ') + 1).trimmed().toLong();
    return 0;
}

bool runChild(const QString& program, const QStringList& args, Sample& out) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted(10000)) return false;
    QByteArray text;
    while (!text.contains('\n')) {
        if (!p.waitForReadyRead(20000)) return false;
        text += p.readAllStandardOutput();
    }
    out.ms = t.nsecsElapsed() / 1e6;
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return false;
    text += p.readAllStandardOutput();
    out.kb = figureAfter(text, "painted");
    out.openedKb = figureAfter(text, "opened");
    return true;
}

template <class T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Above these the run fails, so that a regression is seen.
constexpr double kStartupLimit = 1.15;
constexpr double kPortfolioMemoryLimit = 1.5;

int compare(int runs) {
    QTemporaryDir dir;
    const QString portfolio = dir.filePath(QStringLiteral("Largest.wms"));
    FillFullPortfolio();
    bool written = false;
    {
        HeldPortfolio held(State());
        written = WritePortfolioFile(portfolio, held.value);
    }
    if (!written) {
        std::fprintf(stderr, "the largest portfolio could not be written\n");
        return 1;
    }
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_bare");
    std::vector<double> vt, bt;
    std::vector<long> vm, bm, om;
    for (int i = 0; i < runs; ++i) {
        Sample v{}, b{};
        // Interleaved, alternating which goes first.
        const bool vantoraFirst = i % 2 == 0;
        bool ok = vantoraFirst ? runChild(self, {}, v) && runChild(bare, {}, b)
                               : runChild(bare, {}, b) && runChild(self, {}, v);
        if (!ok) {
            std::fprintf(stderr, "a child did not report its first paint\n");
            return 1;
        }
        vt.push_back(v.ms);
        bt.push_back(b.ms);
        vm.push_back(v.kb);
        bm.push_back(b.kb);
    }
    // Peak memory is steady from run to run: a few runs with the portfolio open are enough.
    for (int i = 0; i < std::min(runs, 5); ++i) {
        Sample o{};
        if (!runChild(self, {QStringLiteral("portfolio"), portfolio}, o) || o.openedKb == 0) {
            std::fprintf(stderr, "the portfolio run did not report its chart\n");
            return 1;
        }
        om.push_back(o.openedKb);
    }
    const double tv = median(vt), tb = median(bt);
    const long mv = median(vm), mb = median(bm);
    std::printf(
        "platform: %s, runs: %d\n",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(),
        runs);
    std::printf("Vantora 95 menu : median %.1f ms, peak %ld KiB\n", tv, mv);
    std::printf("bare Qt window  : median %.1f ms, peak %ld KiB\n", tb, mb);
    const double timeRatio = tv / tb, memoryRatio = static_cast<double>(mv) / mb;
    std::printf(
        "time ratio %.2f, peak-memory ratio %.2f (target: both at most 1.10, fails above "
        "%.2f)\n",
        timeRatio, memoryRatio, kStartupLimit);
    const long mo = median(om);
    const double openedRatio = static_cast<double>(mo) / mv;
    std::printf(
        "1000 records, value table and chart open: peak %ld KiB, %.2f x the start-up "
        "peak (target: at most %.2f)\n",
        mo, openedRatio, kPortfolioMemoryLimit);
    bool failed = false;
    if (timeRatio > kStartupLimit || memoryRatio > kStartupLimit) {
        std::fprintf(stderr, "FAILED: start-up is more than %.2f x a bare Qt window\n",
                     kStartupLimit);
        failed = true;
    }
    if (openedRatio > kPortfolioMemoryLimit) {
        std::fprintf(stderr,
                     "FAILED: the largest portfolio takes more than %.2f x the start-up "
                     "peak\n",
                     kPortfolioMemoryLimit);
        failed = true;
    }
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "compare") {
        QCoreApplication app(argc, argv);
        return compare(argc >= 3 ? std::max(3, std::atoi(argv[2])) : 21);
    }
    const bool portfolio = argc >= 3 && std::string(argv[1]) == "portfolio";
    return runOnce(argc, argv, portfolio ? QString::fromLocal8Bit(argv[2]) : QString());
}
