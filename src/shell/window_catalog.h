// The catalogue of the program's windows: how each one is made when first referred to.
#pragma once

#include <QString>
#include <QStringList>

// Tells the window registry how to make every window of the program.
void DefineWindows();

// Each subsystem defines its own windows.
void DefineShellWindows();
void DefinePlanningWindows();
void DefineInvestmentWindows();
void DefineChartWindow();
void DefineNetWorthWindows();

// Defines `name` as a plain window with the tool's caption (`modeCaptions`, by
// CallMode 1, 2, replace it for windows that serve two menu buttons) and an
// exit button back to the menu: the form of a tool that is still to be built.
void DefinePlaceholder(const QString& name, const QString& caption,
                       const QStringList& modeCaptions = {});
