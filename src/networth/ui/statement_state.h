// The net worth statement held in the program's shared state, moved out as a value and back.
#pragma once

#include "networth/model/networth_statement.h"
#include "shell/ui/app_state.h"
#include "shell/ui/held_tables.h"

// The statement of `state` (NetAssets, NetLiabilities, AssetCount, LiabilityCount) moved out, and
// back in (both tables and both counts replaced).
NetTables TakeNetTables(AppState& state);
void InstallNetWorth(AppState& state, NetTables tables);
// The statement of `state` held as a value for a scope.
using HeldNetTables = HeldTables<NetTables, TakeNetTables, InstallNetWorth>;

// The statement of `state` (re)created empty, with the investment manager's two four-entry
// report lists.
void CreateNetTables(AppState& state);
// The statement of `state` and the report lists released; both counts 0.
void ReleaseNetTables(AppState& state);
