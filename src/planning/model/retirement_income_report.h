// The retirement income printout: the title, the figures of the chosen withdrawal, the year table
// and its totals.
#pragma once

#include <QString>

#include "planning/model/retirement_income.h"

class PrintDevice;

// Amounts carry `symbol` where they do; the year lines are those of the grid.
void PrintRetirementIncome(PrintDevice& device, const RetirementIncomeInputs& in,
                           const RetirementIncome& result, const QString& symbol);
