#include "shell/printing.h"

#include <cmath>

#include "common/number_format.h"
#include "common/print_device.h"
#include "shell/app_state.h"

int16_t MeasureLinesPerPage(const PrintDevice& device) {
    const double height = device.textHeight(QStringLiteral("abc"));
    if (!(height > 0)) throw PrintError("The printer reports no text height");
    const double lines = std::nearbyint(15840.0 / height - 7.0);
    if (lines < 1 || lines > 32767) throw PrintError("The printer reports an unusable text height");
    return static_cast<int16_t>(lines);
}

void SetPrinterFont(PrintDevice& device) {
    try {
        device.line();
        device.setFont(QStringLiteral("Courier New"), 11, false);
        State().LinesPerPage = MeasureLinesPerPage(device);
    } catch (const PrintError&) {
        // The printout goes on in whatever font the printer has.
    }
}

void ApplyChosenPrinterFont(PrintDevice& device) {
    if (State().PrinterFontChoice == 6) SetPrinterFont(device);
}

void FinishPrintout(PrintDevice& device) {
    device.newPage();
    device.endDoc();
}

void PrintPageNumber(PrintDevice& device) {
    device.line();
    device.line();
    device.at(40, QStringLiteral("Page") + NumText(static_cast<int64_t>(device.page())) + u' ');
    device.endLine();
}
