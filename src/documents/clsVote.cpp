#include "documents/clsVote.h"

#include "base/NumberFormat.h"
#include "documents/DownloadDialogs.h"
#include "documents/clsSchedule.h"

namespace {

const QString Document = QStringLiteral("投票状況");

} // namespace

clsVote::clsVote() : m_reporter(QStringLiteral("clsVote")) {}

void clsVote::Initialize(QObject* objOwnerForm) {
    m_owner = objOwnerForm;
    m_ready = true;
}

bool clsVote::ready(const QString& operation) const {
    if (!m_ready)
        m_reporter.failure(operation, QStringLiteral("Initialize Err"));
    return m_ready;
}

bool clsVote::CheckVoteFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return m_fso.FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsVote::GetVote(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                      bool blnDQuestion) {
    if (!ready(QStringLiteral("GetVote")))
        return false;
    m_cancel = false;
    m_unpublished = false;
    VoteData record;
    if (lngKaisaikai > 0) {
        bool read = false;
        if ((DType & ReadFile) && m_xml.XmlLoad(m_xml.GetFileName(lngKaisaikai, strKumi))) {
            record = m_xml.Data();
            read = true;
        }
        if (!read && (DType & Download)) {
            if (blnDQuestion && !DownloadDialogs::confirmDownload(Document))
                m_cancel = true;
            if (!m_cancel) {
                bool blnFinal = false;
                ScheduleData schedule;
                if (storedSchedule(lngKaisaikai, strKumi, schedule) &&
                    m_html.GetVote(lngKaisaikai, schedule, m_owner, blnFinal)) {
                    record = m_html.Vote();
                    // Figures taken during the sale change until it ends: not worth keeping.
                    if (blnFinal)
                        SaveDownloaded(record);
                }
                m_unpublished = m_html.Unpublished();
            }
        }
    }
    m_vote = record;
    return IsComplete(record);
}

bool clsVote::storedSchedule(qint32 lngKaisaikai, const QString& strKumi,
                             ScheduleData& schedule) const {
    clsSchedule stored;
    stored.Initialize(m_owner);
    if (!stored.GetSchedule(lngKaisaikai, strKumi, clsSchedule::ReadFile, false))
        return false;
    schedule = stored.Schedule();
    return true;
}

void clsVote::SaveDownloaded(const VoteData& data) {
    DownloadDialogs::storeOnce(m_xml, data, IsComplete(data));
}

bool clsVote::IsComplete(const VoteData& data) {
    if (data.Kaisaikai < 1 || data.AsOf.value() <= 0)
        return false;
    for (const VoteMatch& match : data.Matches) {
        if (match.MatchDate.isNull() || match.Home.isEmpty() || match.Away.isEmpty())
            return false;
    }
    return true;
}

VoteData clsVote::Vote() const {
    if (!ready(QStringLiteral("Vote")))
        return VoteData();
    return m_vote;
}

bool clsVote::Cancel() const {
    return ready(QStringLiteral("Cancel")) && m_cancel;
}

bool clsVote::Unpublished() const {
    return ready(QStringLiteral("Unpublished")) && m_unpublished;
}

void clsVote::FalseDialog(qint32 lngKaisaikai) const {
    DownloadDialogs::showFailure(lngKaisaikai, Document, m_cancel, m_unpublished);
}

bool clsVote::GetOldVoteFile(qint32 lngKaisaikai, const DateTime& SEndTime) {
    const QString name = QStringLiteral("vote_") +
                         NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("000")) + u'_' +
                         SEndTime.date().toString(QStringLiteral("yyyy-MM-dd")) +
                         QStringLiteral(".xml");
    const QString path = m_fso.GetFullPath(name);
    if (!m_fso.FileExists(path) || !m_xml.XmlLoad(path))
        return false;
    m_vote = m_xml.Data();
    return true;
}
