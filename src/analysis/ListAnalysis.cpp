#include "analysis/ListAnalysis.h"

#include "analysis/BestGradeMap.h"
#include "analysis/SingleTally.h"

ListAnalysis ListAnalysis::compute(std::span<const qint32> singles, const VoteData& vote,
                                   const ResultMarks& marks, const clsTMoney& estimates) {
    ListAnalysis analysis;
    analysis.model = OutcomeModel::fromDraw(vote, marks);
    const SingleTally tally(singles);
    const BestGradeMap best(tally, analysis.model);
    analysis.figures = ListFigures::compute(tally, analysis.model, best, estimates);
    analysis.whatIf = WhatIfTable::compute(tally, analysis.model, best);
    return analysis;
}
