// Money in tests: M(1000.5) from a double, M("77.69") read from its text.
#pragma once

#include <QString>

#include "common/money.h"

inline Money M(double v) {
    return Money::fromDouble(v);
}
inline Money M(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}
