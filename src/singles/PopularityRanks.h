#pragma once

#include "drawdata/MarkGrid.h"
#include "drawdata/VoteData.h"

#include <array>

// For each match and outcome mark the outcome's popularity: 0 for the most votes (1番人気),
// 1 for the second (2番人気), 2 for the fewest (3番人気). Equal counts are ranked in the order
// the currency index sort leaves them: three equal counts make outcome 2 the first, outcome 0
// the second and outcome 1 the third.
using PopularityTable = std::array<std::array<qint32, MarkCount>, MatchCount>; // [match][mark]

namespace PopularityRanks {

PopularityTable fromVotes(const VoteData& vote);

} // namespace PopularityRanks
