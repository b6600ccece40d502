// Personal settings: the "Personal.vtp" file (currency symbol, printer font, name).
#pragma once

#include <QByteArray>
#include <QString>

inline constexpr const char* kSettingsFileName = "Personal.vtp";

// Reads the file into CurrencySymbol, PrinterFontChoice and UserName. A missing
// or damaged file is not reported: fields read before the fault are kept, and
// an empty symbol falls back to "$". A font choice other than 6 reads as 0. A field its box could
// not hold takes its default: a symbol of more than one character, or a symbol or name with a
// double quote or a control character ("$", "").
void LoadPersonalSettingsFile(const QString& path);
// The same for the file's bytes.
void ReadPersonalSettings(const QByteArray& bytes);

// The file's one line for the settings in State().
QByteArray PersonalSettingsBytes();
// Writes the one line `"symbol",choice,"name"` + CR LF atomically. A value with
// a double quote cannot be stored; it is written with the quote as "'".
// Returns false when the file could not be written (the caller does not report it).
bool SavePersonalSettingsFile(const QString& path);
