// ChooseFile, which asks for a database file to open or save.
#pragma once

#include <QString>
#include <optional>

// What a file is chosen for (the numbers are the manual's).
enum class FileChoice {
    OpenPortfolio = 1,
    SavePortfolio = 2,
    OpenStatement = 3,
    SaveStatement = 4
};

// The filter texts of the two dialogs.
inline constexpr const char* kInvestmentFilter = "Investment Manager Database (*.wms)|*.wms";
inline constexpr const char* kNetWorthFilter = "Net Worth Database (*.wmw)|*.wmw";

// The object name of the file dialog, which F1 finds its help section by.
inline constexpr const char* kFileDialogName = "FileDir";

// Shows the open or save dialog of an investment database (*.wms) or a net worth file (*.wmw),
// proposing FundFileName in the folder of the file last chosen (at first the program's folder),
// and returns the full path chosen. FundFileName becomes the name of that file when it exists
// ("" when it does not yet). A cancel (or any failure) returns nothing and leaves FundFileName
// unchanged.
std::optional<QString> ChooseFile(FileChoice what);
