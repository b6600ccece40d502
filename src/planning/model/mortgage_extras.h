// Extra payments on a mortgage or loan: a fixed extra with every monthly payment and up to 12
// lump sums, each at a payment number, and the schedule they give, worked month by month to the
// cent.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "common/money.h"
#include "planning/model/mortgage.h"

constexpr int kLumpSumCount = 12;

// A lump sum paid with payment `payment` (1 for the first); an entry with no amount or no
// payment number is not used.
struct LumpSum {
    Money amount;
    int payment = 0;
    friend bool operator==(const LumpSum&, const LumpSum&) = default;
};

struct MortgageExtras {
    Money perPayment;  // paid with every payment
    std::array<LumpSum, kLumpSumCount> lumpSums{};

    // True when anything is paid besides the regular payments.
    bool any() const;
    // What is paid besides the regular payment with payment `n`.
    Money at(int n) const;
    friend bool operator==(const MortgageExtras&, const MortgageExtras&) = default;
};

// An amount rounded half to even to the cent.
Money RoundedToCents(Money v);

// One row of the schedule: a month, or a year of a mortgage's table. In every row
// payment + extra = interest + principal, and the balance fell by the principal.
struct ExtraRow {
    int period = 0;
    Money payment;    // the regular payments made
    Money extra;      // paid besides them
    Money interest;   // charged
    Money principal;  // repaid
    Money balance;    // left at the end
};

struct ExtraSchedule {
    Money regularPayment;        // the level payment, rounded to the cent
    std::vector<ExtraRow> rows;  // the table: one row a month (loan) or a year (mortgage)
    ExtraRow totals;             // each column's sum; period = the rows, balance 0
    int payments = 0;            // monthly payments with the extras
    int paymentsWithout = 0;     // and without them
    Money interestWithout;       // the interest of the schedule without extras
    int paymentsSaved() const { return paymentsWithout - payments; }
    Money interestSaved() const { return interestWithout - totals.interest; }
};

// The months of paying off `amount` (rounded to the cent) at `monthlyRate` with the regular
// `payment` over at most `months` months. Each month's interest is the balance in cents times
// the rate, rounded half to even to the cent. The month whose payment and extra reach the
// balance and its interest, or else the term's last month, pays exactly those: the regular
// payment first and the extra with what is left; the balance ends at 0.00.
// Throws MoneyOverflow for a figure beyond the currency's range.
std::vector<ExtraRow> MonthsWithExtras(Money amount, double monthlyRate, Money payment, int months,
                                       const MortgageExtras& extras);

// The schedule with `extras` for the loan or mortgage `in` whose level payment is `base`:
// monthly rows for a loan, the months of each year added for a mortgage, the totals and the
// comparison with the same schedule without extras. Throws MoneyOverflow as above.
ExtraSchedule CalculateWithExtras(const MortgageInputs& in, const MortgageSchedule& base,
                                  const MortgageExtras& extras);

// YearTable rows 1..R: (period, interest, principal, balance, extra) in columns 1..5; row
// R + 1: (R, total interest, total principal, 0, all payments and extras).
void StoreExtraTable(const ExtraSchedule& s, SharedTable<Money>& yearTable);

// Grid rows 1..R + 1: the period, interest, principal, extra and balance, then "Total:" and
// the totals with `symbol`.
GridRowSource ExtraGridSource(const ExtraSchedule& s, const QString& symbol);
std::vector<QStringList> ExtraGridRows(const ExtraSchedule& s, const QString& symbol);

// The five results: payments with extras, payments saved, interest without extras, with them,
// and saved.
QStringList ExtraResultTexts(const ExtraSchedule& s, const QString& symbol);
