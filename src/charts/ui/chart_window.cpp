#include "charts/ui/chart_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/chart_style.h"
#include "platform/chart_view.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

namespace {

constexpr int kWidth = 6765;  // twips: the size the window opens at
constexpr int kHeight = 6360;
// The smallest size the window can be made, and the least size of its text on paper.
constexpr int kMinWidth = 4500;
constexpr int kMinHeight = 3600;
constexpr double kPaperPoints = 9.0;

const QString kDistribution = QStringLiteral("Distribution");

}  // namespace

Form1::Form1() {
    setWindowTitle(QStringLiteral("Charts"));
    // Not a fixed-size window: it can be resized and maximized, and the chart grows with it.
    setMinimumSize(twips::px(kMinWidth), twips::px(kMinHeight));
    resize(twips::px(kWidth), twips::px(kHeight));
    Graph1 = new ChartView(this);
    Graph1->setObjectName(QStringLiteral("Graph1"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 0, kWidth, 900);
    setBackColour(Label1, colours::Grey);
    Oned = makeButton(this, QStringLiteral("Oned"), QStringLiteral("&Gain/Loss %"), 0, 0, 1, 1);
    Pie2d = makeButton(this, QStringLiteral("Pie2d"), QStringLiteral("&Value of each fund"), 0, 0,
                       1, 1);
    Sav2D =
        makeButton(this, QStringLiteral("Sav2D"), QStringLiteral("&2D of Chart shown"), 0, 0, 1, 1);
    ThreeDee = makeButton(this, QStringLiteral("ThreeDee"), QStringLiteral("&3D of Chart shown"), 0,
                          0, 1, 1);
    Ptr = makeButton(this, QStringLiteral("Ptr"), QStringLiteral("&To Printer"), 0, 0, 1, 1);
    ExitBut =
        makeButton(this, QStringLiteral("ExitBut"), QStringLiteral("E&xit to Menu"), 0, 0, 1, 1);
    setTabOrder(Oned, Pie2d);
    setTabOrder(Pie2d, Sav2D);
    setTabOrder(Sav2D, ThreeDee);
    setTabOrder(ThreeDee, Ptr);
    setTabOrder(Ptr, ExitBut);
    connect(Oned, &QPushButton::clicked, this, &Form1::onOned);
    connect(Pie2d, &QPushButton::clicked, this, &Form1::onPie2d);
    connect(Sav2D, &QPushButton::clicked, this, &Form1::onSav2D);
    connect(ThreeDee, &QPushButton::clicked, this, &Form1::onThreeDee);
    connect(Ptr, &QPushButton::clicked, this, &Form1::onPtr);
    connect(ExitBut, &QPushButton::clicked, this, &Form1::onExitBut);
    arrangeButtons();
}

Form1* Form1::open(ChartData chart) {
    auto* w = Windows().get<Form1>(QStringLiteral("Form1"));
    w->chart_ = std::move(chart);
    w->opened_ = false;
    Windows().show(QStringLiteral("Form1"));
    if (!w->opened_) w->drawOpeningChart();  // it was on screen already
    return w;
}

QPushButton* Form1::button(const QString& name) const {
    for (QPushButton* b : {Oned, Pie2d, Sav2D, ThreeDee, Ptr, ExitBut})
        if (b->objectName() == name) return b;
    return nullptr;
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!opened_) drawOpeningChart();
}

void Form1::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Shown again after a hide (not a minimise), the window opens its chart anew.
    if (!event->spontaneous()) opened_ = false;
}

void Form1::drawOpeningChart() {
    opened_ = true;
    shown_ = chart_.kind;
    threeD_ = false;
    printInColour_ = false;
    drawInColour_ = true;
    const bool funds = chart_.funds();
    // The investment charts switch between per cent and value; the
    // calculators' charts between their flat and 3D forms.
    Oned->setVisible(funds);
    Pie2d->setVisible(funds);
    Sav2D->setVisible(!funds);
    ThreeDee->setEnabled(true);
    Sav2D->setEnabled(false);
    redrawShown();
    arrangeButtons();
}

void Form1::showPoints(const ChartPoints& points, bool pie) {
    Graph1->setPoints(points.labels, points.values);
    Graph1->setTitle(points.title);
    Graph1->setAxisTitle(points.axisTitle);
    Graph1->setKind(pie ? ChartView::Kind::Pie : ChartView::Kind::Bars);
    Graph1->setUnit(
        points.unit == ChartUnit::Percent ? ChartView::Unit::Percent : ChartView::Unit::Money,
        chart_.currencySymbol);
    Graph1->setThreeD(false);
    Graph1->setColour(drawInColour_);
    Graph1->draw();
}

void Form1::perCentChart() {
    ThreeDee->setEnabled(true);
    showPoints(chart_.points, false);
}

void Form1::valueChart() {
    ThreeDee->setEnabled(true);
    showPoints(chart_.fundValues, true);
}

void Form1::fundThreeD() {
    ThreeDee->setEnabled(false);
    if (Graph1->title() == kDistribution) Pie2d->setFocus();
    Graph1->setColour(drawInColour_);
    Graph1->setThreeD(true);
    Graph1->draw();
}

// The buttons of a calculator's flat chart: 3D on offer, 2D shown but off,
// the fund charts' buttons hidden.
void Form1::calculatorFlatButtons() {
    if (!ThreeDee->isEnabled()) {
        ThreeDee->setEnabled(true);
        ThreeDee->setFocus();
    }
    Sav2D->show();
    Sav2D->setEnabled(false);
    Oned->hide();
    Pie2d->hide();
}

void Form1::calculatorChart() {
    calculatorFlatButtons();
    showPoints(chart_.points, false);
}

void Form1::calculatorThreeD() {
    Sav2D->show();
    Oned->hide();
    if (!Sav2D->isEnabled()) {
        Sav2D->setEnabled(true);
        ThreeDee->setEnabled(false);
    }
    Sav2D->setFocus();
    Graph1->setColour(drawInColour_);
    Graph1->setThreeD(true);
    Graph1->draw();
}

void Form1::redrawShown() {
    if (threeD_) {
        // The 3D form of the chart on screen, as it stands.
        if (chart_.funds())
            fundThreeD();
        else
            calculatorThreeD();
        return;
    }
    switch (shown_) {
        case ChartKind::FundGain:
            perCentChart();
            break;
        case ChartKind::FundValues:
            valueChart();
            break;
        case ChartKind::YearBars:
        case ChartKind::ComparisonBars:
            calculatorChart();
            break;
    }
}

void Form1::onOned() {
    shown_ = ChartKind::FundGain;
    threeD_ = false;
    perCentChart();
}

void Form1::onPie2d() {
    shown_ = ChartKind::FundValues;
    threeD_ = false;
    valueChart();
}

void Form1::onThreeDee() {
    threeD_ = true;
    if (chart_.funds())
        fundThreeD();
    else
        calculatorThreeD();
}

void Form1::onSav2D() {
    if (chart_.funds()) return;
    threeD_ = false;
    calculatorChart();
}

void Form1::onPtr() {
    if (!dialogs::confirmPrintout()) return;
    const auto answer = dialogs::message(QStringLiteral("Print in Color."),
                                         QStringLiteral("Printer"), dialogs::Buttons::YesNo);
    printInColour_ = answer == dialogs::Answer::Yes;
    bool printed = false;
    {
        dialogs::WaitCursor wait;
        // The printout is named after the chart it holds.
        const QString title = Graph1->title().simplified();
        printed = PrintWindowForPage(
            title.isEmpty() ? QStringLiteral("Charts") : title,
            [this](double pageInches) { return prepareForPage(pageInches); },
            [this] { restoreAfterPage(); });
    }
    if (!printed)
        dialogs::message(QStringLiteral("The printout could not be made."),
                         QStringLiteral("Printer"), dialogs::Buttons::Ok,
                         dialogs::Icon::Exclamation);
}

WindowPage Form1::prepareForPage(double pageInches) {
    // The window is printed 0.88 of the screen wide, as tall as suits a page,
    // with its text large enough to read once it is scaled to the page's
    // width; afterwards it goes back to its size and state on screen.
    const QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = sc ? sc->geometry() : QRect(0, 0, width(), height());
    const QRect room = sc ? sc->availableGeometry() : screenRect;
    const int printWidth = std::max(static_cast<int>(screenRect.width() * 0.88), 1);
    const int printHeight = std::max(
        std::min(static_cast<int>(printWidth * 0.62), room.height() - 60), twips::px(kMinHeight));
    onScreen_.states = windowState();
    onScreen_.size = onScreen_.states & (Qt::WindowMaximized | Qt::WindowFullScreen)
                         ? normalGeometry().size()
                         : size();
    onScreen_.font = font();
    onScreen_.ownFont = testAttribute(Qt::WA_SetFont);

    if (onScreen_.states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    resize(printWidth, printHeight);
    QFont paperFont = onScreen_.font;
    const double points =
        chart_style::printPointSize(printWidth, pageInches, logicalDpiX(), kPaperPoints);
    paperFont.setPointSizeF(
        std::max(onScreen_.font.pointSizeF(), std::ceil(points * 4) / 4 + 0.25));
    setFont(paperFont);
    drawInColour_ = printInColour_;
    redrawShown();
    settleLayout();
    // A window manager may have answered with a size of its own meanwhile.
    if (size() != QSize(printWidth, printHeight)) resize(printWidth, printHeight);
    arrangeButtons();
    return {size(), [this](QPainter& p, double imageScale) { paintPage(p, imageScale); }};
}

void Form1::paintPage(QPainter& p, double imageScale) {
    // The chart as lines, shapes and text; the strip of buttons under it as the window shows it,
    // an image at the printer's resolution.
    p.fillRect(rect(), palette().window());
    p.save();
    p.translate(Graph1->pos());
    p.setClipRect(Graph1->rect());
    Graph1->paint(p);
    p.restore();
    const QRect strip = Label1->geometry();
    QImage image(QSize(static_cast<int>(std::ceil(strip.width() * imageScale)),
                       static_cast<int>(std::ceil(strip.height() * imageScale))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(imageScale);
    image.fill(palette().window().color());
    render(&image, QPoint(), QRegion(strip), DrawWindowBackground | DrawChildren);
    p.drawImage(QRectF(strip), image);
}

void Form1::restoreAfterPage() {
    // The screen keeps its colours and its look; black and white was for the paper.
    setFont(onScreen_.ownFont ? onScreen_.font : QFont());
    resize(onScreen_.size);
    if (onScreen_.states != windowState()) setWindowState(onScreen_.states);
    drawInColour_ = true;
    redrawShown();
    arrangeButtons();
}

void Form1::settleLayout() {
    // The chart lays itself out in posted events, and the drawing of the
    // chart it replaced goes only when deferred deletions run: both must have
    // happened before the window is grabbed.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void Form1::onExitBut() {
    QString opener = chart_.opener;
    if (opener.isEmpty() || !Windows().defined(opener)) opener = QStringLiteral("MenuMain");
    Windows().unload(QStringLiteral("Form1"));
    Windows().show(opener);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the window from its frame leaves it the same way as the button.
    event->ignore();
    onExitBut();
}

void Form1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrangeButtons();
}

void Form1::arrangeButtons() {
    // The buttons in use sit in one row under the chart when they fit, else in two.
    std::vector<QPushButton*> shown;
    for (QPushButton* b : {Oned, Pie2d, Sav2D, ThreeDee, Ptr, ExitBut})
        if (!b->isHidden()) shown.push_back(b);
    const int gap = 6;
    int rowH = twips::px(375);
    for (QPushButton* b : shown) rowH = std::max(rowH, b->sizeHint().height());
    int needed = gap;
    int widest = 0;
    for (QPushButton* b : shown) {
        widest = std::max(widest, b->sizeHint().width() + 12);
        needed += b->sizeHint().width() + 12 + gap;
    }
    const int n = static_cast<int>(shown.size());
    const int rows = (needed <= width() || n < 2) ? 1 : 2;
    const int perRow = (n + rows - 1) / rows;
    const int stripH = rows * rowH + (rows + 1) * gap;
    const int chartH = std::max(height() - stripH, 0);
    Graph1->setGeometry(0, 0, width(), chartH);
    Label1->setGeometry(0, chartH, width(), stripH);
    Label1->lower();
    for (int i = 0; i < n; ++i) {
        const int row = i / perRow, col = i % perRow;
        const int inRow = std::min(perRow, n - row * perRow);
        const int w = std::min(widest, (width() - gap * (inRow + 1)) / std::max(inRow, 1));
        const int total = inRow * w + (inRow - 1) * gap;
        const int x = (width() - total) / 2 + col * (w + gap);
        const int y = chartH + gap + row * (rowH + gap);
        shown[static_cast<size_t>(i)]->setGeometry(x, y, w, rowH);
        shown[static_cast<size_t>(i)]->raise();
    }
}
