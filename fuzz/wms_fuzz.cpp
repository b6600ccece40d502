// Fuzz target: the .wms portfolio reader must take any bytes without a crash, a leak or a hang,
// and whatever it accepts must be written and read back as the very same tables.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "investments/model/portfolio.h"

namespace {

// A double quote cannot be stored in a name; the writer puts "'" in its place.
QString stored(QString text) {
    return text.replace(u'"', u'\'');
}

bool sameFund(const FundNameRow& a, const FundNameRow& b) {
    return stored(a.FundName) == b.FundName && stored(a.FundNumberText) == b.FundNumberText;
}

bool sameRecord(const FundRecord& a, const FundRecord& b) {
    return a.FundNo == b.FundNo && a.Price == b.Price && a.Shares == b.Shares && a.Fee == b.Fee &&
           a.CashDiv == b.CashDiv && a.BookValue == b.BookValue &&
           stored(a.TypeCode) == b.TypeCode && a.TradeDate.toDate() == b.TradeDate.toDate();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    auto portfolio = ParsePortfolio(bytes);
    if (!portfolio) return 0;
    // Whatever was accepted lies within the tables' capacity.
    if (portfolio->recordCount < 0 || portfolio->recordCount > kMaxRecords) __builtin_trap();
    if (portfolio->fundCount < 0 || portfolio->fundCount > kMaxFunds) __builtin_trap();
    if (portfolio->records.size() != kRecordRows || portfolio->funds.size() != kFundRows)
        __builtin_trap();
    const Portfolio& first = *portfolio;
    // An accepted file can be written, and reads back as the same tables.
    const auto again = PortfolioBytes(first);
    if (!again) __builtin_trap();
    const auto reread = ParsePortfolio(*again);
    if (!reread || reread->recordCount != first.recordCount || reread->fundCount != first.fundCount)
        __builtin_trap();
    for (int k = 1; k <= first.fundCount; ++k)
        if (!sameFund(first.funds[k], reread->funds[k])) __builtin_trap();
    if (!sameFund(first.funds[kAllRecordsSlot], reread->funds[kAllRecordsSlot])) __builtin_trap();
    for (int r = 1; r <= first.recordCount; ++r)
        if (!sameRecord(first.records[r], reread->records[r])) __builtin_trap();
    // Written once more, the bytes no longer change.
    if (PortfolioBytes(*reread) != again) __builtin_trap();
    return 0;
}
