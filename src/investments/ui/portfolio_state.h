// The portfolio and the record window's cursor held in the program's shared state, moved out as
// values for a scope and back.
#pragma once

#include "investments/model/portfolio.h"
#include "investments/model/record_flow.h"
#include "shell/ui/app_state.h"
#include "shell/ui/held_tables.h"

// The portfolio of `state` (Records, FundNames, RecordCount, FundCount) moved out, and back in
// (every table replaced).
Portfolio TakePortfolio(AppState& state);
void InstallPortfolio(AppState& state, Portfolio p);
// The portfolio of `state` held as a value for a scope.
using HeldPortfolio = HeldTables<Portfolio, TakePortfolio, InstallPortfolio>;

// (Re)creates every table of `state` empty: Records, FundNames (slot 31 "All Records" / "31"),
// FundTotals (columns 0..6) and the two four-entry report lists.
void ResetTables(AppState& state);
// Releases every table; FileChanged = 0, FundFileName = "", no records, no funds.
void EraseTables(AppState& state);

// The cursor held in the globals of `state`, and back.
BrowseCursor CursorOf(const AppState& state);
void PutCursor(AppState& state, const BrowseCursor& c);

// The portfolio and the cursor of `state`, held as values for a scope (see HeldTables); the
// cursor goes back with the portfolio.
class HeldRecordFlow : public HeldPortfolio {
  public:
    explicit HeldRecordFlow(AppState& state)
        : HeldPortfolio(state), cursor(CursorOf(state)), state_(state) {}
    ~HeldRecordFlow() { PutCursor(state_, cursor); }
    HeldRecordFlow(const HeldRecordFlow&) = delete;
    HeldRecordFlow& operator=(const HeldRecordFlow&) = delete;
    BrowseCursor cursor;

  private:
    AppState& state_;
};
