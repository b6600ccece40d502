// Investments made during the year: what regular deposits have grown to at the year's end.
#pragma once

#include "common/money.h"

// Each of `periodsPerYear` deposits (12, 4 or 2) is made at the start of its
// period and earns simple interest at ratePercent / 100 / periods until the
// year's end: deposit x periods + the sum over k = 1..periods of deposit x
// rate x k, rounded to cents (a half up). The rate must not be 0 (the window
// stops before). Throws MoneyOverflow when the amount leaves the currency's range.
Money YearEndAmount(Money deposit, Money ratePercent, int periodsPerYear);
