// The help text of the mortgage and loan window.
#pragma once

#include <QString>

#include "planning/model/mortgage.h"

// Lines joined with CR LF: an example whose figures stand level with the input
// boxes, a note on what the table shows and on the compounding choices,
// ending with 50 blanks and "End".
QString MortgageHelpText(MortgageMode mode);
