#include "web/clsHtmlSchedule.h"

#include "base/NumberFormat.h"
#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"

namespace {

MatchInfo& matchSlot(ScheduleData& data, qint32 number) {
    if (number < 1 || number > qint32(data.Matches.size()))
        throw RuntimeError::subscriptOutOfRange();
    return data.Matches[size_t(number - 1)];
}

// The page gives month and day (perhaps with the weekday). Matches are played after the sale
// starts, so a month and day before the sale start's belong to the following year (a sale
// starting in December for matches in January).
DateTime matchDate(int year, const QString& cell, const DateTime& saleStart) {
    const QString monthDay = clsHtmlToto::WithoutWeekday(cell);
    DateTime date = DateTime::parseSystem(QString::number(year) + u'/' + monthDay).datePart();
    if (!saleStart.isNull() && date < saleStart.datePart())
        date = DateTime::parseSystem(QString::number(year + 1) + u'/' + monthDay).datePart();
    return date;
}

const QStringList Labels = {QStringLiteral("販売開始日"), QStringLiteral("販売終了日"),
                            QStringLiteral("結果発表日"), QStringLiteral("払戻開始日"),
                            QStringLiteral("払戻期限")};

} // namespace

clsHtmlSchedule::clsHtmlSchedule() : m_reporter(QStringLiteral("clsHtmlSchedule")) {}

bool clsHtmlSchedule::GetSchedule(qint32 lngKaisaikai, const QString& strKumi,
                                  QObject* objOwnerForm) {
    m_schedule = ScheduleData();
    m_unpublished = false;
    // The address as the settings give it now: a change in the connection settings works at once.
    const OfficialUrlSettings& urls = OfficialUrlSettings::current();
    const QString url = urls.bigOfficialScheduleUrl +
                        NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000")) +
                        urls.bigOfficialMiniBigUrl;
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 開催情報取得中 (オフィシャル)"));
    m_report.start(QByteArray());
    QByteArray page;
    QString contentType;
    const bool downloaded = m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType);
    const bool read = downloaded && ReadPage(lngKaisaikai, strKumi, page, contentType);
    const qint32 status = m_htmlGet.LastStatus();
    const bool failedAnswer = status != 0 && (status < 200 || status > 299);
    m_pageMayHaveMoved = urls.schedulePageIsDefault() &&
                         (failedAnswer || (downloaded && m_unpublished && !m_noticeShown));
    if (!failedAnswer)
        return read;
    // An error page is read for the site's notices only; what else it holds is never taken.
    m_schedule = ScheduleData();
    m_report.refuseAnswer(status);
    return false;
}

bool clsHtmlSchedule::ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                               const QString& contentType) {
    m_schedule = ScheduleData();
    m_unpublished = false;
    m_noticeShown = false;
    m_pageMayHaveMoved = false;
    m_report.start(page);
    m_toto.SetPageReport(&m_report);
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0) {
            m_report.refuse(QStringLiteral("ページの文字コード"));
            return false;
        }

        ScheduleData work;
        bool headerFound = false;
        const bool taken =
            readLines(m_htmlGet.GetPageLines(Labels), lngKaisaikai, strKumi, work, headerFound);
        if (!headerFound) {
            m_unpublished = true;
            return false;
        }
        if (!taken || m_report.isRefused())
            return false;
        m_schedule = work;
        return true;
    } catch (const PageLines::Ended&) {
        m_report.refused();
        return false;
    } catch (const RuntimeError& e) {
        m_report.refused();
        m_reporter.runtimeError(QStringLiteral("GetSchedule"), e, m_report.describe(QString()));
        return false;
    }
}

bool clsHtmlSchedule::readLines(const PageLines& lines, qint32 lngKaisaikai, const QString& strKumi,
                                ScheduleData& work, bool& headerFound) {
    QString header = QStringLiteral("miniBIG") + QStringLiteral("くじ指定試合");
    if (!strKumi.isEmpty()) {
        header = QStringLiteral("miniBIG") + u'-' + strKumi + QStringLiteral("組") +
                 QStringLiteral("くじ情報");
        work.Kumi = strKumi;
    }
    // Match rows give month and day; the year is the sale start's once that is known.
    int year = Platform::current().now().date().year();
    bool match9Read = false;

    for (qint32 i = 0; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (!headerFound) {
            if (line == QStringLiteral("ご指定のくじ情報は表示できません。")) {
                m_noticeShown = true;
                return false;
            }
            if (line.startsWith(u'第'))
                m_report.reading(QStringLiteral("開催回"), lines, i);
            if (!m_toto.GetKaisaikaiOver(lines, i, i, work.Kaisaikai, header))
                continue;
            headerFound = true;
            if (work.Kaisaikai != lngKaisaikai) {
                m_report.setOtherDraw(work.Kaisaikai);
                return false;
            }
            continue;
        }

        if (line == QStringLiteral("くじは中止となりました。")) {
            work.HeldState = ScheduleData::Cancelled;
        } else if (line == QStringLiteral("販売開始日")) {
            work.SaleStart = m_toto.StringToDateEx2(m_report.take(line, lines, ++i));
            if (!work.SaleStart.isNull())
                year = work.SaleStart.date().year();
        } else if (line == QStringLiteral("販売終了日")) {
            work.SaleEnd = m_toto.StringToDateEx2(m_report.take(line, lines, ++i));
        } else if (line == QStringLiteral("結果発表日")) {
            work.ResultDate = m_toto.StringToDateEx(m_report.take(line, lines, ++i));
        } else if (line == QStringLiteral("払戻開始日")) {
            work.PayoutStart = m_toto.StringToDateEx(m_report.take(line, lines, ++i));
        } else if (line == QStringLiteral("払戻期限")) {
            work.PayoutDeadline = m_toto.StringToDateEx(m_report.take(line, lines, ++i));
            break;
        } else if (PageLines::isMatchNumber(line, 14)) {
            if (!readMatch(lines, i, lngKaisaikai, work, year, match9Read))
                return false;
        }
    }
    return true;
}

bool clsHtmlSchedule::readMatch(const PageLines& lines, qint32& i, qint32 lngKaisaikai,
                                ScheduleData& work, int year, bool& match9Read) {
    const qint32 number = lines.at(i).toInt();
    const QString row = QStringLiteral("第") + QString::number(number) + QStringLiteral("試合");
    m_report.reading(row, lines, i);
    if (match9Read) {
        m_report.refused();
        return false;
    }
    MatchInfo& match = matchSlot(work, number);
    // Row: number, date, start time, stadium, home team, separator, away team.
    match.MatchDate = matchDate(year, m_report.take(row + QStringLiteral("の開催日"), lines, i + 1),
                                work.SaleStart);
    match.StartTime = DateTime::fromTime(
        DateTime::parseSystem(clsHtmlToto::PlainDateText(
                                  m_report.take(row + QStringLiteral("の開始時刻"), lines, i + 2)))
            .time());
    match.Stadium = m_report.take(row + QStringLiteral("の競技場"), lines, i + 3);
    match.Home = m_totoData.GetShortTeamName(
        m_report.take(row + QStringLiteral("のホーム"), lines, i + 4), lngKaisaikai);
    if (match.Home.isEmpty()) {
        m_report.refused();
        return false;
    }
    const QString separator = m_report.take(row + QStringLiteral("の開催状況"), lines, i + 5);
    if (separator != QStringLiteral("VS") && separator != QStringLiteral("中止")) {
        m_report.refused();
        return false;
    }
    match.State = separator;
    match.Away = m_totoData.GetShortTeamName(
        m_report.take(row + QStringLiteral("のアウェイ"), lines, i + 6), lngKaisaikai);
    if (match.Away.isEmpty()) {
        m_report.refused();
        return false;
    }
    i += 6;
    if (number == 9)
        match9Read = true;
    return true;
}
