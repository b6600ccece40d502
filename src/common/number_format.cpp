#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/decimal15.h"
#include "common/money.h"

namespace {

// Rounds to `places` decimals, half away from zero. Returns integer digits and
// exactly `places` fraction digits.
void roundDecimal(const Decimal15& d, int places, std::string& intPart, std::string& fracPart) {
    // Build a digit string covering positions down to `places` after the point.
    std::string all;  // digits from the most significant integer position
    int intDigits = std::max(d.pointPos, 0);
    // Leading zeros for values below 1.
    std::string padded = d.digits;
    int pointPos = d.pointPos;
    if (pointPos < 0) {
        padded.insert(0, static_cast<size_t>(-pointPos), '0');
        pointPos = 0;
    }
    // padded now has pointPos digits before the point.
    const size_t keep = static_cast<size_t>(pointPos + places);
    all = padded.substr(0, std::min(keep, padded.size()));
    if (all.size() < keep) all.append(keep - all.size(), '0');
    const bool roundUp = padded.size() > keep && padded[keep] >= '5';
    if (roundUp) {
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0 && all[i] == '9') all[i--] = '0';
        if (i >= 0) {
            all[i]++;
        } else {
            all.insert(all.begin(), '1');
            ++pointPos;
        }
    }
    intDigits = pointPos;
    intPart = all.substr(0, intDigits);
    fracPart = all.substr(intDigits);
    // Strip leading zeros of the integer part.
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

}  // namespace

QString Format(double value, QStringView picture) {
    if (!std::isfinite(value)) return QString();
    // Split the picture into prefix literals, the number pattern and suffix literals.
    int first = -1, last = -1;
    for (int i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (c == u'#' || c == u'0' || (c == u'.') || (c == u',' && first >= 0)) {
            if (first < 0) first = i;
            last = i;
        }
    }
    QString prefix, suffix;
    QStringView pattern;
    if (first < 0) {
        prefix = picture.toString();
    } else {
        prefix = picture.left(first).toString();
        pattern = picture.mid(first, last - first + 1);
        suffix = picture.mid(last + 1).toString();
    }
    bool percent = false;
    if (suffix.contains(u'%') || prefix.contains(u'%')) percent = true;

    bool grouping = false;
    int intMandatory = 0;   // "0" placeholders before the point
    int fracMandatory = 0;  // "0" placeholders after the point
    int fracOptional = 0;   // "#" placeholders after the point
    bool hasPoint = false;
    for (QChar c : pattern) {
        if (c == u'.') {
            hasPoint = true;
        } else if (!hasPoint) {
            if (c == u',') grouping = true;
            if (c == u'0') ++intMandatory;
        }
    }
    // Count fraction placeholders in order: mandatory digits are those up to the
    // last "0"; the rest are optional.
    if (hasPoint) {
        const QStringView frac = pattern.mid(pattern.indexOf(u'.') + 1);
        int lastZero = -1, count = 0;
        for (QChar c : frac) {
            if (c == u'0' || c == u'#') {
                if (c == u'0') lastZero = count;
                ++count;
            }
        }
        fracMandatory = lastZero + 1;
        fracOptional = count - fracMandatory;
    }
    const int places = fracMandatory + fracOptional;

    const bool negative = value < 0;
    Decimal15 d = toDecimal15(std::fabs(value));
    if (percent && !d.digits.empty()) d.pointPos += 2;
    std::string intPart, fracPart;
    roundDecimal(d, places, intPart, fracPart);

    // Optional fraction digits drop their trailing zeros.
    while (static_cast<int>(fracPart.size()) > fracMandatory && !fracPart.empty() &&
           fracPart.back() == '0')
        fracPart.pop_back();
    if (static_cast<int>(intPart.size()) < intMandatory)
        intPart.insert(0, static_cast<size_t>(intMandatory) - intPart.size(), '0');

    QString number;
    if (grouping && intPart.size() > 3) {
        const int n = static_cast<int>(intPart.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) number += u',';
            number += QChar(intPart[i]);
        }
    } else {
        number = QString::fromStdString(intPart);
    }
    if (hasPoint) number += u'.' + QString::fromStdString(fracPart);

    const bool isZero = intPart.find_first_not_of('0') == std::string::npos &&
                        fracPart.find_first_not_of('0') == std::string::npos;
    QString out = prefix + number + suffix;
    if (negative && !isZero) out.prepend(u'-');
    return out;
}

QString Format(Money value, QStringView picture) {
    return Format(value.toDouble(), picture);
}

QString NumText(int64_t value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

QString NumText(double value) {
    if (!std::isfinite(value)) return QStringLiteral(" 0");
    char buf[64];
    // Up to 15 significant digits, as "%.15g" would give them in the C locale
    // whatever locale the desktop has set.
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::general, 15);
    QString s = ec == std::errc() ? QString::fromLatin1(buf, end - buf) : QStringLiteral("0");
    if (s.startsWith(QLatin1String("0."))) s.remove(0, 1);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + s;
}

QString RightJustify(const QString& text, int width) {
    if (width <= 0) return QString();
    if (text.size() >= width) return text.left(width);
    return QString(width - text.size(), u' ') + text;
}

QString RightJustifyWhole(const QString& text, int width, int gap) {
    if (text.size() < width) return RightJustify(text, width);
    return gap > 0 ? QString(gap, u' ') + text : text;
}

double LeadingNumber(QStringView text) {
    QStringView t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) ++i;
    bool digit = false, point = false;
    while (i < t.size()) {
        if (t[i].isDigit() && t[i].unicode() < 128) {
            digit = true;
        } else if (t[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!digit) return 0.0;
    bool ok = false;
    const double v = t.left(i).toString().toDouble(&ok);
    return ok ? v : 0.0;
}
