// The fund menu's value commands: compute current value, sort records, display data.
#pragma once

struct PortfolioDocument;

void CompValueCommand(PortfolioDocument& doc);
void SortRecordsCommand(PortfolioDocument& doc);
void DisplayDataCommand(PortfolioDocument& doc);

// Orders the portfolio's records by trade date, then writes the fund menu's status line. Returns
// false, after showing the message, when a record's date does not convert; the records are then
// left as they were.
bool SortRecords(PortfolioDocument& doc);
