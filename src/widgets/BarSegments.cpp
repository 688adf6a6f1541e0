#include "widgets/BarSegments.h"

#include <algorithm>
#include <numeric>

std::vector<int> barSegments(std::span<const qint64> values, int width) {
    std::vector<int> parts(values.size(), 0);
    if (width <= 0)
        return parts;
    std::vector<double> shares(values.size(), 0.0);
    double total = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        shares[i] = double(std::max<qint64>(values[i], 0));
        total += shares[i];
    }
    if (total <= 0)
        return parts;
    int used = 0;
    std::vector<std::pair<double, std::size_t>> remainders;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double exact = shares[i] / total * width;
        parts[i] = int(exact);
        used += parts[i];
        remainders.emplace_back(exact - parts[i], i);
    }
    // Larger remainders first; among equal ones the earlier part.
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; used < width && i < remainders.size(); ++i, ++used)
        ++parts[remainders[i].second];
    return parts;
}
