#include "documents/clsVote.h"

#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "documents/clsSchedule.h"

#include <QStringList>

clsVote::clsVote()
    : DrawDocumentController(QStringLiteral("clsVote"), QStringLiteral("投票状況"),
                             QStringLiteral("vote"), MissingField) {}

bool clsVote::CheckVoteFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return fileExists(lngKaisaikai, strKumi);
}

bool clsVote::GetVote(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                      bool blnDQuestion) {
    return obtain(lngKaisaikai, strKumi, DType, blnDQuestion, QStringLiteral("GetVote"));
}

bool clsVote::ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page) {
    return obtainFromPage(lngKaisaikai, strKumi, page, QStringLiteral("ReadSavedPage"));
}

clsVote::Downloaded clsVote::download(qint32 lngKaisaikai, const QString& strKumi,
                                      const QByteArray* savedPage) {
    Downloaded got;
    ScheduleData schedule;
    if (!storedSchedule(lngKaisaikai, strKumi, schedule))
        return got;
    bool blnFinal = false;
    if (savedPage ? m_html.ReadPage(lngKaisaikai, schedule, *savedPage, QString(), blnFinal)
                  : m_html.GetVote(lngKaisaikai, schedule, owner(), blnFinal)) {
        got.record = m_html.Vote();
        // Figures taken during the sale change until it ends, and a match that found no toto
        // match on the page has none: neither is worth keeping. A stored record is never
        // replaced, so a record kept without a match's figures could never be put right.
        const QList<qint32>& unpaired = m_html.Unpaired();
        got.keep = blnFinal && unpaired.isEmpty();
        if (!unpaired.isEmpty())
            reportUnpaired(*got.record, unpaired);
    }
    got.unpublished = m_html.Unpublished();
    got.report = m_html.Report();
    return got;
}

void clsVote::reportUnpaired(const VoteData& data, const QList<qint32>& unpaired) {
    QStringList lines;
    for (const qint32 number : unpaired) {
        const VoteMatch& match = data.Matches[size_t(number - 1)];
        lines << QStringLiteral("第") + QString::number(number) + QStringLiteral("試合 ") +
                     match.Home + u'－' + match.Away +
                     QStringLiteral(
                         " の投票状況が見つかりませんでした。チーム名を確認して下さい。");
    }
    Platform::current().showMessage(lines.join(QStringLiteral("\r\n")), QStringLiteral(" 投票状況"),
                                    MessageIcon::Information);
}

bool clsVote::storedSchedule(qint32 lngKaisaikai, const QString& strKumi,
                             ScheduleData& schedule) const {
    clsSchedule stored;
    stored.Initialize(owner());
    if (!stored.GetSchedule(lngKaisaikai, strKumi, clsSchedule::ReadFile, false))
        return false;
    schedule = stored.Schedule();
    return true;
}

bool clsVote::IsComplete(const VoteData& data) {
    return MissingField(data).isEmpty();
}

QString clsVote::MissingField(const VoteData& data) {
    if (data.Kaisaikai < 1)
        return QStringLiteral("開催回");
    if (data.AsOf.value() <= 0)
        return QStringLiteral("集計時点");
    for (size_t m = 0; m < data.Matches.size(); ++m) {
        const VoteMatch& match = data.Matches[m];
        const QString row = QStringLiteral("第") + QString::number(m + 1) + QStringLiteral("試合");
        if (match.MatchDate.isNull())
            return row + QStringLiteral("の開催日");
        if (match.Home.isEmpty())
            return row + QStringLiteral("のホーム");
        if (match.Away.isEmpty())
            return row + QStringLiteral("のアウェイ");
    }
    return QString();
}

VoteData clsVote::Vote() const {
    return record(QStringLiteral("Vote"));
}

bool clsVote::GetOldVoteFile(qint32 lngKaisaikai, const DateTime& SEndTime) {
    const QString name = QStringLiteral("vote_") +
                         NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("000")) + u'_' +
                         SEndTime.date().toString(QStringLiteral("yyyy-MM-dd")) +
                         QStringLiteral(".xml");
    const QString path = fso().GetFullPath(name);
    if (!fso().FileExists(path) || !xml().XmlLoad(path))
        return false;
    setRecord(xml().Data());
    return true;
}
