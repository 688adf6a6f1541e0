#include "documents/clsSchedule.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "documents/HandEnteredSchedule.h"

#include <QRegularExpression>
#include <algorithm>

clsSchedule::clsSchedule()
    : DrawDocumentController(QStringLiteral("clsSchedule"), QStringLiteral("開催情報"),
                             QStringLiteral("schedule"), MissingField) {}

bool clsSchedule::CheckScheduleFile(qint32 lngKaisaikai, const QString& strKumi) const {
    return fileExists(lngKaisaikai, strKumi);
}

bool clsSchedule::GetSchedule(qint32 lngKaisaikai, const QString& strKumi, qint32 DType,
                              bool blnDQuestion) {
    // A schedule entered by hand stands in for the official one only until the official one can
    // be downloaded.
    if ((DType & Download) && HandEnteredSchedule::exists(lngKaisaikai, strKumi))
        DType &= ~ReadFile;
    const bool complete =
        obtain(lngKaisaikai, strKumi, DType, blnDQuestion, QStringLiteral("GetSchedule"));
    m_noGame =
        readFromFile() && record(QStringLiteral("GetSchedule")).HeldState == ScheduleData::NotHeld;
    return complete;
}

bool clsSchedule::ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi,
                                const QByteArray& page) {
    m_noGame = false;
    return obtainFromPage(lngKaisaikai, strKumi, page, QStringLiteral("ReadSavedPage"));
}

clsSchedule::Downloaded clsSchedule::download(qint32 lngKaisaikai, const QString& strKumi,
                                              const QByteArray* savedPage) {
    Downloaded got;
    if (savedPage ? m_html.ReadPage(lngKaisaikai, strKumi, *savedPage, QString())
                  : m_html.GetSchedule(lngKaisaikai, strKumi, owner())) {
        got.record = m_html.Schedule();
        // Storing once keeps a stored file; a hand-entered one is replaced here instead.
        if (IsComplete(*got.record))
            HandEnteredSchedule::replaceWith(*got.record);
    }
    got.unpublished = m_html.Unpublished();
    got.report = m_html.Report();
    if (!savedPage && m_html.PageMayHaveMoved())
        got.hint =
            QStringLiteral("ページが移動した可能性があります。ツール > 接続設定... でアドレスを"
                           "設定するか、ファイル > 保存したページから読み込み... で"
                           "ブラウザーで保存したページを読み込んで下さい。");
    return got;
}

bool clsSchedule::IsComplete(const ScheduleData& data) {
    return MissingField(data).isEmpty();
}

QString clsSchedule::MissingField(const ScheduleData& data) {
    if (data.Kaisaikai < 1)
        return QStringLiteral("開催回");
    for (size_t m = 0; m < data.Matches.size(); ++m) {
        const MatchInfo& match = data.Matches[m];
        const QString row = QStringLiteral("第") + QString::number(m + 1) + QStringLiteral("試合");
        if (match.MatchDate.isNull())
            return row + QStringLiteral("の開催日");
        if (match.Stadium.isEmpty())
            return row + QStringLiteral("の競技場");
        if (match.Home.isEmpty())
            return row + QStringLiteral("のホーム");
        if (match.Away.isEmpty())
            return row + QStringLiteral("のアウェイ");
    }
    if (data.HeldState != ScheduleData::HeldNormally)
        return QString();
    if (data.SaleStart.isNull())
        return QStringLiteral("販売開始日");
    if (data.SaleEnd.isNull())
        return QStringLiteral("販売終了日");
    if (data.ResultDate.isNull())
        return QStringLiteral("結果発表日");
    return QString();
}

ScheduleData clsSchedule::Schedule() const {
    return record(QStringLiteral("Schedule"));
}

bool clsSchedule::NoGame() const {
    return ready(QStringLiteral("NoGame")) && m_noGame;
}

bool clsSchedule::XmlSave_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    if (CheckScheduleFile(lngKaisaikai, strKumi))
        return false;
    if (!Platform::current().askYesNo(QStringLiteral("第 ") + QString::number(lngKaisaikai) +
                                          QStringLiteral(" 回を未開催に設定しますか？"),
                                      AppInfo::title(), MessageIcon::Information, true))
        return false;
    return xml().XmlSave_NoGame(lngKaisaikai, strKumi);
}

bool clsSchedule::XmlDelete_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    if (!CheckScheduleFile(lngKaisaikai, strKumi))
        return false;
    if (!Platform::current().askYesNo(QStringLiteral("第 ") + QString::number(lngKaisaikai) +
                                          QStringLiteral(" 回の未開催を解除しますか？"),
                                      AppInfo::title(), MessageIcon::Information, true))
        return false;
    return xml().XmlDelete_NoGame(lngKaisaikai, strKumi);
}

qint32 clsSchedule::GetScheduleNo(QList<qint32>& lngNo) const {
    const QString prefix = QStringLiteral("minibig") + QStringLiteral("_schedule_");
    QStringList names;
    fso().GetFileList(QStringLiteral("SysData/miniBIG_Schedule/") + prefix +
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
