#pragma once

#include "analysis/OutcomeModel.h"
#include "analysis/SingleTally.h"

#include <QtGlobal>
#include <vector>

// The best a single list does against every one of the 19 683 outcomes: the fewest misses
// among its singles, cancelled matches counting as hits. Found by a breadth-first search from
// the list's distinct singles over the outcome graph, where two outcomes are neighbours when
// they differ at one match, so the work is the same for ten singles or a million.
class BestGradeMap {
public:
    // The value of every outcome when the list is empty.
    static constexpr quint8 NoSingle = 0xFF;

    BestGradeMap(const SingleTally& tally, const OutcomeModel& model);

    quint8 fewestMisses(qint32 outcome) const { return m_misses[std::size_t(outcome)]; }

    // The list's best grade against an outcome: 1, 2 or 3, or 0 when it wins nothing.
    int bestGrade(qint32 outcome) const {
        const quint8 misses = fewestMisses(outcome);
        return misses <= 2 ? misses + 1 : 0;
    }

private:
    std::vector<quint8> m_misses;
};
