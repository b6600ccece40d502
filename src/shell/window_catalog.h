// The catalogue of the program's windows: how each one is made when first referred to.
#pragma once

#include <QString>

// Tells the window registry how to make every window of the program.
void DefineWindows();

// Each subsystem defines its own windows.
void DefineShellWindows();
void DefinePlanningWindows();
void DefineInvestmentWindows();
void DefineChartWindow();
void DefineNetWorthWindows();

