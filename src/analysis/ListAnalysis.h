#pragma once

#include "analysis/ListFigures.h"
#include "analysis/OutcomeModel.h"
#include "analysis/WhatIfTable.h"
#include "drawdata/VoteData.h"
#include "results/clsTResultCheck.h"

#include <span>

class clsTMoney;

// The whole analysis of a single list for the current draw: the outcome model built from the
// draw's vote record and the result marks, the list's figures and its what-if table. Plain
// values throughout, so it can be computed away from the window that shows it.
struct ListAnalysis {
    OutcomeModel model;
    ListFigures figures;
    WhatIfTable whatIf;

    // estimates: set to the same vote record. Throws RuntimeError::overflow() for a number in
    // singles that is no single.
    static ListAnalysis compute(std::span<const qint32> singles, const VoteData& vote,
                                const ResultMarks& marks, const clsTMoney& estimates);
};
