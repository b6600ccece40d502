#include "common/money.h"

#include <cmath>
#include <limits>
#include <string>

#include "common/decimal15.h"

namespace {

[[noreturn]] void overflow() {
    throw MoneyOverflow("Money value out of range");
}

int64_t checkedAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) overflow();
    return r;
}

// Divides a 128-bit value by kScale, rounding half to even.
int64_t roundDivScale(__int128 v) {
    const __int128 scale = Money::kScale;
    __int128 q = v / scale;
    __int128 rem = v % scale;
    const __int128 twice = (rem < 0 ? -rem : rem) * 2;
    if (twice > scale || (twice == scale && (q % 2 != 0))) q += (v < 0 ? -1 : 1);
    if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min())
        overflow();
    return static_cast<int64_t>(q);
}

}  // namespace

Money Money::fromInt(int64_t units) {
    int64_t r;
    if (__builtin_mul_overflow(units, kScale, &r)) overflow();
    return fromRaw(r);
}

// The double is first taken to 15 significant digits, so a typed 0.00015 is the
// decimal half it looks like, then rounded half to even to ten-thousandths.
// From 10^11 on, 15 digits no longer reach the fourth decimal: there the
// double's exact value is rounded instead, so every ten-thousandth it holds is
// kept up to the end of the money range.
Money Money::fromDouble(double value) {
    if (!std::isfinite(value)) overflow();
    if (std::fabs(value) >= 1e15) overflow();
    const double magnitude = std::fabs(value);
    const Decimal15 d = magnitude < 1e11 ? toDecimal15(magnitude) : toExactDecimal(magnitude);
    // Digits down to the fourth decimal, then the rest decides the rounding.
    const int keep = d.pointPos + 4;
    __int128 raw = 0;
    for (int i = 0; i < keep; ++i)
        raw = raw * 10 + (i < static_cast<int>(d.digits.size()) && i >= 0 ? d.digits[i] - '0' : 0);
    if (keep >= 0 && keep < static_cast<int>(d.digits.size())) {
        const std::string rest = d.digits.substr(static_cast<size_t>(keep));
        const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
        if (rest[0] > '5' || (rest[0] == '5' && !half) || (half && raw % 2 != 0)) ++raw;
    } else if (keep < 0) {
        raw = 0;  // below a ten-thousandth by more than a digit
    }
    if (value < 0) raw = -raw;
    if (raw > std::numeric_limits<int64_t>::max() || raw < std::numeric_limits<int64_t>::min())
        overflow();
    return fromRaw(static_cast<int64_t>(raw));
}

std::optional<Money> Money::parse(QStringView text) {
    QStringView t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool negative = false;
    if (t.front() == u'-' || t.front() == u'+') {
        negative = t.front() == u'-';
        t = t.mid(1);
    }
    if (t.isEmpty()) return std::nullopt;
    __int128 whole = 0;
    __int128 frac = 0;  // in units of 10^-decimals
    int decimals = 0;
    bool seenPoint = false, seenDigit = false;
    for (QChar c : t) {
        if (c == u'.') {
            if (seenPoint) return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9') return std::nullopt;
        seenDigit = true;
        const int d = c.unicode() - u'0';
        if (!seenPoint) {
            whole = whole * 10 + d;
            if (whole > (__int128)std::numeric_limits<int64_t>::max()) return std::nullopt;
        } else if (decimals < 30) {
            frac = frac * 10 + d;
            ++decimals;
        }
    }
    if (!seenDigit) return std::nullopt;
    // Bring the fraction to ten-thousandths, rounding half to even.
    __int128 raw = whole * Money::kScale;
    if (decimals <= 4) {
        __int128 f = frac;
        for (int i = decimals; i < 4; ++i) f *= 10;
        raw += f;
    } else {
        __int128 divisor = 1;
        for (int i = 4; i < decimals; ++i) divisor *= 10;
        __int128 q = frac / divisor, rem = frac % divisor;
        if (rem * 2 > divisor || (rem * 2 == divisor && q % 2 != 0)) ++q;
        raw += q;
    }
    if (negative) raw = -raw;
    if (raw > std::numeric_limits<int64_t>::max() || raw < std::numeric_limits<int64_t>::min())
        return std::nullopt;
    return fromRaw(static_cast<int64_t>(raw));
}

QString Money::toFileText() const {
    const bool negative = raw_ < 0;
    const unsigned __int128 magnitude =
        negative ? static_cast<unsigned __int128>(-static_cast<__int128>(raw_)) : raw_;
    const auto whole = static_cast<unsigned long long>(magnitude / kScale);
    auto frac = static_cast<unsigned>(magnitude % kScale);
    QString s = negative ? QStringLiteral("-") : QString();
    s += QString::number(whole);
    if (frac != 0) {
        QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
        while (f.endsWith(u'0')) f.chop(1);
        s += u'.' + f;
    }
    return s;
}

Money Money::operator-() const {
    if (raw_ == std::numeric_limits<int64_t>::min()) overflow();
    return fromRaw(-raw_);
}

Money Money::operator+(Money other) const {
    return fromRaw(checkedAdd(raw_, other.raw_));
}

Money Money::operator-(Money other) const {
    int64_t r;
    if (__builtin_sub_overflow(raw_, other.raw_, &r)) overflow();
    return fromRaw(r);
}

Money Money::operator*(Money other) const {
    return fromRaw(roundDivScale(static_cast<__int128>(raw_) * other.raw_));
}
