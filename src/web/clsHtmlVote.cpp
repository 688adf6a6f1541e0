#include "web/clsHtmlVote.h"

#include "base/NumberFormat.h"
#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"

#include <algorithm>

clsHtmlVote::clsHtmlVote()
    : m_urlBase(OfficialUrlSettings::current().totoOfficialVoteUrl),
      m_productSuffix(OfficialUrlSettings::current().totoOfficialTotoUrl),
      m_reporter(QStringLiteral("clsHtmlVoteBIG")) {}

bool clsHtmlVote::GetVote(qint32 lngKaisaikai, const ScheduleData& schedule, QObject* objOwnerForm,
                          bool& blnFinal) {
    m_vote = VoteData();
    m_unpaired.clear();
    m_unpublished = false;
    blnFinal = false;
    const QString url = m_urlBase +
                        NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000")) +
                        m_productSuffix;
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 投票状況情報取得中 (オフィシャル)"));
    QByteArray page;
    QString contentType;
    if (!m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType))
        return false;
    return ReadPage(lngKaisaikai, schedule, page, contentType, blnFinal);
}

bool clsHtmlVote::ReadPage(qint32 lngKaisaikai, const ScheduleData& schedule,
                           const QByteArray& page, const QString& contentType, bool& blnFinal) {
    Q_UNUSED(lngKaisaikai)
    m_vote = VoteData();
    m_unpaired.clear();
    m_unpublished = false;
    blnFinal = false;
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0)
            return false;

        VoteData work;
        TotoTable toto;
        DateTime saleEnd;
        bool stampFound = false;
        const bool taken =
            readLines(m_htmlGet.GetPageLines(), work, toto, saleEnd, stampFound, blnFinal);
        if (!stampFound) {
            m_unpublished = true;
            return false;
        }
        if (!taken)
            return false;
        if (blnFinal)
            work.AsOf = saleEnd;
        QList<qint32> unpaired;
        for (size_t m = 0; m < work.Matches.size(); ++m) {
            const MatchInfo& planned = schedule.Matches[m];
            VoteMatch& match = work.Matches[m];
            match.MatchDate = planned.MatchDate;
            match.StartTime = planned.StartTime;
            match.Home = planned.Home;
            match.Away = planned.Away;
            // Two mini BIG matches with the same teams both take the first such toto match.
            const auto partner =
                std::find_if(toto.cbegin(), toto.cend(), [&planned](const TotoMatch& candidate) {
                    return candidate.Home == planned.Home && candidate.Away == planned.Away;
                });
            if (partner != toto.cend())
                match.Outcomes = partner->Outcomes;
            else
                unpaired.append(qint32(m + 1));
        }
        m_vote = work;
        m_unpaired = unpaired;
        return true;
    } catch (const PageLines::Ended&) {
        blnFinal = false;
        return false;
    } catch (const RuntimeError& e) {
        blnFinal = false;
        m_reporter.runtimeError(QStringLiteral("GetVote"), e);
        return false;
    }
}

bool clsHtmlVote::readLines(const PageLines& lines, VoteData& work, TotoTable& toto,
                            DateTime& saleEnd, bool& stampFound, bool& blnFinal) const {
    bool headerFound = false;
    int year = Platform::current().now().date().year();
    for (qint32 i = 0; i < lines.count(); ++i) {
        const QString& line = lines.at(i);
        if (!headerFound) {
            if (line == QStringLiteral("ご指定の投票状況は表示できません。"))
                return false;
            if (!m_toto.Kaisaikai(line, work.Kaisaikai))
                continue;
            headerFound = true;
        }
        if (!stampFound) {
            // The as-of stamp: "(2021年01月08日(金)18:00時点)" or "(…販売終了時点)".
            if (!m_toto.GetStringToDateNow(line, work.AsOf, blnFinal))
                continue;
            stampFound = true;
            if (!work.AsOf.isNull())
                year = work.AsOf.date().year();
        }

        if (line == QStringLiteral("売上金額") || line == QStringLiteral("投票口数") ||
            line == QStringLiteral("投票枚数")) {
            i += 3; // total, multi, single
            continue;
        }
        if (line == QStringLiteral("販売期間")) {
            DateTime saleStart;
            m_toto.DateString2(lines.at(++i), saleStart, saleEnd);
            continue;
        }
        if (line == QStringLiteral("結果発表日") || line == QStringLiteral("払戻開始日") ||
            line == QStringLiteral("払戻期限")) {
            ++i;
            continue;
        }

        // A match row: [date, start time,] number, home, three outcomes, away. The row's date
        // and time only have to convert; the result takes them from the schedule.
        qint32 row = i;
        if (DateTime::isSystemDate(lines.at(row))) {
            DateTime::parseSystem(QString::number(year) + u'/' + lines.at(row));
            DateTime::parseSystem(lines.at(row + 1));
            row += 2;
        }
        QString number = lines.at(row);
        if (number.contains(QStringLiteral("中止")))
            number = number.mid(2); // a cancelled match shows "中止" before its number
        i = row;
        if (!PageLines::isMatchNumber(number, TotoMatchCount))
            continue;
        TotoMatch& match = toto[size_t(number.toInt() - 1)];
        match.Home = lines.at(i + 1);
        // The page lists home win, draw, home loss: outcomes 1, 0, 2.
        const size_t outcomes[] = {1, 0, 2};
        for (qint32 k = 0; k < 3; ++k) {
            OutcomeVote& vote = match.Outcomes[outcomes[k]];
            if (!m_toto.GetValue2(lines.at(i + 2 + k), vote.Votes, vote.Rate))
                return false;
        }
        match.Away = lines.at(i + 5);
        i += 5;
    }
    return true;
}
