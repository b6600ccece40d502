#include "platform/printer_device.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "common/lines_per_page.h"
#include "platform/dialogs.h"
#include "platform/system_printer.h"

namespace {

QFont deviceFont(const QString& name, double points, bool bold) {
    // "Courier New" and the standard font are both served by Liberation Mono,
    // which has Courier New's metrics.
    Q_UNUSED(name);
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

std::function<std::unique_ptr<PrintDevice>(const QString&)>& factory() {
    static std::function<std::unique_ptr<PrintDevice>(const QString&)> f;
    return f;
}

QString& printoutFolder() {
    static QString folder = QStringLiteral("Printouts");
    return folder;
}

QString newPdfPath(const QString& jobName) {
    const QString folder = QDir(printoutFolder()).absolutePath();
    QDir().mkpath(folder);
    // Letters and figures of the job's name, each run of anything else one dash.
    QString base;
    for (const QChar c : jobName.left(60))
        if (c.isLetterOrNumber())
            base += c;
        else if (!base.endsWith(u'-'))
            base += u'-';
    while (base.endsWith(u'-')) base.chop(1);
    if (base.isEmpty()) base = QStringLiteral("Printout");
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = QStringLiteral("%1/%2-%3.pdf").arg(folder, base, stamp);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1/%2-%3-%4.pdf").arg(folder, base, stamp).arg(n);
    return path;
}

constexpr double kMarginInch = 0.5;
constexpr double kMinSideInch = 0.25;
constexpr double kLineInches = 7.5;
constexpr int kPdfDpi = 1200;

}  // namespace

namespace {

// True when the file at `path` is a PDF written to its end.
bool IsCompletePdf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const qint64 size = f.size();
    if (size < 16) return false;
    // A whole PDF ends with its end-of-file marker, perhaps followed by a line end.
    if (!f.seek(std::max<qint64>(0, size - 32))) return false;
    return f.readAll().contains("%%EOF");
}

}  // namespace

void TellWherePdfWent(const QString& pdfPath) {
    const QString title = QStringLiteral("Printer");
    const dialogs::Answer answer = dialogs::message(
        QStringLiteral("There is no printer on this system. The printout was saved as") +
            QStringLiteral("\r\n") + QDir::toNativeSeparators(pdfPath) +
            QStringLiteral("\r\n\r\nOpen it now?"),
        title, dialogs::Buttons::YesNo, dialogs::Icon::Information);
    if (answer != dialogs::Answer::Yes || dialogs::openDocument(pdfPath)) return;
    dialogs::message(QStringLiteral("No program to show PDF files was found. The printout is in") +
                         QStringLiteral("\r\n") + QDir::toNativeSeparators(pdfPath),
                     title, dialogs::Buttons::Ok, dialogs::Icon::Exclamation);
}

PrinterDevice::PrinterDevice(const QString& pdfPath, const QString& jobName)
    : PrinterDevice(pdfPath, jobName, !pdfPath.isEmpty()) {}

PrinterDevice::PrinterDevice(const QString& pdfPath, const QString& jobName, bool pdf)
    : pdfPath_(pdfPath) {
    if (!pdf) {
        printer_ = system_printer::open(jobName);
        if (!printer_) throw PrintError("The printer could not be started");
    } else {
        // Printing at 1200 dots per inch, as the printer's high resolution does.
        auto writer = std::make_unique<QPdfWriter>(pdfPath);
        writer->setResolution(kPdfDpi);
        writer->setTitle(jobName);
        printer_ = std::move(writer);
    }
    // The printer's own paper; a PDF file (or a printer that names none) the locale's.
    const QPageSize printerPaper = pdf ? QPageSize() : printer_->pageLayout().pageSize();
    const QPageSize paper =
        printerPaper.isValid() ? printerPaper : QPageSize(PaperForLocale(PaperLocaleName()));
    printer_->setPageSize(paper);
    // The reports are laid out for Letter's 7.5 inches of line: narrower paper (A4) gets
    // narrower side margins, so no line is cut.
    const double width = paper.size(QPageSize::Inch).width();
    const double side = std::clamp((width - kLineInches) / 2, kMinSideInch, kMarginInch);
    printer_->setPageMargins(QMarginsF(side, kMarginInch, side, kMarginInch), QPageLayout::Inch);
    painter_ = std::make_unique<QPainter>();
    font_ = std::make_unique<QFont>(deviceFont(QString(), 12, false));
}

std::unique_ptr<PrinterDevice> PrinterDevice::pdfForMeasuring() {
    // Without a file name it could not start printing; it is only measured.
    return std::unique_ptr<PrinterDevice>(new PrinterDevice(QString(), QString(), true));
}

PrinterDevice::~PrinterDevice() {
    if (!ended_ && painter_ && painter_->isActive()) painter_->end();
}

// Nothing goes to the printer until the first output, so a device that is
// only measured leaves no print job behind.
void PrinterDevice::ensureStarted() {
    if (painter_->isActive() || ended_) return;
    if (!painter_->begin(printer_.get())) throw PrintError("The printer could not be started");
    painter_->setFont(*font_);
    painter_->setPen(Qt::black);
}

double PrinterDevice::lineHeightPx() const {
    return QFontMetricsF(*font_, printer_.get()).height();
}

double PrinterDevice::columnWidthPx() const {
    return QFontMetricsF(*font_, printer_.get()).horizontalAdvance(QLatin1Char('0'));
}

double PrinterDevice::sheetHeightPx() const {
    return printer_->pageLayout().paintRectPixels(resolution()).height();
}

double PrinterDevice::paperHeight() const {
    return printer_->pageLayout().fullRect(QPageLayout::Point).height() * 20.0;
}

double PrinterDevice::sheetHeight() const {
    const int dpi = resolution();
    if (dpi <= 0) return 0;
    return sheetHeightPx() * 1440.0 / dpi;
}

// The page is counted at once (the footer of the next page prints its
// number), but fed only when something is printed on it.
void PrinterDevice::newPage() {
    if (ended_) return;
    ++pendingPages_;
    ++page_;
    x_ = y_ = 0;
}

void PrinterDevice::startPage() {
    ensureStarted();
    for (; pendingPages_ > 0; --pendingPages_)
        if (!printer_->newPage()) throw PrintError("The printer could not start a new page");
}

void PrinterDevice::endDoc() {
    if (ended_) return;
    ensureStarted();
    // A page break with nothing printed after it makes no page.
    pendingPages_ = 0;
    ended_ = true;
    const bool finished = painter_->end();
    if (pdfPath_.isEmpty()) {
        if (!finished) throw PrintError("The printer could not finish the printout");
        return;
    }
    // A disk that filled up leaves a cut-off file behind, however the painter ended.
    if (!finished || !IsCompletePdf(pdfPath_)) {
        QFile::remove(pdfPath_);
        throw PrintError(
            QStringLiteral("The PDF file could not be written:\r\n%1\r\nThe disk may be full.")
                .arg(QDir::toNativeSeparators(pdfPath_))
                .toStdString());
    }
    TellWherePdfWent(pdfPath_);
}

void PrinterDevice::setFont(const QString& name, double points, bool bold) {
    *font_ = deviceFont(name, points, bold);
    if (painter_->isActive()) painter_->setFont(*font_);
}

double PrinterDevice::textHeight(const QString& text) const {
    Q_UNUSED(text);
    const int dpi = resolution();
    if (dpi <= 0) throw PrintError("The printer cannot be measured");
    return lineHeightPx() * 1440.0 / dpi;
}

void PrinterDevice::tab(int column) {
    if (column < 1) column = 1;
    const double target = (column - 1) * columnWidthPx();
    if (x_ > target + 0.5) endLine();
    x_ = target;
}

void PrinterDevice::print(const QString& text) {
    if (ended_) return;
    startPage();
    // A page never overflows: a line that would pass the bottom goes on a new
    // page, where it keeps the column it was placed at.
    if (y_ > 0 && y_ + lineHeightPx() > sheetHeightPx()) {
        const double column = x_;
        newPage();
        startPage();
        x_ = column;
    }
    const QFontMetricsF fm(*font_, printer_.get());
    painter_->drawText(QPointF(x_, y_ + fm.ascent()), text);
    x_ += fm.horizontalAdvance(text);
}

void PrinterDevice::endLine() {
    if (ended_) return;
    print(QString());
    x_ = 0;
    y_ += lineHeightPx();
}

void PrinterDevice::drawImage(const QImage& image) {
    startPage();
    const QRect page = printer_->pageLayout().paintRectPixels(resolution());
    QSizeF size = image.size();
    size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
    painter_->drawImage(QRectF(QPointF(0, y_), size), image);
    y_ += size.height();
}

void PrinterDevice::drawWindow(const WindowPage& window) {
    // Beyond 600 dots per inch an image only grows, it does not get sharper.
    constexpr int kMaxDpi = 600;
    if (window.size.isEmpty()) return;
    startPage();
    const int dpi = resolution();
    const QRect page = printer_->pageLayout().paintRectPixels(dpi);
    QSizeF size = window.size;
    size.scale(page.width(), page.height(), Qt::KeepAspectRatio);
    const double scale = size.width() / window.size.width();
    painter_->save();
    painter_->translate(0, y_);
    painter_->scale(scale, scale);
    window.paint(*painter_, scale * std::clamp(dpi, 72, kMaxDpi) / std::max(dpi, 1));
    painter_->restore();
    y_ += size.height();
}

double PrinterDevice::pageWidthInches() const {
    return printer_->pageLayout().paintRect(QPageLayout::Inch).width();
}

int PrinterDevice::resolution() const {
    return printer_->logicalDpiY();
}

std::unique_ptr<PrintDevice> OpenPrintDevice(const QString& jobName) {
    if (factory()) return factory()(jobName);
    if (system_printer::available()) return std::make_unique<PrinterDevice>(QString(), jobName);
    return std::make_unique<PrinterDevice>(newPdfPath(jobName), jobName);
}

void setPrintoutFolder(const QString& folder) {
    printoutFolder() = folder;
}

void setPrintDeviceFactory(std::function<std::unique_ptr<PrintDevice>(const QString&)> f) {
    factory() = std::move(f);
}

QString PaperLocaleName() {
    // The locale that names the paper, as the C library picks it: LC_ALL, LC_PAPER, LANG.
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty()) continue;
        if (value == u"C" || value == u"POSIX" || value.startsWith(QStringLiteral("C.")))
            break;  // no country: the program's language says it
        return value;
    }
    return QLocale().name();
}

QPageSize::PageSizeId PaperForLocale(const QString& localeName) {
    // "de_DE.UTF-8@euro": the country is the part after "_", up to "." or "@".
    const QString country = localeName.section(u'_', 1).section(u'.', 0, 0).section(u'@', 0, 0);
    return country == u"US" || country == u"CA" ? QPageSize::Letter : QPageSize::A4;
}

bool HaveSystemPrinter() {
    return system_printer::available();
}

int16_t StartupLinesPerPage() {
    try {
        if (HaveSystemPrinter()) {
            PrinterDevice probe(QString(), QStringLiteral("Vantora 95"));
            // Measured, then abandoned: nothing is printed.
            return MeasureLinesPerPage(probe);
        }
        // The PDF device the printouts will go to, in its standard font.
        return MeasureLinesPerPage(*PrinterDevice::pdfForMeasuring());
    } catch (const PrintError&) {
        return 59;
    }
}

namespace {

// What a text device shows of a window printed as an image.
void noteWindowImage(PrintDevice& device, QSize size) {
    device.line(QStringLiteral("[window image %1 x %2]").arg(size.width()).arg(size.height()));
}

}  // namespace

bool PrintWindowForPage(const QString& jobName,
                        const std::function<WindowPage(double pageInches)>& prepare,
                        const std::function<void()>& restore) {
    struct Restore {
        const std::function<void()>& restore;
        bool due = false;
        ~Restore() {
            if (due) restore();
        }
    } afterwards{restore};
    try {
        auto device = OpenPrintDevice(jobName);
        if (auto* printer = dynamic_cast<PrinterDevice*>(device.get())) {
            afterwards.due = true;
            const WindowPage window = prepare(printer->pageWidthInches());
            if (window.size.isEmpty()) return false;
            printer->drawWindow(window);
        } else {
            // A text device: a Letter page's printable width at the screen's resolution.
            constexpr double kInches = 7.5, kDpi = 96;
            afterwards.due = true;
            const WindowPage window = prepare(kInches);
            if (window.size.isEmpty()) return false;
            const double scale = kInches * kDpi / window.size.width();
            QImage image(QSize(static_cast<int>(std::ceil(window.size.width() * scale)),
                               static_cast<int>(std::ceil(window.size.height() * scale))),
                         QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::white);
            QPainter painter(&image);
            window.paint(painter, scale);
            painter.end();
            noteWindowImage(*device, image.size());
        }
        device->endDoc();
        return true;
    } catch (const PrintError&) {
        return false;
    }
}
