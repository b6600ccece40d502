#include "shell/app_state.h"

void AppState::createCalculatorTables() {
    CalcInputs.assign(9, Money());
    YearTable.create(102, 6);
    ComparisonTable.create(25, 6);
    ComparisonLabels.create(25, 2);
    ReportText = QStringList(4);
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
