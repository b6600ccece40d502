// The program's folder: where the settings, sample files and printouts live.
#pragma once

#include <QString>

// The executable's folder when it is writable (a portable copy, the build
// folder); otherwise the per-user data folder (XDG data home, "Vantora95").
QString ProgramFolder();

// Makes the program's folder the current folder. When it is the per-user
// folder, it is created and the installed sample files are copied into it
// the first time (never over a file of the same name).
void EnterProgramFolder();

// Where the help documents are: "help" in the program's folder, beside the
// executable, or in the installed data folder.
QString HelpFolder();

// The folder the printouts go to when there is no system printer.
QString PrintoutFolder();

// The choice behind ProgramFolder: `exeFolder` when it is writable, else
// "Vantora95" in `dataHome`.
QString ChooseProgramFolder(const QString& exeFolder, const QString& dataHome);

// Copies the sample files (*.wms, *.wmw in any case) of `from` into `to`,
// never over a file of the same name. Returns how many were copied.
int CopySampleFiles(const QString& from, const QString& to);

// CopySampleFiles the first time only: a mark left in `to` says the samples were copied, so that
// samples the user deleted do not come back. True when it copied now.
bool CopySampleFilesOnce(const QString& from, const QString& to);
