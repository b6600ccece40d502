// InCurVal, the one-line window that asks for one number (a current price, or a yes to a blank
// line).
#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// "&OK" answers the typed text, "&Cancel" (or closing the window) answers ""; either closes
// the window. The box takes digits and the point.
class InCurVal : public QWidget {
    Q_OBJECT
  public:
    // Asks for a current price, or with `insertLine` whether to insert a blank line there.
    explicit InCurVal(std::optional<int> insertLine = std::nullopt, QWidget* parent = nullptr);

    QLineEdit* CurVal() const { return curVal_; }
    QLabel* Label1() const { return label1_; }
    QPushButton* Accept() const { return accept_; }
    QPushButton* NoAccept() const { return noAccept_; }

  signals:
    void answered(const QString& reply);

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

// Opens InCurVal modally for a current price and returns its answer.
QString AskCurrentValue();
// Opens InCurVal modally, offering a blank line at line `line` of the net worth
// window, and returns its answer.
QString AskInsertLine(int line);
