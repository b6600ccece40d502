// The net worth statement's tables: cells, the calculation with its sub totals, blank lines, texts.
#pragma once

#include <QString>
#include <optional>

#include "common/money.h"
#include "common/shared_table.h"
#include "networth/model/net_cell.h"

// Rows 0..31 of each table: row 0 is never used, rows 1..30 are the working
// rows, row 31 is kept for the file and empty after every calculation.
constexpr int kNetRows = 32;
constexpr int kNetWorkingRows = 30;
// Rows 1..28 can take a blank line.
constexpr int kNetLastInsertRow = 28;

// Cells.
NetCell EmptyCell();
NetCell TextCell(const QString& text);
NetCell NumberCell(double value, const QString& fileText = QString());
// A name cell's text ("" when empty).
QString CellName(const NetCell& cell);
// A value cell's number: 0 when empty, the leading number of a text.
double CellNumber(const NetCell& cell);
bool CellIsEmpty(const NetCell& cell);

// The statement as one value: the assets and the liabilities (rows 0..31 x columns 0..1: name,
// value) and the rows each list had at its last calculation. It is also a statement as it stands
// in a .wmw file.
struct NetTables {
    int assetCount = 0;
    int liabilityCount = 0;
    SharedTable<NetCell> assets;
    SharedTable<NetCell> liabilities;
};

// Both tables empty, both counts 0.
NetTables EmptyNetTables();

// The statement as a document: its tables, the name of its file ("" until it is opened or saved)
// and whether it changed since it was last opened, saved or left.
struct NetStatement {
    NetTables tables = EmptyNetTables();
    QString fileName;
    bool changed = false;
};

// True when any row of either table holds a name or a value.
bool NetHasData(const NetTables& t);

// A row named "Sub Total" in any case ends a group.
bool IsSubTotalName(const QString& name);

// The results of a calculation.
struct NetTotals {
    Money TotalAssets, TotalLiabilities, NetWorth;
};

// Compacts both tables (rows without a name vanish; tables not yet made are made empty), gives
// every "Sub Total" row the sum of the values since the previous one, and counts the rows. Totals
// add every value row once, never the sub totals. Returns nothing, and leaves the tables as they
// were, when a total leaves the money range.
std::optional<NetTotals> CalcTotals(NetTables& t);

// Inserts a row named "BlankLine" at `row` of the assets (or liabilities)
// table: rows from there on move down one. The value is empty for assets and
// 0 for liabilities. Nothing happens (false) when the row is not 1..28 or the
// table has no row left at its end; rows typed since the last calculation move
// with the others.
bool InsertBlankLine(NetTables& t, bool liabilities, int row);

// The screen's texts: a value "####,,###.00" when above zero (else ""), a
// total `currency` + "####,,##0.00", the net worth `currency` + "####,,###.00".
QString ValueText(const NetCell& cell);
QString TotalText(Money total, const QString& currency);
QString NetWorthText(Money netWorth, const QString& currency);

// What a typed character does to the cell being edited (the window handles
// the row limit, Enter and the beep).
enum class KeyEffect { Changed, Ignored, Refused };
// `typed` is the characters typed into the cell so far, `shown` the cell's
// text; the cell and `typed` are updated, `shown` gets the cell's new text.
// Column 0 holds names, column 1 values.
KeyEffect TypeIntoCell(int column, int key, QString& typed, NetCell& cell, QString& shown);

// The help box's text: its paragraphs, each followed by two CR LF.
QString NetWorthHelpText();
