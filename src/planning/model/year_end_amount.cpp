#include "planning/model/year_end_amount.h"

#include <cmath>

Money YearEndAmount(Money deposit, Money ratePercent, int periodsPerYear) {
    const double d = deposit.toDouble();
    const double i = ratePercent.toDouble() / 100.0 / periodsPerYear;
    double interest = 0;
    for (int k = 1; k <= periodsPerYear; ++k) interest += d * i * k;
    const Money amount = Money::fromDouble(interest + d * periodsPerYear);
    return Money::fromDouble(std::floor(amount.toDouble() * 100.0 + 0.5) / 100.0);
}
