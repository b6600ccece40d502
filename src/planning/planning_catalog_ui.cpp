#include "planning/calcyear_window.h"
#include "planning/capital_required_window.h"
#include "planning/compound_rate_window.h"
#include "planning/k401_window.h"
#include "planning/mortgage_window.h"
#include "planning/retirement_income_window.h"
#include "planning/savings_plan_window.h"
#include "platform/window_registry.h"
#include "shell/window_catalog.h"

void DefinePlanningWindows() {
    Windows().define(QStringLiteral("CalcInpt"), [] { return new CalcInpt; });
    Windows().define(QStringLiteral("Calcyear"), [] { return new Calcyear; });
    Windows().define(QStringLiteral("Income"), [] { return new Income; });
    Windows().define(QStringLiteral("CalCaptl"), [] { return new CalCaptl; });
    Windows().define(QStringLiteral("PlanK"), [] { return new PlanK; });
    Windows().define(QStringLiteral("CdnMort"), [] { return new CdnMort; });
    Windows().define(QStringLiteral("FindComp"), [] { return new FindComp; });
}
