#include "planning/ui/calcyear_window.h"
#include "planning/ui/capital_required_window.h"
#include "planning/ui/compound_rate_window.h"
#include "planning/ui/k401_window.h"
#include "planning/ui/mortgage_window.h"
#include "planning/ui/retirement_income_window.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/window_registry.h"
#include "shell/ui/window_catalog.h"

void DefinePlanningWindows() {
    Windows().define(QStringLiteral("CalcInpt"), [] { return new CalcInpt; });
    Windows().define(QStringLiteral("Calcyear"), [] { return new Calcyear; });
    Windows().define(QStringLiteral("Income"), [] { return new Income; });
    Windows().define(QStringLiteral("CalCaptl"), [] { return new CalCaptl; });
    Windows().define(QStringLiteral("PlanK"), [] { return new PlanK; });
    Windows().define(QStringLiteral("CdnMort"), [] { return new CdnMort; });
    Windows().define(QStringLiteral("FindComp"), [] { return new FindComp; });
    // The menu's buttons of the two tools of two uses.
    DefineMenuOpening(QStringLiteral("Savings"), [] { CalcInpt::open(SavingsMode::Calculations); });
    DefineMenuOpening(QStringLiteral("SavingComp"),
                      [] { CalcInpt::open(SavingsMode::Comparisons); });
    DefineMenuOpening(QStringLiteral("LoanPmt"), [] { CdnMort::open(MortgageMode::Loan); });
    DefineMenuOpening(QStringLiteral("Canadian"), [] { CdnMort::open(MortgageMode::Mortgage); });
}
