// CalcInpt: the savings plan window, year-by-year calculations or comparison rows, as the main
// menu opens it.
#pragma once

#include <optional>

#include "planning/model/savings_plan.h"
#include "planning/ui/calculator_window.h"

class QComboBox;

class CalcInpt : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CalcInpt(SavingsMode mode = SavingsMode::Calculations, QWidget* parent = nullptr);
    // Shows the window in `mode` (a window open in the other mode is unloaded first).
    static CalcInpt* open(SavingsMode mode);
    SavingsMode mode() const { return mode_; }

    // The "&Year" button: the year window, modally; when it closes the
    // results are reset and the inputs count as read.
    void OpenYearWindow();
    // The year window's Insert: the amount becomes the annual amount invested.
    void InsertAnnualAmount(Money amount);

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    ChartData graphHandOver() const override;
    void afterPrintout() override;

  private:
    bool comparing() const { return mode_ == SavingsMode::Comparisons; }
    void SetupGrid();
    const SavingsMode mode_;
    // The last calculation and the inputs it used: the calculations printout.
    struct Calculated {
        SavingsPlanInputs inputs;
        SavingsPlan plan;
    };
    std::optional<Calculated> last_;
};
