// Calcyear: the modal year window that turns deposits made during a year into the amount at its
// end.
#pragma once

#include <QWidget>

#include "common/money.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Calcyear : public QWidget {
    Q_OBJECT
  public:
    explicit Calcyear(QWidget* parent = nullptr);

    // The "&Calculate" button, also run by each click on an option button.
    void Calculate();
    // Puts the amount into the savings plan as its annual amount invested.
    void Insert();
    // Clears the window's two input slots and closes it.
    void ExitWindow();

    Money yearEndAmount() const { return YearEndAmount; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void wireBox(QLineEdit* box, QWidget* next);
    int periods() const;
    // A change of a box's text that no typed key counted: the result goes, the box will be read.
    void edited(QLineEdit* box);
    void commit(QLineEdit* box);
    int slotOf(const QLineEdit* box) const;
    QString shown(const QLineEdit* box, Money value) const;

    QLineEdit* inDeposit_;
    QLineEdit* inRate_;
    QRadioButton* options_[3];
    QLabel* resultAnt_;
    QPushButton* calc_;
    QLineEdit* pending_ = nullptr;
    // True from the first key typed (or any other edit) until the box is read: the first key
    // typed into a filled box replaces its figure.
    bool inputEdited_ = false;
    bool closing_ = false;
    Money YearEndAmount;
};
