// The savings plan printouts: the year-by-year calculation and the accumulated comparison rows.
#pragma once

#include <QString>

#include "planning/model/savings_plan.h"

class PrintDevice;

// The calculations report: the title, the six inputs, the year table and the
// totals of `plan`, amounts with `symbol` where they carry it.
void PrintSavingsCalculation(PrintDevice& device, const SavingsPlanInputs& in,
                             const SavingsPlan& plan, const QString& symbol);

// The comparisons report: the title, the two heading lines and the separator,
// then `reportText` (the entries accumulated since the last printout) as it stands.
void PrintSavingsComparisons(PrintDevice& device, const QString& reportText);
