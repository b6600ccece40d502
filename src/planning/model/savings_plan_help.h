// The help text of the savings plan window, for its calculations and comparisons modes.
#pragma once

#include <QString>

#include "planning/model/savings_plan.h"

// Lines joined with CR LF, ending with 50 blanks and "End". Money amounts in
// the sentences carry `symbol`; each worked example's six figures stand on
// their own lines, spaced to sit level with the six input boxes.
QString SavingsPlanHelpText(SavingsMode mode, const QString& symbol);
