#include "documents/HandEnteredSchedule.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "documents/clsSchedule.h"
#include "drawdata/clsXmlSchedule.h"

#include <QFile>
#include <algorithm>

namespace HandEnteredSchedule {

namespace {

QString matchLabel(std::size_t index) {
    return QStringLiteral("第") + QString::number(index + 1) + QStringLiteral("試合");
}

QString documentPath(qint32 lngKaisaikai, const QString& strKumi) {
    return clsXmlSchedule().GetFileName(lngKaisaikai, strKumi);
}

bool writeMarker(const ScheduleData& schedule) {
    clsFileStream stream;
    return stream.SaveToFile(markerPath(schedule.Kaisaikai, schedule.Kumi),
                             QStringLiteral(";Vantrel ") + AppInfo::title() +
                                 QStringLiteral(" 手入力の開催情報\r\n開催回 = ") +
                                 QString::number(schedule.Kaisaikai) + QStringLiteral("\r\n"));
}

} // namespace

QString unknownStadium() {
    return QStringLiteral("未定");
}

QString check(const ScheduleData& entry, const QStringList& knownNames) {
    if (entry.Kaisaikai < 1)
        return QStringLiteral("開催回を設定して下さい");
    for (std::size_t m = 0; m < entry.Matches.size(); ++m) {
        const MatchInfo& match = entry.Matches[m];
        if (match.Home.isEmpty() || match.Away.isEmpty())
            return matchLabel(m) + QStringLiteral("のチームを選んで下さい。");
        for (const QString& team : {match.Home, match.Away})
            if (!knownNames.contains(team))
                return QStringLiteral("チーム名：") + team + QStringLiteral(" が見つかりません。");
        if (match.Home == match.Away)
            return matchLabel(m) + QStringLiteral("のホームとアウェイが同じチームです。");
        for (std::size_t earlier = 0; earlier < m; ++earlier) {
            const MatchInfo& other = entry.Matches[earlier];
            if (other.Home == match.Home && other.Away == match.Away)
                return matchLabel(earlier) + QStringLiteral("と") + matchLabel(m) +
                       QStringLiteral("が同じ対戦です。");
        }
    }
    if (entry.SaleEnd.isNull())
        return QStringLiteral("販売終了日時を入力して下さい。");
    return QString();
}

ScheduleData completed(const ScheduleData& entry, const DateTime& now) {
    ScheduleData schedule = entry;
    schedule.HeldState = ScheduleData::HeldNormally;
    DateTime lastMatch;
    for (MatchInfo& match : schedule.Matches) {
        match.MatchDate =
            match.MatchDate.isNull() ? entry.SaleEnd.datePart() : match.MatchDate.datePart();
        match.Stadium = unknownStadium();
        match.State = QStringLiteral("VS");
        lastMatch = std::max(lastMatch, match.MatchDate);
    }
    schedule.SaleStart = std::min(now, entry.SaleEnd);
    schedule.ResultDate = DateTime::fromDate(lastMatch.date().addDays(1));
    return schedule;
}

QString markerPath(qint32 lngKaisaikai, const QString& strKumi) {
    QString path = documentPath(lngKaisaikai, strKumi);
    path.chop(QStringLiteral(".xml").size());
    return path + QStringLiteral(".hand");
}

bool exists(qint32 lngKaisaikai, const QString& strKumi) {
    const clsFileSystemObject fso;
    return fso.FileExists(markerPath(lngKaisaikai, strKumi)) &&
           fso.FileExists(documentPath(lngKaisaikai, strKumi));
}

bool mayEnter(qint32 lngKaisaikai, const QString& strKumi) {
    if (!clsFileSystemObject().FileExists(documentPath(lngKaisaikai, strKumi)) ||
        exists(lngKaisaikai, strKumi))
        return true;
    Platform::current().showMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                        QStringLiteral("回 開催情報はすでに保存されています。"),
                                    QStringLiteral(" 開催情報"), MessageIcon::Information);
    return false;
}

bool store(const ScheduleData& schedule) {
    if (!clsSchedule::IsComplete(schedule) || !mayEnter(schedule.Kaisaikai, schedule.Kumi))
        return false;
    const QString path = documentPath(schedule.Kaisaikai, schedule.Kumi);
    const bool stored = clsFileSystemObject().FileExists(path);
    // The marker goes first: a save cut short leaves at worst a marker without document, which
    // counts for nothing, never a hand-entered document taken for an official one.
    if (!writeMarker(schedule))
        return false;
    clsXmlSchedule xml;
    xml.SetData(schedule);
    if (xml.XmlSave(path))
        return true;
    if (!stored)
        QFile::remove(
            clsFileSystemObject().GetFullPath(markerPath(schedule.Kaisaikai, schedule.Kumi)));
    return false;
}

bool replaceWith(const ScheduleData& official) {
    if (!clsSchedule::IsComplete(official) || !exists(official.Kaisaikai, official.Kumi))
        return false;
    clsXmlSchedule xml;
    xml.SetData(official);
    if (!xml.XmlSave(documentPath(official.Kaisaikai, official.Kumi)))
        return false;
    // Should the marker outlive this (a killed program), the next download replaces the
    // official schedule with itself: no harm.
    QFile::remove(clsFileSystemObject().GetFullPath(markerPath(official.Kaisaikai, official.Kumi)));
    return true;
}

} // namespace HandEnteredSchedule
