#pragma once

#include "drawdata/VoteData.h"
#include "singles/PopularityRanks.h"
#include "singles/clsTMoney.h"

#include <span>

// Reorders a single list by estimated prize, by the count of one mark or by the count of matches
// at one popularity rank. The sorts are not stable: equal keys end in the order the partition
// leaves them, the currency index sort's for estimates and the 32-bit index sort's for counts. A
// sort kind outside 0..2 or a number that is no single throws RuntimeError to the caller; the list
// is then unchanged.
class clsTSingleSort {
public:
    clsTSingleSort() = default;

    // False when the vote record was refused (reported by the estimate); MoneySort then leaves
    // lists unchanged.
    bool SetVoteData(const VoteData& vote);

    // SortType 0, 1, 2: by the 1等, 2等, 3等 estimate. Sorted: ascending.
    void MoneySort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted);
    // SortType 0, 1, 2: by the number of marks 1, 0, 2.
    void MarkSort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted);
    // SortType 0, 1, 2: by the number of matches whose mark is 1番人気, 2番人気, 3番人気.
    void NinkiSort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted);

private:
    void sortByCounts(std::span<qint32> lngSingle, const std::array<qint32, 19683>& keyOf,
                      bool Sorted);

    clsTMoney m_money;
    PopularityTable m_ninki{};
    bool m_voteRefused = false;
};
