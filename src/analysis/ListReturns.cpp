#include "analysis/ListReturns.h"

#include "analysis/GradeChances.h"
#include "drawdata/MatchCount.h"
#include "singles/SingleCodec.h"

#include <cmath>

namespace {

constexpr qint64 SinglePriceYen = 200;

double binomial(int n, int k) {
    double value = 1;
    for (int i = 1; i <= k; ++i)
        value = value * (n - k + i) / i;
    return value;
}

// The confirmed winnings of the list against the draw's own result.
void confirm(ListReturns& returns, const SingleTally& tally, const ResultData& own) {
    returns.basis = ListReturns::Basis::Confirmed;
    if (own.Cancelled) {
        returns.refunded = true;
        returns.total = double(tally.total() * SinglePriceYen);
        return;
    }
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const qint32 copies = tally.count(number);
        if (copies == 0)
            continue;
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        int misses = 0;
        for (int k = 0; k < MatchCount; ++k) {
            const quint8 mark = own.Matches[std::size_t(k)].Mark;
            misses += mark != 3 && marks[std::size_t(k)] != mark;
        }
        if (misses < ResultData::GradeCount)
            returns.byGrade[std::size_t(misses)] +=
                own.Prize[std::size_t(misses)].toDouble() * copies;
    }
    returns.total = returns.byGrade[0] + returns.byGrade[1] + returns.byGrade[2];
}

} // namespace

double ListReturns::randomChance(int grade, int cancelled) {
    const int open = MatchCount - cancelled;
    const int misses = grade - 1;
    if (misses > open)
        return 0;
    return binomial(open, misses) * std::pow(2.0, misses) / std::pow(3.0, open);
}

ListReturns ListReturns::compute(const SingleTally& tally, const OutcomeModel& model,
                                 const ResultReturns& past, const ResultData& own) {
    ListReturns returns;
    if (!own.isEmpty()) {
        confirm(returns, tally, own);
        return returns;
    }
    if (!past.usable())
        return returns;
    returns.basis = Basis::Model;
    int cancelled = 0;
    for (int k = 0; k < MatchCount; ++k)
        cancelled += model.state(k) == OutcomeModel::State::Cancelled;
    std::array<long double, ResultData::GradeCount> sums{};
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const qint32 copies = tally.count(number);
        if (copies == 0)
            continue;
        const GradeChances::Chances chances =
            GradeChances::of(SingleCodec::marksUnchecked(number), model);
        for (int g = 0; g < ResultData::GradeCount; ++g)
            sums[std::size_t(g)] += static_cast<long double>(chances[std::size_t(g)]) * copies;
    }
    for (int g = 0; g < ResultData::GradeCount; ++g) {
        const double random = randomChance(g + 1, cancelled);
        if (random > 0)
            returns.byGrade[std::size_t(g)] =
                double(sums[std::size_t(g)] / random * past.average[std::size_t(g)]);
    }
    returns.total = returns.byGrade[0] + returns.byGrade[1] + returns.byGrade[2];
    return returns;
}
