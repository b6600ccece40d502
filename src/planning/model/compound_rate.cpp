#include "planning/model/compound_rate.h"

#include <cmath>

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/model/calculator_figures.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kMoneyPicture = QStringLiteral("####,,###.00");

QString amount(Money value, const QString& symbol) {
    return symbol + Format(value, kMoneyPicture);
}

}  // namespace

CompoundRateInputs CompoundRateInputs::fromCalcInputs(const std::vector<Money>& c) {
    auto at = [&c](size_t i) { return i < c.size() ? c[i] : Money(); };
    return {at(1), at(2), at(3)};
}

bool CompoundFigureMissing(const CompoundRateInputs& in) {
    return in.cost.isZero() || in.value.isZero() || in.years.isZero();
}

CompoundRateEntry CalculateCompoundRate(const CompoundRateInputs& in) {
    const double cost = in.cost.toDouble();
    const double value = in.value.toDouble();
    const double n = in.years.toDouble();
    const double ratio = value / cost;
    if (!(ratio > 0) || !std::isfinite(ratio) || n == 0)
        throw NoCompoundRate("the value and the cost have no compound rate");

    CompoundRateEntry r;
    const double x = (1 / n) * std::log(ratio);
    r.rate = std::exp(x) - 1;
    r.gain = (value - cost) / cost;
    if (!std::isfinite(r.rate) || !std::isfinite(r.gain))
        throw NoCompoundRate("the compound rate is not a number");
    r.ratePercent = Money::fromDouble(r.rate * 100);

    r.yearsComputed = std::max<int64_t>(RoundedYears(in.years), 0);
    r.yearValues.reserve(static_cast<size_t>(r.yearsComputed));
    double v = cost;
    for (int64_t y = 1; y <= r.yearsComputed; ++y) {
        v = v + v * r.rate;
        r.yearValues.push_back(Money::fromDouble(std::floor(v)));
    }
    return r;
}

void StoreCompoundYears(const CompoundRateEntry& entry, SharedTable<Money>& yearTable) {
    for (int64_t y = 1; y <= entry.yearsComputed; ++y) {
        const int row = static_cast<int>(y);
        yearTable(row, 1) = Money::fromInt(y);
        yearTable(row, 4) = entry.yearValues[static_cast<size_t>(y - 1)];
    }
}

QStringList CompoundRateCells(const CompoundRateInputs& in, const CompoundRateEntry& entry,
                              const QString& name, const QString& symbol) {
    return {name,
            in.years.toFileText(),
            amount(in.cost, symbol),
            amount(in.value, symbol),
            Format(entry.rate, kGridRatePicture),
            Format(entry.gain, kGridGainPicture)};
}

QString CompoundRateReportEntry(const CompoundRateInputs& in, const CompoundRateEntry& entry,
                                const QString& name, const QString& symbol) {
    QString text;
    if (!name.isEmpty()) text += kCrLf + u' ' + name;
    // The fields end at columns 5, 25, 44, 63 and 79; a wide figure reaches
    // into the blanks before it rather than past the page.
    ColumnText line;
    line.right(1, 5, Format(in.years, u"###"));
    line.right(12, 14, amount(in.cost, symbol));
    line.right(31, 14, amount(in.value, symbol));
    line.right(52, 12, Format(entry.rate, kReportPercentPicture));
    line.right(68, 12, Format(entry.gain, kReportPercentPicture));
    text += kCrLf + line.text() + kCrLf + kCrLf;
    text += u' ' + QString(78, u'_') + u' ' + kCrLf;
    return text;
}
