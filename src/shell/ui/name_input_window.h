// NamInput, the one-line window that asks for a fund name (or a printout heading).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// OK puts the typed text in InputReply, Cancel puts "1" there; either closes
// the window. A double quote cannot be typed: the files could not store it.
class NamInput : public QWidget {
    Q_OBJECT
  public:
    explicit NamInput(QWidget* parent = nullptr);

    QLineEdit* InFName() const { return inFName_; }
    QLabel* FName() const { return fName_; }
    QPushButton* Acept() const { return acept_; }
    QPushButton* NAcept() const { return nAcept_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void finish(const QString& reply);
    QLineEdit* inFName_;
    QLabel* fName_;
    QPushButton* acept_;
    QPushButton* nAcept_;
    bool finished_ = false;
};

// Shows NamInput modally with this prompt (the fund name prompt when empty),
// over the middle of `over` (the active window when none is given), and
// returns InputReply.
QString AskName(const QString& prompt = QString(), QWidget* over = nullptr);
