// The real print device: the system's default printer, or a PDF file in Printouts/ when there is
// none.
#pragma once

#include <QPageSize>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "common/print_device.h"

class QFont;
class QImage;
class QPagedPaintDevice;
class QPainter;
struct WindowPage;

// Prints lines of text on the system printer or a PDF file, in character columns of the current font.
// Its standard font is monospaced (Liberation Mono 12 point), so tables line up
// with either font choice; "Courier New" is served by Liberation Mono. A page
// is fed only when something is printed on it, and a line that would pass the
// foot of a sheet goes on the next one in the same column.
class PrinterDevice : public PrintDevice {
  public:
    // A PDF file at `pdfPath` when it is not empty, else the system printer.
    explicit PrinterDevice(const QString& pdfPath, const QString& jobName);
    ~PrinterDevice() override;

    // A PDF device that is only measured (it has no file to print to).
    static std::unique_ptr<PrinterDevice> pdfForMeasuring();

    void newPage() override;
    void endDoc() override;
    int page() const override { return page_; }
    void setFont(const QString& name, double points, bool bold) override;
    double textHeight(const QString& text) const override;
    double sheetHeight() const override;
    double paperHeight() const override;
    void tab(int column) override;
    void print(const QString& text) override;
    void endLine() override;

    // Prints an image scaled to the page width.
    void drawImage(const QImage& image);
    // Prints a window as it paints itself, scaled to the page width (see PrintWindowForPage).
    void drawWindow(const WindowPage& window);
    // The width of the page's printable area, and the device's dots per inch.
    double pageWidthInches() const;
    int resolution() const;
    QString pdfPath() const { return pdfPath_; }

  private:
    PrinterDevice(const QString& pdfPath, const QString& jobName, bool pdf);
    void ensureStarted();
    // Starts the page breaks asked for since the last output.
    void startPage();
    double sheetHeightPx() const;
    double lineHeightPx() const;
    double columnWidthPx() const;
    std::unique_ptr<QPagedPaintDevice> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QFont> font_;
    QString pdfPath_;
    int page_ = 1;
    int pendingPages_ = 0;
    double x_ = 0, y_ = 0;  // pen position in device pixels, relative to the margins
    bool ended_ = false;
};

// The device for the next printout: the system printer, or a new PDF file in
// the printout folder (the user is told its name when the printout ends).
// Tests replace it with setPrintDeviceFactory.
std::unique_ptr<PrintDevice> OpenPrintDevice(const QString& jobName);
// Tells the user a printout went to the PDF file `pdfPath` (there is no printer) and offers to
// open it in the desktop's PDF viewer.
void TellWherePdfWent(const QString& pdfPath);
// Where the PDF printouts go ("Printouts" in the current folder until set).
void setPrintoutFolder(const QString& folder);
void setPrintDeviceFactory(std::function<std::unique_ptr<PrintDevice>(const QString&)> factory);

// The paper of a PDF printout (and of a printer that names none): Letter for a locale of the
// United States or Canada, A4 for any other. `localeName` as in LC_PAPER ("de_DE.UTF-8").
QPageSize::PageSizeId PaperForLocale(const QString& localeName);
// The locale that names the paper: LC_ALL, LC_PAPER or LANG, the first one set; the program's
// language when that is "C" or none is set.
QString PaperLocaleName();

// True when the system has a default printer.
bool HaveSystemPrinter();

// LinesPerPage for the device that will print, in its standard font; 59 when
// it cannot be measured.
int16_t StartupLinesPerPage();


// A window as it is printed: its size in its own pixels, and how it paints itself on a painter
// that maps those pixels onto the page. What it paints as an image it makes `imageScale` image
// pixels to one of its own, so that the image has the printer's resolution (at most 600 dots
// per inch).
struct WindowPage {
    QSize size;
    std::function<void(QPainter& painter, double imageScale)> paint;
};

// Prints a window on the device for the next printout (the chart window): `prepare` is told the
// width of the page's printable area in inches and makes the window ready for that page, and
// `restore` puts it back once it is printed (also when printing fails). A printer gets the
// window painted straight onto the page, scaled to its width, so its lines and text stay sharp;
// a text device gets the line "[window image W x H]" for its image across a Letter page's
// printable width at the screen's resolution. Returns false when nothing could be printed.
bool PrintWindowForPage(const QString& jobName,
                        const std::function<WindowPage(double pageInches)>& prepare,
                        const std::function<void()>& restore);
