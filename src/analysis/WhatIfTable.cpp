#include "analysis/WhatIfTable.h"

#include "drawdata/MarkGrid.h"
#include "drawdata/MatchCount.h"
#include "singles/SingleCodec.h"

#include <tuple>

namespace {

// Marks in the order the screen shows them.

void addReach(WhatIfTable::Reach& reach, int misses, qint64 copies) {
    for (int g = misses; g < 3; ++g)
        reach[std::size_t(g)] += copies;
}

int bestOutcomeOf(const WhatIfTable::Row& row) {
    int best = -1;
    for (const int m : ScreenMarkOrder) {
        const auto& r = row.reach[std::size_t(m)];
        if (r[2] == 0)
            continue;
        if (best < 0) {
            best = m;
            continue;
        }
        const auto& b = row.reach[std::size_t(best)];
        if (std::tie(r[2], r[0], r[1], row.winChance[std::size_t(m)]) >
            std::tie(b[2], b[0], b[1], row.winChance[std::size_t(best)]))
            best = m;
    }
    return best;
}

} // namespace

WhatIfTable WhatIfTable::compute(const SingleTally& tally, const OutcomeModel& model,
                                 const BestGradeMap& best) {
    WhatIfTable table;
    for (int k = 0; k < MatchCount; ++k)
        if (model.isOpen(k))
            table.rows.push_back(Row{k, {}, {}, -1});

    // Misses so far are those at decided matches; each open match adds one more for the
    // outcomes the single does not carry.
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const qint64 copies = tally.count(number);
        if (copies == 0)
            continue;
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        int misses = 0;
        for (int k = 0; k < MatchCount; ++k)
            misses += !model.isOpen(k) && model.hitChance(k, marks[k]) != 1;
        if (misses > 2)
            continue;
        addReach(table.reachNow, misses, copies);
        for (Row& row : table.rows)
            for (int m = 0; m < 3; ++m)
                addReach(row.reach[std::size_t(m)], misses + (marks[row.match] != m), copies);
    }

    // The chance of a win given that an open match ends with m: the other matches' chances
    // summed over the winning outcomes that carry m there.
    long double winNow = 0;
    std::array<std::array<long double, 3>, MatchCount> winIf{};
    for (qint32 outcome = 0; outcome < SingleCodec::SingleCount; ++outcome) {
        if (best.bestGrade(outcome) == 0)
            continue;
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(outcome);
        if (!model.isPossible(marks))
            continue;
        std::array<double, MatchCount + 1> after{};
        after[MatchCount] = 1;
        for (int k = MatchCount - 1; k >= 0; --k)
            after[k] = after[k + 1] * model.chance(k, marks[k]);
        winNow += after[0];
        double before = 1;
        for (int k = 0; k < MatchCount; ++k) {
            winIf[k][marks[k]] += before * after[k + 1];
            before *= model.chance(k, marks[k]);
        }
    }
    table.winChanceNow = double(winNow);
    for (Row& row : table.rows) {
        for (int m = 0; m < 3; ++m)
            row.winChance[std::size_t(m)] = double(winIf[row.match][std::size_t(m)]);
        row.bestOutcome = bestOutcomeOf(row);
    }
    return table;
}
