#include "documents/clsSchedule.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "documents/DownloadDialogs.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QString Document = QStringLiteral("開催情報");

} // namespace

clsSchedule::clsSchedule() : m_reporter(QStringLiteral("clsSchedule")) {}

void clsSchedule::Initialize(QObject* objOwnerForm) {
    m_owner = objOwnerForm;
    m_ready = true;
}

bool clsSchedule::ready(const QString& operation) const {
    if (!m_ready)
        m_reporter.failure(operation, QStringLiteral("Initialize Err"));
    return m_ready;
}

bool clsSchedule::CheckScheduleFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return m_fso.FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
}

bool clsSchedule::GetSchedule(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                              bool blnDQuestion) {
    if (!ready(QStringLiteral("GetSchedule")))
        return false;
    m_cancel = false;
    m_unpublished = false;
    m_noGame = false;
    ScheduleData record;
    if (lngKaisaikai > 0) {
        bool read = false;
        if ((DType & ReadFile) && m_xml.XmlLoad(m_xml.GetFileName(lngKaisaikai, strKumi))) {
            record = m_xml.Data();
            read = true;
            m_noGame = record.HeldState == ScheduleData::NotHeld;
        }
        if (!read && (DType & Download)) {
            if (blnDQuestion && !DownloadDialogs::confirmDownload(Document))
                m_cancel = true;
            if (!m_cancel) {
                if (m_html.GetSchedule(lngKaisaikai, strKumi, m_owner)) {
                    record = m_html.Schedule();
                    SaveDownloaded(record);
                }
                m_unpublished = m_html.Unpublished();
            }
        }
    }
    m_schedule = record;
    return IsComplete(record);
}

void clsSchedule::SaveDownloaded(const ScheduleData& data) {
    DownloadDialogs::storeOnce(m_xml, data, IsComplete(data));
}

bool clsSchedule::IsComplete(const ScheduleData& data) {
    if (data.Kaisaikai < 1)
        return false;
    for (const MatchInfo& match : data.Matches) {
        if (match.Home.isEmpty() || match.Away.isEmpty() || match.Stadium.isEmpty() ||
            match.MatchDate.isNull())
            return false;
    }
    if (data.HeldState == ScheduleData::HeldNormally &&
        (data.SaleStart.isNull() || data.SaleEnd.isNull() || data.ResultDate.isNull()))
        return false;
    return true;
}

ScheduleData clsSchedule::Schedule() const {
    if (!ready(QStringLiteral("Schedule")))
        return ScheduleData();
    return m_schedule;
}

bool clsSchedule::Cancel() const {
    return ready(QStringLiteral("Cancel")) && m_cancel;
}

bool clsSchedule::Unpublished() const {
    return ready(QStringLiteral("Unpublished")) && m_unpublished;
}

bool clsSchedule::NoGame() const {
    return ready(QStringLiteral("NoGame")) && m_noGame;
}

void clsSchedule::FalseDialog(qint32 lngKaisaikai) const {
    DownloadDialogs::showFailure(lngKaisaikai, Document, m_cancel, m_unpublished);
}

bool clsSchedule::XmlSave_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    if (CheckScheduleFile(lngKaisaikai, strKumi))
        return false;
    if (!Platform::current().askYesNo(QStringLiteral("第 ") + QString::number(lngKaisaikai) +
                                          QStringLiteral(" 回を未開催に設定しますか？"),
                                      AppInfo::title(), MessageIcon::Information, true))
        return false;
    return m_xml.XmlSave_NoGame(lngKaisaikai, strKumi);
}

bool clsSchedule::XmlDelete_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    if (!CheckScheduleFile(lngKaisaikai, strKumi))
        return false;
    if (!Platform::current().askYesNo(QStringLiteral("第 ") + QString::number(lngKaisaikai) +
                                          QStringLiteral(" 回の未開催を解除しますか？"),
                                      AppInfo::title(), MessageIcon::Information, true))
        return false;
    return m_xml.XmlDelete_NoGame(lngKaisaikai, strKumi);
}

qint32 clsSchedule::GetScheduleNo(QList<qint32>& lngNo) const {
    const QString prefix = QStringLiteral("minibig") + QStringLiteral("_schedule_");
    QStringList names;
    m_fso.GetFileList(QStringLiteral("SysData/miniBIG_Schedule/") + prefix +
                          QStringLiteral("*.xml"),
                      names, false);
    // The draw number runs from the prefix to the next "_" or "."; names whose part there is
    // not a number are no schedules of this program and are passed over.
    static const QRegularExpression number(QStringLiteral("^(\\d+)[_.]"));
    QList<qint32> found;
    for (const QString& name : names) {
        const QRegularExpressionMatch m = number.match(name.mid(prefix.size()));
        bool ok = false;
        const qint32 value = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
        if (ok)
            found.append(value);
    }
    std::sort(found.begin(), found.end());
    if (!found.isEmpty())
        lngNo = found;
    return qint32(found.size());
}
