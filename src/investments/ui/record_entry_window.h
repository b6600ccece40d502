// RecordEntry, the record window: browse a fund's transactions, add, correct and delete them, add
// funds.
#pragma once

#include <QWidget>
#include <array>

#include "common/money.h"
#include "investments/model/record_entry.h"

struct PortfolioDocument;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

class RecordEntry : public QWidget {
    Q_OBJECT
  public:
    // The record window over the portfolio of `doc`.
    explicit RecordEntry(PortfolioDocument& doc, QWidget* parent = nullptr);

    // Controls by their names.
    QPushButton* Correctrec() const { return correctrec_; }
    QPushButton* createfund() const { return createfund_; }
    QPushButton* PrevRec() const { return prevRec_; }
    QPushButton* ExBut() const { return exBut_; }
    QPushButton* DelRec() const { return delRec_; }
    QPushButton* AddaRec() const { return addaRec_; }
    QPushButton* NextRec() const { return nextRec_; }
    QLineEdit* InTrans() const { return inTrans_; }
    QLineEdit* InDate() const { return inDate_; }
    QLineEdit* InPrice() const { return inPrice_; }
    QLineEdit* InNumber() const { return inNumber_; }
    QLineEdit* InComm() const { return inComm_; }
    QLineEdit* InCashDiv() const { return inCashDiv_; }
    QPlainTextEdit* TxtBox() const { return txtBox_; }
    QComboBox* Funds() const { return funds_; }
    // The labels tests read, by their names (Label2, Label8 ... NumRec, Done); nullptr for others.
    QLabel* label(const QString& name) const;

    // Choosing line `index` (0 = first fund slot) of the fund list.
    void ChooseFund(int index);
    // Opens an entry (adding, or correcting after Correct Record), or saves the open one.
    void BeginEntry();
    // True from Correct Record until the entry it opens closes.
    bool correcting() const { return correcting_; }
    void StoreRecord();
    void DeleteRecord();
    void AddNewFund();
    void NextRecord();
    void PreviousRecord();
    void ExitToMenu();
    // True while the completion blink is on.
    bool flashing() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    PortfolioDocument& doc_;
    // The controls in their places (record_entry_form_ui.cpp).
    void BuildForm();
    // What each box takes from the keyboard (record_entry_keys_ui.cpp).
    void InstallKeys();
    void ClearEntryBoxes();
    void EnableEntryBoxes();
    void LockEntryBoxes();
    void ResetCodeEntry();
    void ShowNextRecord();
    void ShowRecordPosition();
    void DisplayRecord(int record);
    void FlashDone();
    void RejectEntry();
    void ShowBadDate();
    void ShowCounts();
    void SetToolButtonsVisible(bool visible);
    void HideBoxesForCode(const QString& code);
    void TakeTypedFigure(QLineEdit* box);
    QString CodeText() const;
    EntryFigures TypedFigures() const;
    bool EntryOpen() const;
    // The entry column's boxes in Enter order (code, date, price, shares, fee, cash dividend).
    std::array<QLineEdit*, 6> EntryBoxList() const;
    EntryField FieldOf(QLineEdit* box) const;
    QWidget* FieldWidget(EntryField field) const;
    int BoxIndex(QLineEdit* box) const;

    QPushButton *correctrec_, *createfund_, *prevRec_, *exBut_, *delRec_, *addaRec_, *nextRec_;
    QLineEdit *inTrans_, *inDate_, *inPrice_, *inNumber_, *inComm_, *inCashDiv_;
    QPlainTextEdit* txtBox_;
    QComboBox* funds_;
    QLabel *label2_, *label9_, *label10_, *numRec_, *done_, *numFunds_, *label8_, *label11_,
        *label13_;
    // True while an entry is open (the add button reads "&Save Record").
    bool entryOpen_ = false;
    QTimer* flash_;
    int flashStep_ = 0;

    std::array<Money, 6> EntryValues{};
    int EntryStarted = 0;
    int EntryFailed = 0;
    bool checkingDate_ = false;
    bool correcting_ = false;
};
