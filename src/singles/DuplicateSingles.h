#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

namespace DuplicateSingles {

// The list without its later copies: the first occurrence of every single keeps its place and
// the survivors keep their order. A number that is no single throws RuntimeError::overflow().
std::vector<qint32> removeDuplicates(std::span<const qint32> lngSingle);

} // namespace DuplicateSingles
