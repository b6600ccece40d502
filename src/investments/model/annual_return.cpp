#include "investments/model/annual_return.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/model/portfolio.h"

namespace {

// The sum of the flows discounted at the rate e^L - 1, multiplied by e^(cL) so that no term
// grows: c is 0 for positive L and the latest time for negative L. The factor is positive, so
// the sign and the root are those of the plain sum.
struct Sum {
    double value = 0;
    double slope = 0;  // d value / dL
};

Sum Discounted(const std::vector<TimedFlow>& flows, double L, double c) {
    Sum s;
    for (const TimedFlow& f : flows) {
        const double k = c - f.t;
        const double term = f.amount * std::exp(k * L);
        s.value += term;
        s.slope += k * term;
    }
    return s;
}

int SignOf(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

// Newton steps inside [lo, hi] (a bracket of L), falling back on halving it whenever a step
// would leave it or does not shrink the error fast enough.
double ClosedIn(const std::vector<TimedFlow>& flows, double lo, double hi, double c) {
    // xl: where the sum is negative; xh: where it is positive.
    double xl = lo, xh = hi;
    if (Discounted(flows, lo, c).value > 0) std::swap(xl, xh);
    double x = 0.5 * (lo + hi);
    double dxOld = std::abs(hi - lo), dx = dxOld;
    Sum s = Discounted(flows, x, c);
    for (int i = 0; i < 200 && s.value != 0; ++i) {
        const bool outside = ((x - xh) * s.slope - s.value) * ((x - xl) * s.slope - s.value) > 0;
        if (outside || std::abs(2 * s.value) > std::abs(dxOld * s.slope)) {
            dxOld = dx;
            dx = 0.5 * (xh - xl);
            x = xl + dx;
        } else {
            dxOld = dx;
            dx = s.value / s.slope;
            x -= dx;
        }
        if (std::abs(dx) < 1e-14) break;
        s = Discounted(flows, x, c);
        (s.value < 0 ? xl : xh) = x;
    }
    return x;
}

}  // namespace

std::optional<double> SolveRate(const std::vector<TimedFlow>& flows) {
    // Rates from -99.99 % to 1,000,000 %, with 0 among them so that no bracket spans both
    // scalings of the sum.
    static constexpr std::array kLadder{
        -0.9999, -0.999, -0.99, -0.95, -0.9, -0.8, -0.6, -0.4, -0.2, -0.1,  -0.05, 0.0, 0.05,
        0.1,     0.2,    0.4,   0.7,   1.0,  2.0,  4.0,  10.0, 30.0, 100.0, 1e3,   1e4, 1e6};
    double latest = 0;
    for (const TimedFlow& f : flows) {
        if (!std::isfinite(f.t) || !std::isfinite(f.amount) || f.t < 0) return std::nullopt;
        latest = std::max(latest, f.t);
    }
    auto scaleFor = [latest](double L) { return L < 0 ? latest : 0.0; };
    std::array<double, kLadder.size()> L{};
    std::array<int, kLadder.size()> sign{};
    for (size_t i = 0; i < kLadder.size(); ++i) {
        L[i] = std::log1p(kLadder[i]);
        const double v = Discounted(flows, L[i], scaleFor(L[i])).value;
        if (!std::isfinite(v)) return std::nullopt;
        sign[i] = SignOf(v);
    }
    // A root at a rung of the ladder, or between two rungs where the sum changes sign.
    int roots = 0;
    std::optional<double> found;
    for (size_t i = 0; i < kLadder.size(); ++i) {
        if (sign[i] == 0) {
            ++roots;
            found = kLadder[i];
        } else if (i > 0 && sign[i - 1] != 0 && sign[i] != sign[i - 1]) {
            ++roots;
            found = std::expm1(ClosedIn(flows, L[i - 1], L[i], scaleFor(L[i - 1] + L[i])));
        }
    }
    if (roots != 1 || !found || !std::isfinite(*found)) return std::nullopt;
    return found;
}

std::optional<double> Xirr(const std::vector<CashFlow>& flows) {
    if (flows.empty()) return std::nullopt;
    QDate first = flows.front().date;
    for (const CashFlow& f : flows) first = std::min(first, f.date);
    std::vector<TimedFlow> timed;
    for (const CashFlow& f : flows)
        timed.push_back({static_cast<double>(first.daysTo(f.date)) / 365.0, f.amount});
    return SolveRate(timed);
}

ReturnFigure PeriodOrAnnualReturn(const std::vector<CashFlow>& flows, const QDate& start,
                                  const QDate& end) {
    const qint64 days = start.daysTo(end);
    if (days <= 0) return {};
    const double unit = days >= 365 ? 365.0 : static_cast<double>(days);
    std::vector<TimedFlow> timed;
    for (const CashFlow& f : flows) timed.push_back({start.daysTo(f.date) / unit, f.amount});
    const std::optional<double> rate = SolveRate(timed);
    if (!rate) return {};
    return {days >= 365 ? ReturnBasis::Annual : ReturnBasis::Period, *rate};
}

namespace {

// Money in and out, the holding and the payments of a set of records, then its value and return.
struct Tally {
    ReturnLine line;
    bool datesOk = true;
    std::optional<QDate> first, last;

    void add(const FundRecord& r, const QDate& priceDate) {
        const std::optional<QDate> date = RecordDate(r);
        if (!date || *date > priceDate) datesOk = false;
        line.shares += r.Shares;
        if (r.BookValue > Money()) line.moneyIn += r.BookValue;
        if (r.BookValue < Money()) line.moneyOut -= r.BookValue;
        if (r.BookValue.isZero() || !date) return;
        line.flows.push_back({*date, -r.BookValue.toDouble()});
        first = first ? std::min(*first, *date) : *date;
        last = last ? std::max(*last, *date) : *date;
    }

    // The line at the value given (nothing: no price for shares still held).
    ReturnLine finish(std::optional<Money> value, const QDate& priceDate) {
        line.valued = value.has_value();
        line.value = value.value_or(Money());
        line.gain = line.value + line.moneyOut - line.moneyIn;
        if (!first) return line;
        // Nothing held any more: the money was all back at the last payment.
        const QDate end = line.valued && line.value.isZero() ? *last : priceDate;
        if (!line.value.isZero()) line.flows.push_back({priceDate, line.value.toDouble()});
        line.years = static_cast<double>(first->daysTo(end)) / 365.0;
        if (line.valued && datesOk && line.moneyIn > Money())
            line.ret = PeriodOrAnnualReturn(line.flows, *first, end);
        return line;
    }
};

int NumberOf(const FundNameRow& row) {
    bool ok = false;
    const int v = row.FundNumberText.trimmed().toInt(&ok);
    return ok ? v : 0;
}

}  // namespace

PortfolioReturns WorkOutReturns(const std::vector<FundNameRow>& funds, int fundCount,
                                const std::vector<FundRecord>& records, int recordCount,
                                const std::vector<Money>& prices, const QDate& priceDate) {
    PortfolioReturns out;
    out.priceDate = priceDate;
    const int lastSlot = std::min({fundCount, kMaxFunds, static_cast<int>(funds.size()) - 1});
    const int count = std::min(recordCount, static_cast<int>(records.size()) - 1);
    Tally all;
    all.line.name = QStringLiteral("Total:");
    bool allValued = true;
    Money totalValue;
    for (int k = 1; k <= lastSlot; ++k) {
        const FundNameRow& row = funds[static_cast<size_t>(k)];
        if (row.FundName.isEmpty()) continue;
        const Money number = Money::fromInt(NumberOf(row));
        Tally fund;
        fund.line.name = row.FundName;
        for (int r = 1; r <= count; ++r) {
            const FundRecord& rec = records[static_cast<size_t>(r)];
            if (rec.FundNo != number || rec.TypeCode.isEmpty()) continue;
            fund.add(rec, priceDate);
            all.add(rec, priceDate);
        }
        const Money price = k < static_cast<int>(prices.size()) ? prices[k] : Money();
        std::optional<Money> value;
        if (fund.line.shares.isZero()) {
            value = Money();
        } else if (!price.isZero()) {
            value = fund.line.shares * price;
        }
        if (value) {
            totalValue += *value;
        } else {
            allValued = false;
        }
        out.funds.push_back(fund.finish(value, priceDate));
    }
    out.total = all.finish(allValued ? std::optional<Money>(totalValue) : std::nullopt, priceDate);
    return out;
}

QStringList ReturnCells(const ReturnLine& line) {
    static constexpr char16_t kAmount[] = u"####,,##0.00";
    const QString na = QStringLiteral("n/a");
    QString ret = na, basis;
    if (line.ret.basis != ReturnBasis::None) {
        ret = Format(line.ret.rate * 100, kAmount) + u'%';
        basis = line.ret.basis == ReturnBasis::Annual ? QStringLiteral("year")
                                                      : QStringLiteral("period");
    }
    return {line.name,
            Format(line.moneyIn, kAmount),
            Format(line.moneyOut, kAmount),
            line.valued ? Format(line.value, kAmount) : na,
            line.valued ? Format(line.gain, kAmount) : na,
            Format(line.years, u"##0.00"),
            ret,
            basis};
}

QStringList ReturnHeadings() {
    return {QStringLiteral("Name of Fund/Company"),
            QStringLiteral("Money In"),
            QStringLiteral("Money Out"),
            QStringLiteral("Current Value"),
            QStringLiteral("Gain or Loss"),
            QStringLiteral("Years"),
            QStringLiteral("Return"),
            QStringLiteral("Per")};
}

QString ReturnsTitle(const QDate& priceDate) {
    return QStringLiteral("Money-weighted return at the prices of ") + dates::toText(priceDate);
}

QString ReturnsNote() {
    return QStringLiteral("Per year when held a year or more; under a year, for the period.");
}
