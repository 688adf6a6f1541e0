#include "analysis/BestGradeMap.h"

#include "drawdata/MatchCount.h"
#include "singles/SingleCodec.h"

#include <array>

namespace {

constexpr std::array<qint32, MatchCount> Powers{1, 3, 9, 27, 81, 243, 729, 2187, 6561};

} // namespace

BestGradeMap::BestGradeMap(const SingleTally& tally, const OutcomeModel& model)
    : m_misses(SingleCodec::SingleCount, NoSingle) {
    // The search runs over canonical outcomes: a cancelled or decided match leaves every single
    // that hits it with the same mark there, so Hamming distance counts misses as the check
    // does. Other outcomes take the value of their canonical form afterwards.
    std::vector<quint8> distance(SingleCodec::SingleCount, NoSingle);
    std::vector<qint32> queue;
    queue.reserve(SingleCodec::SingleCount);
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        if (tally.count(number) == 0)
            continue;
        const qint32 source = model.canonicalNumber(number);
        if (distance[std::size_t(source)] != 0) {
            distance[std::size_t(source)] = 0;
            queue.push_back(source);
        }
    }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const qint32 outcome = queue[head];
        const quint8 next = quint8(distance[std::size_t(outcome)] + 1);
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(outcome);
        for (int k = 0; k < MatchCount; ++k) {
            const qint32 base = outcome - marks[k] * Powers[k];
            for (qint32 x = 0; x < 3; ++x) {
                const qint32 neighbour = base + x * Powers[k];
                if (distance[std::size_t(neighbour)] == NoSingle) {
                    distance[std::size_t(neighbour)] = next;
                    queue.push_back(neighbour);
                }
            }
        }
    }
    for (qint32 outcome = 0; outcome < SingleCodec::SingleCount; ++outcome)
        m_misses[std::size_t(outcome)] = distance[std::size_t(model.canonicalNumber(outcome))];
}
