#pragma once

#include "analysis/BestGradeMap.h"
#include "analysis/OutcomeModel.h"
#include "analysis/SingleTally.h"

#include <QtGlobal>
#include <array>
#include <vector>

// What the single list can still win as the results come in, and what each result of a match
// still open would leave of it.
struct WhatIfTable {
    // Singles (duplicates counted) that can still reach 1等, at least 2等 and at least 3等:
    // those with no, at most one and at most two misses among the matches decided so far.
    using Reach = std::array<qint64, 3>;

    struct Row {
        int match = 0; // 0-based match index
        // Indexed by the outcome mark 0..2: the reach if the match ends that way, and the chance
        // of at least a 3等 for the list then.
        std::array<Reach, 3> reach{};
        std::array<double, 3> winChance{};
        // The outcome that keeps the most singles able to win (ties: more able to reach 1等,
        // then 2等, then the higher chance, then the screen order 1, 0, 2); -1 when no outcome
        // keeps any.
        int bestOutcome = -1;
    };

    Reach reachNow{};
    double winChanceNow = 0;
    // One row per match still open, in match order.
    std::vector<Row> rows;

    static WhatIfTable compute(const SingleTally& tally, const OutcomeModel& model,
                               const BestGradeMap& best);
};
