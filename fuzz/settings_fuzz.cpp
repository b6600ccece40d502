// Fuzz target: the personal settings reader must take any bytes without a crash or a hang.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "shell/app_state.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    State().reset();
    ReadPersonalSettings(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    // Whatever was read, the symbol is never empty and the font choice is 0 or 6.
    if (State().CurrencySymbol.isEmpty()) __builtin_trap();
    if (State().PrinterFontChoice != 0 && State().PrinterFontChoice != 6) __builtin_trap();
    return 0;
}
