// The help text of the savings plan window, for its calculations (1) and comparisons (2) modes.
#pragma once

#include <QString>

// Lines joined with CR LF, ending with 50 blanks and "End". Money amounts in
// the sentences carry `symbol`; each worked example's six figures stand on
// their own lines, spaced to sit level with the six input boxes.
QString SavingsPlanHelpText(int mode, const QString& symbol);
