#include "investments/ui/portfolio_state.h"

Portfolio TakePortfolio(AppState& state) {
    Portfolio p;
    p.recordCount = state.RecordCount;
    p.fundCount = state.FundCount();
    p.funds = std::move(state.FundNames);
    p.records = std::move(state.Records);
    state.FundNames.clear();
    state.Records.clear();
    return p;
}

void ResetTables(AppState& s) {
    Portfolio empty = EmptyPortfolio();
    s.Records = std::move(empty.records);
    s.FundNames = std::move(empty.funds);
    ResetFundTotals(s.FundTotals);
    s.ReportText = QStringList(4);
    s.ReportPages = QStringList(4);
}

void EraseTables(AppState& s) {
    s.Records.clear();
    s.Records.shrink_to_fit();
    s.FundNames.clear();
    s.FundTotals.release();
    s.ReportText.clear();
    s.ReportPages.clear();
    s.FileChanged = 0;
    s.FundFileName.clear();
    s.RecordCount = 0;
    s.FundCount() = 0;
}

void InstallPortfolio(AppState& s, Portfolio data) {
    s.RecordCount = static_cast<int16_t>(data.recordCount);
    s.FundCount() = static_cast<int16_t>(data.fundCount);
    s.FundNames = std::move(data.funds);
    s.Records = std::move(data.records);
}

BrowseCursor CursorOf(const AppState& s) {
    return {s.CurrentFund, s.BrowseFund, s.BrowsePos, s.ShownRecord};
}

void PutCursor(AppState& s, const BrowseCursor& c) {
    s.CurrentFund = c.currentFund;
    s.BrowseFund = c.browseFund;
    s.BrowsePos = c.browsePos;
    s.ShownRecord = c.shownRecord;
}
