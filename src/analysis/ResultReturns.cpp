#include "analysis/ResultReturns.h"

#include <QHash>

ResultReturns ResultReturns::fromResults(const std::vector<ResultData>& results) {
    QHash<qint32, const ResultData*> byDraw;
    for (const ResultData& result : results)
        byDraw.insert(result.Kaisaikai, &result);
    ResultReturns returns;
    std::array<long double, ResultData::GradeCount> sums{};
    for (const ResultData& result : results) {
        if (result.Cancelled) {
            returns.leftOut.push_back({result.Kaisaikai, QStringLiteral("中止")});
            continue;
        }
        if (!(result.Votes.toDouble() > 0)) {
            returns.leftOut.push_back({result.Kaisaikai, QStringLiteral("販売口数がありません")});
            continue;
        }
        long double paid = 0;
        for (int g = 0; g < ResultData::GradeCount; ++g)
            paid += static_cast<long double>(result.Prize[std::size_t(g)].toDouble()) *
                    result.Winners[std::size_t(g)].toDouble();
        long double carryIn = 0;
        if (const ResultData* before = byDraw.value(result.Kaisaikai - 1))
            for (const Money& carried : before->CarryOver)
                carryIn += carried.toDouble();
        if (paid > static_cast<long double>(result.Sales.toDouble()) + carryIn) {
            returns.leftOut.push_back(
                {result.Kaisaikai, QStringLiteral("払戻金が売上金額と繰越金を超えています")});
            continue;
        }
        for (int g = 0; g < ResultData::GradeCount; ++g)
            sums[std::size_t(g)] +=
                static_cast<long double>(result.Prize[std::size_t(g)].toDouble()) *
                result.Winners[std::size_t(g)].toDouble() / result.Votes.toDouble();
        returns.draws.append(result.Kaisaikai);
    }
    if (returns.usable())
        for (int g = 0; g < ResultData::GradeCount; ++g)
            returns.average[std::size_t(g)] = double(sums[std::size_t(g)] / returns.draws.size());
    return returns;
}
