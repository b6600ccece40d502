// CurrValue, the "Current Prices" grid where the user types a price per share for each fund.
#pragma once

#include <QString>
#include <QWidget>

struct PortfolioDocument;
class Grid;
class QLabel;
class QPushButton;

class CurrValue : public QWidget {
    Q_OBJECT
  public:
    // The price grid of the funds of `doc`; the prices typed go into its totals.
    explicit CurrValue(PortfolioDocument& doc, QWidget* parent = nullptr);

    Grid* Grid8() const { return grid8_; }
    QPushButton* Help9() const { return help9_; }
    QPushButton* CancelBut() const { return cancelBut_; }
    QPushButton* CurValOK() const { return curValOK_; }
    QLabel* Label2() const { return label2_; }

    // "&Calculate": totals the funds, checks for missing prices, shows the table.
    void Calculate();
    // "E&xit to Menu".
    void ExitToMenu();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void selectCell();
    int keyPress(int key);
    void keyDown(int& code);
    bool rowLimitReached();
    void clearPrice();

    PortfolioDocument& doc_;
    Grid* grid8_;
    QPushButton* help9_;
    QPushButton* cancelBut_;
    QPushButton* curValOK_;
    QLabel* label2_;
    int CellRow = 0;
    int CellCol = 0;
    QString TypedText;
    bool leaving_ = false;
};

// Looks for a named fund without records: shows the "Help" message and
// returns true when there is one.
bool CheckEmptyFunds(const PortfolioDocument& doc);

// Values every fund at its price and shows the result in Table1 (caption
// "Current Value of all Funds") with the printable report in the document's report pages 1 and 2;
// the charts' copy of the funds is brought up to date. Returns false, after the "Cannot
// calculate." message, when a figure leaves the money range; nothing is shown then.
bool ComputeCurrentValue(PortfolioDocument& doc);
