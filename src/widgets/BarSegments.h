#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

// How a bar of a given width is shared among its values: each part in proportion to its value,
// the parts filling the bar exactly (largest remainders get the pixels left over). Values below
// 0 count as 0; with nothing to share every part is 0 wide.
std::vector<int> barSegments(std::span<const qint64> values, int width);
