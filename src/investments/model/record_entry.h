// The rules of a transaction entry: which values each type code needs, the keys and boxes of the
// entry column, the check before a record is stored, book value and signs, the Entry Help.
#pragma once

#include <QDate>
#include <QString>

#include "investments/model/portfolio.h"

// The figures typed into the record window's four number boxes.
struct EntryFigures {
    Money price, shares, fee, cashDiv;
};

// The code a code box text stands for: trimmed, cut to its first character and upper-cased
// ("Bought  " -> "B", " s" -> "S", "" -> "").
QString EntryCode(const QString& codeBoxText);

// The type code a key types: the key's letter in upper case when it is B, S, C, D, F or U in
// either case; "" for any other key.
QString TypeCodeOfKey(int key);

// A key pressed in the code box: Backspace passes; Enter in a box with text moves to the date; a
// type code letter is typed (`text` the code); any other key, Enter in an empty box included, is
// refused and the box shows it (`text` the key's character, "" for a control key).
struct CodeKey {
    enum Kind { Pass, ToDate, Code, Refused } kind = Pass;
    QString text;
};
CodeKey ReadCodeKey(int key, bool boxEmpty);

// The number boxes a type code uses: B and S price, shares and fee; C the cash dividend; D and U
// price and shares; F the fee. Any other code uses none.
struct EntryBoxes {
    bool price = false, shares = false, fee = false, cashDiv = false;
    bool operator==(const EntryBoxes&) const = default;
};
EntryBoxes BoxesForCode(const QString& code);

// The stops of the entry column, in Enter order, and the Save button.
enum class EntryField { Code, Date, Price, Shares, Fee, CashDiv, Save };

// The EntryValues index of a figure box (price 1, shares 2, fee 3, cash dividend 4); 0 for the
// other stops.
int FigureIndex(EntryField field);

// Where Enter moves from a box, by the entry's code: code to date; date to price (C to the cash
// dividend, F to the fee); price to shares; shares to Save for D and U, else to the fee; fee to
// Save for B, S, U, D and F, else to the cash dividend; cash dividend to Save.
EntryField NextFieldOnEnter(EntryField from, const QString& code);

// The keys the date box takes: digits, "/", ".", "-", blank and Backspace.
bool DateKeyAccepted(int key);

// True when the date box is left with a text that the system does not read as a date while a
// code is present (an empty date is caught when the record is stored).
bool DateNeedsCorrection(const QString& code, const QString& dateText);

// A number box's figure as it is kept when the box is left: the leading number of the text
// rounded to four decimals, shown "####,,##0.0000" after `currency` ("" for the shares). A figure
// beyond the money range is kept as 0 and flagged.
struct TypedFigure {
    Money value;
    QString shown;
    bool outOfRange = false;
};
TypedFigure ReadTypedFigure(const QString& text, const QString& currency);

// A figure as the record boxes show it: "####,,##0.0000", after `currency`.
QString FigureText(Money value, const QString& currency);

// True when the one-letter code and the figures match a row of the entry
// rules (B, S: price and shares positive, no cash dividend; D, U: price and
// shares positive, no fee, no cash dividend; C: only a cash dividend; F: only
// a fee). The code is compared in upper case.
bool EntryMatchesCode(const QString& code, const EntryFigures& f);

// The check of an entry before it is stored: it needs a date text, and its code and figures must
// match a row of the entry rules.
enum class EntryCheck { Accepted, NoDate, Mismatch };
EntryCheck CheckRecordEntry(const QString& dateText, const QString& code, const EntryFigures& f);

// The record to store: the figures, the code in upper case, the date, the
// fund, and the book value and signs by code (S and U shares negative; B and
// S price x shares + fee; C minus the cash dividend; D and U 0; F the fee).
// Throws MoneyOverflow when price x shares leaves the money range.
FundRecord MakeRecord(int fund, const QString& code, const QDate& date, const EntryFigures& f);

// The Entry Help text of the record window, lines joined with CR LF.
QString EntryHelpText(const QString& dateExample);

// The legend of the type codes shown while the code box has the focus.
QString CodeLegend();
