// The calculators' charts, built from their results: the points the chart window draws.
#pragma once

#include <QString>
#include <vector>

#include "common/chart_data.h"
#include "common/money.h"
#include "planning/model/capital_required.h"
#include "planning/model/k401.h"
#include "planning/model/mortgage.h"
#include "planning/model/mortgage_extras.h"
#include "planning/model/retirement_income.h"
#include "planning/model/savings_plan.h"

// Year charts: one bar a year (a month for a loan), labelled with its number, in amounts of
// money. The value at the end of each year, except for mortgages, loans and the retirement
// fixed amount, whose bars show the value at the start of each period: the first the starting
// amount (the principal, the capital), each next one the value at the end of the one before;
// the value after the last period is not drawn.
ChartData YearChart(const SavingsPlan& plan, const QString& symbol);
ChartData YearChart(const MortgageSchedule& schedule, const MortgageInputs& in,
                    const QString& symbol);
ChartData YearChart(const ExtraSchedule& schedule, const MortgageInputs& in, const QString& symbol);
ChartData YearChart(const RetirementIncome& result, const RetirementIncomeInputs& in,
                    const QString& symbol);
ChartData YearChart(const CapitalPlan& plan, const QString& symbol);
ChartData YearChart(const K401Plan& plan, const QString& symbol);

// Comparison charts: one bar per comparison row kept ("Row  k"): the savings plan's final
// values, the compound rate tool's annual rates in per cent.
ChartData SavingsComparisonChart(const std::vector<Money>& finalValues, const QString& symbol);
ChartData CompoundRateChart(const std::vector<Money>& ratesPercent, const QString& symbol);
