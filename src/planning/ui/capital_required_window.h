// CalCaptl: the annual investment that builds a chosen capital by retirement, year by year.
#pragma once

#include <optional>

#include "planning/model/capital_required.h"
#include "planning/ui/calculator_window.h"

class CalCaptl : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CalCaptl(QWidget* parent = nullptr);

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
        CapitalInputs inputs;
        CapitalPlan plan;
    };
    std::optional<Calculated> last_;
};
