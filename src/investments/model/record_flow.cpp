#include "investments/model/record_flow.h"

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_sort.h"

namespace {

// A money column as the record boxes show it: blank when 0.
QString optionalFigure(Money value, const QString& currency) {
    return value.isZero() ? QString() : FigureText(value, currency);
}

}  // namespace

QString CurrentFundName(const Portfolio& p, const BrowseCursor& c) {
    const int f = c.currentFund;
    if (f < 0 || f >= static_cast<int>(p.funds.size())) return QString();
    return p.funds[static_cast<size_t>(f)].FundName;
}

bool FundSelected(const Portfolio& p, const BrowseCursor& c, const QString& fundListText) {
    return fundListText == CurrentFundName(p, c) && c.currentFund >= 1 &&
           c.currentFund <= p.fundCount;
}

bool ChooseFundLine(const Portfolio& p, BrowseCursor& c, int index) {
    if (index < 0 || index >= p.fundCount) return false;
    c.currentFund = static_cast<int16_t>(index + 1);
    c.browseFund = c.currentFund;
    c.browsePos = 1;
    return true;
}

int FindNextShown(const Portfolio& p, BrowseCursor& c) {
    const int k = NextFundRecord(p, c.browsePos, c.browseFund);
    if (k) c.browsePos = c.shownRecord = static_cast<int16_t>(k);
    return k;
}

int FindPreviousShown(const Portfolio& p, BrowseCursor& c) {
    const int k = PreviousFundRecord(p, c.browsePos, c.browseFund);
    if (k) c.browsePos = c.shownRecord = static_cast<int16_t>(k);
    return k;
}

int ShownRecordPosition(const Portfolio& p, const BrowseCursor& c) {
    return FundRecordPosition(p, c.shownRecord, c.browseFund);
}

namespace {

BrowseStep step(const Portfolio& p, BrowseCursor& c, int by,
                int (*find)(const Portfolio&, BrowseCursor&)) {
    c.browsePos = static_cast<int16_t>(c.browsePos + by);
    BrowseStep b;
    b.record = find(p, c);
    if (c.browsePos != c.shownRecord) {
        c.browsePos = c.shownRecord;
        b.atEnd = true;
    }
    return b;
}

}  // namespace

BrowseStep StepForward(const Portfolio& p, BrowseCursor& c) {
    return step(p, c, 1, FindNextShown);
}

BrowseStep StepBack(const Portfolio& p, BrowseCursor& c) {
    return step(p, c, -1, FindPreviousShown);
}

RecordBoxTexts BoxTextsOfRecord(const FundRecord& r, const QString& currency) {
    RecordBoxTexts v;
    v.code = TypeDescription(r);
    v.date = TradeDateText(r);
    v.figures = {r.Price, r.Shares.abs(), r.Fee, r.CashDiv};
    v.price = optionalFigure(r.Price, currency);
    v.shares = FigureText(v.figures.shares, QString());
    v.fee = optionalFigure(r.Fee, currency);
    v.cashDiv = optionalFigure(r.CashDiv, currency);
    v.bookValue = FigureText(r.BookValue, currency);
    return v;
}

EntryOpening CanOpenEntry(const Portfolio& p, const BrowseCursor& c, const QString& fundListText,
                          bool correcting, const QString& codeBoxText) {
    if (!FundSelected(p, c, fundListText)) return EntryOpening::NoFund;
    if (correcting && codeBoxText.isEmpty()) return EntryOpening::NoRecord;
    return EntryOpening::Allowed;
}

StoreResult StoreEntry(Portfolio& p, BrowseCursor& c, const RecordInput& e, bool correcting) {
    switch (CheckRecordEntry(e.dateText, e.code, e.figures)) {
        case EntryCheck::NoDate:
            return StoreResult::NoDate;
        case EntryCheck::Mismatch:
            return StoreResult::Mismatch;
        case EntryCheck::Accepted:
            break;
    }
    // The limit is for adding; a correction changes a record already there.
    if (!correcting && p.recordCount >= kMaxRecords) return StoreResult::RecordsFull;
    const auto date = dates::fromText(e.dateText);
    if (!date) return StoreResult::BadDate;
    if (correcting && (c.browsePos < 1 || c.browsePos > p.recordCount)) return StoreResult::NoRow;
    FundRecord record;
    try {
        record = MakeRecord(c.currentFund, e.code, *date, e.figures);
    } catch (const MoneyOverflow&) {
        return StoreResult::Mismatch;
    }
    int r = c.browsePos;
    if (!correcting) {
        p.recordCount += 1;
        r = p.recordCount;
    }
    p.funds[static_cast<size_t>(c.currentFund)].FundName = e.fundName;
    p.records[static_cast<size_t>(r)] = record;
    c.browsePos = static_cast<int16_t>(r);
    return StoreResult::Stored;
}

NewFund AddFundNamed(Portfolio& p, BrowseCursor& c, const QString& reply) {
    if (reply == u"1" || reply.isEmpty()) return NewFund::Cancelled;
    if (p.fundCount >= kMaxFunds) return NewFund::Full;
    p.fundCount += 1;
    c.currentFund = static_cast<int16_t>(p.fundCount);
    FundNameRow& row = p.funds[static_cast<size_t>(c.currentFund)];
    row.FundName = reply;
    row.FundNumberText = NumText(c.currentFund);
    c.browseFund = c.currentFund;
    c.browsePos = 0;
    return NewFund::Added;
}

Deletion DeleteShown(Portfolio& p, BrowseCursor& c) {
    const int fund = c.currentFund;
    if (FundRecordCount(p, fund) == 0) {
        // The empty fund goes; the others close up and stay in name order.
        RemoveFundSlot(p, fund);
        SortFunds(p);
        c.currentFund = 0;
        return Deletion::FundGone;
    }
    // Exactly the record shown goes; the rest stay in order.
    const int shown = c.browsePos;
    if (shown < 1 || shown > p.recordCount ||
        p.records[static_cast<size_t>(shown)].FundNo != Money::fromInt(fund))
        return Deletion::NoRecord;
    RemoveRecord(p, shown);
    c.browsePos = 1;
    return Deletion::RecordGone;
}
