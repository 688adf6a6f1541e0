#include "web/clsHtmlVote.h"

#include "base/NumberFormat.h"
#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QStringList Labels = {QStringLiteral("販売期間"),   QStringLiteral("売上金額"),
                            QStringLiteral("投票口数"),   QStringLiteral("投票枚数"),
                            QStringLiteral("結果発表日"), QStringLiteral("払戻開始日"),
                            QStringLiteral("払戻期限")};

// Team names as the pairing compares them: each name the team files know (short, long or the
// user's) stands for its short name, and every name is taken in half width, in capitals and
// without "・" or blanks.
class TeamKeys {
public:
    explicit TeamKeys(const QList<std::pair<QString, QString>>& shortAndLong) {
        for (const auto& [shortName, longName] : shortAndLong)
            m_keys.insert(normal(shortName), normal(shortName));
        for (const auto& [shortName, longName] : shortAndLong) {
            if (!m_keys.contains(normal(longName)))
                m_keys.insert(normal(longName), normal(shortName));
        }
    }

    QString key(const QString& name) const {
        const QString plain = normal(name);
        return m_keys.value(plain, plain);
    }

private:
    static QString normal(const QString& name) {
        static const QRegularExpression dropped(QStringLiteral("[・･\\s\\x{3000}\\x{A0}]"));
        return name.normalized(QString::NormalizationForm_KC).remove(dropped).toUpper();
    }

    QHash<QString, QString> m_keys;
};

} // namespace

clsHtmlVote::clsHtmlVote() : m_reporter(QStringLiteral("clsHtmlVoteBIG")) {}

bool clsHtmlVote::GetVote(qint32 lngKaisaikai, const ScheduleData& schedule, QObject* objOwnerForm,
                          bool& blnFinal) {
    m_vote = VoteData();
    m_unpaired.clear();
    m_unpublished = false;
    blnFinal = false;
    // The address as the settings give it now: a change in the connection settings works at once.
    const OfficialUrlSettings& urls = OfficialUrlSettings::current();
    const QString url = urls.totoOfficialVoteUrl +
                        NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000")) +
                        urls.totoOfficialTotoUrl;
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 投票状況情報取得中 (オフィシャル)"));
    m_report.start(QByteArray());
    QByteArray page;
    QString contentType;
    if (!m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType))
        return false;
    const bool read = ReadPage(lngKaisaikai, schedule, page, contentType, blnFinal);
    if (m_htmlGet.LastAnswerOk())
        return read;
    // An error page is read for the site's notices only; what else it holds is never taken.
    m_vote = VoteData();
    m_unpaired.clear();
    m_report.refuseAnswer(m_htmlGet.LastStatus());
    blnFinal = false;
    return false;
}

bool clsHtmlVote::ReadPage(qint32 lngKaisaikai, const ScheduleData& schedule,
                           const QByteArray& page, const QString& contentType, bool& blnFinal) {
    m_vote = VoteData();
    m_unpaired.clear();
    m_unpublished = false;
    blnFinal = false;
    m_report.start(page);
    m_toto.SetPageReport(&m_report);
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0) {
            m_report.refuse(QStringLiteral("ページの文字コード"));
            return false;
        }

        VoteData work;
        TotoTable toto;
        DateTime saleEnd;
        bool stampFound = false;
        const bool taken =
            readLines(m_htmlGet.GetPageLines(Labels), work, toto, saleEnd, stampFound, blnFinal);
        if (work.Kaisaikai != lngKaisaikai && work.Kaisaikai != 0) {
            m_report.setOtherDraw(work.Kaisaikai);
            blnFinal = false;
            return false;
        }
        if (!stampFound) {
            m_unpublished = true;
            return false;
        }
        if (!taken || m_report.isRefused()) {
            blnFinal = false;
            return false;
        }
        if (blnFinal)
            work.AsOf = saleEnd;
        m_unpaired = pair(work, schedule, toto, lngKaisaikai);
        m_vote = work;
        return true;
    } catch (const PageLines::Ended&) {
        m_report.refused();
        blnFinal = false;
        return false;
    } catch (const RuntimeError& e) {
        m_report.refused();
        blnFinal = false;
        m_reporter.runtimeError(QStringLiteral("GetVote"), e, m_report.describe(QString()));
        return false;
    }
}

QList<qint32> clsHtmlVote::pair(VoteData& work, const ScheduleData& schedule, const TotoTable& toto,
                                qint32 lngKaisaikai) const {
    const TeamKeys keys(m_totoData.TeamNamePairs(lngKaisaikai));
    QList<qint32> unpaired;
    for (size_t m = 0; m < work.Matches.size(); ++m) {
        const MatchInfo& planned = schedule.Matches[m];
        VoteMatch& match = work.Matches[m];
        match.MatchDate = planned.MatchDate;
        match.StartTime = planned.StartTime;
        match.Home = planned.Home;
        match.Away = planned.Away;
        // The teams as written first; then as the team files and the user name them, in any
        // width and without "・" or blanks. Two mini BIG matches with the same teams both take
        // the first such toto match.
        auto partner =
            std::find_if(toto.cbegin(), toto.cend(), [&planned](const TotoMatch& candidate) {
                return candidate.Home == planned.Home && candidate.Away == planned.Away;
            });
        if (partner == toto.cend()) {
            const QString home = keys.key(planned.Home);
            const QString away = keys.key(planned.Away);
            partner = std::find_if(toto.cbegin(), toto.cend(), [&](const TotoMatch& candidate) {
                return !candidate.Home.isEmpty() && keys.key(candidate.Home) == home &&
                       keys.key(candidate.Away) == away;
            });
        }
        if (partner != toto.cend())
            match.Outcomes = partner->Outcomes;
        else
            unpaired.append(qint32(m + 1));
    }
    return unpaired;
}

bool clsHtmlVote::readLines(const PageLines& lines, VoteData& work, TotoTable& toto,
                            DateTime& saleEnd, bool& stampFound, bool& blnFinal) {
    bool headerFound = false;
    int year = Platform::current().now().date().year();
    for (qint32 i = 0; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (!headerFound) {
            if (line == QStringLiteral("ご指定の投票状況は表示できません。"))
                return false;
            if (line.startsWith(u'第'))
                m_report.reading(QStringLiteral("開催回"), lines, i);
            if (!m_toto.Kaisaikai(line, work.Kaisaikai))
                continue;
            headerFound = true;
        }
        if (!stampFound) {
            // The as-of stamp: "(2021年01月08日(金)18:00時点)" or "(…販売終了時点)".
            if (!m_toto.GetStringToDateNow(line, work.AsOf, blnFinal))
                continue;
            stampFound = true;
            m_report.take(QStringLiteral("集計時点"), lines, i);
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
            m_toto.DateString2(m_report.take(line, lines, ++i), saleStart, saleEnd);
            if (blnFinal) // the figures at the end of sale stand as of its end
                m_report.take(QStringLiteral("集計時点"), lines, i);
            continue;
        }
        if (line == QStringLiteral("結果発表日") || line == QStringLiteral("払戻開始日") ||
            line == QStringLiteral("払戻期限")) {
            ++i;
            continue;
        }
        if (!readRow(lines, i, year, toto))
            return false;
    }
    return true;
}

bool clsHtmlVote::readRow(const PageLines& lines, qint32& i, int year, TotoTable& toto) {
    // A match row: [date, start time,] number, home, three outcomes, away. The row's date and
    // time only have to convert; the result takes them from the schedule.
    qint32 row = i;
    const QString day = clsHtmlToto::WithoutWeekday(lines.at(row));
    if (DateTime::isSystemDate(day)) {
        m_report.reading(QStringLiteral("開催日"), lines, row);
        DateTime::parseSystem(QString::number(year) + u'/' + day);
        m_report.reading(QStringLiteral("開始時刻"), lines, row + 1);
        DateTime::parseSystem(clsHtmlToto::PlainDateText(lines.at(row + 1)));
        row += 2;
    }
    QString number = lines.at(row);
    if (number.contains(QStringLiteral("中止")))
        number = number.mid(2); // a cancelled match shows "中止" before its number
    i = row;
    if (!PageLines::isMatchNumber(number, TotoMatchCount))
        return true;
    const QString field = QStringLiteral("toto 第") + number + QStringLiteral("試合の");
    TotoMatch& match = toto[size_t(number.toInt() - 1)];
    match.Home = m_report.take(field + QStringLiteral("ホーム"), lines, ++i);
    // The page lists home win, draw, home loss: outcomes 1, 0, 2. A count's bracketed rate may
    // stand on a line of its own.
    const std::pair<size_t, const char16_t*> outcomes[] = {
        {1, u"ホーム勝ち"}, {0, u"引分け"}, {2, u"アウェイ勝ち"}};
    for (const auto& [outcome, name] : outcomes) {
        OutcomeVote& vote = match.Outcomes[outcome];
        const QString count = m_report.take(field + QString::fromUtf16(name), lines, ++i);
        if (m_toto.GetValue2(count, vote.Votes, vote.Rate))
            continue;
        const QString rate = i + 1 < lines.count() ? lines.at(i + 1) : QString();
        const bool rateApart = rate.startsWith(u'(') || rate.startsWith(QChar(0xFF08));
        if (!rateApart || !m_toto.GetValue2(count + rate, vote.Votes, vote.Rate)) {
            m_report.refused();
            return false;
        }
        ++i;
    }
    match.Away = m_report.take(field + QStringLiteral("アウェイ"), lines, ++i);
    // A missing away cell would make the next row's first cell the away team.
    Money votes;
    Money rate;
    if (DateTime::isSystemDate(clsHtmlToto::WithoutWeekday(match.Away)) ||
        m_toto.GetValue2(match.Away, votes, rate)) {
        m_report.refused();
        return false;
    }
    return true;
}
