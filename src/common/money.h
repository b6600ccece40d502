// Money: a fixed-point amount counted in ten-thousandths, with checked arithmetic.
#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>

// Raised when an amount would leave the range of a signed 64-bit count of
// ten-thousandths, or when a figure that is not a number is stored.
class MoneyOverflow : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

class Money {
  public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(int64_t tenThousandths) {
        Money m;
        m.raw_ = tenThousandths;
        return m;
    }
    // Whole units (checked).
    static Money fromInt(int64_t units);
    // Rounded to the nearest ten-thousandth, a half going to the even neighbour.
    // Throws MoneyOverflow for NaN, infinities and out-of-range values.
    static Money fromDouble(double value);
    // The file text form: optional "-", digits, optional "." and digits.
    // Leading/trailing blanks are allowed; more than four decimals are rounded
    // half to even. Returns nothing for anything else (or when out of range).
    static std::optional<Money> parse(QStringView text);

    constexpr int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    // Whole-number part (truncated toward zero).
    constexpr int64_t wholePart() const { return raw_ / kScale; }
    constexpr bool isZero() const { return raw_ == 0; }

    // Plain decimal text: "." point, at most four decimals with no trailing
    // zeros, "-" for negatives, whole numbers without a point.
    QString toFileText() const;

    Money operator-() const;
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    // Product of two amounts, rounded half to even to ten-thousandths.
    Money operator*(Money other) const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }
    Money abs() const { return raw_ < 0 ? -*this : *this; }

    friend constexpr bool operator==(Money a, Money b) = default;
    friend constexpr auto operator<=>(Money a, Money b) = default;

  private:
    int64_t raw_ = 0;
};
