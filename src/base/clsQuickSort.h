#pragma once

#include "base/ErrorReporter.h"
#include "base/Money.h"

#include <QString>
#include <span>
#include <vector>

// The program's one sorting service. Sorts in place, not stable; the partition scheme of each
// variant is part of its contract because it decides the order of equal keys, which shows on
// screen. The two-ended variants (Long, String, LongIndex, StringIndex) exchange equal keys among
// themselves; the single-ended ones (Double, Currency, CurrencyIndex) never move keys equal to
// the pivot except the pivot itself.
//
// Index variants exchange index entries with their keys. CurrencyIndexSort and StringIndexSort
// create the index: entry i holds lowerBound + i (the caller's lower bound of the key array).
// Every variant returns False after reporting a run-time error.
class clsQuickSort {
public:
    clsQuickSort();

    bool LongSort(std::span<qint32> lngKeys, bool blnOrder);
    bool DoubleSort(std::span<double> dblKeys, bool blnOrder);
    bool CurrencySort(std::span<Money> curKeys, bool blnOrder);
    bool StringSort(std::span<QString> strKeys, bool blnOrder);
    // lngIndex must be as long as lngKeys.
    bool LongIndexSort(std::span<qint32> lngKeys, std::span<qint32> lngIndex, bool blnOrder);
    bool CurrencyIndexSort(std::span<Money> curKeys, std::vector<qint32>& lngIndex, bool blnOrder,
                           qint32 lngLowerBound = 0);
    bool StringIndexSort(std::span<QString> strKeys, std::vector<qint32>& lngIndex, bool blnOrder,
                         qint32 lngLowerBound = 0);

private:
    ErrorReporter m_reporter;
};
