#include "base/clsQuickSort.h"

#include "base/QuickSortSchemes.h"

#include <numeric>

namespace {

using QuickSortSchemes::Items;

template <typename Key> auto order(bool ascending) {
    return [ascending](const Key& a, const Key& b) { return ascending ? a < b : b < a; };
}

// Character codes, letter case included.
auto stringOrder(bool ascending) {
    return [ascending](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseSensitive);
        return ascending ? c < 0 : c > 0;
    };
}

template <typename Key, typename Before>
void sortTwoEnded(std::span<Key> keys, qint32* index, const Before& before) {
    Items<Key> items{keys, index};
    QuickSortSchemes::twoEnded(items, 0, std::ptrdiff_t(keys.size()) - 1, before);
}

template <typename Key, typename Before>
void sortSingleEnded(std::span<Key> keys, qint32* index, const Before& before) {
    Items<Key> items{keys, index};
    QuickSortSchemes::singleEnded(items, 0, std::ptrdiff_t(keys.size()) - 1, before);
}

void createIndex(std::vector<qint32>& index, std::size_t size, qint32 lowerBound) {
    index.resize(size);
    std::iota(index.begin(), index.end(), lowerBound);
}

// Runs a sort; a run-time error is reported under the operation's name.
template <typename Sort>
bool reporting(const ErrorReporter& reporter, QStringView operation, const Sort& sort) {
    try {
        sort();
        return true;
    } catch (const RuntimeError& e) {
        reporter.runtimeError(operation.toString(), e);
        return false;
    }
}

} // namespace

clsQuickSort::clsQuickSort() : m_reporter(QStringLiteral("clsQuickSort")) {}

bool clsQuickSort::LongSort(std::span<qint32> lngKeys, bool blnOrder) {
    return reporting(m_reporter, u"LongSort",
                     [&] { sortTwoEnded(lngKeys, nullptr, order<qint32>(blnOrder)); });
}

bool clsQuickSort::DoubleSort(std::span<double> dblKeys, bool blnOrder) {
    return reporting(m_reporter, u"DoubleSort",
                     [&] { sortSingleEnded(dblKeys, nullptr, order<double>(blnOrder)); });
}

bool clsQuickSort::CurrencySort(std::span<Money> curKeys, bool blnOrder) {
    return reporting(m_reporter, u"CurrencySort",
                     [&] { sortSingleEnded(curKeys, nullptr, order<Money>(blnOrder)); });
}

bool clsQuickSort::StringSort(std::span<QString> strKeys, bool blnOrder) {
    return reporting(m_reporter, u"StringSort",
                     [&] { sortTwoEnded(strKeys, nullptr, stringOrder(blnOrder)); });
}

bool clsQuickSort::LongIndexSort(std::span<qint32> lngKeys, std::span<qint32> lngIndex,
                                 bool blnOrder) {
    return reporting(m_reporter, u"LongIndexSort", [&] {
        if (lngIndex.size() < lngKeys.size())
            throw RuntimeError::subscriptOutOfRange();
        sortTwoEnded(lngKeys, lngIndex.data(), order<qint32>(blnOrder));
    });
}

bool clsQuickSort::CurrencyIndexSort(std::span<Money> curKeys, std::vector<qint32>& lngIndex,
                                     bool blnOrder, qint32 lngLowerBound) {
    return reporting(m_reporter, u"CurrencyIndexSort", [&] {
        createIndex(lngIndex, curKeys.size(), lngLowerBound);
        sortSingleEnded(curKeys, lngIndex.data(), order<Money>(blnOrder));
    });
}

bool clsQuickSort::StringIndexSort(std::span<QString> strKeys, std::vector<qint32>& lngIndex,
                                   bool blnOrder, qint32 lngLowerBound) {
    return reporting(m_reporter, u"StringIndexSort", [&] {
        createIndex(lngIndex, strKeys.size(), lngLowerBound);
        sortTwoEnded(strKeys, lngIndex.data(), stringOrder(blnOrder));
    });
}
