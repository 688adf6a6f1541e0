#pragma once

// The lists and votes the benchmarks run on: a million random singles and published vote counts,
// the same on every run for a given seed.
#include "base/Money.h"
#include "drawdata/VoteData.h"

#include <random>
#include <vector>

namespace BenchLists {

constexpr qint32 ListLength = 1000000;

inline std::vector<qint32> randomSingles(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint32> number(0, 19682);
    std::vector<qint32> list(ListLength);
    for (qint32& n : list)
        n = number(random);
    return list;
}

// Counts that differ from match to match and outcome to outcome.
inline VoteData publishedVotes(unsigned seed) {
    VoteData vote;
    vote.Kaisaikai = 1234;
    std::mt19937 random(seed);
    std::uniform_int_distribution<qint64> count(10000, 900000);
    for (VoteMatch& match : vote.Matches)
        for (OutcomeVote& outcome : match.Outcomes)
            outcome.Votes = Money::fromYen(count(random));
    return vote;
}

} // namespace BenchLists
