#include "common/printing.h"

#include <algorithm>

#include "common/number_format.h"
#include "common/print_device.h"

int16_t SetPrinterFont(PrintDevice& device) {
    try {
        device.line();
        // Each page starts with this empty line: in the old font on the first
        // page, in Courier on the pages after a page break. The page logic does
        // not count it, so the page capacity leaves room for it.
        double setUpLine = 0;
        try {
            setUpLine = device.textHeight(QStringLiteral("abc"));
        } catch (const PrintError&) {
        }
        device.setFont(QStringLiteral("Courier New"), 11, false);
        setUpLine = std::max(setUpLine, device.textHeight(QStringLiteral("abc")));
        return MeasureLinesPerPage(device, setUpLine);
    } catch (const PrintError&) {
        // The printout goes on in whatever font the printer has.
        return 0;
    }
}

void ApplyChosenPrinterFont(PrintDevice& device, PersonalSettings& settings) {
    if (!settings.courier()) return;
    if (const int16_t lines = SetPrinterFont(device); lines > 0) settings.linesPerPage = lines;
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
