// FileDir, the file dialog window, and ChooseFile, which asks for a database file to open or save.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

// What a file is chosen for (the numbers are the manual's).
enum class FileChoice {
    OpenPortfolio = 1,
    SavePortfolio = 2,
    OpenStatement = 3,
    SaveStatement = 4
};

// Owns the two file dialogs: investment databases (*.wms) and net worth files
// (*.wmw). It has no controls of its own and lives only for one ChooseFile.
class FileDir : public QWidget {
    Q_OBJECT
  public:
    explicit FileDir(QWidget* parent = nullptr);

    // Shows the open or save dialog of an investment database or a net worth
    // file, proposing FundFileName in the folder of the file last chosen (at
    // first the program's folder), and returns the full path chosen. ChosenPath
    // holds it too, and FundFileName the name of that file when it exists (""
    // when it does not yet). A cancel (or any failure) returns nothing and
    // leaves ChosenPath "", FundFileName unchanged. Unloads the window before
    // it returns.
    std::optional<QString> ChooseFile(FileChoice what);
};

// The filter texts of the two dialogs.
inline constexpr const char* kInvestmentFilter = "Investment Manager Database (*.wms)|*.wms";
inline constexpr const char* kNetWorthFilter = "Net Worth Database (*.wmw)|*.wmw";

// FileDir's ChooseFile, the window made first when it does not exist.
std::optional<QString> ChooseFile(FileChoice what);
