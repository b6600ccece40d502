#include "investments/model/display_records.h"

#include <algorithm>

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/model/portfolio.h"

namespace {

constexpr int kTotalRow = kAllRecordsSlot;
const Money kHalfCent = Money::fromRaw(50);

bool belongs(const FundRecord& rec, int fund, bool all) {
    return all || rec.FundNo == Money::fromInt(fund);
}

}  // namespace

QStringList RecordTableHeadings() {
    return {QStringLiteral("Type of Transaction"), QStringLiteral("Date of Transaction"),
            QStringLiteral("Price of Each Share"), QStringLiteral("Number of Shares"),
            QStringLiteral("Commission or Fees"),  QStringLiteral("Div. Shares Value"),
            QStringLiteral("Cash Dividend"),       QStringLiteral("   Book    Value")};
}

Money DividendSharesValue(const FundRecord& rec) {
    if (HasTypeCode(rec, u'D') || HasTypeCode(rec, u'U')) return rec.Price * rec.Shares;
    return Money();
}

QStringList RecordRow(const FundRecord& rec) {
    return {TypeDescription(rec),
            TradeDateText(rec),
            Format(rec.Price, u"####,,###.0000"),
            Format(rec.Shares, u"####,,###.0000"),
            Format(rec.Fee, u"####,,###.00"),
            Format(DividendSharesValue(rec), u"####,,###.00"),
            Format(rec.CashDiv, u"####,,###.00"),
            Format(rec.BookValue, u"####,,###.00")};
}

QStringList RecordView::row(int i) const {
    const auto n = static_cast<int>(shown.size());
    if (i < 0 || i >= rowCount()) return QStringList(8);
    return i < n ? RecordRow(shown[static_cast<size_t>(i)]) : closing[static_cast<size_t>(i - n)];
}

RecordView BuildRecordView(const Portfolio& p, FundTotalsTable& t, int fund, const QString& cur) {
    RecordView v;
    const bool all = FundNumberValue(p, fund) == kAllRecordsSlot || fund == kAllRecordsSlot;
    v.caption = p.funds[static_cast<size_t>(fund)].FundName;

    const int last = std::min<int>(p.recordCount, static_cast<int>(p.records.size()) - 1);
    for (int r = 1; r <= last; ++r)
        if (belongs(p.records[static_cast<size_t>(r)], fund, all)) v.records.push_back(r);
    const int n = static_cast<int>(v.records.size());
    v.gridRows = n + 11 < 25 ? 25 : n + 11;

    for (int c : {0, 1, 2, 4, 5}) t(kTotalRow, c) = Money();
    v.shown.reserve(v.records.size());
    for (int r : v.records) {
        const FundRecord& rec = p.records[static_cast<size_t>(r)];
        v.shown.push_back(rec);
        const Money divShares = DividendSharesValue(rec);
        t(kTotalRow, 4) += rec.Fee;
        t(kTotalRow, 5) += rec.CashDiv;
        t(kTotalRow, 0) += rec.Shares;
        t(kTotalRow, 1) += rec.BookValue;
        if (!HasTypeCode(rec, u'S')) t(kTotalRow, 2) += rec.BookValue;
        v.divSharesTotal += divShares;
    }

    const Money shares = t(kTotalRow, 0), book = t(kTotalRow, 1);
    if (shares > kHalfCent && !(book < kHalfCent))
        v.avgCost = Money::fromDouble(book.toDouble() / shares.toDouble());

    v.closing.push_back(QStringList(8));
    v.closing.push_back(
        {QStringLiteral("Total:"), QString(), QString(), Format(shares, u"####,,###.0000"),
         cur + Format(t(kTotalRow, 4), u"###,,###.00"), Format(v.divSharesTotal, u"###,,###.00"),
         cur + Format(t(kTotalRow, 5), u"###,,###.00"), cur + Format(book, u"####,,###.00")});
    v.closing.push_back(QStringList(8));
    QStringList avg(8);
    avg[0] = QStringLiteral("Average per");
    avg[1] = QStringLiteral("share cost = ");
    avg[2] = cur + Format(v.avgCost, u"####,,###.0000");
    v.closing.push_back(avg);
    v.nextRow = v.rowCount() + 1;
    return v;
}

FundPricing PriceFund(const FundTotalsTable& t, double price, const QString& cur) {
    FundPricing p;
    p.price = Money::fromDouble(price);
    const Money shares = t(kTotalRow, 0), book = t(kTotalRow, 1), putIn = t(kTotalRow, 2);
    p.value = p.price * shares;
    p.gain = p.value - book;
    if (!p.value.isZero() && !p.gain.isZero() && (!shares.isZero() || !book.isZero())) {
        const Money base = book < kHalfCent ? putIn : book;
        if (base.isZero()) throw MoneyOverflow("no base for the gain in per cent");
        p.gainPercent = Money::fromDouble(p.gain.toDouble() / base.toDouble() * 100.0);
    }

    p.rows.push_back({QStringLiteral("Current   "), QStringLiteral("Total      "),
                      QStringLiteral("Gain or   "), QStringLiteral("Gain or   ")});
    p.rows.push_back({QStringLiteral("Price   "), QStringLiteral("Value    "),
                      QStringLiteral("Loss ") + cur + QStringLiteral("   "),
                      QStringLiteral("Loss %   ")});
    p.rows.push_back({QStringLiteral("___________"), QStringLiteral("___________"),
                      QStringLiteral("__________"), QStringLiteral("__________")});
    p.rows.push_back({Format(p.price, u"####,,###.00"), Format(p.value, u"####,,###.00"),
                      Format(p.gain, u"####,,###.00"), Format(p.gainPercent, u"###.00") + u'%'});

    // Each figure in a 12-character field, under the end of its heading.
    QString figures(78, u' ');
    auto put = [&figures](int endColumn, const QString& text) {
        const QString field = RightJustify(text, std::max<int>(12, text.size()));
        const int start = std::max<int>(0, endColumn - static_cast<int>(field.size()));
        figures.replace(start, field.size(), field);
    };
    put(14, cur + Format(p.price, u"#,,###.0000"));
    put(38, cur + Format(p.value, u"####,,###.00"));
    put(60, cur + Format(p.gain, u"###,,###.00"));
    put(78, Format(p.gainPercent, u"##0.00") + u'%');
    p.summary =
        QStringList{
            QStringLiteral(
                " Current Price                   Value                Gain $            Gain %"),
            u' ' + QString(77, u'_'), figures.trimmed().isEmpty() ? QString() : figures}
            .join(QStringLiteral("\r\n"));
    return p;
}
