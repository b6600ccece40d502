// Mortgages and loans: the level monthly payment for a compounding frequency and the
// amortization table, one row per year (mortgages) or per month (loans).
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "common/money.h"
#include "common/number_format.h"
#include "planning/model/calculator_tables.h"

// The two uses of the window, one per main menu button (the numbers are the manual's).
enum class MortgageMode { Mortgage = 1, Loan = 2 };

// One entry of the compounding list: its text and the compounding periods a year.
struct Compounding {
    const char16_t* text;
    int perYear;
};
// "      Monthly", "    BiMonthly", "    Quarterly", " SemiAnnually", "     Annually".
extern const Compounding kCompoundings[5];
// The entry with `text`, else the monthly one.
const Compounding& CompoundingFor(const QString& text);

struct MortgageInputs {
    MortgageMode mode = MortgageMode::Mortgage;
    Money amount;       // CalcInputs(1)
    Money ratePercent;  // CalcInputs(2)
    Money term;         // CalcInputs(3): years for a mortgage, months for a loan
    int perYear = 12;   // compounding periods a year (12, 6, 3, 2 or 1)
};

// The term limits: 50 years, 480 months; a loan past its limit is refused
// with the message of 40 years.
constexpr int kMortgageYearLimit = 50;
constexpr int kLoanMonthLimit = 480;
constexpr int kLoanLimitYears = 40;

// True when the term is past the mode's limit (51 years, 481 months or more).
bool PastMortgageLimit(const MortgageInputs& in);

// One row of the table, as stored: the interest and principal paid in the
// period and the balance left at its end, each rounded to currency.
struct AmortizationRow {
    int period = 0;
    Money interest;
    Money principal;
    Money balance;
};

struct MortgageSchedule {
    float rate = 0;                     // the annual rate as a fraction, single precision
    double monthlyRate = 0;             // e = (1 + r/m)^(1/k) - 1
    double payment = 0;                 // A, not rounded
    double yearlyPayments = 0;          // the payment rounded to cents, times 12
    int periods = 0;                    // T: the term rounded, half to even
    std::vector<AmortizationRow> rows;  // periods 1..T
    double totalInterest = 0;
    double totalPrincipal = 0;  // the amount borrowed once anything is repaid
    double allPayments() const { return totalInterest + totalPrincipal; }
};

// The payment and the table. Payments are monthly; the compounding only sets
// the monthly rate. A loan's term counts in years as a fraction for the
// discount factor, so a term that is not a whole number of years still pays
// off. The annual rate fraction is single precision; everything else double.
// Throws MoneyOverflow for a rate or term of zero (no payment can be worked
// out), a figure beyond the currency's range or any result that is not a
// number. The term must be within the limit.
MortgageSchedule CalculateMortgage(const MortgageInputs& in);

// YearTable rows 1..T: (period, interest, principal, balance) in columns 1..4;
// row T + 1: (T, total interest, total principal, 0, all payments).
void StoreMortgageTable(const MortgageSchedule& s, SharedTable<Money>& yearTable);

// The three result labels: the monthly payment, the payments of one year and
// the total of all payments, each with `symbol`, right-justified in 12.
QString MonthlyPaymentText(const MortgageSchedule& s, const QString& symbol);
QString YearlyPaymentsText(const MortgageSchedule& s, const QString& symbol);
QString AllPaymentsText(const MortgageSchedule& s, const QString& symbol);

// Grid rows 1..T + 1: the period, its interest, principal and balance, then
// "Total:" and the two totals and 0, each with `symbol`.
GridRowSource MortgageGridSource(const MortgageSchedule& s, const QString& symbol);
std::vector<QStringList> MortgageGridRows(const MortgageSchedule& s, const QString& symbol);

// A payment schedule's grid rows: each row's period and its `columns` in the grid's picture, then
// "Total:" and `totals` in the same picture, each with `symbol`. The source keeps its own copy
// of the figures (see GridRowSource).
template <class Row, class Total, std::size_t N>
GridRowSource ScheduleGridSource(const std::vector<Row>& rows,
                                 const std::array<Money Row::*, N>& columns,
                                 const std::array<Total, N>& totals, const QString& symbol) {
    struct Copy {
        std::vector<int> periods;
        std::vector<std::array<Money, N>> figures;
        QStringList total;
    };
    const QString picture = QStringLiteral("####,,###.00");
    auto copy = std::make_shared<Copy>();
    copy->periods.reserve(rows.size());
    copy->figures.reserve(rows.size());
    for (const Row& row : rows) {
        copy->periods.push_back(row.period);
        std::array<Money, N>& figures = copy->figures.emplace_back();
        for (std::size_t k = 0; k < N; ++k) figures[k] = row.*columns[k];
    }
    // One row: made at once.
    copy->total << QStringLiteral("Total:");
    for (const Total& t : totals) copy->total << symbol + Format(t, picture);
    const int count = static_cast<int>(rows.size()) + 1;
    return {count, [copy = std::shared_ptr<const Copy>(std::move(copy)), picture](int i) {
                if (i < 0 || static_cast<std::size_t>(i) >= copy->periods.size())
                    return copy->total;
                const auto at = static_cast<std::size_t>(i);
                QStringList cells{Format(static_cast<double>(copy->periods[at]), u"###")};
                for (Money figure : copy->figures[at]) cells << Format(figure, picture);
                return cells;
            }};
}
