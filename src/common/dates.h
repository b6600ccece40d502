// Dates as the user reads and types them: the numeric short date format with a four-digit year.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace dates {

// The short date format in use: the system's, made numeric with a four-digit
// year ("M/d/yy" becomes "M/d/yyyy"; a format that names months becomes
// "yyyy-MM-dd"). Tests fix it with setShortFormat.
QString shortFormat();
void setShortFormat(const QString& qtFormat);
// Re-reads the system format (the default).
void useSystemFormat();

// The date as text in the short format.
QString toText(const QDate& date);
// Today's date in the short format.
QString todayText();

// Reads a typed or stored date: three numbers separated by "/", ".", "-" or
// blanks, in the order of the short format (a first number of four digits is
// always the year). A two-digit year falls in the window from 80 years before
// today to 20 years after. Returns nothing when the text is not a date.
std::optional<QDate> fromText(QStringView text);
// The same, with "today" given (for the two-digit year window).
std::optional<QDate> fromText(QStringView text, const QDate& today);

// Text to date and back again, as the program checks stored dates.
bool roundTrips(const QDate& date);

}  // namespace dates
