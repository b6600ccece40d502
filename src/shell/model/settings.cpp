#include "shell/model/settings.h"

#include "common/field_codec.h"
#include "common/safe_read.h"
#include "common/safe_write.h"

namespace {

// A name box holds at most this many characters (a line edit's own limit).
constexpr qsizetype kLongestName = 32767;

bool hasQuoteOrControl(const QString& text) {
    for (QChar c : text)
        if (c == u'"' || c.category() == QChar::Other_Control) return true;
    return false;
}

// What the symbol box could hold: one character (a surrogate pair is one), no quote, no
// control character.
bool typableSymbol(const QString& text) {
    const bool oneCharacter = text.size() == 1 || (text.size() == 2 && text[0].isHighSurrogate() &&
                                                   text[1].isLowSurrogate());
    return oneCharacter && !hasQuoteOrControl(text);
}

// What the name box could hold.
bool typableName(const QString& text) {
    return text.size() <= kLongestName && !hasQuoteOrControl(text);
}

}  // namespace

void ReadPersonalSettings(const QByteArray& bytes, PersonalSettings& s) {
    try {
        // A field the boxes could not have held (a hand-edited file) takes its default.
        FieldReader reader(bytes);
        const QString symbol = reader.text();
        s.currencySymbol = typableSymbol(symbol) ? symbol : QString();
        const int64_t choice = reader.integer();
        s.printerFont = choice == 6 ? PrinterFont::CourierNew : PrinterFont::Standard;
        const QString name = reader.text();
        s.userName = typableName(name) ? name : QString();
    } catch (const FormatError&) {
        // A damaged file keeps what was read before the fault.
    }
    if (s.currencySymbol.isEmpty()) s.currencySymbol = QStringLiteral("$");
}

void LoadPersonalSettingsFile(const QString& path, PersonalSettings& settings) {
    // The file is one short line; anything much larger is not ours.
    ReadPersonalSettings(ReadFileSafely(path, 64 * 1024).value_or(QByteArray()), settings);
}

QByteArray PersonalSettingsBytes(const PersonalSettings& s) {
    FieldWriter w;
    w.text(s.currencySymbol);
    w.integer(static_cast<int16_t>(s.printerFont));
    w.text(s.userName);
    w.endLine();
    return w.bytes();
}

bool SavePersonalSettingsFile(const QString& path, const PersonalSettings& settings) {
    return WriteFileSafely(path, PersonalSettingsBytes(settings));
}
