#include "analysis/ListFigures.h"

#include "analysis/GradeChances.h"
#include "base/RuntimeError.h"
#include "drawdata/MatchCount.h"
#include "singles/clsTMoney.h"

#include <limits>

namespace {

// A sum of yen as Money, held at the largest amount when it does not fit.
Money toMoney(long double yen, bool& beyondRange) {
    try {
        return Money::fromDouble(double(yen));
    } catch (const RuntimeError&) {
        beyondRange = true;
        return Money::fromRaw(std::numeric_limits<qint64>::max());
    }
}

} // namespace

qint32 ListFigures::outcomesAtLeast(int grade) const {
    qint32 sum = 0;
    for (int g = 0; g < grade; ++g)
        sum += outcomesByBestGrade[g];
    return sum;
}

double ListFigures::chanceAtLeast(int grade) const {
    double sum = 0;
    for (int g = 0; g < grade; ++g)
        sum += chanceByBestGrade[g];
    return sum;
}

ListFigures ListFigures::compute(const SingleTally& tally, const OutcomeModel& model,
                                 const BestGradeMap& best, const clsTMoney& estimates) {
    ListFigures figures;
    figures.singleCount = tally.total();
    figures.distinctSingles = tally.distinct();
    figures.possibleOutcomes = model.possibleOutcomeCount();
    figures.cost = Money::fromYen(SinglePriceYen) * tally.total();

    // Long sums of small chances: kept in extended precision, so that 1 - the winning chance
    // and the chance of winning nothing agree to the last digits.
    std::array<long double, 4> byGrade{};
    for (qint32 outcome = 0; outcome < SingleCodec::SingleCount; ++outcome) {
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(outcome);
        if (!model.isPossible(marks))
            continue;
        double chance = 1;
        for (int k = 0; k < MatchCount; ++k)
            chance *= model.chance(k, marks[k]);
        const int grade = best.bestGrade(outcome);
        const int index = grade == 0 ? Nothing : grade - 1;
        ++figures.outcomesByBestGrade[index];
        byGrade[index] += chance;
    }
    for (int i = 0; i < 4; ++i)
        figures.chanceByBestGrade[i] = double(byGrade[i]);

    std::array<long double, 3> winners{};
    std::array<long double, 3> returns{};
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const qint32 copies = tally.count(number);
        if (copies == 0)
            continue;
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        const GradeChances::Chances chances = GradeChances::of(marks, model);
        for (int g = 0; g < 3; ++g) {
            if (!(chances[g] > 0))
                continue;
            const long double expected = static_cast<long double>(chances[g]) * copies;
            winners[g] += expected;
            returns[g] += expected * estimates.Estimate(g + 1, marks).toDouble();
        }
    }
    for (int g = 0; g < 3; ++g) {
        figures.expectedWinners[g] = double(winners[g]);
        figures.expectedReturn[g] = toMoney(returns[g], figures.returnBeyondRange);
    }
    figures.expectedTotal =
        toMoney(returns[0] + returns[1] + returns[2], figures.returnBeyondRange);
    return figures;
}
