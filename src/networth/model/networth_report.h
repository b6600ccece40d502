// The net worth statement's printout, written against PrintDevice.
#pragma once

#include <QString>

#include "networth/model/networth_statement.h"

class PrintDevice;

// The statement: the header line, the title, both lists side by side (as many
// rows as the longer list), the totals and the net worth (after `currency`). Names are cut to 25
// characters; amounts wider than their field are printed whole.
void PrintNetWorth(PrintDevice& device, const QString& header, const NetTables& tables,
                   const NetTotals& totals, const QString& currency);
