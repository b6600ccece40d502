#include "planning/calculator_figures.h"

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

QString RightJustifyWhole(const QString& text, int width) {
    return text.size() >= width ? text : RightJustify(text, width);
}

QString BoxFormat::text(Money value, const QString& symbol) const {
    QString t = Format(value, picture);
    if (currency) t.prepend(symbol);
    t = RightJustifyWhole(t, width);
    if (percent) t += u'%';
    return t;
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
