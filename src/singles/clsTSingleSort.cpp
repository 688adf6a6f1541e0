#include "singles/clsTSingleSort.h"

#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "drawdata/MarkGrid.h"
#include "singles/SingleCodec.h"
#include "singles/SingleKeySort.h"

#include <memory>
#include <vector>

namespace {

void requireSortType(qint32 sortType) {
    if (sortType < 0 || sortType > 2)
        throw RuntimeError::invalidCall();
}

void requireSingles(std::span<const qint32> singles) {
    for (const qint32 number : singles)
        if (!SingleCodec::isValid(number))
            throw RuntimeError::overflow();
}

using KeyTable = std::array<qint32, SingleCodec::SingleCount>;

} // namespace

bool clsTSingleSort::SetVoteData(const VoteData& vote) {
    m_voteRefused = !m_money.SetVoteData(vote);
    if (vote.Kaisaikai != 0)
        m_ninki = PopularityRanks::fromVotes(vote);
    return !m_voteRefused;
}

void clsTSingleSort::MoneySort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted) {
    const WaitCursor wait;
    requireSortType(SortType);
    requireSingles(lngSingle);
    if (m_voteRefused)
        return;
    // There are only 19 683 distinct singles: each estimate is computed once.
    std::vector<qint64> yen(SingleCodec::SingleCount, -1);
    const auto yenAt = [&](std::size_t i) {
        const qint32 single = lngSingle[i];
        if (yen[single] < 0)
            yen[single] =
                m_money.Estimate(SortType + 1, SingleCodec::marksUnchecked(single)).wholeYen();
        return yen[single];
    };
    SingleKeySort::byWholeYen(lngSingle, yenAt, Sorted);
}

void clsTSingleSort::MarkSort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted) {
    const WaitCursor wait;
    requireSortType(SortType);
    requireSingles(lngSingle);
    // Sort types follow the screen order of the marks.
    const auto mark = quint8(ScreenMarkOrder[std::size_t(SortType)]);
    const auto keyOf = std::make_unique<KeyTable>();
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        (*keyOf)[number] = qint32(std::count(marks.begin(), marks.end(), mark));
    }
    sortByCounts(lngSingle, *keyOf, Sorted);
}

void clsTSingleSort::NinkiSort(std::span<qint32> lngSingle, qint32 SortType, bool Sorted) {
    const WaitCursor wait;
    requireSortType(SortType);
    requireSingles(lngSingle);
    const auto keyOf = std::make_unique<KeyTable>();
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        qint32 count = 0;
        for (int k = 0; k < MatchCount; ++k)
            count += m_ninki[k][marks[k]] == SortType;
        (*keyOf)[number] = count;
    }
    sortByCounts(lngSingle, *keyOf, Sorted);
}

void clsTSingleSort::sortByCounts(std::span<qint32> lngSingle, const KeyTable& keyOf, bool Sorted) {
    SingleKeySort::byLongKey(
        lngSingle, [&](std::size_t i) { return keyOf[lngSingle[i]]; }, Sorted);
}
