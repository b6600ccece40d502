#include "common/key_filters.h"

int NumericKeyFilter(int keyAscii) {
    if (keyAscii == keycode::Point) return keyAscii;
    return WholeNumberKeyFilter(keyAscii);
}

int WholeNumberKeyFilter(int keyAscii) {
    if (keyAscii == keycode::Backspace || keyAscii == keycode::Code127) return keyAscii;
    if (keyAscii >= '0' && keyAscii <= '9') return keyAscii;
    return 0;
}
