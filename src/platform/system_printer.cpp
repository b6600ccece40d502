#include "platform/system_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace system_printer {

bool available() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

std::unique_ptr<QPagedPaintDevice> open(const QString& jobName) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(jobName);
    return printer;
}

}  // namespace system_printer
