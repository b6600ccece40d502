// ExtraPay: the small modal window where the extra payments of a mortgage or loan are typed: a
// fixed extra with every payment, and up to 12 lump sums, each at a payment number.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "planning/model/mortgage_extras.h"

class QLineEdit;
class QPushButton;

// "&OK" keeps the figures typed, "&Cancel" (Escape, the frame) what was there before; "C&lear"
// empties every box. A figure beyond the currency's range, or a lump sum without a payment
// number, says "Wrong entry, try again" and changes nothing.
class ExtraPay : public QWidget {
    Q_OBJECT
  public:
    explicit ExtraPay(const MortgageExtras& current, QWidget* parent = nullptr);

    QLineEdit* perPaymentBox() const { return perPayment_; }
    QLineEdit* lumpBox(int i) const { return lump_[static_cast<size_t>(i)]; }
    QLineEdit* atBox(int i) const { return at_[static_cast<size_t>(i)]; }
    QPushButton* okButton() const { return ok_; }

    void Accept();
    void Cancel();
    void Clear();

  signals:
    // The extras after OK, nothing after Cancel.
    void answered(const std::optional<MortgageExtras>& reply);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Reads a box: false (with the message, the box showing its former figure) when refused.
    bool commit(QLineEdit* box);
    void display(QLineEdit* box);
    void finish(std::optional<MortgageExtras> reply);

    MortgageExtras figures_;
    QLineEdit* perPayment_ = nullptr;
    std::array<QLineEdit*, kLumpSumCount> lump_{};
    std::array<QLineEdit*, kLumpSumCount> at_{};
    QPushButton* ok_ = nullptr;
    bool finished_ = false;
};

// Opens ExtraPay modally over the window that asks, showing `current`; the extras as the user
// left them after OK, nothing after Cancel.
std::optional<MortgageExtras> AskExtraPayments(const MortgageExtras& current);
