#pragma once

#include "drawdata/MatchCount.h"

#include <QtGlobal>
#include <array>

// The single number system: the nine marks of a single read as a base-3 numeral whose lowest
// digit is match 1. Every class that turns singles into marks goes through here, so a number
// outside 0..19682 is refused in one place.
namespace SingleCodec {

// 3^9: the number of distinct singles, one more than the largest single number.
inline constexpr qint32 SingleCount = 19683;

using Marks = std::array<quint8, MatchCount>;

constexpr bool isValid(qint32 lngNo) {
    return lngNo >= 0 && lngNo < SingleCount;
}

// The marks of a single number; throws RuntimeError::overflow() outside 0..19682.
const Marks& marks(qint32 lngNo);
// The marks of a number already known to be valid.
const Marks& marksUnchecked(qint32 lngNo);

// The number of nine marks; throws RuntimeError::overflow() for a mark other than 0, 1, 2.
qint32 encode(const Marks& bytKousei);

} // namespace SingleCodec
