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

CurrentValueView ComputeFundValues(const Portfolio& p, FundTotalsTable& fundTotals,
                                   const QString& cur) {
    FundTotalsTable t = fundTotals;  // worked on a copy: a failure changes nothing
    const int funds = lastFund(p);

    for (int c : {0, 1, 3, 4, 5, 6}) t(kTotalRow, c) = Money();
    for (int f = 1; f <= funds; ++f) {
        t(f, 3) = t(f, 0) * t(f, 2);
        t(f, 4) = t(f, 3) - t(f, 1);
        t(f, 5) = FundGainPercent(t(f, 4), t(f, 1), t(f, 6));
        for (int c : {0, 1, 3, 4, 6}) t(kTotalRow, c) += t(f, c);
    }
    t(kTotalRow, 5) = TotalGainPercent(t(kTotalRow, 4), t(kTotalRow, 1), t(kTotalRow, 6));

    CurrentValueView view;
    QStringList first = {QStringLiteral("                           Current Value of all Funds."),
                         QString()};
    first += ValueReportHeadings(cur);
    QStringList second;
    for (int f = 1; f <= funds; ++f) {
        view.rows.push_back(
            {fundName(p, f), Format(t(f, 0), u"####,,###.0000"), Format(t(f, 1), u"####,,###.00"),
             cur + Format(t(f, 2), u"####,,###.00"), Format(t(f, 3), u"####,,###.00"),
             Format(t(f, 4), u"####,,###.00"), Format(t(f, 5), u"####,,###.00") + u'%'});
        const Money share = PortfolioShare(t(f, 3), t(kTotalRow, 3));
        QStringList& page = f <= 11 ? first : second;
        page << QStringLiteral("  ") + fundName(p, f) + QStringLiteral(" (") +
                    NumText(share.toDouble()).trimmed() + QStringLiteral("%)");
        // Fields end at columns 21, 34, 45, 58, 70 and 79; a wide figure reaches
        // into the blanks before it and stays whole.
        ColumnText line;
        line.right(10, 12, Format(t(f, 0), u"##,,###.0000"));
        line.right(22, 13, Format(t(f, 1), u"####,,###.00"));
        line.right(35, 11, Format(t(f, 2), u"###.0000"));
        line.right(46, 13, Format(t(f, 3), u"###,,###.00"));
        line.right(59, 12, Format(t(f, 4), u"##,,###.00"));
        line.right(71, 9, Format(t(f, 5), u"##.00") + u'%');
        page << line.text();
        page << QString();
    }
    view.rows.push_back(QStringList(7));
    view.rows.push_back({QStringLiteral("Total:"), Format(t(kTotalRow, 0), u"####,,###.0000"),
                         cur + Format(t(kTotalRow, 1), u"####,,###.00"), QString(),
                         cur + Format(t(kTotalRow, 3), u"####,,###.00"),
                         cur + Format(t(kTotalRow, 4), u"####,,###.00"),
                         Format(t(kTotalRow, 5), u"####,,###.00") + u'%'});

    // The totals line keeps the columns of the fund lines above it.
    ColumnText totals;
    totals.at(3, QStringLiteral("Total:"));
    totals.right(10, 12, Format(t(kTotalRow, 0), u"###,,###.0000"));
    totals.right(22, 13, cur + Format(t(kTotalRow, 1), u"###,,###.00"));
    totals.right(45, 14, cur + Format(t(kTotalRow, 3), u"###,,###.00"));
    totals.right(59, 12, cur + Format(t(kTotalRow, 4), u"###,,###.00"));
    totals.right(71, 9, Format(t(kTotalRow, 5), u"##0.00") + u'%');
    (second.isEmpty() ? first : second) << totals.text();

    view.page1 = crlfJoin(first);
    view.page2 = second.isEmpty() ? QString() : crlfJoin(second);
    fundTotals = t;
    return view;
}
