#include "networth/ui/statement_state.h"

NetTables TakeNetTables(AppState& state) {
    NetTables t;
    t.assetCount = state.AssetCount;
    t.liabilityCount = state.LiabilityCount;
    t.assets = std::move(state.NetAssets);
    t.liabilities = std::move(state.NetLiabilities);
    state.NetAssets.release();
    state.NetLiabilities.release();
    return t;
}

void InstallNetWorth(AppState& s, NetTables t) {
    s.NetAssets = std::move(t.assets);
    s.NetLiabilities = std::move(t.liabilities);
    s.AssetCount = static_cast<int16_t>(t.assetCount);
    s.LiabilityCount = static_cast<int16_t>(t.liabilityCount);
}

void CreateNetTables(AppState& s) {
    InstallNetWorth(s, EmptyNetTables());
    s.ReportText = QStringList(4);
    s.ReportPages = QStringList(4);
}

void ReleaseNetTables(AppState& s) {
    InstallNetWorth(s, NetTables());
    s.ReportText.clear();
    s.ReportPages.clear();
}
