// Portfolio ordering: fund slots by name, records by trade date.
#pragma once

#include "investments/model/portfolio.h"

// Orders the fund slots by name (plain character codes; the number texts stay
// with their slots) and relabels every record to follow its fund.
void SortFunds(Portfolio& p);

// The ordering step of SortRecords, without messages: false (records left as
// they were) when a record's date does not convert.
bool SortRecordsByDate(Portfolio& p);
