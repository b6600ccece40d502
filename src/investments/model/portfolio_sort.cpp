#include "investments/model/portfolio_sort.h"

#include <QDate>
#include <utility>
#include <vector>

#include "investments/model/portfolio.h"

namespace {

// A slot's fund number: its number text, or the slot itself when the text
// is not the number of a fund (a damaged file must not orphan records).
int slotNumber(const Portfolio& p, int slot) {
    const int n = FundNumberValue(p, slot);
    return n >= 1 && n <= kMaxFunds ? n : slot;
}

void relabel(Portfolio& p, int a, int b) {
    const Money ma = Money::fromInt(a), mb = Money::fromInt(b);
    const int last = std::min<int>(p.recordCount, static_cast<int>(p.records.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        Money& no = p.records[static_cast<size_t>(r)].FundNo;
        if (no == ma) {
            no = mb;
        } else if (no == mb) {
            no = ma;
        }
    }
}

// Shell sort over 1..n with the gap sequence n\2, n\4, ... 1: `inOrder(j, k)`
// says whether items j and k (j < k) may stay as they are, `swap` exchanges them.
template <class InOrder, class Swap>
void shellSort(int n, InOrder inOrder, Swap swap) {
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i <= n - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                if (inOrder(j, j + gap)) break;
                swap(j, j + gap);
            }
        }
    }
}

}  // namespace

void SortFunds(Portfolio& p) {
    const int n = std::min<int>(p.fundCount, static_cast<int>(p.funds.size()) - 1);
    if (n < 2) return;
    shellSort(
        n,
        [&](int j, int k) {
            return p.funds[static_cast<size_t>(j)].FundName.compare(
                       p.funds[static_cast<size_t>(k)].FundName, Qt::CaseSensitive) <= 0;
        },
        [&](int j, int k) {
            std::swap(p.funds[static_cast<size_t>(j)].FundName,
                      p.funds[static_cast<size_t>(k)].FundName);
            relabel(p, slotNumber(p, j), slotNumber(p, k));
        });
}

bool SortRecordsByDate(Portfolio& p) {
    const int n = std::min<int>(p.recordCount, static_cast<int>(p.records.size()) - 1);
    if (n < 1) return true;
    // Every key is converted first, so a bad date leaves the table untouched.
    std::vector<QDate> keys(static_cast<size_t>(n) + 1);
    for (int r = 1; r <= n; ++r) {
        const auto d = RecordDate(p.records[static_cast<size_t>(r)]);
        if (!d) return false;
        keys[static_cast<size_t>(r)] = *d;
    }
    shellSort(
        n,
        [&](int j, int k) { return keys[static_cast<size_t>(j)] <= keys[static_cast<size_t>(k)]; },
        [&](int j, int k) {
            std::swap(keys[static_cast<size_t>(j)], keys[static_cast<size_t>(k)]);
            std::swap(p.records[static_cast<size_t>(j)], p.records[static_cast<size_t>(k)]);
        });
    return true;
}
