// CdnMort: monthly payments and amortization tables of a mortgage (CallMode 1, one row per year)
// or a loan (CallMode 2, one row per month).
#pragma once

#include <optional>

#include "planning/mortgage.h"
#include "planning/mortgage_extras.h"
#include "planning/mortgage_extras_ui.h"
#include "planning/mortgage_report.h"
#include "planning/calculator_window.h"

class QComboBox;
class QLabel;

class CdnMort : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CdnMort(QWidget* parent = nullptr);

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    GraphHandOver graphHandOver() const override { return {4, {}}; }
    // Unlike the savings plan, the grid body is blanked on every reset.
    bool blanksGridOnReset() const override { return true; }

  private:
    // 1 mortgage, 2 loan: read from CallMode, as the window is used.
    static MortgageMode mode();
    void SetupGrid();
    MortgageInputs inputs() const;
    // The Extra Payments button: the extras typed in ExtraPay; a change resets the results and
    // gives the grid the columns of the schedule it will show.
    void EditExtras();

    QComboBox* comperiod_ = nullptr;
    QLabel* monthPI_ = nullptr;
    QLabel* totYear_ = nullptr;
    QLabel* allPayments_ = nullptr;
    // The last calculation and what it showed: the printout. Figures typed
    // since do not slip into it.
    struct Calculated {
        MortgageInputs inputs;
        MortgageSchedule schedule;
        MortgageReportTexts texts;
        MortgageExtras extras;                    // as set then
        std::optional<ExtraSchedule> withExtras;  // the schedule shown, while extras are set
    };
    MortgageExtras extras_;
    ExtrasStrip extrasStrip_;
    std::optional<Calculated> last_;
};
