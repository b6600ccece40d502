#include "investments/value_commands.h"

void CompValueCommand() {}
void SortRecordsCommand() {}
void DisplayDataCommand() {}
