// Fuzz target: the personal settings reader must take any bytes without a crash or a hang, and
// what it read must be written and read back as the same settings.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "shell/model/settings.h"

namespace {

// A double quote cannot be stored; the writer puts "'" in its place.
QString stored(QString text) {
    return text.replace(u'"', u'\'');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PersonalSettings read;
    ReadPersonalSettings(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), read);
    // Whatever was read, the symbol is never empty and the font is one the file can store.
    if (read.currencySymbol.isEmpty()) __builtin_trap();
    if (read.printerFont != PrinterFont::Standard && read.printerFont != PrinterFont::CourierNew)
        __builtin_trap();
    PersonalSettings again;
    ReadPersonalSettings(PersonalSettingsBytes(read), again);
    if (again.currencySymbol != stored(read.currencySymbol) ||
        again.userName != stored(read.userName) || again.printerFont != read.printerFont)
        __builtin_trap();
    return 0;
}
