// SymbolFonts, the "Personalize" window: printer font, currency symbol and the user's name.
#pragma once

#include <QWidget>

class QLineEdit;
class QRadioButton;
class QPushButton;

class SymbolFonts : public QWidget {
    Q_OBJECT
  public:
    explicit SymbolFonts(QWidget* parent = nullptr);

    // The click action of ExitFonts: stores the settings and returns to the menu.
    void SavePersonalSettings();

    QRadioButton* Option1() const { return option1_; }
    QRadioButton* Option2() const { return option2_; }
    QLineEdit* InCurrency() const { return inCurrency_; }
    QLineEdit* InMyName() const { return inMyName_; }
    QPushButton* ExitFonts() const { return exitFonts_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRadioButton* option1_;
    QRadioButton* option2_;
    QLineEdit* inCurrency_;
    QLineEdit* inMyName_;
    QPushButton* exitFonts_;
    bool saving_ = false;
};
