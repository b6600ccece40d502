#include "investments/model/current_value.h"

#include <algorithm>

#include "common/number_format.h"
#include "common/print_device.h"
#include "investments/model/portfolio.h"

namespace {

constexpr int kTotalRow = kAllRecordsSlot;   // row 31 of FundTotals holds the portfolio total
const Money kHalfCent = Money::fromRaw(50);  // 0.005

int lastRecord(const Portfolio& p) {
    return std::min<int>(p.recordCount, static_cast<int>(p.records.size()) - 1);
}

int lastFund(const Portfolio& p) {
    return std::min<int>({p.fundCount, kMaxFunds, static_cast<int>(p.funds.size()) - 1});
}

const QString& fundName(const Portfolio& p, int slot) {
    return p.funds[static_cast<size_t>(slot)].FundName;
}

Money percentOf(Money part, Money base) {
    return Money::fromDouble(part.toDouble() / base.toDouble() * 100.0);
}

QString crlfJoin(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace

int FirstFundWithoutRecords(const Portfolio& p) {
    for (int f = 1; f <= lastFund(p); ++f) {
        if (fundName(p, f).isEmpty()) continue;
        if (FundRecordCount(p, FundNumberValue(p, f)) == 0) return f;
    }
    return 0;
}

void PrepareFundTotals(FundTotalsTable& t) {
    // The load, the sort and the fund menu make the seven-column form, whose
    // prices are all zero; any other table keeps the prices typed so far.
    if (t.rows() < kFundRows || t.cols() < 9) t.create(kFundRows, 9);
    ClearComputedTotals(t);
}

void ClearComputedTotals(FundTotalsTable& t) {
    if (!t.created()) return;
    for (int f = 1; f <= kTotalRow && f < t.rows(); ++f)
        for (int c : {0, 1, 3, 4, 5, 6})
            if (c < t.cols()) t(f, c) = Money();
}

void AccumulateHoldings(const Portfolio& p, FundTotalsTable& t) {
    ClearComputedTotals(t);
    const int funds = lastFund(p);
    for (int r = 1; r <= lastRecord(p); ++r) {
        const FundRecord& rec = p.records[static_cast<size_t>(r)];
        if (rec.FundNo.raw() % Money::kScale != 0) continue;
        const int64_t f = rec.FundNo.wholePart();
        if (f < 1 || f > funds) continue;
        const int row = static_cast<int>(f);
        t(row, 0) += rec.Shares;
        t(row, 1) += rec.BookValue;
        if (!HasTypeCode(rec, u'S')) t(row, 6) += rec.BookValue;
    }
}

int FirstUnpricedHolding(const Portfolio& p, const FundTotalsTable& t) {
    for (int f = 1; f <= lastFund(p); ++f) {
        if (fundName(p, f).isEmpty()) continue;
        if (t(f, 2).isZero() && !t(f, 0).isZero()) return f;
    }
    return 0;
}

Money FundGainPercent(Money gain, Money book, Money putIn) {
    if (book < kHalfCent && !putIn.isZero()) return percentOf(gain, putIn);
    if (!book.isZero()) return percentOf(gain, book);
    return Money::fromInt(100);
}

Money TotalGainPercent(Money gain, Money book, Money putIn) {
    if (book.isZero()) return Money();
    if (book < kHalfCent) return putIn.isZero() ? Money() : percentOf(gain, putIn);
    return percentOf(gain, book);
}

Money PortfolioShare(Money value, Money total) {
    if (value.isZero() || total.isZero()) return Money();
    const Money share = percentOf(value, total);
    return Money::fromRaw(share.raw() / 100 * 100);  // cut to hundredths, toward zero
}

QStringList ValueTableHeadings() {
    return {QStringLiteral("    Name of      Fund/Company"),
            QStringLiteral("Number of Shares"),
            QStringLiteral("   Book     Cost "),
            QStringLiteral("  Current     Price "),
            QStringLiteral("Current   Total "),
            QStringLiteral("Gain or  Loss "),
            QStringLiteral("Gain or   Loss %")};
}

QStringList ValueReportHeadings(const QString& currency) {
    return {
        QStringLiteral(
            "  Name of     Number          Book    Current      Current      Gain/    Gain/"),
        QStringLiteral("     Fund     Shares          Cost      Price        Total      Loss ") +
            currency + QStringLiteral("   Loss %"),
        QStringLiteral("  ") + QString(77, u'_')};
}

CurrentValues ValueFunds(const Portfolio& p, const FundTotalsTable& t) {
    CurrentValues v;
    FundValue& total = v.total;
    for (int f = 1; f <= lastFund(p); ++f) {
        FundValue fund{fundName(p, f), t(f, 0), t(f, 1), t(f, 2), {}, {}, {}, t(f, 6)};
        fund.value = fund.shares * fund.price;
        fund.gain = fund.value - fund.bookCost;
        fund.gainPercent = FundGainPercent(fund.gain, fund.bookCost, fund.moneyIn);
        total.shares += fund.shares;
        total.bookCost += fund.bookCost;
        total.value += fund.value;
        total.gain += fund.gain;
        total.moneyIn += fund.moneyIn;
        v.funds.push_back(std::move(fund));
    }
    total.gainPercent = TotalGainPercent(total.gain, total.bookCost, total.moneyIn);
    return v;
}

std::vector<QStringList> ValueGridRows(const CurrentValues& v, const QString& cur) {
    std::vector<QStringList> rows;
    for (const FundValue& f : v.funds)
        rows.push_back({f.name, Format(f.shares, u"####,,###.0000"),
                        Format(f.bookCost, u"####,,###.00"), cur + Format(f.price, u"####,,###.00"),
                        Format(f.value, u"####,,###.00"), Format(f.gain, u"####,,###.00"),
                        Format(f.gainPercent, u"####,,###.00") + u'%'});
    const FundValue& t = v.total;
    rows.push_back(QStringList(7));
    rows.push_back({QStringLiteral("Total:"), Format(t.shares, u"####,,###.0000"),
                    cur + Format(t.bookCost, u"####,,###.00"), QString(),
                    cur + Format(t.value, u"####,,###.00"), cur + Format(t.gain, u"####,,###.00"),
                    Format(t.gainPercent, u"####,,###.00") + u'%'});
    return rows;
}

ValueReportPages ValueReport(const CurrentValues& v, const QString& cur) {
    QStringList first = {QStringLiteral("                           Current Value of all Funds."),
                         QString()};
    first += ValueReportHeadings(cur);
    QStringList second;
    for (size_t i = 0; i < v.funds.size(); ++i) {
        const FundValue& f = v.funds[i];
        const Money share = PortfolioShare(f.value, v.total.value);
        QStringList& page = i < 11 ? first : second;
        page << QStringLiteral("  ") + f.name + QStringLiteral(" (") +
                    NumText(share.toDouble()).trimmed() + QStringLiteral("%)");
        // Fields end at columns 21, 34, 45, 58, 70 and 79; a wide figure reaches
        // into the blanks before it and stays whole.
        ColumnText line;
        line.right(10, 12, Format(f.shares, u"##,,###.0000"));
        line.right(22, 13, Format(f.bookCost, u"####,,###.00"));
        line.right(35, 11, Format(f.price, u"###.0000"));
        line.right(46, 13, Format(f.value, u"###,,###.00"));
        line.right(59, 12, Format(f.gain, u"##,,###.00"));
        line.right(71, 9, Format(f.gainPercent, u"##.00") + u'%');
        page << line.text();
        page << QString();
    }

    // The totals line keeps the columns of the fund lines above it.
    const FundValue& t = v.total;
    ColumnText totals;
    totals.at(3, QStringLiteral("Total:"));
    totals.right(10, 12, Format(t.shares, u"###,,###.0000"));
    totals.right(22, 13, cur + Format(t.bookCost, u"###,,###.00"));
    totals.right(45, 14, cur + Format(t.value, u"###,,###.00"));
    totals.right(59, 12, cur + Format(t.gain, u"###,,###.00"));
    totals.right(71, 9, Format(t.gainPercent, u"##0.00") + u'%');
    (second.isEmpty() ? first : second) << totals.text();

    return {crlfJoin(first), second.isEmpty() ? QString() : crlfJoin(second)};
}

void StoreFundValues(const CurrentValues& v, FundTotalsTable& t) {
    for (size_t i = 0; i < v.funds.size(); ++i) {
        const int f = static_cast<int>(i) + 1;
        t(f, 3) = v.funds[i].value;
        t(f, 4) = v.funds[i].gain;
        t(f, 5) = v.funds[i].gainPercent;
    }
    const FundValue& total = v.total;
    t(kTotalRow, 0) = total.shares;
    t(kTotalRow, 1) = total.bookCost;
    t(kTotalRow, 3) = total.value;
    t(kTotalRow, 4) = total.gain;
    t(kTotalRow, 5) = total.gainPercent;
    t(kTotalRow, 6) = total.moneyIn;
}

CurrentValueView ComputeFundValues(const Portfolio& p, FundTotalsTable& totals,
                                   const QString& cur) {
    CurrentValueView view;
    view.values = ValueFunds(p, totals);
    view.rows = ValueGridRows(view.values, cur);
    ValueReportPages pages = ValueReport(view.values, cur);
    view.page1 = std::move(pages.page1);
    view.page2 = std::move(pages.page2);
    StoreFundValues(view.values, totals);
    return view;
}
