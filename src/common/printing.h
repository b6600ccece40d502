// The shared print routines: page capacity, the Courier font switch and the end of a printout.
#pragma once

#include <QString>
#include <cstdint>

#include "common/lines_per_page.h"
#include "common/personal_settings.h"

class PrintDevice;

// Switches the printer to Courier New 11 point: prints one empty line, sets the
// font and measures the lines a page holds again, which it returns (0 when the
// printer failed: the printout goes on in whatever font the printer has).
int16_t SetPrinterFont(PrintDevice& device);

// Runs SetPrinterFont when the settings chose Courier New, and keeps the lines
// per page it measured in `settings`.
void ApplyChosenPrinterFont(PrintDevice& device, PersonalSettings& settings);

// Asks for a new page, then ends the document. The devices make a page only
// when something is printed on it, so no printout ends with an empty sheet.
void FinishPrintout(PrintDevice& device);

// The page footer of a long report: two blank lines, then at column 40 "Page"
// followed by the page number as numbers are printed (" 3 ").
void PrintPageNumber(PrintDevice& device);
