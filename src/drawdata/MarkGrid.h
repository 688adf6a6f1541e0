#pragma once

#include "drawdata/MatchCount.h"

#include <array>
#include <cstddef>

// The three marks of a match: 0 draw or other, 1 home win, 2 away win.
inline constexpr int MarkCount = 3;

// One value per mark and match: element [m][k] belongs to mark m of match index k (the single
// frame, the result marks, which counts are shown).
template <typename T> using MarkGrid = std::array<std::array<T, MatchCount>, MarkCount>;

// The screen shows the marks of a match from left to right as 1, 0, 2: home win, draw, away win.
inline constexpr std::array<int, MarkCount> ScreenMarkOrder{1, 0, 2};

// Where a mark stands in the screen order: 0 for mark 1, 1 for mark 0, 2 for mark 2.
constexpr std::size_t screenPosition(int mark) {
    for (std::size_t i = 0; i < ScreenMarkOrder.size(); ++i)
        if (ScreenMarkOrder[i] == mark)
            return i;
    return ScreenMarkOrder.size();
}
