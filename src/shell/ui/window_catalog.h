// The catalogue of the program's windows: how each one is made when first referred to.
#pragma once

#include <QString>
#include <functional>

// Tells the window registry how to make every window of the program.
void DefineWindows();

// Each subsystem defines its own windows.
void DefineShellWindows();
void DefinePlanningWindows();
void DefineInvestmentWindows();
void DefineChartWindow();
void DefineNetWorthWindows();

// The main menu's buttons that open a tool of two uses in one of them: each tool's catalogue says
// how its buttons open it, so the menu needs to know no tool.
void DefineMenuOpening(const QString& button, std::function<void()> open);
// Opens the tool as the menu's `button` does; false when no tool defined it.
bool OpenFromMenu(const QString& button);
