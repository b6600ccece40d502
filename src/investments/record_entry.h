// The rules of a transaction entry: which values each type code needs, book value and signs, the
// Entry Help.
#pragma once

#include <QDate>
#include <QString>

#include "shell/app_state.h"

// The figures typed into the record window's four number boxes.
struct EntryFigures {
    Money price, shares, fee, cashDiv;
};

// True when the one-letter code and the figures match a row of the entry
// rules (B, S: price and shares positive, no cash dividend; D, U: price and
// shares positive, no fee, no cash dividend; C: only a cash dividend; F: only
// a fee). The code is compared in upper case.
bool EntryMatchesCode(const QString& code, const EntryFigures& f);

// The record to store: the figures, the code in upper case, the date, the
// fund, and the book value and signs by code (S and U shares negative; B and
// S price x shares + fee; C minus the cash dividend; D and U 0; F the fee).
// Throws MoneyOverflow when price x shares leaves the money range.
FundRecord MakeRecord(int fund, const QString& code, const QDate& date, const EntryFigures& f);

// The Entry Help text of the record window, lines joined with CR LF.
QString EntryHelpText(const QString& dateExample);

// The legend of the type codes shown while the code box has the focus.
QString CodeLegend();
