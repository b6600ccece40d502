#include "shell/settings.h"

#include <QFile>

#include "common/field_codec.h"
#include "common/safe_write.h"
#include "shell/app_state.h"

void ReadPersonalSettings(const QByteArray& bytes) {
    AppState& s = State();
    try {
        FieldReader reader(bytes);
        s.CurrencySymbol = reader.text();
        const int64_t choice = reader.integer();
        s.PrinterFontChoice = choice == 6 ? 6 : 0;
        s.UserName = reader.text();
    } catch (const FormatError&) {
        // A damaged file keeps what was read before the fault.
    }
    if (s.CurrencySymbol.isEmpty()) s.CurrencySymbol = QStringLiteral("$");
}

void LoadPersonalSettingsFile(const QString& path) {
    QFile file(path);
    // The file is one short line; anything much larger is not ours.
    ReadPersonalSettings(file.open(QIODevice::ReadOnly) ? file.read(64 * 1024) : QByteArray());
}

QByteArray PersonalSettingsBytes() {
    const AppState& s = State();
    FieldWriter w;
    w.text(s.CurrencySymbol);
    w.integer(s.PrinterFontChoice);
    w.text(s.UserName);
    w.endLine();
    return w.bytes();
}

bool SavePersonalSettingsFile(const QString& path) {
    return WriteFileSafely(path, PersonalSettingsBytes());
}
