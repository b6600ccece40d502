// FundMenu, the investment manager's hub: open, save, records, values, sorting, display.
#pragma once

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;

class FundMenu : public QWidget {
    Q_OBJECT
  public:
    explicit FundMenu(QWidget* parent = nullptr);

    QPushButton* button(const QString& name) const;
    QLabel* InfoBox() const { return infoBox_; }

    // Exitbutton: asks about unsaved changes, releases the tables, back to the main menu.
    void ExitToMainMenu();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    QHash<QString, QPushButton*> buttons_;  // the menu's buttons by name
    QLabel* infoBox_;
};

// Writes the status line into the fund menu's InfoBox when the fund menu exists.
void ShowFileInfo();

// "&Open a File from Disk" and "&Save Current File to Disk".
void LoadPortfolio();
// The same for a file named without the chooser (a file opened from the desktop).
void LoadPortfolioFrom(const QString& path);
void SavePortfolio();

// The question asked before unsaved changes in memory are released: true when
// the user wants to go back (and save first), false when they may be dropped.
// Asks nothing (false) when nothing is unsaved.
bool WantsToKeepChanges();
