// Number display: picture formats ("####,,###.00"), number text (" 5") and RightJustify.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

class Money;

// Formats a number with a picture: "#" optional digit, "0" mandatory digit, a
// comma among the integer placeholders turns on thousands grouping (one or two
// commas alike), "." the decimal point, a trailing "%" multiplies by 100 and
// appends "%", and any other character is copied as it stands. The value is
// first taken to 15 significant digits, then rounded half away from zero to the
// picture's places. Negatives get "-" in front.
//   Format(0.5, "###.00") == ".50"; Format(1234567.89, "####,,###.00") == "1,234,567.89"
QString Format(double value, QStringView picture);
QString Format(Money value, QStringView picture);

// Number text as counts, labels and fund numbers show it: a blank before a
// non-negative number, "-" before a negative one (5 -> " 5", -5 -> "-5").
QString NumText(int64_t value);
inline QString NumText(int value) {
    return NumText(static_cast<int64_t>(value));
}
// The same for a fractional value, up to 15 significant digits, no leading zero
// before the point (0.5 -> " .5").
QString NumText(double value);

// A text of exactly `width` characters: `text` at its right end, blanks on the
// left; a longer text is cut to its first `width` characters.
QString RightJustify(const QString& text, int width);

// RightJustify for figures: `text` right-aligned in a blank-filled field of
// `width` characters, except that a text filling the field or longer is kept
// whole rather than cut (a cut figure would read as another number), `gap`
// blanks apart from what precedes it.
//   RightJustifyWhole("12.50", 8) == "   12.50"; RightJustifyWhole("1,234.50", 5, 1) == " 1,234.50"
QString RightJustifyWhole(const QString& text, int width, int gap = 0);

// The leading numeric prefix of a typed figure ("12.5abc" -> 12.5, "" -> 0,
// "abc" -> 0), as an input box reads its text.
double LeadingNumber(QStringView text);
