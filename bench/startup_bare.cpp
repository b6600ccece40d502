// The yardstick of the start-up benchmark: a bare Qt window the size of the main
// menu with its 14 buttons and their captions (drawing the letters is most of a first
// paint, so the same letters make the comparison one of the program, not of its texts),
// reporting its first paint and peak memory like startup_probe.
#include <sys/resource.h>

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <cstdio>

namespace {
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};
constexpr const char* kCaptions[] = {
    "Planning your &Savings",   "Planning your &401(k)",        "Planning your &Retirement",
    "Sa&vings Comparisons",     "Amount of &Capital Required",  "&Payment on a Loan",
    "&Mortgages",               "&Investment Manager",          "&Net Worth",
    "&Find Annual Compound Growth", "&Prosperon",               "&How to Use the Program",
    "Persona&lize Settings",    "E&xit Vantora"};
int px(int twips) {
    return twips * 96 / 1440;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    PaintWatch watch;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantora 95"));
    window.setFixedSize(px(9480), px(6360));
    for (int i = 0; i < 14; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(kCaptions[i]), &window);
        b->setGeometry(px(i < 7 ? 990 : 5220), px(210 + (i % 7) * 765), px(3450), px(450));
    }
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("painted %ld\n", u.ru_maxrss);
    std::fflush(stdout);
    return 0;
}
