#include "singles/DuplicateSingles.h"

#include "base/RuntimeError.h"
#include "singles/SingleCodec.h"

#include <array>

namespace DuplicateSingles {

std::vector<qint32> removeDuplicates(std::span<const qint32> lngSingle) {
    std::array<bool, SingleCodec::SingleCount> seen{};
    std::vector<qint32> kept;
    // No list without duplicates is longer than the number of distinct singles.
    kept.reserve(std::min<std::size_t>(lngSingle.size(), SingleCodec::SingleCount));
    for (const qint32 number : lngSingle) {
        if (!SingleCodec::isValid(number))
            throw RuntimeError::overflow();
        if (!seen[number]) {
            seen[number] = true;
            kept.push_back(number);
        }
    }
    return kept;
}

} // namespace DuplicateSingles
