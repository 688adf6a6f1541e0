#pragma once

#include "analysis/BestGradeMap.h"
#include "analysis/OutcomeModel.h"
#include "analysis/SingleTally.h"
#include "base/Money.h"

#include <QtGlobal>
#include <array>

class clsTMoney;

// What a single list is worth under the outcome model: how many of the outcomes still possible
// give it each best grade and with what chance, how many winning singles and how much return
// to expect per grade, against what the list cost.
struct ListFigures {
    // The price of one 口.
    static constexpr qint64 SinglePriceYen = 200;
    // Index of the best-grade arrays: 1等, 2等, 3等 at 0..2, nothing won at 3.
    static constexpr int Nothing = 3;

    qint64 singleCount = 0;
    qint32 distinctSingles = 0;
    qint32 possibleOutcomes = 0;
    std::array<qint32, 4> outcomesByBestGrade{};
    std::array<double, 4> chanceByBestGrade{};
    // Per grade 1..3 at 0..2, over the whole list (duplicates count each time).
    std::array<double, 3> expectedWinners{};
    std::array<Money, 3> expectedReturn{};
    Money expectedTotal;
    Money cost;
    // True when an expected return is beyond what Money holds; the figures then stand at the
    // largest amount.
    bool returnBeyondRange = false;

    double nothingChance() const { return chanceByBestGrade[Nothing]; }
    // Outcomes and chance of at least grade g (1..3).
    qint32 outcomesAtLeast(int grade) const;
    double chanceAtLeast(int grade) const;

    // The expected returns use the estimated prizes of the singles page (estimates is set to the
    // draw's vote record); a single's chance of a grade comes from the model.
    static ListFigures compute(const SingleTally& tally, const OutcomeModel& model,
                               const BestGradeMap& best, const clsTMoney& estimates);
};
