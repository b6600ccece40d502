// F1 help: in any window of the program, F1 opens the manual at that window's section.
#pragma once

#include <QString>

class HelpViewer;

// Installs F1 for the whole program (once; later calls do nothing).
void InstallHelpKey();

// Opens the manual at `anchor` (at its top when empty). The manual window F1
// opened before is reused while it is open; over a modal window the manual
// opens modal too, so that it can be read and closed.
HelpViewer* OpenManualAt(const QString& anchor);

// The manual F1 opens: the help folder's manual unless a test sets another.
void SetManualPath(const QString& path);
