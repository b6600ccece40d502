#include "planning/model/retirement_income.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"

namespace {

// Whole cents of a figure, plus 0.0005, as money.
Money centsPlusHalfTenth(double figure) {
    return Money::fromDouble((std::floor(figure * 100) + 0.05) / 100);
}

int64_t termOf(const RetirementIncomeInputs& in) {
    return RoundedYears(in.years);
}

void percentage(const RetirementIncomeInputs& in, float g, RetirementIncome& r) {
    const int64_t n = termOf(in);
    if (PastYearLimit(static_cast<double>(n), kRetirementYearLimit)) {
        r.outcome = RetirementOutcome::PastYearLimit;
        return;
    }
    const double p = in.withdrawal.toDouble() / 100.0;
    const Money g4 = Money::fromDouble(static_cast<double>(g));
    Money value = in.capital;
    for (int y = 1; y <= n; ++y) {
        const Money withdrawn = WithdrawalFor(value, p);
        if (withdrawn > value) {
            r.outcome = RetirementOutcome::WithdrawingTooMuch;
            return;
        }
        const Money next = ValueAfterYear(value, g, p);
        const Money interest = value * g4;
        r.totalInterest += interest;
        r.totalWithdrawn += withdrawn;
        r.rows.push_back({y, interest, withdrawn, next});
        value = next;
    }
    r.finalValue = value;
}

void fixedAmount(const RetirementIncomeInputs& in, float g, RetirementIncome& r) {
    const double monthly = in.withdrawal.toDouble() / 100 * 100;
    const double yearly = 12 * monthly;
    const Money m4 = Money::fromDouble(static_cast<double>(MonthlyRate(g)));
    Money value = in.capital;
    if (yearly > value.toDouble()) {
        r.outcome = RetirementOutcome::WithdrawingTooMuch;
        return;
    }
    const Money yearlyMoney = Money::fromDouble(yearly);
    double left = value.toDouble();  // N: the value after the last month, unrounded
    Money yearInterest;
    auto month = [&] {
        const Money interest = value * m4;
        left = (interest + value).toDouble() - monthly;
        yearInterest += interest;
        r.totalInterest += interest;
        value = Money::fromDouble(left);
    };

    int year = 1;
    for (;;) {
        yearInterest = Money();
        for (int i = 0; i < 12; ++i) month();
        r.rows.push_back({year, yearInterest, yearlyMoney, Money::fromDouble(left)});
        r.totalWithdrawn += yearlyMoney;
        ++year;
        if (year > kRetirementYearLimit || !(left > yearly)) break;
    }
    if (year <= kRetirementYearLimit) {
        // The capital runs out in this year: as many whole months as it pays
        // for, then what is left goes out with them.
        if (!(monthly > 0)) throw std::domain_error("no monthly withdrawal to divide by");
        const double start = left;
        yearInterest = Money();
        const int months = static_cast<int>(std::clamp(std::floor(left / monthly), 0.0, 12.0));
        for (int i = 0; i < months; ++i) month();
        const Money withdrawn = Money::fromDouble(start + yearInterest.toDouble());
        const Money remainder = Money::fromDouble(left - Money::fromDouble(left).toDouble());
        r.rows.push_back({year, yearInterest, withdrawn, remainder});
        r.totalWithdrawn += withdrawn;
        r.ranOut = true;
    }
    // The total row agrees with the last row: what the final year paid out is
    // not also counted as a value left over.
    r.finalValue = r.rows.back().value;
}

}  // namespace

RetirementIncomeInputs RetirementIncomeInputs::fromCalcInputs(const std::vector<Money>& c,
                                                              WithdrawalChoice choice) {
    RetirementIncomeInputs in;
    in.choice = choice;
    in.capital = c.at(1);
    in.ratePercent = c.at(2);
    in.withdrawal = c.at(3);
    in.years = c.at(4);
    return in;
}

Money WithdrawalFor(Money value, double p) {
    return centsPlusHalfTenth(value.toDouble() * p);
}

Money ValueAfterYear(Money value, float g, double p) {
    const double v = value.toDouble();
    return centsPlusHalfTenth(v * (static_cast<double>(g) - p) + v);
}

float MonthlyRate(float g) {
    const float twelfth = 1.0f / 12.0f;
    const float base = 1.0f + g;
    return static_cast<float>(std::pow(static_cast<double>(base), static_cast<double>(twelfth)) -
                              1.0);
}

RetirementIncome CalculateRetirementIncome(const RetirementIncomeInputs& in) {
    const float g = static_cast<float>(in.ratePercent.toDouble() / 100.0);
    RetirementIncome r;
    r.finalValue = in.capital;
    r.rows.reserve(kRetirementYearLimit + 1);
    if (in.choice == WithdrawalChoice::FixedAmount)
        fixedAmount(in, g, r);
    else
        percentage(in, g, r);
    return r;
}

void StoreRetirementTable(const RetirementIncome& r, SharedTable<Money>& t) {
    const int years = static_cast<int>(r.rows.size());
    // Never past the table: the total row must fit as well.
    if (years + 1 >= t.rows() || years + 1 > kRetirementLastRow)
        throw std::out_of_range("retirement table past its rows");
    StoreYearRows(t, r.rows,
                  [](const RetirementYear& y) {
                      return StoredYear{y.year, {y.interest, y.withdrawn, y.value}};
                  },
                  years + 1, {years, {r.totalInterest, r.totalWithdrawn, r.finalValue}});
}
