// The program's folder: where the settings, sample files and printouts live.
#pragma once

#include <QString>

// Where a copy of the program keeps the user's files. A portable copy (a build folder, or a
// folder marked with a file named "vantora95.portable") keeps everything beside its executable,
// as long as that folder can be written. An installed copy keeps the user's files (the samples,
// `Printouts`, the file dialogs' first folder) in "Vantora 95" in the documents folder, and the
// settings file in "Vantora95" in the configuration folder.
struct ProgramFolders {
    bool portable = false;
    QString user;      // the program's folder: the current folder, the samples, Printouts
    QString settings;  // the folder of the settings file
};
inline constexpr const char* kPortableMarker = "vantora95.portable";

// The choice behind ProgramFolder, from the executable's folder, the configuration home and the
// documents folder (XDG_CONFIG_HOME and XDG DOCUMENTS in an installed copy).
ProgramFolders ChooseProgramFolders(const QString& exeFolder, const QString& configHome,
                                    const QString& documents);

// The program's folder (ChooseProgramFolders's `user`) for this copy.
QString ProgramFolder();

// Makes the program's folder the current folder. For an installed copy, it and the settings
// folder are created, and the installed sample files are copied into it the first time (never
// over a file of the same name); the settings of an earlier installed version are taken over.
void EnterProgramFolder();

// The personal settings file: "Personal.vtp" in the current folder for a portable copy, else
// in the settings folder.
QString SettingsFile();

// Where the help documents are: "help" in the program's folder, beside the
// executable, or in the installed data folder.
QString HelpFolder();

// The folder the printouts go to when there is no system printer.
QString PrintoutFolder();

// Copies the sample files (*.wms, *.wmw in any case) of `from` into `to`,
// never over a file of the same name. Returns how many were copied.
int CopySampleFiles(const QString& from, const QString& to);

// CopySampleFiles the first time only: a mark left in `to` says the samples were copied, so that
// samples the user deleted do not come back. True when it copied now.
bool CopySampleFilesOnce(const QString& from, const QString& to);
