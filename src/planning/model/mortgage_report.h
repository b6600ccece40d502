// The printout of the mortgage and loan window: the inputs and results, then the table over as
// many pages as it takes, each page ending with its number and starting with the heading again.
#pragma once

#include <QString>

#include "common/personal_settings.h"
#include "planning/model/mortgage.h"

class PrintDevice;

// What the window shows besides the schedule: the compounding entry's text and
// the three result labels as they read.
struct MortgageReportTexts {
    QString compounding;
    QString monthlyPayment;
    QString yearlyPayments;
    QString allPayments;
};

// Prints the report of `in` and `s`. Rows are counted from 21 (the lines above
// the table); when the count reaches a multiple of the lines per page the page ends
// with "Page n", and the next one starts with the font again (Courier chosen),
// a blank line, the heading and the rule, counting from 3. Returns the count after the totals:
// the lines printed on the last page.
int PrintMortgageReport(PrintDevice& device, const MortgageInputs& in, const MortgageSchedule& s,
                        const MortgageReportTexts& texts, const PersonalSettings& settings);
