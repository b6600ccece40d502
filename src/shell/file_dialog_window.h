// FileDir, the file dialog window, and ChooseFile, which asks for a database file to open or save.
#pragma once

#include <QWidget>

// Owns the two file dialogs: investment databases (*.wms) and net worth files
// (*.wmw). It has no controls of its own and lives only for one ChooseFile.
class FileDir : public QWidget {
    Q_OBJECT
  public:
    explicit FileDir(QWidget* parent = nullptr);

    // Shows the dialog CallMode asks for (1 open / 2 save an investment
    // database, 3 open / 4 save a net worth file), proposing FundFileName in
    // the folder of the file last chosen (at first the program's folder).
    // Afterwards ChosenPath holds the full path and FundFileName the name of
    // that file when it exists ("" when it does not yet). A cancel (or any
    // failure) gives CallMode 6 and ChosenPath "", FundFileName unchanged.
    // Unloads the window before it returns.
    void ChooseFile();
};

// The filter texts of the two dialogs.
inline constexpr const char* kInvestmentFilter = "Investment Manager Database (*.wms)|*.wms";
inline constexpr const char* kNetWorthFilter = "Net Worth Database (*.wmw)|*.wmw";

// FileDir's ChooseFile, the window made first when it does not exist.
void ChooseFile();
