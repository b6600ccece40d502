// The shared print routines: page capacity, the Courier font switch and the end of a printout.
#pragma once

#include <QString>
#include <cstdint>

class PrintDevice;

// Lines of the device's current font on an 11-inch page, less 7 lines of
// margin: 15840 twips / height of "abc", minus 7, rounded half to even.
// Throws PrintError when the device cannot be measured.
int16_t MeasureLinesPerPage(const PrintDevice& device);

// Switches the printer to Courier New 11 point: prints one empty line, sets the
// font and measures LinesPerPage again. Any printer failure ends it silently.
void SetPrinterFont(PrintDevice& device);

// Runs SetPrinterFont when the personal settings chose Courier (6).
void ApplyChosenPrinterFont(PrintDevice& device);

// Asks for a new page, then ends the document.
void FinishPrintout(PrintDevice& device);

// The page footer of a long report: two blank lines, then at column 40 "Page"
// followed by the page number as numbers are printed (" 3 ").
void PrintPageNumber(PrintDevice& device);
