// PlanK: a 401(k) account projected year by year to retirement.
#pragma once

#include <optional>

#include "planning/model/k401.h"
#include "planning/ui/calculator_window.h"

class PlanK : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit PlanK(QWidget* parent = nullptr);

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    ChartData graphHandOver() const override;
    // No comparison rows here: every reset blanks the grid body.
    bool blanksGridOnReset() const override { return true; }

  private:
    void SetupGrid();
    // The last successful calculation and the inputs it used: the printout.
    struct Calculated {
        K401Inputs inputs;
        K401Plan plan;
    };
    std::optional<Calculated> last_;
};
