#include "common/decimal15.h"

#include <charconv>

Decimal15 toDecimal15(double magnitude) {
    Decimal15 d;
    if (magnitude == 0) return d;
    // std::to_chars does not follow the C locale: under a decimal-comma desktop
    // the digits come out the same.
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    if (ec != std::errc()) return d;
    const std::string s(buf, end);  // d.dddddddddddddde±xx: 15 significant digits
    const auto e = s.find('e');
    int exponent = 0;
    const char* expFirst = s.c_str() + e + 1;
    if (*expFirst == '+') ++expFirst;
    std::from_chars(expFirst, s.c_str() + s.size(), exponent);
    std::string mant = s.substr(0, e);
    const auto point = mant.find('.');
    if (point != std::string::npos) mant.erase(point, 1);
    while (!mant.empty() && mant.back() == '0') mant.pop_back();
    d.digits = mant;
    d.pointPos = exponent + 1;
    return d;
}

Decimal15 toExactDecimal(double magnitude) {
    Decimal15 d;
    if (magnitude == 0) return d;
    // Every double is a finite binary fraction; 1100 places hold the longest one.
    static thread_local char buf[1500];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, 1100);
    if (ec != std::errc()) return toDecimal15(magnitude);
    std::string s(buf, end);
    const auto point = s.find('.');
    std::string whole = s.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : s.substr(point + 1);
    if (whole == "0") whole.clear();
    std::string digits = whole + frac;
    int pointPos = static_cast<int>(whole.size());
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return d;
    digits.erase(0, first);
    pointPos -= static_cast<int>(first);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    d.digits = digits;
    d.pointPos = pointPos;
    return d;
}
