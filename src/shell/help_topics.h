// Which section of the program manual explains each window.
#pragma once

#include <QString>
#include <QStringList>

// The manual's file name in the help folder.
inline constexpr char kManualFile[] = "VTK.html";
inline constexpr char kManualTitle[] = "How to Use the Program";

// The manual's section (an anchor of VTK.html) for the window of this name,
// opened with this CallMode; "" when the window has none. A window that serves
// two tools (the savings window, the mortgage window) has a section per mode.
QString HelpAnchorFor(const QString& window, int callMode);
// A window whose mode is not CallMode's (the table window's TableMode) sets
// this property to it; F1 then looks the window up with that mode.
inline constexpr char kHelpModeProperty[] = "helpMode";

// Every window that has a section, each once.
QStringList WindowsWithHelp();
