#include "shell/ui/app_state.h"

void AppState::createCalculatorTables(const CalculatorTableShape& shape) {
    CalcInputs.assign(static_cast<size_t>(shape.lastInput) + 1, Money());
    YearTable.create(shape.lastYearRow + 1, 6);
    ComparisonTable.create(shape.lastComparisonRow + 1, shape.lastComparisonCol + 1);
    ComparisonLabels.create(shape.lastComparisonRow + 1, 2);
    ReportText = QStringList(4);
}

void AppState::createCalculatorTables() {
    createCalculatorTables(CalculatorTableShape{});
}

void AppState::releaseCalculatorTables() {
    CalcInputs.clear();
    YearTable.release();
    ComparisonTable.release();
    ComparisonLabels.release();
    ReportText.clear();
}

AppState& State() {
    static AppState state;
    return state;
}
