// The help text of the mortgage (1) and loan (2) window.
#pragma once

#include <QString>

// Lines joined with CR LF: an example whose figures stand level with the input
// boxes, a note on what the table shows and on the compounding choices,
// ending with 50 blanks and "End".
QString MortgageHelpText(int mode);
