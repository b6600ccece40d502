#include "planning/calcyear_window.h"
#include "planning/capital_required_window.h"
#include "planning/k401_window.h"
#include "planning/savings_plan_window.h"
#include "platform/window_registry.h"
#include "shell/window_catalog.h"

void DefinePlanningWindows() {
    Windows().define(QStringLiteral("CalcInpt"), [] { return new CalcInpt; });
    Windows().define(QStringLiteral("Calcyear"), [] { return new Calcyear; });
    DefinePlaceholder(QStringLiteral("Income"), QStringLiteral("Retirement Income Calculation"));
    Windows().define(QStringLiteral("CalCaptl"), [] { return new CalCaptl; });
    Windows().define(QStringLiteral("PlanK"), [] { return new PlanK; });
}
