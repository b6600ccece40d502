// A double as decimal digits at 15 significant digits: the shared first step of
// every conversion of a double to a displayed or stored figure.
#pragma once

#include <string>

struct Decimal15 {
    std::string digits;  // significant digits, no trailing zeros ("" for zero)
    int pointPos = 0;    // value = 0.digits x 10^pointPos
};

// `magnitude` must be finite and not negative. Neither depends on the C locale.
Decimal15 toDecimal15(double magnitude);
// Every digit of the double's exact binary value, in the same form.
Decimal15 toExactDecimal(double magnitude);
