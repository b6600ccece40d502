// The shared print routines: page capacity, the Courier font switch and the end of a printout.
#pragma once

#include <QString>
#include <cstdint>

#include "common/lines_per_page.h"

class PrintDevice;

// Switches the printer to Courier New 11 point: prints one empty line, sets the
// font and measures LinesPerPage again. Any printer failure ends it silently.
void SetPrinterFont(PrintDevice& device);

// Runs SetPrinterFont when the personal settings chose Courier (6).
void ApplyChosenPrinterFont(PrintDevice& device);

// Asks for a new page, then ends the document. The devices make a page only
// when something is printed on it, so no printout ends with an empty sheet.
void FinishPrintout(PrintDevice& device);

// The page footer of a long report: two blank lines, then at column 40 "Page"
// followed by the page number as numbers are printed (" 3 ").
void PrintPageNumber(PrintDevice& device);
