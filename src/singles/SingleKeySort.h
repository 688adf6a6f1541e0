#pragma once

#include "base/QuickSortSchemes.h"
#include "base/RuntimeError.h"

#include <QtGlobal>
#include <memory>
#include <span>

// Reorders a single list by a key per single with the program's sort schemes: the two-ended
// scheme of clsQuickSort::LongIndexSort for 32-bit keys, the single-ended scheme of
// CurrencyIndexSort for estimates. The result is the one of those index sorts followed by
// new[i] = old[index[i]]: the key and the single travel together in one 64-bit item, so a list
// of a million singles is sorted in one array instead of keys, index and a copy of the list.
namespace SingleKeySort {

namespace detail {

// fill packs a single with its key, sort sorts the items, unpack takes the single back out.
template <typename Fill, typename Sort, typename Unpack>
void sortPacked(std::span<qint32> singles, const Fill& fill, const Sort& sort,
                const Unpack& unpack) {
    const std::size_t n = singles.size();
    const auto items = std::make_unique_for_overwrite<quint64[]>(n);
    for (std::size_t i = 0; i < n; ++i)
        items[i] = fill(i, singles[i]);
    QuickSortSchemes::Items<quint64> packed{std::span<quint64>(items.get(), n), nullptr};
    sort(packed, std::ptrdiff_t(n) - 1);
    for (std::size_t i = 0; i < n; ++i)
        singles[i] = unpack(items[i]);
}

} // namespace detail

// keyAt(i) gives the 32-bit key of position i; ascending or descending as clsQuickSort's
// LongIndexSort.
template <typename KeyAt>
void byLongKey(std::span<qint32> singles, const KeyAt& keyAt, bool ascending) {
    // Flipping the sign bit keeps the order of signed keys in the upper half.
    const auto fill = [&keyAt](std::size_t i, qint32 single) {
        return quint64(quint32(keyAt(i)) ^ 0x80000000u) << 32 | quint32(single);
    };
    const auto before = [ascending](quint64 a, quint64 b) {
        return ascending ? (a >> 32) < (b >> 32) : (b >> 32) < (a >> 32);
    };
    detail::sortPacked(
        singles, fill,
        [&before](auto& items, std::ptrdiff_t hi) {
            QuickSortSchemes::twoEnded(items, 0, hi, before);
        },
        [](quint64 item) { return qint32(item & 0xFFFFFFFFu); });
}

// yenAt(i) gives the estimate of position i in whole yen, 0..2^47; ascending or descending as
// clsQuickSort's CurrencyIndexSort. Singles are 0..19682 and need 15 bits.
template <typename YenAt>
void byWholeYen(std::span<qint32> singles, const YenAt& yenAt, bool ascending) {
    constexpr int SingleBits = 15;
    const auto fill = [&yenAt](std::size_t i, qint32 single) {
        const qint64 yen = yenAt(i);
        if (yen < 0 || yen >= (qint64(1) << 47) || single < 0 || single >= (1 << SingleBits))
            throw RuntimeError::overflow();
        return quint64(yen) << SingleBits | quint64(single);
    };
    const auto before = [ascending](quint64 a, quint64 b) {
        return ascending ? (a >> SingleBits) < (b >> SingleBits)
                         : (b >> SingleBits) < (a >> SingleBits);
    };
    detail::sortPacked(
        singles, fill,
        [&before](auto& items, std::ptrdiff_t hi) {
            QuickSortSchemes::singleEnded(items, 0, hi, before);
        },
        [](quint64 item) { return qint32(item & ((1u << SingleBits) - 1)); });
}

} // namespace SingleKeySort
