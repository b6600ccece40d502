#include "investments/portfolio_sort.h"

#include <QDate>
#include <utility>
#include <vector>

#include "investments/portfolio.h"
#include "shell/app_state.h"

namespace {

// A slot's fund number: its number text, or the slot itself when the text
// is not the number of a fund (a damaged file must not orphan records).
int slotNumber(int slot) {
    const int n = FundNumberValue(slot);
    return n >= 1 && n <= kMaxFunds ? n : slot;
}

void relabel(int a, int b) {
    AppState& s = State();
    const Money ma = Money::fromInt(a), mb = Money::fromInt(b);
    const int last = std::min<int>(s.RecordCount, static_cast<int>(s.Records.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        Money& no = s.Records[static_cast<size_t>(r)].FundNo;
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

void SortFunds() {
    AppState& s = State();
    const int n = std::min<int>(s.FundCount(), static_cast<int>(s.FundNames.size()) - 1);
    if (n < 2) return;
    shellSort(
        n,
        [&](int j, int k) {
            return s.FundNames[static_cast<size_t>(j)].FundName.compare(
                       s.FundNames[static_cast<size_t>(k)].FundName, Qt::CaseSensitive) <= 0;
        },
        [&](int j, int k) {
            std::swap(s.FundNames[static_cast<size_t>(j)].FundName,
                      s.FundNames[static_cast<size_t>(k)].FundName);
            relabel(slotNumber(j), slotNumber(k));
        });
}

bool SortRecordsByDate() {
    AppState& s = State();
    const int n = std::min<int>(s.RecordCount, static_cast<int>(s.Records.size()) - 1);
    if (n < 1) return true;
    // Every key is converted first, so a bad date leaves the table untouched.
    std::vector<QDate> keys(static_cast<size_t>(n) + 1);
    for (int r = 1; r <= n; ++r) {
        const auto d = RecordDate(r);
        if (!d) return false;
        keys[static_cast<size_t>(r)] = *d;
    }
    shellSort(
        n,
        [&](int j, int k) { return keys[static_cast<size_t>(j)] <= keys[static_cast<size_t>(k)]; },
        [&](int j, int k) {
            std::swap(keys[static_cast<size_t>(j)], keys[static_cast<size_t>(k)]);
            std::swap(s.Records[static_cast<size_t>(j)], s.Records[static_cast<size_t>(k)]);
        });
    return true;
}
