#include "planning/calcyear_window.h"
#include "planning/retirement_income_window.h"
#include "planning/savings_plan_window.h"
#include "platform/window_registry.h"
#include "shell/window_catalog.h"

void DefinePlanningWindows() {
    Windows().define(QStringLiteral("CalcInpt"), [] { return new CalcInpt; });
    Windows().define(QStringLiteral("Calcyear"), [] { return new Calcyear; });
    DefinePlaceholder(QStringLiteral("PlanK"),
                      QStringLiteral("401(k) Investment Growth Calculations"));
    Windows().define(QStringLiteral("Income"), [] { return new Income; });
    DefinePlaceholder(QStringLiteral("CalCaptl"),
                      QStringLiteral("Amount of Annual Investment Required"));
}
