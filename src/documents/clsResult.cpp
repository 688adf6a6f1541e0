#include "documents/clsResult.h"

#include "drawdata/clsToto.h"

clsResult::clsResult()
    : DrawDocumentController(QStringLiteral("clsResult"), QStringLiteral("くじ結果"), IsComplete) {}

bool clsResult::CheckResultFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return fileExists(lngKaisaikai, strKumi);
}

bool clsResult::GetResult(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                          bool blnDQuestion) {
    return obtain(lngKaisaikai, strKumi, DType, blnDQuestion, QStringLiteral("GetResult"));
}

clsResult::Downloaded clsResult::download(qint32 lngKaisaikai, const QString& strKumi) {
    Downloaded got;
    if (m_html.GetResult(lngKaisaikai, strKumi, owner()))
        got.record = m_html.Result();
    got.unpublished = m_html.Unpublished();
    return got;
}

bool clsResult::IsComplete(const ResultData& data) {
    if (data.Kaisaikai < 1)
        return false;
    for (const ResultMatch& match : data.Matches) {
        if (match.Home.isEmpty() || match.Away.isEmpty() || match.HomeScore > 30 ||
            match.AwayScore > 30 || match.Mark > 3)
            return false;
    }
    if (data.Cancelled)
        return true;
    const qint32 grades = clsToto().GetMaxGrade(data);
    for (qint32 g = 0; g < grades && g < ResultData::GradeCount; ++g) {
        if (data.Prize[size_t(g)] < Money() || data.Winners[size_t(g)] < Money() ||
            data.CarryOver[size_t(g)] < Money())
            return false;
    }
    return !data.PayoutStart.isNull() && !data.PayoutDeadline.isNull() && !data.Sales.isZero() &&
           !data.Votes.isZero() && !data.Tickets.isZero();
}

ResultData clsResult::Result() const {
    return record(QStringLiteral("Result"));
}
