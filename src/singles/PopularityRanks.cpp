#include "singles/PopularityRanks.h"

#include "base/clsQuickSort.h"

namespace PopularityRanks {

PopularityTable fromVotes(const VoteData& vote) {
    PopularityTable ranks{};
    clsQuickSort sort;
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        std::array<Money, 3> votes{};
        for (int m = 0; m < 3; ++m)
            votes[m] = vote.Matches[k].Outcomes[m].Votes;
        std::vector<qint32> outcome;
        if (!sort.CurrencyIndexSort(votes, outcome, true))
            continue; // reported by the sort
        // Ascending by votes: the last is the most popular.
        for (int pos = 0; pos < 3; ++pos)
            ranks[k][outcome[pos]] = 2 - pos;
    }
    return ranks;
}

} // namespace PopularityRanks
