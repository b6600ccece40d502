// The investment manager's tables (funds, transactions, totals) and its .wms portfolio file.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "common/safe_write.h"
#include "shell/app_state.h"

// Capacity of the tables: records 1..1000 (rows 0..1002 exist), funds 1..30,
// and slot 31, which stands for all records together.
constexpr int kMaxRecords = 1000;
constexpr int kMaxFunds = 30;
constexpr int kAllRecordsSlot = 31;
constexpr int kRecordRows = 1003;
constexpr int kFundRows = 32;

// (Re)creates every table empty: Records, FundNames (slot 31 "All Records" /
// "31"), FundTotals (columns 0..6) and the two four-entry report lists.
void ResetTables();
// Releases every table; FileChanged = 0, FundFileName = "", no records, no funds.
void EraseTables();
// Re-creates FundTotals with zeros (rows 0..31, `columns` columns).
void ResetFundTotals(int columns = 7);

// Whether a record has the transaction code `code` (an upper-case letter); a
// lower-case code written by hand in a file counts as the same code.
bool HasTypeCode(const FundRecord& record, char16_t code);
// The description shown for record r: "Bought  ", "Sold    ", "Cash Div.",
// "Div. Shares", "Fee Cash" (F with price 0), "Unit Fee" (U with a positive
// price); "" otherwise.
QString TypeDescription(int record);
// The number value of a fund slot's number text (" 5" -> 5; 0 when it is not a number).
int FundNumberValue(int slot);
// How many records belong to the fund with this number.
int FundRecordCount(int fundNumber);
// The first record of the fund at or after record `from` (from 1 when it is
// lower), or 0 when there is none; the same searching back towards record 1.
int NextFundRecord(int from, int fundNumber);
int PreviousFundRecord(int from, int fundNumber);
// Which of the fund's records (1 = its first in table order) record r is; 0
// when r is not one of the fund's records.
int FundRecordPosition(int record, int fundNumber);
// A record's trade date converted to text and back with the system date rules;
// nothing when it does not convert.
std::optional<QDate> RecordDate(const FundRecord& record);
std::optional<QDate> RecordDate(int record);

// The fund menu's status line.
QString FileInfoText();

// A portfolio as it stands in a .wms file.
struct PortfolioData {
    int recordCount = 0;
    int fundCount = 0;
    std::vector<FundNameRow> funds;   // rows 0..31
    std::vector<FundRecord> records;  // rows 0..1002
};

// Reads a .wms file's bytes. Returns nothing when the file breaks the format
// anywhere: a count that is negative or beyond the capacity, a field of the
// wrong kind, a date that is not a date or that the program could not write
// back, a record of a fund number outside 1..FundCount, an early end, or
// anything after the last record.
std::optional<PortfolioData> ParsePortfolio(const QByteArray& bytes);
// The .wms text of the tables in State(); nothing when a record's date does
// not convert.
std::optional<QByteArray> PortfolioBytes();
// Puts a parsed portfolio into State() (every table replaced).
void InstallPortfolio(PortfolioData data);

// Reads a file into the tables; false (tables untouched) when it cannot be
// read or breaks the format.
bool ReadPortfolioFile(const QString& path);
// Writes the tables to a file atomically; false (the file on disk unchanged)
// when it cannot be written or a date does not convert. `failure` (if given) says why the
// writing failed (empty when a date did not convert).
bool WritePortfolioFile(const QString& path, SafeWriteFailure* failure = nullptr);

// The date check after a load: the first three records' dates (fewer when
// there are fewer records) must convert; false when one does not.
bool LoadedDatesConvert();

// Removes record r; the records after it move up one row and RecordCount
// drops by one. Nothing happens when r is not a record in use.
void RemoveRecord(int record);
// Removes fund slot `slot` (a fund without records): the slots after it move up one place, their
// records follow them, and FundCount drops by one. Nothing happens when the
// slot is not in use.
void RemoveFundSlot(int slot);
