// The printing module: the only code of the program that links Qt's printing support. The
// program loads it on its first question about printers (platform/system_printer.cpp).
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

extern "C" {

Q_DECL_EXPORT bool vantora95_printer_available() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

// The caller owns the device. Null when there is no default printer.
Q_DECL_EXPORT QPagedPaintDevice* vantora95_printer_open(const QString* jobName) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto* printer = new QPrinter(info, QPrinter::HighResolution);
    if (jobName) printer->setDocName(*jobName);
    return printer;
}
}
