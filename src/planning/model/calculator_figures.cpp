#include "planning/model/calculator_figures.h"

#include "common/number_format.h"

Money InterestFor(double amount, float rate) {
    return Money::fromDouble(amount * static_cast<double>(rate));
}

int64_t RoundedYears(Money years) {
    const int64_t raw = years.raw();
    int64_t whole = raw / Money::kScale;
    const int64_t rest = raw % Money::kScale;  // same sign as raw
    const int64_t half = Money::kScale / 2;
    if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
    if (rest < -half || (rest == -half && whole % 2 != 0)) --whole;
    return whole;
}

QString BoxFormat::text(Money value, const QString& symbol) const {
    QString t = Format(value, picture);
    if (currency) t.prepend(symbol);
    t = RightJustifyWhole(t, width);
    if (percent) t += u'%';
    return t;
}

std::optional<Money> BoxFormat::read(const QString& text, const QString& symbol) {
    QStringView t = QStringView(text).trimmed();
    // A symbol that could be part of a figure is never passed over.
    const bool plainSymbol = !symbol.isEmpty() && !symbol.front().isDigit() &&
                             symbol.front() != u'.' && symbol.front() != u'-' &&
                             symbol.front() != u'+';
    if (plainSymbol && t.startsWith(symbol))
        t = t.mid(symbol.size());
    else if (t.startsWith(u'$'))
        t = t.mid(1);
    QString figure;
    int i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) figure += t[i++];
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            digits = true;
            figure += c;
        } else if (c == u'.' && !point) {
            point = true;
            figure += c;
        } else if (c == u',' && digits && !point) {
            continue;  // grouping
        } else {
            break;
        }
    }
    if (!digits) return Money();
    return Money::parse(figure);
}

BoxFormat BoxFormat::money(int width, const QString& picture) {
    return BoxFormat{picture, width, true, false};
}

BoxFormat BoxFormat::rate(int width) {
    return BoxFormat{QStringLiteral("###.00"), width, false, true};
}

BoxFormat BoxFormat::years(int width) {
    return BoxFormat{QStringLiteral("###"), width, false, false};
}
