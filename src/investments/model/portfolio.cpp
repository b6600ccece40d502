#include "investments/model/portfolio.h"

#include <QFileInfo>

#include "common/dates.h"
#include "common/field_codec.h"
#include "common/number_format.h"
#include "common/safe_read.h"
#include "common/safe_write.h"

namespace {

FundNameRow allRecordsRow() {
    return {QStringLiteral("All Records"), QStringLiteral("31")};
}

// A fund number as stored in a record: the whole number of one of the file's
// fund slots. A record of fund 0, of 31 (all records) or beyond the funds in
// use would be left out of every total.
bool validFundNumber(Money m, int fundCount) {
    return m.raw() % Money::kScale == 0 && m.wholePart() >= 1 && m.wholePart() <= fundCount;
}

// Record r of the portfolio, when it is one of the rows that exist.
const FundRecord* recordAt(const Portfolio& p, int r) {
    if (r < 0 || r >= static_cast<int>(p.records.size())) return nullptr;
    return &p.records[static_cast<size_t>(r)];
}

// The last record in use that the table holds.
int lastRecord(const Portfolio& p) {
    return std::min<int>(p.recordCount, static_cast<int>(p.records.size()) - 1);
}

}  // namespace

Portfolio EmptyPortfolio() {
    Portfolio d;
    d.funds.assign(kFundRows, FundNameRow());
    d.funds[kAllRecordsSlot] = allRecordsRow();
    d.records.assign(kRecordRows, FundRecord());
    return d;
}

void ResetFundTotals(FundTotalsTable& totals, int columns) {
    totals.create(kFundRows, columns);
}

bool HasTypeCode(const FundRecord& record, char16_t code) {
    return record.TypeCode.size() == 1 && record.TypeCode[0].toUpper() == QChar(code);
}

QString TypeDescription(const FundRecord& r) {
    const QString code = r.TypeCode.toUpper();
    if (code == u"B") return QStringLiteral("Bought  ");
    if (code == u"S") return QStringLiteral("Sold    ");
    if (code == u"C") return QStringLiteral("Cash Div.");
    if (code == u"D") return QStringLiteral("Div. Shares");
    if (code == u"F" && r.Price.isZero()) return QStringLiteral("Fee Cash");
    if (code == u"U" && r.Price > Money()) return QStringLiteral("Unit Fee");
    return QString();
}

int FundNumberValue(const Portfolio& p, int slot) {
    if (slot < 0 || slot >= static_cast<int>(p.funds.size())) return 0;
    bool ok = false;
    const int v = p.funds[static_cast<size_t>(slot)].FundNumberText.trimmed().toInt(&ok);
    return ok ? v : 0;
}

int FundRecordCount(const Portfolio& p, int fundNumber) {
    const Money fund = Money::fromInt(fundNumber);
    int n = 0;
    for (int r = 1; r <= lastRecord(p); ++r)
        if (p.records[static_cast<size_t>(r)].FundNo == fund) ++n;
    return n;
}

int NextFundRecord(const Portfolio& p, int from, int fundNumber) {
    const Money fund = Money::fromInt(fundNumber);
    for (int k = std::max(1, from); k <= lastRecord(p); ++k)
        if (p.records[static_cast<size_t>(k)].FundNo == fund) return k;
    return 0;
}

int PreviousFundRecord(const Portfolio& p, int from, int fundNumber) {
    const Money fund = Money::fromInt(fundNumber);
    for (int k = std::min(from, lastRecord(p)); k >= 1; --k)
        if (p.records[static_cast<size_t>(k)].FundNo == fund) return k;
    return 0;
}

int FundRecordPosition(const Portfolio& p, int record, int fundNumber) {
    const Money fund = Money::fromInt(fundNumber);
    if (record < 1 || record > lastRecord(p) ||
        p.records[static_cast<size_t>(record)].FundNo != fund)
        return 0;
    int position = 0;
    for (int k = 1; k <= record; ++k)
        if (p.records[static_cast<size_t>(k)].FundNo == fund) ++position;
    return position;
}

std::optional<QDate> RecordDate(const FundRecord& record) {
    const QVariant& v = record.TradeDate;
    if (v.typeId() == QMetaType::QDate) {
        const QDate d = v.toDate();
        if (!d.isValid()) return std::nullopt;
        // The short format always shows four-digit years, so a date of the
        // years 100 to 9999 reads back as itself; only others need the trip.
        if (d.year() >= 100 && d.year() <= 9999) return d;
        return dates::fromText(dates::toText(d));
    }
    if (v.typeId() == QMetaType::QString) return dates::fromText(v.toString());
    return std::nullopt;
}

QString TradeDateText(const FundRecord& record) {
    if (record.TradeDate.typeId() == QMetaType::QDate)
        return dates::toText(record.TradeDate.toDate());
    return record.TradeDate.toString();
}

QString FileInfoText(const QString& fileName, int funds, int records) {
    const QString counts = QStringLiteral("Funds =") + NumText(funds) +
                           QStringLiteral("    Records =") + NumText(records) + u' ';
    if (!fileName.isEmpty()) return u' ' + fileName + QStringLiteral("    ") + counts;
    return u' ' + counts;
}

std::optional<Portfolio> ParsePortfolio(const QByteArray& bytes) {
    try {
        FieldReader in(bytes);
        Portfolio d = EmptyPortfolio();
        const int64_t records = in.integer();
        const int64_t funds = in.integer();
        if (records < 0 || records > kMaxRecords || funds < 0 || funds > kMaxFunds)
            return std::nullopt;
        d.recordCount = static_cast<int>(records);
        d.fundCount = static_cast<int>(funds);
        FundNameRow& all = d.funds[kAllRecordsSlot];
        all.FundName = in.text();
        all.FundNumberText = in.text();
        for (int k = 1; k <= d.fundCount; ++k) {
            FundNameRow& f = d.funds[static_cast<size_t>(k)];
            f.FundName = in.text();
            f.FundNumberText = in.text();
        }
        for (int r = 1; r <= d.recordCount; ++r) {
            FundRecord& rec = d.records[static_cast<size_t>(r)];
            rec.FundNo = in.money();
            if (!validFundNumber(rec.FundNo, d.fundCount)) return std::nullopt;
            rec.Price = in.money();
            rec.Shares = in.money();
            rec.Fee = in.money();
            rec.CashDiv = in.money();
            rec.BookValue = in.money();
            const Field code = in.field();
            if (code.kind != Field::Kind::Quoted && code.kind != Field::Kind::Bare)
                return std::nullopt;
            // One of the six transaction codes (the earlier version may have
            // stored a lower-case one; it is kept as written).
            if (code.text.size() != 1 || !QStringLiteral("BSCDFU").contains(code.text.toUpper()))
                return std::nullopt;
            rec.TypeCode = code.text;
            const QDate date = in.date();
            rec.TradeDate = date;
            // A date the program could not write back (the years 1 to 99)
            // would make every later save fail: refuse the file now.
            const auto writable = RecordDate(rec);
            if (!writable || *writable != date) return std::nullopt;
        }
        if (!in.atEnd()) return std::nullopt;
        return d;
    } catch (const FormatError&) {
        return std::nullopt;
    } catch (const MoneyOverflow&) {
        return std::nullopt;
    }
}

std::optional<QByteArray> PortfolioBytes(const Portfolio& p) {
    if (p.funds.size() < kFundRows || p.records.size() < kRecordRows) return std::nullopt;
    FieldWriter out;
    out.integer(p.recordCount);
    out.integer(p.fundCount);
    out.text(p.funds[kAllRecordsSlot].FundName);
    out.text(p.funds[kAllRecordsSlot].FundNumberText);
    out.endLine();
    for (int k = 1; k <= p.fundCount; ++k) {
        out.text(p.funds[static_cast<size_t>(k)].FundName);
        out.text(p.funds[static_cast<size_t>(k)].FundNumberText);
        out.endLine();
    }
    for (int r = 1; r <= p.recordCount; ++r) {
        const FundRecord& rec = p.records[static_cast<size_t>(r)];
        const auto date = RecordDate(rec);
        if (!date) return std::nullopt;
        out.number(rec.FundNo);
        out.number(rec.Price);
        out.number(rec.Shares);
        out.number(rec.Fee);
        out.number(rec.CashDiv);
        out.number(rec.BookValue);
        out.text(rec.TypeCode);
        out.date(*date);
        out.endLine();
    }
    return out.bytes();
}

std::optional<Portfolio> ReadPortfolioFile(const QString& path) {
    // The largest legal file is well under a megabyte; refuse anything huge
    // before reading it all into memory.
    const auto bytes = ReadFileSafely(path, 16 * 1024 * 1024);
    if (!bytes) return std::nullopt;
    return ParsePortfolio(*bytes);
}

bool WritePortfolioFile(const QString& path, const Portfolio& p, SafeWriteFailure* failure) {
    const auto bytes = PortfolioBytes(p);
    if (!bytes) {
        if (failure) *failure = {};
        return false;
    }
    return WriteFileSafely(path, *bytes, SafeWriteBackup::KeepPrevious, failure);
}

bool LoadedDatesConvert(const Portfolio& p) {
    const int n = std::min<int>(p.recordCount, 3);
    for (int r = 1; r <= n; ++r) {
        const FundRecord* rec = recordAt(p, r);
        if (!rec || !RecordDate(*rec)) return false;
    }
    return true;
}

void RemoveRecord(Portfolio& p, int record) {
    if (record < 1 || record > p.recordCount || p.records.size() < kRecordRows) return;
    auto first = p.records.begin() + record;
    std::move(first + 1, p.records.begin() + p.recordCount + 1, first);
    p.records[static_cast<size_t>(p.recordCount)] = FundRecord();
    p.recordCount -= 1;
}

void RemoveFundSlot(Portfolio& p, int slot) {
    const int count = p.fundCount;
    if (slot < 1 || slot > count || p.funds.size() < kFundRows) return;
    for (int k = slot; k < count; ++k) {
        // Slot k takes the name of slot k + 1; that fund's records follow it
        // to slot k's number. The number texts stay with their slots.
        const Money from = Money::fromInt(FundNumberValue(p, k + 1));
        const Money to = Money::fromInt(FundNumberValue(p, k));
        for (int r = 1; r <= p.recordCount; ++r) {
            FundRecord& rec = p.records[static_cast<size_t>(r)];
            if (rec.FundNo == from) rec.FundNo = to;
        }
        p.funds[static_cast<size_t>(k)].FundName = p.funds[static_cast<size_t>(k + 1)].FundName;
    }
    p.funds[static_cast<size_t>(count)] = FundNameRow();
    p.fundCount = count - 1;
}
