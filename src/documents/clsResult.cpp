#include "documents/clsResult.h"

#include "base/Platform.h"
#include "drawdata/clsToto.h"

#include <QStringList>

clsResult::clsResult()
    : DrawDocumentController(QStringLiteral("clsResult"), QStringLiteral("くじ結果"),
                             QStringLiteral("result"), MissingField) {}

bool clsResult::CheckResultFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return fileExists(lngKaisaikai, strKumi);
}

bool clsResult::GetResult(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                          bool blnDQuestion) {
    return obtain(lngKaisaikai, strKumi, DType, blnDQuestion, QStringLiteral("GetResult"));
}

bool clsResult::ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page) {
    return obtainFromPage(lngKaisaikai, strKumi, page, QStringLiteral("ReadSavedPage"));
}

clsResult::Downloaded clsResult::download(qint32 lngKaisaikai, const QString& strKumi,
                                          const QByteArray* savedPage) {
    Downloaded got;
    if (savedPage ? m_html.ReadPage(lngKaisaikai, strKumi, *savedPage, QString())
                  : m_html.GetResult(lngKaisaikai, strKumi, owner())) {
        got.record = m_html.Result();
        got.keep = marksAgreeOrKept(*got.record);
    }
    got.unpublished = m_html.Unpublished();
    got.report = m_html.Report();
    return got;
}

bool clsResult::marksAgreeOrKept(const ResultData& data) {
    QStringList against;
    for (size_t m = 0; m < data.Matches.size(); ++m) {
        const ResultMatch& match = data.Matches[m];
        if (match.Mark == 3)
            continue;
        // A home win is 1, a draw 0, an away win 2.
        const quint8 expected = match.HomeScore > match.AwayScore    ? 1
                                : match.HomeScore == match.AwayScore ? 0
                                                                     : 2;
        if (match.Mark != expected)
            against << QStringLiteral("第") + QString::number(m + 1) + QStringLiteral("試合 ") +
                           match.Home + u' ' + QString::number(match.HomeScore) + u'-' +
                           QString::number(match.AwayScore) + u' ' + match.Away +
                           QStringLiteral("　結果 ") + QString::number(match.Mark);
    }
    if (against.isEmpty())
        return true;
    return Platform::current().askYesNo(
        QStringLiteral("くじ結果がスコアと合いません。") + QStringLiteral("\r\n") +
            against.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") +
            QStringLiteral("このまま保存しますか？"),
        QStringLiteral(" くじ結果"), MessageIcon::Warning, false);
}

bool clsResult::IsComplete(const ResultData& data) {
    return MissingField(data).isEmpty();
}

QString clsResult::MissingField(const ResultData& data) {
    if (data.Kaisaikai < 1)
        return QStringLiteral("開催回");
    for (size_t m = 0; m < data.Matches.size(); ++m) {
        const ResultMatch& match = data.Matches[m];
        const QString row = QStringLiteral("第") + QString::number(m + 1) + QStringLiteral("試合");
        if (match.Home.isEmpty())
            return row + QStringLiteral("のホーム");
        if (match.Away.isEmpty())
            return row + QStringLiteral("のアウェイ");
        if (match.HomeScore > 30 || match.AwayScore > 30)
            return row + QStringLiteral("のスコア");
        if (match.Mark > 3)
            return row + QStringLiteral("の結果");
    }
    if (data.Cancelled)
        return QString();
    const qint32 grades = clsToto().GetMaxGrade(data);
    for (qint32 g = 0; g < grades && g < ResultData::GradeCount; ++g) {
        const QString grade = QString::number(g + 1) + u'等';
        if (data.Prize[size_t(g)] < Money())
            return grade + QStringLiteral("の当せん金");
        if (data.Winners[size_t(g)] < Money())
            return grade + QStringLiteral("の当せん口数");
        if (data.CarryOver[size_t(g)] < Money())
            return grade + QStringLiteral("の繰越金");
    }
    const std::pair<bool, const char16_t*> totals[] = {{data.PayoutStart.isNull(), u"払戻開始日"},
                                                       {data.PayoutDeadline.isNull(), u"払戻期限"},
                                                       {data.Sales.isZero(), u"売上金額"},
                                                       {data.Votes.isZero(), u"投票口数"},
                                                       {data.Tickets.isZero(), u"投票枚数"}};
    for (const auto& [missing, name] : totals) {
        if (missing)
            return QString::fromUtf16(name);
    }
    return QString();
}

ResultData clsResult::Result() const {
    return record(QStringLiteral("Result"));
}
