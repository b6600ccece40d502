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

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    GraphHandOver graphHandOver() const override { return {1, {}}; }
    void afterPrintout() override;

  private:
    // 1 calculations, 2 comparisons: read from CallMode, as the window is used.
    static int mode();
    void SetupGrid();
    // The last calculation and the inputs it used: the calculations printout.
    struct Calculated {
        SavingsPlanInputs inputs;
        SavingsPlan plan;
    };
    std::optional<Calculated> last_;
};
