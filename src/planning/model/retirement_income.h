// Retirement income: capital held at retirement growing year by year while an income is drawn
// from it, as a percentage of the value once a year or as a fixed amount of cash every month.
#pragma once

#include <cstdint>
#include <vector>

#include "common/money.h"
#include "common/shared_table.h"

// The two withdrawal choices of the window's option buttons.
enum class WithdrawalChoice { Percentage = 0, FixedAmount = 2 };

// The four figures of the window, as typed (rates in percent).
struct RetirementIncomeInputs {
    WithdrawalChoice choice = WithdrawalChoice::Percentage;
    Money capital;      // CalcInputs(1): value of the investments on retirement
    Money ratePercent;  // CalcInputs(2): annual interest/growth rate
    Money withdrawal;   // CalcInputs(3): percent of the value, or the monthly cash
    Money years;        // CalcInputs(4): Percentage only

    static RetirementIncomeInputs fromCalcInputs(const std::vector<Money>& calcInputs,
                                                 WithdrawalChoice choice);
};

struct RetirementYear {
    int year = 0;
    Money interest;   // interest/growth of the year
    Money withdrawn;  // income withdrawn in the year
    Money value;      // value at the end of the year
};

enum class RetirementOutcome {
    Calculated,
    PastYearLimit,       // Percentage: 51 years or more
    WithdrawingTooMuch,  // a year's withdrawal above the value
};

struct RetirementIncome {
    RetirementOutcome outcome = RetirementOutcome::Calculated;
    std::vector<RetirementYear> rows;  // years 1 .. rows.size()
    bool ranOut = false;               // Fixed Amount: the last row is the year the capital ran out
    Money totalInterest;
    Money totalWithdrawn;
    Money finalValue;  // the last row's value (the capital itself when no year was computed)
};

// The longest plan, and the last YearTable row the window's table has.
constexpr int kRetirementYearLimit = 50;
constexpr int kRetirementLastRow = 362;

// A year's percentage withdrawal: value x p cut to whole cents, plus 0.0005.
Money WithdrawalFor(Money value, double p);
// The value after a year that grows by g and pays out p: value x (1 + g - p)
// cut to whole cents, plus 0.0005.
Money ValueAfterYear(Money value, float g, double p);
// The monthly rate of an annual rate g: (1 + g)^(1/12) - 1, in single precision.
float MonthlyRate(float g);

// The whole table. Percentage: n years (the term rounded), each withdrawing
// WithdrawalFor of the value at its start, interest = value x g rounded to
// four decimals. Fixed Amount: twelve months a row, each earning value x m
// (m rounded to four decimals) and paying the monthly cash, for 50 years or
// until a year ends with no more than a year's cash left; then a final year of
// as many whole months as that leaves, which counts everything left and its
// interest as withdrawn and ends at nothing. The total row's final value is
// the last row's. A refusal leaves the rows computed before it.
// Throws MoneyOverflow when a figure leaves the currency's range and
// std::domain_error when there is neither capital nor a withdrawal to divide it by.
RetirementIncome CalculateRetirementIncome(const RetirementIncomeInputs& in);

// YearTable rows 1..Y: (-, year, interest, withdrawn, value) in columns 1..4;
// row Y + 1 the totals: (Y, total interest, total withdrawn, final value).
void StoreRetirementTable(const RetirementIncome& result, SharedTable<Money>& yearTable);
