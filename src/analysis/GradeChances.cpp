#include "analysis/GradeChances.h"

namespace GradeChances {

Chances of(const SingleCodec::Marks& marks, const OutcomeModel& model) {
    Chances misses{1, 0, 0};
    for (int k = 0; k < MatchCount; ++k) {
        const double hit = model.hitChance(k, marks[k]);
        const double miss = model.missChance(k, marks[k]);
        misses[2] = misses[2] * hit + misses[1] * miss;
        misses[1] = misses[1] * hit + misses[0] * miss;
        misses[0] = misses[0] * hit;
    }
    return misses;
}

} // namespace GradeChances
