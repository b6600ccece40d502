// Income: the retirement income window, withdrawing a percentage of the value once a year
// or a fixed amount of cash every month.
#pragma once

#include <optional>

#include "planning/model/retirement_income.h"
#include "planning/ui/calculator_window.h"

class QComboBox;
class QLabel;
class QRadioButton;

class Income : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit Income(QWidget* parent = nullptr);

    // An option button chosen: the open help panel shows the new choice's
    // text, the results are reset and the boxes take the choice's figures.
    void ChooseWithdrawal(WithdrawalChoice choice);
    // The choice the boxes hold figures for, which Calculate and the printout read.
    WithdrawalChoice choice() const { return choice_; }

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    ChartData graphHandOver() const override;
    bool blanksGridOnReset() const override { return true; }

  private:
    void ApplyWithdrawalChoice(WithdrawalChoice choice);
    void SetupGrid();
    // The choice the option buttons show.
    WithdrawalChoice selected() const;

    WithdrawalChoice choice_ = WithdrawalChoice::Percentage;
    QRadioButton* percentage_ = nullptr;
    QRadioButton* fixedAmount_ = nullptr;
    QLabel* withdrawalLabel_ = nullptr;  // Label4
    QLabel* termLabel_ = nullptr;        // Label3
    QComboBox* rateDrawn_ = nullptr;
    QComboBox* term_ = nullptr;
    // The last calculation and the inputs it used: the printout.
    struct Calculated {
        RetirementIncomeInputs inputs;
        RetirementIncome result;
    };
    std::optional<Calculated> last_;
};
