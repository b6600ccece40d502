// Fuzz target: the .wms portfolio reader must take any bytes without a crash, a leak or a hang.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "investments/portfolio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    auto portfolio = ParsePortfolio(bytes);
    if (!portfolio) return 0;
    // Whatever was accepted lies within the tables' capacity.
    if (portfolio->recordCount < 0 || portfolio->recordCount > kMaxRecords) __builtin_trap();
    if (portfolio->fundCount < 0 || portfolio->fundCount > kMaxFunds) __builtin_trap();
    if (portfolio->records.size() != kRecordRows || portfolio->funds.size() != kFundRows)
        __builtin_trap();
    // An accepted file is written again and read back the same.
    State().reset();
    InstallPortfolio(std::move(*portfolio));
    const auto again = PortfolioBytes();
    if (again) {
        auto reread = ParsePortfolio(*again);
        if (!reread || reread->recordCount != State().RecordCount) __builtin_trap();
    }
    State().reset();
    return 0;
}
