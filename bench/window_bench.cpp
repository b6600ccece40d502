// Benchmarks of the windows that open on a request: the help viewer on the manual at a section,
// and the file dialog, each from the call to the end of its first frame (painted and handed to
// the screen), in processor time (the machine is shared: wall time counts others' turns).
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "platform/dialogs.h"
#include "platform/help_viewer.h"

namespace {

// The processor time the program has used, in seconds: on a shared machine the wall clock
// counts other programs' turns too.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Notes the first frame of the windows of one kind: the event (an expose or an update request)
// in which the window or a child of it paints first, and the processor time from the start to
// the end of that event, when the frame has been painted and flushed.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(std::function<bool(QWidget*)> watched,
                        std::function<void(QWidget*)> then = nullptr)
        : watched_(std::move(watched)), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    void start() {
        painted = nullptr;
        paintedIn_ = nullptr;
        start_ = cpuSeconds();
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (painted) return false;
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            QWidget* w = static_cast<QWidget*>(o)->window();
            if (!paintedIn_ && watched_(w)) paintedIn_ = w;
            return false;
        }
        if ((e->type() != QEvent::Expose && e->type() != QEvent::UpdateRequest) || inside_)
            return false;
        // Delivered here (through every filter) to see whether it painted a watched window.
        inside_ = true;
        QCoreApplication::sendEvent(o, e);
        inside_ = false;
        if (paintedIn_) {
            seconds = cpuSeconds() - start_;
            painted = paintedIn_;
            if (then_) then_(painted);
        }
        return true;
    }
    QWidget* painted = nullptr;
    double seconds = 0;

  private:
    std::function<bool(QWidget*)> watched_;
    std::function<void(QWidget*)> then_;
    QWidget* paintedIn_ = nullptr;
    bool inside_ = false;
    double start_ = 0;
};

QString manual() {
    return QStringLiteral(VANTORA_SAMPLES "/../help/VTK.html");
}

// The help viewer opened on the manual at its last section (the farthest scroll), maximized.
void BM_HelpViewerAtSection(benchmark::State& state) {
    if (!QFile::exists(manual())) state.SkipWithError("no manual");
    FirstPaint watch([](QWidget* w) { return qobject_cast<HelpViewer*>(w) != nullptr; });
    auto openOnce = [&] {
        watch.start();
        HelpViewer* viewer = HelpViewer::open(manual(), QStringLiteral("Vantora 95 Help"),
                                              QStringLiteral("glossary"));
        while (!watch.painted) QCoreApplication::processEvents();
        const bool there = viewer->currentSection() == u"glossary";
        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return there;
    };
    openOnce();  // the first opening loads the fonts and styles every later one shares
    for (auto _ : state) {
        if (!openOnce()) state.SkipWithError("not at the section");
        state.SetIterationTime(watch.seconds);
    }
}
BENCHMARK(BM_HelpViewerAtSection)->UseManualTime()->Unit(benchmark::kMillisecond);

// A folder holding the program's files and 1000 database files.
struct FullFolder {
    QTemporaryDir dir;
    bool made = true;
    FullFolder() {
        for (int i = 0; i < 1000; ++i) {
            QFile f(dir.filePath(QStringLiteral("Portfolio %1.wms").arg(i)));
            made = made && f.open(QIODevice::WriteOnly);
        }
    }
};

// Opens the Open dialog on `folder` from a window of the program, as a tool does, and cancels
// it once it has painted; the processor time to its first frame, or -1 when it did not show.
double openDialogIn(const QString& folder) {
    static QWidget* tool = [] {
        auto* w = new QWidget;
        w->resize(632, 424);
        w->show();
        return w;
    }();
    Q_UNUSED(tool);
    FirstPaint watch([](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; },
                     [](QWidget* w) {
                         QMetaObject::invokeMethod(static_cast<QFileDialog*>(w), &QDialog::reject,
                                                   Qt::QueuedConnection);
                     });
    watch.start();
    const auto chosen =
        dialogs::chooseFile({.save = false,
                             .filter = QStringLiteral("Investment Manager Database (*.wms)|*.wms"),
                             .proposedName = QStringLiteral("Dtasampl.WMS"),
                             .folder = folder});
    return !chosen && watch.painted ? watch.seconds : -1;
}

// The same, to the whole list: every file in it with its kind, painted. The processor time of
// the whole program (the threads that list the folder among it), or -1 when the dialog did not
// show.
double wholeListIn(const QString& folder, int files) {
    const double start = cpuSeconds();
    double seconds = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
        auto* view = dialog ? dialog->findChild<QTreeView*>() : nullptr;
        if (!view) return;
        const QAbstractItemModel* model = view->model();
        const QModelIndex root = view->rootIndex();
        if (model->rowCount(root) < files) return;
        for (int r = 0; r < files; ++r)
            if (model->index(r, 2, root).data().toString().trimmed().isEmpty()) return;
        view->viewport()->repaint();
        seconds = cpuSeconds() - start;
        poll.stop();
        dialog->reject();
    });
    poll.start(20);
    const auto chosen =
        dialogs::chooseFile({.save = false,
                             .filter = QStringLiteral("Investment Manager Database (*.wms)|*.wms"),
                             .proposedName = QStringLiteral("Dtasampl.WMS"),
                             .folder = folder});
    return chosen ? -1 : seconds;
}

// The Open dialog of a full folder, from the call to its first frame (then cancelled), opened
// again in the folder it was last opened in.
void BM_FileDialogShown(benchmark::State& state) {
    FullFolder folder;
    if (!folder.made) state.SkipWithError("no folder");
    openDialogIn(folder.dir.path());  // the first opening lists the folder
    for (auto _ : state) {
        const double seconds = openDialogIn(folder.dir.path());
        if (seconds < 0) state.SkipWithError("the dialog did not show");
        state.SetIterationTime(std::max(seconds, 0.0));
    }
}
BENCHMARK(BM_FileDialogShown)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same in a full folder it has never shown.
void BM_FileDialogShownInANewFolder(benchmark::State& state) {
    {
        FullFolder warm;
        openDialogIn(warm.dir.path());  // what every opening shares
    }
    for (auto _ : state) {
        FullFolder folder;
        const double seconds = openDialogIn(folder.dir.path());
        if (!folder.made || seconds < 0) state.SkipWithError("the dialog did not show");
        state.SetIterationTime(std::max(seconds, 0.0));
    }
}
BENCHMARK(BM_FileDialogShownInANewFolder)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same, to the whole list with the kinds of its files.
void BM_FileDialogWholeListInANewFolder(benchmark::State& state) {
    {
        FullFolder warm;
        wholeListIn(warm.dir.path(), 1000);
    }
    for (auto _ : state) {
        FullFolder folder;
        const double seconds = wholeListIn(folder.dir.path(), 1000);
        if (!folder.made || seconds < 0) state.SkipWithError("the list was not shown");
        state.SetIterationTime(std::max(seconds, 0.0));
    }
}
BENCHMARK(BM_FileDialogWholeListInANewFolder)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
