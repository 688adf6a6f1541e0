#include "documents/clsResult.h"

#include "documents/DownloadDialogs.h"
#include "drawdata/clsToto.h"

namespace {

const QString Document = QStringLiteral("くじ結果");

} // namespace

clsResult::clsResult() : m_reporter(QStringLiteral("clsResult")) {}

void clsResult::Initialize(QObject* objOwnerForm) {
    m_owner = objOwnerForm;
    m_ready = true;
}

bool clsResult::ready(const QString& operation) const {
    if (!m_ready)
        m_reporter.failure(operation, QStringLiteral("Initialize Err"));
    return m_ready;
}

bool clsResult::CheckResultFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return m_fso.FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsResult::GetResult(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                          bool blnDQuestion) {
    if (!ready(QStringLiteral("GetResult")))
        return false;
    m_cancel = false;
    m_unpublished = false;
    ResultData record;
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
                if (m_html.GetResult(lngKaisaikai, strKumi, m_owner)) {
                    record = m_html.Result();
                    SaveDownloaded(record);
                }
                m_unpublished = m_html.Unpublished();
            }
        }
    }
    m_result = record;
    return IsComplete(record);
}

void clsResult::SaveDownloaded(const ResultData& data) {
    DownloadDialogs::storeOnce(m_xml, data, IsComplete(data));
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
    if (!ready(QStringLiteral("Result")))
        return ResultData();
    return m_result;
}

bool clsResult::Cancel() const {
    return ready(QStringLiteral("Cancel")) && m_cancel;
}

bool clsResult::Unpublished() const {
    return ready(QStringLiteral("Unpublished")) && m_unpublished;
}

void clsResult::FalseDialog(qint32 lngKaisaikai) const {
    DownloadDialogs::showFailure(lngKaisaikai, Document, m_cancel, m_unpublished);
}
