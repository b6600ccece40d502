// The help text of the retirement income window, for the withdrawal choice selected.
#pragma once

#include <QString>

#include "planning/model/retirement_income.h"

// Lines joined with CR LF, ending with 50 blanks and "End". The worked
// example's figures stand on their own lines, level with the input boxes;
// money amounts in the sentences carry `symbol`.
QString RetirementIncomeHelpText(WithdrawalChoice choice, const QString& symbol);
