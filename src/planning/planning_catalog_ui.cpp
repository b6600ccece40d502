#include "shell/window_catalog.h"

void DefinePlanningWindows() {
    DefinePlaceholder(QStringLiteral("CalcInpt"), QStringLiteral("Investment Growth Calculations"),
                      {QStringLiteral("Investment Growth Calculations"),
                       QStringLiteral("Investment Growth Comparisons")});
    DefinePlaceholder(QStringLiteral("PlanK"), QStringLiteral("401(k) Investment Growth Calculations"));
    DefinePlaceholder(QStringLiteral("Income"), QStringLiteral("Retirement Income Calculation"));
    DefinePlaceholder(QStringLiteral("CalCaptl"),
                      QStringLiteral("Amount of Annual Investment Required"));
}
