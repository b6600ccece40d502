// FundMenu, the investment manager's hub: open, save, records, values, sorting, display.
#pragma once

#include <QHash>
#include <QWidget>

#include "investments/model/portfolio_document.h"

class QLabel;
class QPushButton;

class FundMenu : public QWidget {
    Q_OBJECT
  public:
    explicit FundMenu(QWidget* parent = nullptr);

    QPushButton* button(const QString& name) const;
    QLabel* InfoBox() const { return infoBox_; }
    // The portfolio in memory, which the investment manager's windows work on.
    PortfolioDocument& document() { return doc_; }

    // Exitbutton: asks about unsaved changes, closes the windows working on the portfolio and the
    // menu (the portfolio goes with it), back to the main menu.
    void ExitToMainMenu();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    QHash<QString, QPushButton*> buttons_;  // the menu's buttons by name
    QLabel* infoBox_;
    PortfolioDocument doc_;
};

// The fund menu's portfolio (the menu made, hidden, when it does not exist yet): the windows the
// catalogue makes by name open on it.
PortfolioDocument& FundMenuDocument();

// Writes the status line into the fund menu's InfoBox when the fund menu exists.
void ShowFileInfo();

// "&Open a File from Disk" and "&Save Current File to Disk".
void LoadPortfolio(PortfolioDocument& doc);
// The same for a file named without the chooser (a file opened from the desktop), into the fund
// menu's portfolio.
void LoadPortfolioFrom(const QString& path);
void SavePortfolio(PortfolioDocument& doc);

// The question asked before unsaved changes in memory are released: true when
// the user wants to go back (and save first), false when they may be dropped.
// Asks nothing (false) when nothing is unsaved.
bool WantsToKeepChanges(const PortfolioDocument& doc);
