// Start-up benchmark: the program's real start-up to its first painted main menu,
// against a bare Qt window of the same size with 14 buttons.
//
//   startup_probe              start Vantora 95, report when the menu has painted, exit
//   startup_bare               the bare window (its own program, linking Qt Widgets only)
//   startup_probe compare N    run both N times, interleaved, as child processes, and
//                              print the medians, the time ratio and the peak-memory ratio
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/main_menu_window.h"
#include "shell/window_catalog.h"

namespace {

// Notes the first paint of a window.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

long peakKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

int runOnce(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    PaintWatch watch;
    QWidget* shown = nullptr;
    {
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
    return 0;
}

struct Sample {
    double ms;
    long kb;
};

bool runChild(const QString& program, const QStringList& args, Sample& out) {
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted(10000)) return false;
    QByteArray line;
    while (!line.contains('\n')) {
        if (!p.waitForReadyRead(20000)) return false;
        line += p.readAllStandardOutput();
    }
    out.ms = t.nsecsElapsed() / 1e6;
    out.kb = line.mid(line.indexOf(' ') + 1).trimmed().toLong();
    p.waitForFinished(10000);
    return true;
}

template <class T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int compare(int runs) {
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_bare");
    std::vector<double> vt, bt;
    std::vector<long> vm, bm;
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
    const double tv = median(vt), tb = median(bt);
    const long mv = median(vm), mb = median(bm);
    std::printf(
        "platform: %s, runs: %d\n",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(),
        runs);
    std::printf("Vantora 95 menu : median %.1f ms, peak %ld KiB\n", tv, mv);
    std::printf("bare Qt window  : median %.1f ms, peak %ld KiB\n", tb, mb);
    std::printf("time ratio %.2f, peak-memory ratio %.2f (target: both at most 1.30)\n", tv / tb,
                static_cast<double>(mv) / mb);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "compare") {
        QCoreApplication app(argc, argv);
        return compare(argc >= 3 ? std::max(3, std::atoi(argv[2])) : 21);
    }
    return runOnce(argc, argv);
}
