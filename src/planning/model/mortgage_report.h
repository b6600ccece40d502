// The printout of the mortgage and loan window: the inputs and results, then the table over as
// many pages as it takes, each page ending with its number and starting with the heading again.
#pragma once

#include <QString>

#include "common/personal_settings.h"
#include "planning/model/mortgage.h"

class PrintDevice;

// Prints the report of `in` and its schedule `s`: the inputs (the compounding as the list
// names it), the three results as the window shows them with the currency symbol, and the
// table. Before any calculation (`s` null) the inputs alone, the results and the table empty.
// Rows are counted from 21 (the lines above the table); when the count reaches a multiple of
// the lines per page the page ends with "Page n", and the next one starts with the font again
// (Courier chosen), a blank line, the heading and the rule, counting from 3. Returns the count
// after the totals: the lines printed on the last page.
int PrintMortgageReport(PrintDevice& device, const MortgageInputs& in, const MortgageSchedule* s,
                        const PersonalSettings& settings);
