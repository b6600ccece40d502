// CdnMort: monthly payments and amortization tables of a mortgage (one row per year) or a loan
// (one row per month), as the main menu opens it.
#pragma once

#include <optional>

#include "planning/model/mortgage.h"
#include "planning/model/mortgage_extras.h"
#include "planning/model/mortgage_report.h"
#include "planning/ui/calculator_window.h"
#include "planning/ui/mortgage_extras_ui.h"

class QComboBox;
class QLabel;

class CdnMort : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CdnMort(MortgageMode mode = MortgageMode::Mortgage, QWidget* parent = nullptr);
    // Shows the window in `mode` (a window open in the other mode is unloaded first).
    static CdnMort* open(MortgageMode mode);
    MortgageMode mode() const { return mode_; }

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    ChartData graphHandOver() const override;
    // Unlike the savings plan, the grid body is blanked on every reset.
    bool blanksGridOnReset() const override { return true; }

  private:
    void SetupGrid();
    MortgageInputs inputs() const;
    // The Extra Payments button: the extras typed in ExtraPay; a change resets the results and
    // gives the grid the columns of the schedule it will show.
    void EditExtras();

    const MortgageMode mode_;
    QComboBox* comperiod_ = nullptr;
    QLabel* monthPI_ = nullptr;
    QLabel* totYear_ = nullptr;
    QLabel* allPayments_ = nullptr;
    // The last calculation and what it showed: the printout. Figures typed
    // since do not slip into it.
    struct Calculated {
        MortgageInputs inputs;
        MortgageSchedule schedule;
        MortgageExtras extras;                    // as set then
        std::optional<ExtraSchedule> withExtras;  // the schedule shown, while extras are set
    };
    MortgageExtras extras_;
    ExtrasStrip extrasStrip_;
    std::optional<Calculated> last_;
};
