// The capital required printout: the three figures and the year table.
#pragma once

#include <QString>

#include "planning/model/capital_required.h"

class PrintDevice;

// The title, the three inputs, the year table and the totals of `plan`
// (an empty plan prints the headings and zero totals), amounts with `symbol`
// where they carry it.
void PrintCapitalRequired(PrintDevice& device, const CapitalInputs& in, const CapitalPlan& plan,
                          const QString& symbol);
