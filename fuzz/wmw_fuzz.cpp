// Fuzz target: the .wmw net worth reader must take any bytes without a crash, a leak or a hang,
// and whatever it accepts must write out and read back to the same tables.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "networth/model/networth_file.h"

namespace {

bool sameCell(const NetCell& a, const NetCell& b) {
    if (a.kind != b.kind) return false;
    if (a.kind == NetCell::Kind::Text) return a.text == b.text;
    if (a.kind == NetCell::Kind::Number) return a.number == b.number;
    return true;
}

bool sameTables(const NetTables& a, const NetTables& b) {
    if (a.assetCount != b.assetCount || a.liabilityCount != b.liabilityCount) return false;
    for (int r = 0; r < kNetRows; ++r)
        for (int c = 0; c < 2; ++c)
            if (!sameCell(a.assets(r, c), b.assets(r, c)) ||
                !sameCell(a.liabilities(r, c), b.liabilities(r, c)))
                return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    auto parsed = ParseNetWorth(bytes);
    if (!parsed) return 0;
    if (parsed->assetCount < 0 || parsed->assetCount > kNetWorkingRows ||
        parsed->liabilityCount < 0 || parsed->liabilityCount > kNetWorkingRows)
        __builtin_trap();
    if (parsed->assets.rows() != kNetRows || parsed->liabilities.rows() != kNetRows)
        __builtin_trap();
    const auto reread = ParseNetWorth(NetWorthBytes(*parsed));
    if (!reread || !sameTables(*parsed, *reread)) __builtin_trap();
    // The calculation takes whatever was read (or refuses totals beyond the money range).
    if (CalcTotals(*parsed)) {
        const auto calculated = ParseNetWorth(NetWorthBytes(*parsed));
        if (!calculated) __builtin_trap();
    }
    return 0;
}
