// The chart hand-over: what each opener left in the program's shared tables, turned into the
// chart window's points.
#pragma once

#include "charts/model/chart_points.h"
#include "shell/ui/app_state.h"

// True when the opener left comparison rows rather than a year table: the
// compound rate tool (6), or the savings plan in its comparisons mode.
bool ShowsComparisons(const AppState& s);

// The chart the window opens with: PerCent for the investment manager, Year or
// Comparison for the calculators.
int OpeningChart(const AppState& s);

// Fills YearTable column 5 with the values the year chart draws: column 4 as
// it stands, or, for the retirement fixed amount (3) and mortgages and loans
// (4), shifted down one row behind the starting amount CalcInputs(1). Rows
// outside the table are left alone, and so is the row after the last point
// (the opener's total row).
void PrepareYearValues(AppState& s);

// The investment manager's charts: each fund slot's gain or loss per cent
// (FundTotals column 5), or the whole part of its current value (column 3),
// labelled with the fund names.
ChartPoints PerCentPoints(const AppState& s);
ChartPoints ValuePoints(const AppState& s);
// A calculator's year chart (YearTable column 1 labels, column 5 values) and
// comparison chart (ComparisonLabels column 0, ComparisonTable column 5).
ChartPoints YearPoints(const AppState& s);
ChartPoints ComparisonPoints(const AppState& s);
