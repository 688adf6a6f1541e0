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

// The page gives month and day. Matches are played after the sale starts, so a month and day
// before the sale start's belong to the following year (a sale starting in December for
// matches in January).
DateTime matchDate(int year, const QString& monthDay, const DateTime& saleStart) {
    DateTime date = DateTime::parseSystem(QString::number(year) + u'/' + monthDay).datePart();
    if (!saleStart.isNull() && date < saleStart.datePart())
        date = DateTime::parseSystem(QString::number(year + 1) + u'/' + monthDay).datePart();
    return date;
}

} // namespace

clsHtmlSchedule::clsHtmlSchedule()
    : m_urlBase(OfficialUrlSettings::current().bigOfficialScheduleUrl),
      m_productSuffix(OfficialUrlSettings::current().bigOfficialMiniBigUrl),
      m_reporter(QStringLiteral("clsHtmlSchedule")) {}

bool clsHtmlSchedule::GetSchedule(qint32 lngKaisaikai, const QString& strKumi,
                                  QObject* objOwnerForm) {
    m_schedule = ScheduleData();
    m_unpublished = false;
    const QString url = m_urlBase +
                        NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000")) +
                        m_productSuffix;
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 開催情報取得中 (オフィシャル)"));
    QByteArray page;
    QString contentType;
    if (!m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType))
        return false;
    return ReadPage(lngKaisaikai, strKumi, page, contentType);
}

bool clsHtmlSchedule::ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                               const QString& contentType) {
    m_schedule = ScheduleData();
    m_unpublished = false;
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0)
            return false;

        ScheduleData work;
        bool headerFound = false;
        const bool taken =
            readLines(m_htmlGet.GetPageLines(), lngKaisaikai, strKumi, work, headerFound);
        if (!headerFound) {
            m_unpublished = true;
            return false;
        }
        if (!taken)
            return false;
        m_schedule = work;
        return true;
    } catch (const PageLines::Ended&) {
        return false;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetSchedule"), e);
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
        const QString& line = lines.at(i);
        if (!headerFound) {
            if (line == QStringLiteral("ご指定のくじ情報は表示できません。"))
                return false;
            if (!m_toto.GetKaisaikai(line, work.Kaisaikai, header))
                continue;
            headerFound = true;
        }

        if (line == QStringLiteral("くじは中止となりました。")) {
            work.HeldState = ScheduleData::Cancelled;
        } else if (line == QStringLiteral("販売開始日")) {
            work.SaleStart = m_toto.StringToDateEx2(lines.at(++i));
            if (!work.SaleStart.isNull())
                year = work.SaleStart.date().year();
        } else if (line == QStringLiteral("販売終了日")) {
            work.SaleEnd = m_toto.StringToDateEx2(lines.at(++i));
        } else if (line == QStringLiteral("結果発表日")) {
            work.ResultDate = m_toto.StringToDateEx(lines.at(++i));
        } else if (line == QStringLiteral("払戻開始日")) {
            work.PayoutStart = m_toto.StringToDateEx(lines.at(++i));
        } else if (line == QStringLiteral("払戻期限")) {
            work.PayoutDeadline = m_toto.StringToDateEx(lines.at(++i));
            break;
        } else if (PageLines::isMatchNumber(line, 14)) {
            if (match9Read)
                return false;
            const qint32 number = line.toInt();
            MatchInfo& match = matchSlot(work, number);
            // Row: number, date, start time, stadium, home team, separator, away team.
            match.MatchDate = matchDate(year, lines.at(i + 1), work.SaleStart);
            match.StartTime = DateTime::fromTime(DateTime::parseSystem(lines.at(i + 2)).time());
            match.Stadium = lines.at(i + 3);
            match.Home = m_totoData.GetShortTeamName(lines.at(i + 4), lngKaisaikai);
            if (match.Home.isEmpty())
                return false;
            const QString& separator = lines.at(i + 5);
            if (separator != QStringLiteral("VS") && separator != QStringLiteral("中止"))
                return false;
            match.State = separator;
            match.Away = m_totoData.GetShortTeamName(lines.at(i + 6), lngKaisaikai);
            if (match.Away.isEmpty())
                return false;
            i += 6;
            if (number == 9)
                match9Read = true;
        }
    }
    return true;
}
