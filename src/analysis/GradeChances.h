#pragma once

#include "analysis/OutcomeModel.h"
#include "singles/SingleCodec.h"

#include <array>

namespace GradeChances {

// Chance that a single ends with exactly 0, 1 and 2 misses: its 1等, 2等 and 3等 chances.
using Chances = std::array<double, 3>;

// A short dynamic programme over the nine matches, keeping the chance of 0, 1 and 2 misses so
// far.
Chances of(const SingleCodec::Marks& marks, const OutcomeModel& model);

} // namespace GradeChances
