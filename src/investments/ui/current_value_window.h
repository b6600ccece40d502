// CurrValue, the "Current Prices" grid where the user types a price per share for each fund.
#pragma once

#include <QString>
#include <QWidget>

class Grid;
class QLabel;
class QPushButton;

class CurrValue : public QWidget {
    Q_OBJECT
  public:
    explicit CurrValue(QWidget* parent = nullptr);

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
bool CheckEmptyFunds();

// Values every fund at its price and shows the result in Table1 (caption
// "Current Value of all Funds") with the printable report in ReportPages 1
// and 2. Returns false, after the "Cannot calculate." message, when a figure
// leaves the money range; nothing is shown then.
bool ComputeCurrentValue();
