// Which section of the program manual explains each window.
#pragma once

#include <QString>
#include <QStringList>

// The manual's file name in the help folder.
inline constexpr char kManualFile[] = "VTK.html";
inline constexpr char kManualTitle[] = "How to Use the Program";

// The manual's section (an anchor of VTK.html) for the window of this name; "" when the window
// has none.
QString HelpAnchorFor(const QString& window);
// A window of two uses sets this property to the section of the use it serves (the savings
// comparisons, loans, a fund's records in the table window); F1 opens that section instead.
inline constexpr char kHelpSectionProperty[] = "helpSection";
inline constexpr char kComparisonsHelp[] = "comparisons";
inline constexpr char kLoansHelp[] = "loans";
inline constexpr char kFundRecordsHelp[] = "display";

// Every window that has a section, each once.
QStringList WindowsWithHelp();
