// The net worth statement's .wmw file: 32 lines of comma-separated fields, read and written as
// bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "common/safe_write.h"
#include "networth/model/networth_statement.h"

// A statement (NetTables) as it stands in a .wmw file:
//   line 1: AssetCount,LiabilityCount
//   lines 2..32 (rows 1..31): asset name, asset value, liability name, liability value
// Names are quoted texts, values plain decimal numbers, an empty cell nothing
// between the commas; lines end in CR LF.

// Reads a file's bytes. Returns nothing when the file breaks the format
// anywhere: a count that is not a whole number 0..30, a line with too few or
// too many fields, a cell that is neither a quoted text nor a number (either
// column may hold either: a name of figures, a value of text, as the program
// writes them), fewer than 32 lines, or anything after them.
std::optional<NetTables> ParseNetWorth(const QByteArray& bytes);
// The file's bytes for a statement.
QByteArray NetWorthBytes(const NetTables& t);

// A number as the file holds it: plain decimal, at most 15 significant
// digits, no grouping, no leading zero before the point (0.5 is ".5").
QString NumberFileText(double value);

// Reads a statement file; nothing when it cannot be read (not a regular file, too large) or
// breaks the format.
std::optional<NetTables> ReadNetWorthFile(const QString& path);
// Writes a statement to a file; false (the file on disk unchanged) when it
// cannot be written; `failure` (if given) says why.
bool WriteNetWorthFile(const QString& path, const NetTables& t,
                       SafeWriteFailure* failure = nullptr);

// A statement read from a file and calculated (the counts of line 1 give way to the rows
// present).
struct OpenedStatement {
    NetTables tables;
    NetTotals totals;
};
// Nothing when the file cannot be read, breaks the format or its totals leave the money range.
std::optional<OpenedStatement> OpenNetWorthFile(const QString& path);
