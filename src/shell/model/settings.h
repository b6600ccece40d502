// Personal settings: the "Personal.vtp" file (currency symbol, printer font, name).
#pragma once

#include <QByteArray>
#include <QString>

#include "common/personal_settings.h"

inline constexpr const char* kSettingsFileName = "Personal.vtp";

// Reads the file into the symbol, the printer font and the name of `settings`. A missing
// or damaged file is not reported: fields read before the fault are kept, and
// an empty symbol falls back to "$". A font choice other than 6 reads as the standard font. A field
// its box could not hold takes its default: a symbol of more than one character, or a symbol or
// name with a double quote or a control character ("$", "").
void LoadPersonalSettingsFile(const QString& path, PersonalSettings& settings);
// The same for the file's bytes.
void ReadPersonalSettings(const QByteArray& bytes, PersonalSettings& settings);

// The file's one line for `settings`.
QByteArray PersonalSettingsBytes(const PersonalSettings& settings);
// Writes the one line `"symbol",choice,"name"` + CR LF atomically. A value with
// a double quote cannot be stored; it is written with the quote as "'".
// Returns false when the file could not be written (the caller does not report it).
bool SavePersonalSettingsFile(const QString& path, const PersonalSettings& settings);
