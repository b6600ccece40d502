// NamInput, the one-line window that asks for a fund name (or a printout heading).
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// OK answers the typed text, Cancel (or closing the window) answers "1"; either closes the
// window. A double quote cannot be typed: the files could not store it.
class NamInput : public QWidget {
    Q_OBJECT
  public:
    explicit NamInput(QWidget* parent = nullptr);

    QLineEdit* InFName() const { return inFName_; }
    QLabel* FName() const { return fName_; }
    QPushButton* Acept() const { return acept_; }
    QPushButton* NAcept() const { return nAcept_; }

  signals:
    void answered(const QString& reply);

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
// returns its answer ("" when it was closed without one).
QString AskName(const QString& prompt = QString(), QWidget* over = nullptr);
