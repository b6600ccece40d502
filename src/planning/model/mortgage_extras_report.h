// The printout's section "With extra payments": what is paid besides the regular payments, what
// it saves, and the schedule with the extras, page by page as the table before it.
#pragma once

#include <QString>

#include "common/personal_settings.h"
#include "planning/model/mortgage_extras.h"

class PrintDevice;

// Prints the section after the mortgage printout, which left `lineCount` lines on its last page
// (PrintMortgageReport's result). The summary starts a new page when it would not fit with a
// row of the table under it; rows are then counted as the table before counts them.
void PrintExtrasSection(PrintDevice& device, MortgageMode mode, const MortgageExtras& extras,
                        const ExtraSchedule& s, const PersonalSettings& settings, int lineCount);
