// CalcInpt: the savings plan window, year-by-year calculations (CallMode 1) or comparison rows
// (CallMode 2).
#pragma once

#include <optional>

#include "planning/calculator_window.h"
#include "planning/savings_plan.h"

class QComboBox;

class CalcInpt : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CalcInpt(QWidget* parent = nullptr);

    // The "&Year" button: the year window, modally; when it closes the
    // results are reset and the inputs count as read.
    void OpenYearWindow();
    // The year window's Insert: the amount becomes the annual amount invested.
    void InsertAnnualAmount(Money amount);

    int comparisonCount() const { return ComparisonCount; }

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    int graphSource() const override { return 1; }
    bool blanksGridOnReset() const override { return ComparisonCount == 0; }
    void afterPrintout() override;

  private:
    // 1 calculations, 2 comparisons: read from CallMode, as the window is used.
    static int mode();
    void SetupGrid();
    void showYears(const SavingsPlan& plan);
    void addComparison(const SavingsPlanInputs& in, const SavingsPlan& plan);

    int ComparisonCount = 0;
    // The last calculation and the inputs it used: the calculations printout.
    struct Calculated {
        SavingsPlanInputs inputs;
        SavingsPlan plan;
    };
    std::optional<Calculated> last_;
};
