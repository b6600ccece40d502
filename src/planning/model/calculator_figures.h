// The figures the calculator windows share: InterestFor, the rounded term and the input boxes'
// texts.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "common/money.h"
#include "common/number_format.h"

// One period's interest: amount x rate, rounded to the currency's ten-thousandths.
// Throws MoneyOverflow when the product leaves the currency's range.
Money InterestFor(double amount, float rate);

// A term as the calculators count it: the figure rounded to a whole number, a
// half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int64_t RoundedYears(Money years);

// How an input box shows its figure: the picture's text right-justified in
// `width` characters, with the currency symbol in front of the number and a
// "%" after the field when asked for.
struct BoxFormat {
    QString picture;
    int width = 18;
    bool currency = false;
    bool percent = false;

    QString text(Money value, const QString& symbol) const;
    // The figure a box's text stands for. The box's own forms read as the
    // figure they show: blanks, a currency symbol in front (`symbol`, or the
    // "$" of a default text), grouping commas and a "%" after the figure are
    // passed over, so "$1,500.00" is 1500 even after a Delete that removed
    // nothing. Otherwise the leading number counts ("12.5.3" is 12.5; empty
    // or non-numeric text is 0). The digits are read exactly, with no double
    // in between. Nothing when the figure is beyond the currency's range.
    static std::optional<Money> read(const QString& text, const QString& symbol);

    static BoxFormat money(int width, const QString& picture = QStringLiteral("####,,###.00"));
    static BoxFormat rate(int width);   // "###.00" then "%"
    static BoxFormat years(int width);  // "###"
};
