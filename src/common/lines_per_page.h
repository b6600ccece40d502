// LinesPerPage: how many counted lines a long report puts on one page of a print device.
#pragma once

#include <cstdint>

class PrintDevice;

// The lines the page logic of a long report prints beyond the lines it
// counts: two blank lines and "Page n" at the foot of each page.
inline constexpr int kPageFooterLines = 3;

// Lines of the device's current font on its paper, less 7 lines of margin: the
// paper's height (15840 twips for Letter's 11 inches) / height of "abc", minus 7,
// rounded half to even. On a
// device whose sheet holds fewer, no more than leave room on the sheet for the
// footer lines and for `reservedTwips` more (the font set-up line that starts
// every page of a Courier printout), so a full page never spills onto another
// sheet. Throws PrintError when the device cannot be measured.
int16_t MeasureLinesPerPage(const PrintDevice& device, double reservedTwips = 0);
