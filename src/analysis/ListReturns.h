#pragma once

#include "analysis/OutcomeModel.h"
#include "analysis/ResultReturns.h"
#include "analysis/SingleTally.h"
#include "drawdata/ResultData.h"

#include <array>

// What a single list returns, from mini BIG's own results: under the vote model before the
// draw's result is stored, the confirmed winnings once it is.
struct ListReturns {
    enum class Basis {
        None,      // no stored result of a past draw can be used
        Model,     // the vote model and the average returns of past draws
        Confirmed, // the draw's own stored result
    };

    Basis basis = Basis::None;
    std::array<double, ResultData::GradeCount> byGrade{}; // yen, grade g at g - 1
    double total = 0;
    bool refunded = false; // the draw was cancelled: total is the refund

    // The chance that a single picked at random hits grade g (1..3) when c matches are
    // cancelled: C(9 − c, g − 1)·2^(g − 1) / 3^(9 − c).
    static double randomChance(int grade, int cancelled);

    // A single's return is Σ_g P_g / p_g(c) × ā_g, with P_g its chance of grade g under the model
    // and c the model's cancelled matches. own: the draw's stored result, or an empty record.
    static ListReturns compute(const SingleTally& tally, const OutcomeModel& model,
                               const ResultReturns& past, const ResultData& own);
};
