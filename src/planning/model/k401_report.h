// The 401(k) printout: the eight figures, the starting balance and the year table.
#pragma once

#include <QString>

#include "planning/model/k401.h"

class PrintDevice;

// The title, the eight inputs (each followed by a blank line), the starting
// balance when ShowsStartingBalance, the year lines and the totals of `plan`
// (an empty plan prints the headings and zero totals), amounts with `symbol`
// where they carry it.
void PrintK401(PrintDevice& device, const K401Inputs& in, const K401Plan& plan,
               const QString& symbol);
