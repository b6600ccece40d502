#include "common/decimal15.h"

#include <cstdio>
#include <cstdlib>

Decimal15 toDecimal15(double magnitude) {
    Decimal15 d;
    if (magnitude == 0) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);  // 15 significant digits
    const std::string s(buf);
    const auto e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string mant = s.substr(0, e);
    mant.erase(mant.find('.'), 1);
    while (!mant.empty() && mant.back() == '0') mant.pop_back();
    d.digits = mant;
    d.pointPos = exponent + 1;
    return d;
}
