// The fund menu's value commands: compute current value, sort records, display data.
#pragma once

void CompValueCommand();
void SortRecordsCommand();
void DisplayDataCommand();
