// The net worth statement's .wmw file: 32 lines of comma-separated fields, read and written as
// bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/safe_write.h"
#include "networth/networth_statement.h"
#include "shell/app_state.h"

// A statement as it stands in a .wmw file.
//   line 1: AssetCount,LiabilityCount
//   lines 2..32 (rows 1..31): asset name, asset value, liability name, liability value
// Names are quoted texts, values plain decimal numbers, an empty cell nothing
// between the commas; lines end in CR LF.
struct NetWorthData {
    int assetCount = 0;
    int liabilityCount = 0;
    SharedTable<NetCell> assets;  // rows 0..31 x 0..1
    SharedTable<NetCell> liabilities;
};

// Reads a file's bytes. Returns nothing when the file breaks the format
// anywhere: a count that is not a whole number 0..30, a line with too few or
// too many fields, a cell that is neither a quoted text nor a number (either
// column may hold either: a name of figures, a value of text, as the program
// writes them), fewer than 32 lines, or anything after them.
std::optional<NetWorthData> ParseNetWorth(const QByteArray& bytes);
// The file's bytes for the tables and counts in State().
QByteArray NetWorthBytes();
// Puts a parsed statement into State() (both tables and both counts replaced).
void InstallNetWorth(NetWorthData data);

// A number as the file holds it: plain decimal, at most 15 significant
// digits, no grouping, no leading zero before the point (0.5 is ".5").
QString NumberFileText(double value);

// Reads a file into the tables; false (tables untouched) when it cannot be
// read or breaks the format.
bool ReadNetWorthFile(const QString& path);
// Writes the tables to a file; false (the file on disk unchanged) when it
// cannot be written; `failure` (if given) says why.
bool WriteNetWorthFile(const QString& path, SafeWriteFailure* failure = nullptr);

// Reads a file into the tables and calculates it (the counts of line 1 give
// way to the rows present). Returns nothing, and leaves the tables as they
// were, when the file cannot be read, breaks the format or its totals leave
// the money range.
std::optional<NetTotals> OpenNetWorthFile(const QString& path);
