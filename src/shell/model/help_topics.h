// Which section of the program manual explains each window.
#pragma once

#include <QString>
#include <QStringList>

// The manual's file name in the help folder.
inline constexpr char kManualFile[] = "VTK.html";
inline constexpr char kManualTitle[] = "How to Use the Program";

// The manual's section (an anchor of VTK.html) for the window of this name,
// opened in this mode (-1: none); "" when the window has none. A window that
// serves two tools (the savings window, the mortgage window, the table window)
// has a section per mode.
QString HelpAnchorFor(const QString& window, int mode);
// A window of two uses sets this property to the mode it was opened in (the
// savings and mortgage windows their use, the table window its TableMode); F1
// then looks the window up with that mode.
inline constexpr char kHelpModeProperty[] = "helpMode";

// Every window that has a section, each once.
QStringList WindowsWithHelp();
