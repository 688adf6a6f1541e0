#pragma once

#include "base/RuntimeError.h"

#include <cstddef>
#include <span>
#include <utility>

// The two partition schemes behind clsQuickSort, for any key type. Recursion always goes into the
// smaller part and loops over the larger one, so the depth stays logarithmic; the two parts are
// disjoint, so the order in which they are sorted does not change the result.
namespace QuickSortSchemes {

// Keys and an optional index that moves with them.
template <typename Key> struct Items {
    std::span<Key> keys;
    qint32* index = nullptr;

    void exchange(std::ptrdiff_t a, std::ptrdiff_t b) {
        std::swap(keys[a], keys[b]);
        if (index)
            std::swap(index[a], index[b]);
    }
};

// "before(a, b)" is a < b ascending, a > b descending.
template <typename Key, typename Before>
void twoEnded(Items<Key>& items, std::ptrdiff_t lo, std::ptrdiff_t hi, const Before& before) {
    auto& keys = items.keys;
    const std::ptrdiff_t size = std::ptrdiff_t(keys.size());
    while (lo < hi) {
        const Key pivot = keys[(lo + hi) / 2];
        std::ptrdiff_t i = lo;
        std::ptrdiff_t j = hi;
        for (;;) {
            while (before(keys[i], pivot))
                if (++i >= size)
                    throw RuntimeError::subscriptOutOfRange();
            while (before(pivot, keys[j]))
                if (--j < 0)
                    throw RuntimeError::subscriptOutOfRange();
            if (i >= j)
                break;
            items.exchange(i, j);
            ++i;
            --j;
        }
        // Sort [lo, i - 1] and [j + 1, hi].
        if (i - 1 - lo < hi - (j + 1)) {
            twoEnded(items, lo, i - 1, before);
            lo = j + 1;
        } else {
            twoEnded(items, j + 1, hi, before);
            hi = i - 1;
        }
    }
}

// In a range of equal keys the single-ended scheme only moves the middle element to the front
// and goes on with the rest: that sequence of exchanges, applied directly.
template <typename Key>
void singleEndedAllEqual(Items<Key>& items, std::ptrdiff_t lo, std::ptrdiff_t hi) {
    for (; lo < hi; ++lo)
        items.exchange(lo, (lo + hi) / 2);
}

template <typename Key, typename Before>
void singleEndedFloor(Items<Key>& items, std::ptrdiff_t lo, std::ptrdiff_t hi, const Before& before,
                      const Key& floor);

template <typename Key, typename Before>
void singleEnded(Items<Key>& items, std::ptrdiff_t lo, std::ptrdiff_t hi, const Before& before) {
    auto& keys = items.keys;
    // Set while every key of [lo, hi] is known not to come before `floor`.
    bool floorKnown = false;
    Key floor{};
    while (lo < hi) {
        const std::ptrdiff_t middle = (lo + hi) / 2;
        if (floorKnown && !before(floor, keys[middle]) && !before(keys[middle], floor)) {
            // The pivot equals the range's first key in order: no key moves but the pivot,
            // which goes to the front, and the rest of the range is sorted next.
            items.exchange(lo, middle);
            ++lo;
            continue;
        }
        const Key pivot = keys[middle];
        const qint32 pivotIndex = items.index ? items.index[middle] : 0;
        keys[middle] = keys[lo];
        if (items.index)
            items.index[middle] = items.index[lo];
        std::ptrdiff_t last = lo;
        bool anyAfterPivot = false;
        for (std::ptrdiff_t k = lo + 1; k <= hi; ++k) {
            if (before(keys[k], pivot)) {
                ++last;
                items.exchange(last, k);
            } else if (!anyAfterPivot && before(pivot, keys[k])) {
                anyAfterPivot = true;
            }
        }
        keys[lo] = keys[last];
        keys[last] = pivot;
        if (items.index) {
            items.index[lo] = items.index[last];
            items.index[last] = pivotIndex;
        }
        // Sort [lo, last - 1], then [last + 1, hi]; the upper part holds keys that do not come
        // before the pivot, all equal to it when none comes after it.
        if (!anyAfterPivot) {
            singleEndedAllEqual(items, last + 1, hi);
            hi = last - 1;
            floorKnown = false;
        } else if (last - lo < hi - last) {
            singleEnded(items, lo, last - 1, before);
            lo = last + 1;
            floorKnown = true;
            floor = pivot;
        } else {
            // Keys of the upper part are not before the pivot.
            singleEndedFloor(items, last + 1, hi, before, pivot);
            hi = last - 1;
            floorKnown = false;
        }
    }
}

template <typename Key, typename Before>
void singleEndedFloor(Items<Key>& items, std::ptrdiff_t lo, std::ptrdiff_t hi, const Before& before,
                      const Key& floor) {
    // Skips the pivots equal to the known floor before the general scheme takes over.
    auto& keys = items.keys;
    while (lo < hi) {
        const std::ptrdiff_t middle = (lo + hi) / 2;
        if (before(floor, keys[middle]) || before(keys[middle], floor))
            break;
        items.exchange(lo, middle);
        ++lo;
    }
    singleEnded(items, lo, hi, before);
}

} // namespace QuickSortSchemes
