#include "investments/portfolio.h"

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

PortfolioData emptyPortfolio() {
    PortfolioData d;
    d.funds.assign(kFundRows, FundNameRow());
    d.funds[kAllRecordsSlot] = allRecordsRow();
    d.records.assign(kRecordRows, FundRecord());
    return d;
}

// A fund number as stored in a record: the whole number of one of the file's
// fund slots. A record of fund 0, of 31 (all records) or beyond the funds in
// use would be left out of every total.
bool validFundNumber(Money m, int fundCount) {
    return m.raw() % Money::kScale == 0 && m.wholePart() >= 1 && m.wholePart() <= fundCount;
}

}  // namespace

void ResetFundTotals(int columns) {
    State().FundTotals.create(kFundRows, columns);
}

void ResetTables() {
    AppState& s = State();
    s.Records.assign(kRecordRows, FundRecord());
    s.FundNames.assign(kFundRows, FundNameRow());
    s.FundNames[kAllRecordsSlot] = allRecordsRow();
    ResetFundTotals();
    s.ReportText = QStringList(4);
    s.ReportPages = QStringList(4);
}

void EraseTables() {
    AppState& s = State();
    s.Records.clear();
    s.Records.shrink_to_fit();
    s.FundNames.clear();
    s.FundTotals.release();
    s.ReportText.clear();
    s.ReportPages.clear();
    s.FileChanged = 0;
    s.FundFileName.clear();
    s.RecordCount = 0;
    s.FundCount() = 0;
}

bool HasTypeCode(const FundRecord& record, char16_t code) {
    return record.TypeCode.size() == 1 && record.TypeCode[0].toUpper() == QChar(code);
}

QString TypeDescription(int record) {
    const AppState& s = State();
    if (record < 1 || record >= static_cast<int>(s.Records.size())) return QString();
    const FundRecord& r = s.Records[static_cast<size_t>(record)];
    const QString code = r.TypeCode.toUpper();
    if (code == u"B") return QStringLiteral("Bought  ");
    if (code == u"S") return QStringLiteral("Sold    ");
    if (code == u"C") return QStringLiteral("Cash Div.");
    if (code == u"D") return QStringLiteral("Div. Shares");
    if (code == u"F" && r.Price.isZero()) return QStringLiteral("Fee Cash");
    if (code == u"U" && r.Price > Money()) return QStringLiteral("Unit Fee");
    return QString();
}

int FundNumberValue(int slot) {
    const AppState& s = State();
    if (slot < 0 || slot >= static_cast<int>(s.FundNames.size())) return 0;
    bool ok = false;
    const int v = s.FundNames[static_cast<size_t>(slot)].FundNumberText.trimmed().toInt(&ok);
    return ok ? v : 0;
}

int FundRecordCount(int fundNumber) {
    const AppState& s = State();
    const Money fund = Money::fromInt(fundNumber);
    int n = 0;
    for (int r = 1; r <= s.RecordCount && r < static_cast<int>(s.Records.size()); ++r)
        if (s.Records[static_cast<size_t>(r)].FundNo == fund) ++n;
    return n;
}

int NextFundRecord(int from, int fundNumber) {
    const AppState& s = State();
    const Money fund = Money::fromInt(fundNumber);
    const int last = std::min<int>(s.RecordCount, static_cast<int>(s.Records.size()) - 1);
    for (int k = std::max(1, from); k <= last; ++k)
        if (s.Records[static_cast<size_t>(k)].FundNo == fund) return k;
    return 0;
}

int PreviousFundRecord(int from, int fundNumber) {
    const AppState& s = State();
    const Money fund = Money::fromInt(fundNumber);
    const int last = std::min<int>(s.RecordCount, static_cast<int>(s.Records.size()) - 1);
    for (int k = std::min(from, last); k >= 1; --k)
        if (s.Records[static_cast<size_t>(k)].FundNo == fund) return k;
    return 0;
}

int FundRecordPosition(int record, int fundNumber) {
    const AppState& s = State();
    const Money fund = Money::fromInt(fundNumber);
    if (record < 1 || record > s.RecordCount || record >= static_cast<int>(s.Records.size()) ||
        s.Records[static_cast<size_t>(record)].FundNo != fund)
        return 0;
    int position = 0;
    for (int k = 1; k <= record; ++k)
        if (s.Records[static_cast<size_t>(k)].FundNo == fund) ++position;
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

std::optional<QDate> RecordDate(int record) {
    const AppState& s = State();
    if (record < 0 || record >= static_cast<int>(s.Records.size())) return std::nullopt;
    return RecordDate(s.Records[static_cast<size_t>(record)]);
}

QString FileInfoText() {
    const AppState& s = State();
    const QString counts = QStringLiteral("Funds =") + NumText(s.FundCount()) +
                           QStringLiteral("    Records =") + NumText(s.RecordCount) + u' ';
    if (!s.FundFileName.isEmpty()) return u' ' + s.FundFileName + QStringLiteral("    ") + counts;
    return u' ' + counts;
}

std::optional<PortfolioData> ParsePortfolio(const QByteArray& bytes) {
    try {
        FieldReader in(bytes);
        PortfolioData d = emptyPortfolio();
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

std::optional<QByteArray> PortfolioBytes() {
    const AppState& s = State();
    if (s.FundNames.size() < kFundRows || s.Records.size() < kRecordRows) return std::nullopt;
    FieldWriter out;
    out.integer(s.RecordCount);
    out.integer(s.FundCount());
    out.text(s.FundNames[kAllRecordsSlot].FundName);
    out.text(s.FundNames[kAllRecordsSlot].FundNumberText);
    out.endLine();
    for (int k = 1; k <= s.FundCount(); ++k) {
        out.text(s.FundNames[static_cast<size_t>(k)].FundName);
        out.text(s.FundNames[static_cast<size_t>(k)].FundNumberText);
        out.endLine();
    }
    for (int r = 1; r <= s.RecordCount; ++r) {
        const FundRecord& rec = s.Records[static_cast<size_t>(r)];
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

void InstallPortfolio(PortfolioData data) {
    AppState& s = State();
    s.RecordCount = static_cast<int16_t>(data.recordCount);
    s.FundCount() = static_cast<int16_t>(data.fundCount);
    s.FundNames = std::move(data.funds);
    s.Records = std::move(data.records);
}

bool ReadPortfolioFile(const QString& path) {
    // The largest legal file is well under a megabyte; refuse anything huge
    // before reading it all into memory.
    const auto bytes = ReadFileSafely(path, 16 * 1024 * 1024);
    if (!bytes) return false;
    auto data = ParsePortfolio(*bytes);
    if (!data) return false;
    InstallPortfolio(std::move(*data));
    return true;
}

bool WritePortfolioFile(const QString& path, SafeWriteFailure* failure) {
    const auto bytes = PortfolioBytes();
    if (!bytes) {
        if (failure) *failure = {};
        return false;
    }
    return WriteFileSafely(path, *bytes, SafeWriteBackup::KeepPrevious, failure);
}

bool LoadedDatesConvert() {
    const AppState& s = State();
    const int n = std::min<int>(s.RecordCount, 3);
    for (int r = 1; r <= n; ++r)
        if (!RecordDate(r)) return false;
    return true;
}

void RemoveRecord(int record) {
    AppState& s = State();
    if (record < 1 || record > s.RecordCount || s.Records.size() < kRecordRows) return;
    auto first = s.Records.begin() + record;
    std::move(first + 1, s.Records.begin() + s.RecordCount + 1, first);
    s.Records[static_cast<size_t>(s.RecordCount)] = FundRecord();
    s.RecordCount -= 1;
}

void RemoveFundSlot(int slot) {
    AppState& s = State();
    const int count = s.FundCount();
    if (slot < 1 || slot > count || s.FundNames.size() < kFundRows) return;
    for (int k = slot; k < count; ++k) {
        // Slot k takes the name of slot k + 1; that fund's records follow it
        // to slot k's number. The number texts stay with their slots.
        const Money from = Money::fromInt(FundNumberValue(k + 1));
        const Money to = Money::fromInt(FundNumberValue(k));
        for (int r = 1; r <= s.RecordCount; ++r) {
            FundRecord& rec = s.Records[static_cast<size_t>(r)];
            if (rec.FundNo == from) rec.FundNo = to;
        }
        s.FundNames[static_cast<size_t>(k)].FundName =
            s.FundNames[static_cast<size_t>(k + 1)].FundName;
    }
    s.FundNames[static_cast<size_t>(count)] = FundNameRow();
    s.FundCount() = static_cast<int16_t>(count - 1);
}
