// Portfolio ordering: funds by name and records by fund, then by trade date.
#pragma once

// Orders the fund slots alphabetically by name (deleted slots last) and renumbers
// every record's fund to follow its fund.
void SortFunds();

// Orders the records by fund number, then by trade date. Returns false (after
// showing the message) when a record's date does not convert; the records are then
// left as they were.
bool SortRecords();
