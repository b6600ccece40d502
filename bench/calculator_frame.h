// Calculate as the user sees it: in a shown calculator window, the calculation and then the
// grid's first frame (the change heard, the rows in view drawn).
#pragma once

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "planning/ui/calculator_window.h"
#include "platform/grid.h"
#include "shell/ui/app_state.h"

class CalculatorFrame {
  public:
    explicit CalculatorFrame(CalculatorWindow& window)
        : window_(window), grid_(window.findChild<Grid*>()) {
        window_.show();
        QCoreApplication::processEvents();
    }
    ~CalculatorFrame() { window_.hide(); }
    // Not inlined: a profile (valgrind --toggle-collect) can count it alone.
    [[gnu::noinline]] void calculateAndDraw() {
        window_.Calculate();
        QCoreApplication::processEvents();
        grid_->viewport()->repaint();
    }
    // The grid's text at a cell, to check the run.
    QString cell(int row, int col) const { return grid_->cellText(row, col); }

  private:
    CalculatorWindow& window_;
    Grid* grid_;
};

// Times Calculate to the first frame in `window`; the run counts when it made `points` points
// and the grid's row `totalRow` is the total.
inline void timeCalculateAndDraw(benchmark::State& state, CalculatorWindow& window, int points,
                                 int totalRow) {
    CalculatorFrame frame(window);
    for (auto _ : state) frame.calculateAndDraw();
    if (window.graphPoints() != points || frame.cell(totalRow, 0) != QLatin1String("Total:"))
        state.SkipWithError("the calculation did not run");
    State().releaseCalculatorTables();
}
