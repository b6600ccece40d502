#include "investments/record_flow.h"

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/portfolio.h"
#include "investments/portfolio_sort.h"

namespace {

// A money column as the record boxes show it: blank when 0.
QString optionalFigure(Money value) {
    return value.isZero() ? QString() : FigureText(value, true);
}

}  // namespace

QString CurrentFundName() {
    const AppState& s = State();
    const int f = s.CurrentFund;
    if (f < 0 || f >= static_cast<int>(s.FundNames.size())) return QString();
    return s.FundNames[static_cast<size_t>(f)].FundName;
}

bool FundSelected(const QString& fundListText) {
    const AppState& s = State();
    return fundListText == CurrentFundName() && s.CurrentFund >= 1 &&
           s.CurrentFund <= s.FundCount();
}

bool ChooseFundLine(int index) {
    AppState& s = State();
    if (index < 0 || index >= s.FundCount()) return false;
    s.CurrentFund = static_cast<int16_t>(index + 1);
    s.BrowseFund = s.CurrentFund;
    s.BrowsePos = 1;
    return true;
}

int FindNextShown() {
    AppState& s = State();
    const int k = NextFundRecord(s.BrowsePos, s.BrowseFund);
    if (k) s.BrowsePos = s.ShownRecord = static_cast<int16_t>(k);
    return k;
}

int FindPreviousShown() {
    AppState& s = State();
    const int k = PreviousFundRecord(s.BrowsePos, s.BrowseFund);
    if (k) s.BrowsePos = s.ShownRecord = static_cast<int16_t>(k);
    return k;
}

int ShownRecordPosition() {
    const AppState& s = State();
    return FundRecordPosition(s.ShownRecord, s.BrowseFund);
}

namespace {

BrowseStep step(int by, int (*find)()) {
    AppState& s = State();
    s.BrowsePos = static_cast<int16_t>(s.BrowsePos + by);
    BrowseStep b;
    b.record = find();
    if (s.BrowsePos != s.ShownRecord) {
        s.BrowsePos = s.ShownRecord;
        b.atEnd = true;
    }
    return b;
}

}  // namespace

BrowseStep StepForward() {
    return step(1, FindNextShown);
}

BrowseStep StepBack() {
    return step(-1, FindPreviousShown);
}

RecordBoxTexts BoxTextsOfRecord(int k) {
    const FundRecord& r = State().Records[static_cast<size_t>(k)];
    RecordBoxTexts v;
    v.code = TypeDescription(k);
    v.date = r.TradeDate.typeId() == QMetaType::QDate ? dates::toText(r.TradeDate.toDate())
                                                      : r.TradeDate.toString();
    v.figures = {r.Price, r.Shares.abs(), r.Fee, r.CashDiv};
    v.price = optionalFigure(r.Price);
    v.shares = FigureText(v.figures.shares, false);
    v.fee = optionalFigure(r.Fee);
    v.cashDiv = optionalFigure(r.CashDiv);
    v.bookValue = FigureText(r.BookValue, true);
    return v;
}

EntryOpening CanOpenEntry(const QString& fundListText, bool correcting,
                          const QString& codeBoxText) {
    if (!FundSelected(fundListText)) return EntryOpening::NoFund;
    if (correcting && codeBoxText.isEmpty()) return EntryOpening::NoRecord;
    return EntryOpening::Allowed;
}

StoreResult StoreEntry(const RecordInput& e, bool correcting) {
    AppState& s = State();
    switch (CheckRecordEntry(e.dateText, e.code, e.figures)) {
        case EntryCheck::NoDate:
            return StoreResult::NoDate;
        case EntryCheck::Mismatch:
            return StoreResult::Mismatch;
        case EntryCheck::Accepted:
            break;
    }
    // The limit is for adding; a correction changes a record already there.
    if (!correcting && s.RecordCount >= kMaxRecords) return StoreResult::RecordsFull;
    const auto date = dates::fromText(e.dateText);
    if (!date) return StoreResult::BadDate;
    if (correcting && (s.BrowsePos < 1 || s.BrowsePos > s.RecordCount)) return StoreResult::NoRow;
    FundRecord record;
    try {
        record = MakeRecord(s.CurrentFund, e.code, *date, e.figures);
    } catch (const MoneyOverflow&) {
        return StoreResult::Mismatch;
    }
    int r = s.BrowsePos;
    if (!correcting) {
        s.RecordCount += 1;
        r = s.RecordCount;
    }
    s.FundNames[static_cast<size_t>(s.CurrentFund)].FundName = e.fundName;
    s.Records[static_cast<size_t>(r)] = record;
    s.BrowsePos = static_cast<int16_t>(r);
    return StoreResult::Stored;
}

NewFund AddFundNamed(const QString& reply) {
    AppState& s = State();
    if (reply == u"1" || reply.isEmpty()) return NewFund::Cancelled;
    if (s.FundCount() >= kMaxFunds) return NewFund::Full;
    s.FundCount() += 1;
    s.CurrentFund = s.FundCount();
    FundNameRow& row = s.FundNames[static_cast<size_t>(s.CurrentFund)];
    row.FundName = reply;
    row.FundNumberText = NumText(s.CurrentFund);
    s.BrowseFund = s.FundCount();
    s.BrowsePos = 0;
    return NewFund::Added;
}

Deletion DeleteShown() {
    AppState& s = State();
    const int fund = s.CurrentFund;
    if (FundRecordCount(fund) == 0) {
        // The empty fund goes; the others close up and stay in name order.
        RemoveFundSlot(fund);
        SortFunds();
        s.CurrentFund = 0;
        // The file has lost a fund: leaving without saving must ask.
        s.FileChanged = 1;
        return Deletion::FundGone;
    }
    // Exactly the record shown goes; the rest stay in order.
    const int shown = s.BrowsePos;
    if (shown < 1 || shown > s.RecordCount ||
        s.Records[static_cast<size_t>(shown)].FundNo != Money::fromInt(fund))
        return Deletion::NoRecord;
    RemoveRecord(shown);
    s.BrowsePos = 1;
    return Deletion::RecordGone;
}
