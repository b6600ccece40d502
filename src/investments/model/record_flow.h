// The record window's steps on a portfolio and its browse cursor: choosing a fund and browsing its
// records, opening and storing an entry, deleting the record shown, adding a fund. The window
// shows the outcome and its messages.
#pragma once

#include <QString>

#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"

// Where the record window stands: the fund entries go to (CurrentFund), the fund browsed
// (BrowseFund), the record the next search starts from (BrowsePos) and the record the boxes show
// (ShownRecord).
struct BrowseCursor {
    int16_t currentFund = 0;
    int16_t browseFund = 0;
    int16_t browsePos = 0;
    int16_t shownRecord = 0;
};
// The name in fund slot currentFund ("" when it is outside the table).
QString CurrentFundName(const Portfolio& p, const BrowseCursor& c);
// True when the fund list's text is the name of the current fund and it is a fund in use
// (1..fundCount).
bool FundSelected(const Portfolio& p, const BrowseCursor& c, const QString& fundListText);

// Choosing line `index` of the fund list (0 = slot 1): currentFund and browseFund become that
// slot, browsePos 1. The line chosen counts, not the first or last fund of the same name. False,
// with nothing changed, when no fund is on that line.
bool ChooseFundLine(const Portfolio& p, BrowseCursor& c, int index);

// The searches behind the record boxes: the first record of browseFund from browsePos onwards
// (FindNextShown) or back towards record 1 (FindPreviousShown). On a hit browsePos and shownRecord
// become that record. Returns the record, 0 when there is none.
int FindNextShown(const Portfolio& p, BrowseCursor& c);
int FindPreviousShown(const Portfolio& p, BrowseCursor& c);
// Which of browseFund's records (1 = its first in table order) shownRecord is; 0 when it is none
// of them.
int ShownRecordPosition(const Portfolio& p, const BrowseCursor& c);

// A press of Next (StepForward) or Previous (StepBack): browsePos one on, then the search. When
// there is no further record the step is at the end and browsePos goes back to shownRecord.
struct BrowseStep {
    int record = 0;  // the record found, 0 when none
    bool atEnd = false;
};
BrowseStep StepForward(const Portfolio& p, BrowseCursor& c);
BrowseStep StepBack(const Portfolio& p, BrowseCursor& c);

// What the record boxes show for a record: the type description, the trade date as text, the
// price, fee and cash dividend ("" when 0, else `currency` and figure), the shares as a
// positive figure without currency symbol and the book value; and the figures an entry keeps
// from it (the shares positive).
struct RecordBoxTexts {
    QString code, date, price, shares, fee, cashDiv, bookValue;
    EntryFigures figures;
};
RecordBoxTexts BoxTextsOfRecord(const FundRecord& record, const QString& currency);

// Whether an entry may open (the fund list must show the current fund; a correction needs a
// record shown in the code box).
enum class EntryOpening { Allowed, NoFund, NoRecord };
EntryOpening CanOpenEntry(const Portfolio& p, const BrowseCursor& c, const QString& fundListText,
                          bool correcting, const QString& codeBoxText);

// An entry as typed: the code, the date box's text, the figures, and the fund list's text (the
// current fund's name is stored as it stands there).
struct RecordInput {
    QString code;
    QString dateText;
    EntryFigures figures;
    QString fundName;
};

// Storing an entry: added as record recordCount + 1, or, when correcting, written over record
// browsePos; browsePos then points at it. Refused, with no table changed, when the entry check
// fails (NoDate, Mismatch), when adding to a full file (RecordsFull: 1000 records; a correction
// is still taken), when the date text does not convert (BadDate), when a correction has no record
// to write over (NoRow), or when the book value leaves the money range (Mismatch).
enum class StoreResult { Stored, NoDate, Mismatch, RecordsFull, BadDate, NoRow };
StoreResult StoreEntry(Portfolio& p, BrowseCursor& c, const RecordInput& entry, bool correcting);

// Adding a fund named by the name window's reply: "1" (Cancel) and "" add nothing; a 31st fund is
// refused (Full). Added: the fund takes the next slot with its number text and becomes the
// current and browsed fund, browsePos 0. A name already in use is taken again.
enum class NewFund { Cancelled, Full, Added };
NewFund AddFundNamed(Portfolio& p, BrowseCursor& c, const QString& reply);

// Deleting after the user confirmed: a current fund without records is removed (the other funds
// close up, stay in name order, currentFund 0: FundGone, and the file has changed); otherwise
// exactly the record shown (browsePos, a record of the current fund) goes, the rest stay in order
// and browsePos becomes 1 (RecordGone). NoRecord, with nothing changed, when the record shown is
// not one of the fund's. The records still need sorting by date after RecordGone.
enum class Deletion { NoRecord, RecordGone, FundGone };
Deletion DeleteShown(Portfolio& p, BrowseCursor& c);
