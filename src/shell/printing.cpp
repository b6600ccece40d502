#include "shell/printing.h"

#include <algorithm>

#include "common/number_format.h"
#include "common/print_device.h"
#include "shell/app_state.h"

void SetPrinterFont(PrintDevice& device) {
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
        State().LinesPerPage = MeasureLinesPerPage(device, setUpLine);
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
