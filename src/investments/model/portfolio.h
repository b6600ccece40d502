// The investment manager's tables (funds, transactions, totals) and its .wms portfolio file.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

#include "common/money.h"
#include "common/safe_write.h"
#include "common/shared_table.h"

// One transaction of the investment manager.
struct FundRecord {
    Money FundNo, Price, Shares, Fee, CashDiv, BookValue;
    QString TypeCode;    // B, S, C, D, F or U
    QVariant TradeDate;  // a QDate, or the text a record was given before it is deleted
};

// One fund slot: its name ("" = deleted slot) and its number as text (" 5").
struct FundNameRow {
    QString FundName;
    QString FundNumberText;
};

// Capacity of the tables: records 1..1000 (rows 0..1002 exist), funds 1..30,
// and slot 31, which stands for all records together.
constexpr int kMaxRecords = 1000;
constexpr int kMaxFunds = 30;
constexpr int kAllRecordsSlot = 31;
constexpr int kRecordRows = 1003;
constexpr int kFundRows = 32;

// The investment manager's tables as one value: the fund slots (rows 0..31), the records (rows
// 0..1002) and how many of each are in use. It is also a portfolio as it stands in a .wms file.
struct Portfolio {
    int recordCount = 0;
    int fundCount = 0;
    std::vector<FundNameRow> funds;
    std::vector<FundRecord> records;
};

// The fund totals (FundTotals) by fund slot, row 31 for the whole portfolio or the fund shown:
// in the current value, column 0 shares, 1 book cost, 2 the price typed, 3 current value, 4 gain
// or loss, 5 gain or loss in per cent, 6 money put in.
using FundTotalsTable = SharedTable<Money>;

// No funds and no records; slot 31 is "All Records" / "31".
Portfolio EmptyPortfolio();

// Re-creates a totals table with zeros (rows 0..31, `columns` columns).
void ResetFundTotals(FundTotalsTable& totals, int columns = 7);

// Whether a record has the transaction code `code` (an upper-case letter); a
// lower-case code written by hand in a file counts as the same code.
bool HasTypeCode(const FundRecord& record, char16_t code);
// The description shown for record r: "Bought  ", "Sold    ", "Cash Div.",
// "Div. Shares", "Fee Cash" (F with price 0), "Unit Fee" (U with a positive
// price); "" otherwise.
QString TypeDescription(const FundRecord& record);
// The number value of a fund slot's number text (" 5" -> 5; 0 when it is not a number).
int FundNumberValue(const Portfolio& p, int slot);
// How many records belong to the fund with this number.
int FundRecordCount(const Portfolio& p, int fundNumber);
// The first record of the fund at or after record `from` (from 1 when it is
// lower), or 0 when there is none; the same searching back towards record 1.
int NextFundRecord(const Portfolio& p, int from, int fundNumber);
int PreviousFundRecord(const Portfolio& p, int from, int fundNumber);
// Which of the fund's records (1 = its first in table order) record r is; 0
// when r is not one of the fund's records.
int FundRecordPosition(const Portfolio& p, int record, int fundNumber);
// A record's trade date converted to text and back with the system date rules;
// nothing when it does not convert.
std::optional<QDate> RecordDate(const FundRecord& record);
// The text a record's trade date shows: the date in the system's short form, or the text it was
// given.
QString TradeDateText(const FundRecord& record);

// The fund menu's status line for a file name ("" before any) and the counts.
QString FileInfoText(const QString& fileName, int funds, int records);

// Reads a .wms file's bytes. Returns nothing when the file breaks the format
// anywhere: a count that is negative or beyond the capacity, a field of the
// wrong kind, a date that is not a date or that the program could not write
// back, a record of a fund number outside 1..FundCount, an early end, or
// anything after the last record.
std::optional<Portfolio> ParsePortfolio(const QByteArray& bytes);
// The .wms text of a portfolio; nothing when a record's date does not convert.
std::optional<QByteArray> PortfolioBytes(const Portfolio& p);

// Reads a portfolio file; nothing when it cannot be read (not a regular file, too large) or
// breaks the format.
std::optional<Portfolio> ReadPortfolioFile(const QString& path);
// Writes a portfolio to a file atomically; false (the file on disk unchanged) when it cannot be
// written or a date does not convert. `failure` (if given) says why the writing failed (empty
// when a date did not convert).
bool WritePortfolioFile(const QString& path, const Portfolio& p,
                        SafeWriteFailure* failure = nullptr);

// The date check after a load: the first three records' dates (fewer when
// there are fewer records) must convert; false when one does not.
bool LoadedDatesConvert(const Portfolio& p);

// Removes record r; the records after it move up one row and the record count
// drops by one. Nothing happens when r is not a record in use.
void RemoveRecord(Portfolio& p, int record);
// Removes fund slot `slot` (a fund without records): the slots after it move up one place, their
// records follow them, and the fund count drops by one. Nothing happens when the
// slot is not in use.
void RemoveFundSlot(Portfolio& p, int slot);
