// Fuzz target: the personal settings reader must take any bytes without a crash or a hang, and
// what it read must be written and read back as the same settings.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "shell/app_state.h"
#include "shell/settings.h"

namespace {

// A double quote cannot be stored; the writer puts "'" in its place.
QString stored(QString text) {
    return text.replace(u'"', u'\'');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    State().reset();
    ReadPersonalSettings(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    // Whatever was read, the symbol is never empty and the font choice is 0 or 6.
    if (State().CurrencySymbol.isEmpty()) __builtin_trap();
    if (State().PrinterFontChoice != 0 && State().PrinterFontChoice != 6) __builtin_trap();
    const QString symbol = stored(State().CurrencySymbol);
    const QString name = stored(State().UserName);
    const int16_t font = State().PrinterFontChoice;
    const QByteArray written = PersonalSettingsBytes();
    State().reset();
    ReadPersonalSettings(written);
    if (State().CurrencySymbol != symbol || State().UserName != name ||
        State().PrinterFontChoice != font)
        __builtin_trap();
    return 0;
}
