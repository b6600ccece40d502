// FindComp: the annual compound rate window. Every Calculate adds one entry (a grid row, a chart
// point and a printout entry), up to 23, so several investments can be compared.
#pragma once

#include "planning/ui/calculator_window.h"

class QLineEdit;

class FindComp : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit FindComp(QWidget* parent = nullptr);

    // The grid rows filled since the window opened.
    int rowsUsed() const { return comparisonCount(); }

  protected:
    QString helpText() const override;
    void calculation() override;
    void printReport(PrintDevice& device) override;
    ChartData graphHandOver() const override;
    // graphPoints() counts the entries: an edit or a Calculate keeps it.
    bool graphPointsCountEntries() const override { return true; }

  private:
    void SetupGrid();
    QLineEdit* name_ = nullptr;
};
