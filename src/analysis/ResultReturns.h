#pragma once

#include "drawdata/ResultData.h"

#include <QList>
#include <QString>
#include <array>
#include <vector>

// What a 口 of mini BIG returns on average, grade by grade, from the program's stored results.
// The machine picks every single at random, so a grade's winners do not depend on which outcomes
// the public favours: prize × winners / 口 sold is what grade g paid back per 口 sold in a draw.
// Its mean over the usable draws is the average return ā_g.
struct ResultReturns {
    // A draw left out, and why.
    struct LeftOut {
        qint32 kaisaikai = 0;
        QString reason;
    };

    std::array<double, ResultData::GradeCount> average{}; // ā_g in yen, grade g at g - 1
    QList<qint32> draws;                                  // the draws it rests on, ascending
    std::vector<LeftOut> leftOut;

    bool usable() const { return !draws.isEmpty(); }
    // Σ ā_g: before the purchase every 口 is alike.
    double averageSingle() const { return average[0] + average[1] + average[2]; }

    // results in ascending draw order. A draw is usable when it is not cancelled, sold 口, and
    // paid out no more than its sales and the carry-over of the draw before it (when stored).
    static ResultReturns fromResults(const std::vector<ResultData>& results);
};
