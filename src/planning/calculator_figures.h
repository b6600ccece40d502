// The figures the calculator windows share: InterestFor, the rounded term and the input boxes'
// texts.
#pragma once

#include <QString>
#include <cstdint>

#include "common/money.h"

// One period's interest: amount x rate, rounded to the currency's ten-thousandths.
// Throws MoneyOverflow when the product leaves the currency's range.
Money InterestFor(double amount, float rate);

// A term as the calculators count it: the figure rounded to a whole number, a
// half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int64_t RoundedYears(Money years);

// RightJustify for figures: `text` right-aligned in a blank-filled field of
// `width` characters, except that a longer text is kept whole rather than cut
// (a cut figure would read as another number).
QString RightJustifyWhole(const QString& text, int width);

// How an input box shows its figure: the picture's text right-justified in
// `width` characters, with the currency symbol in front of the number and a
// "%" after the field when asked for.
struct BoxFormat {
    QString picture;
    int width = 18;
    bool currency = false;
    bool percent = false;

    QString text(Money value, const QString& symbol) const;

    static BoxFormat money(int width, const QString& picture = QStringLiteral("####,,###.00"));
    static BoxFormat rate(int width);   // "###.00" then "%"
    static BoxFormat years(int width);  // "###"
};
