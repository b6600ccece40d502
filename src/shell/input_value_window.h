// InCurVal, the one-line window that asks for one number (a current price, or a yes to a blank
// line).
#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

// The net worth window's line number that InCurVal offers a blank line at
// (CallMode 1 or 2); InCurVal resets it to 0 when it opens.
extern int16_t InsertLineNumber;

// "&OK" puts the typed text in InputReply, "&Cancel" (or closing the window)
// puts "" there; either closes the window. The box takes digits and the point.
class InCurVal : public QWidget {
    Q_OBJECT
  public:
    explicit InCurVal(QWidget* parent = nullptr);

    QLineEdit* CurVal() const { return curVal_; }
    QLabel* Label1() const { return label1_; }
    QPushButton* Accept() const { return accept_; }
    QPushButton* NoAccept() const { return noAccept_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void finish(const QString& reply);
    QLineEdit* curVal_;
    QLabel* label1_;
    QLabel* label2_;
    QPushButton* accept_;
    QPushButton* noAccept_;
    bool finished_ = false;
};

// Opens InCurVal modally (its label chosen by CallMode) and returns InputReply.
QString AskCurrentValue();
