#include "web/clsHtmlResult.h"

#include "base/NumberFormat.h"
#include "base/OfficialUrlSettings.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"

#include <algorithm>

namespace {

constexpr quint8 CancelledMark = 3;

ResultMatch& matchSlot(ResultData& data, qint32 number) {
    if (number < 1 || number > qint32(data.Matches.size()))
        throw RuntimeError::subscriptOutOfRange();
    return data.Matches[size_t(number - 1)];
}

template <typename T, size_t N> T& gradeSlot(std::array<T, N>& values, qint32 grade) {
    if (grade < 1 || grade > qint32(N))
        throw RuntimeError::subscriptOutOfRange();
    return values[size_t(grade - 1)];
}

} // namespace

clsHtmlResult::clsHtmlResult()
    : m_urlBase(OfficialUrlSettings::current().bigOfficialResultUrl),
      m_reporter(QStringLiteral("clsHtmlResult")) {}

bool clsHtmlResult::findLabel(const PageLines& lines, qint32& lngIndex, const QString& strLabel) {
    for (qint32 i = std::max(lngIndex, 0); i < lines.count(); ++i) {
        if (lines.at(i) == strLabel) {
            lngIndex = i;
            return true;
        }
    }
    return false;
}

bool clsHtmlResult::GetResult(qint32 lngKaisaikai, const QString& strKumi, QObject* objOwnerForm) {
    m_result = ResultData();
    m_unpublished = false;
    const QString url =
        m_urlBase + NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000"));
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 結果情報取得中 (オフィシャル)"));
    QByteArray page;
    QString contentType;
    if (!m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType))
        return false;
    return ReadPage(lngKaisaikai, strKumi, page, contentType);
}

bool clsHtmlResult::ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                             const QString& contentType) {
    Q_UNUSED(lngKaisaikai)
    m_result = ResultData();
    m_unpublished = false;
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0)
            return false;

        ResultData work;
        bool headerFound = false;
        readLines(m_htmlGet.GetPageLines(), strKumi, work, headerFound);
        if (!headerFound) {
            m_unpublished = true;
            return false;
        }
        work.Cancelled = std::all_of(work.Matches.cbegin(), work.Matches.cend(),
                                     [](const ResultMatch& m) { return m.Mark == CancelledMark; });
        m_result = work;
        return true;
    } catch (const PageLines::Ended&) {
        return false;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetResult"), e);
        return false;
    }
}

void clsHtmlResult::readLines(const PageLines& lines, const QString& strKumi, ResultData& work,
                              bool& headerFound) const {
    QString header = QStringLiteral("miniBIG") + QStringLiteral("くじ結果");
    if (!strKumi.isEmpty()) {
        header = QStringLiteral("miniBIG") + u'-' + strKumi + QStringLiteral("組") +
                 QStringLiteral("くじ結果");
        work.Kumi = strKumi;
    }
    bool prizePhase = true;
    qint32 i = 0;
    for (; i < lines.count() && !headerFound; ++i) {
        if (lines.at(i) == QStringLiteral("ご指定のくじ結果は表示できません。"))
            return;
        if (m_toto.GetKaisaikai(lines.at(i), work.Kaisaikai, header))
            headerFound = true;
    }
    if (!headerFound)
        return;
    --i; // the header line goes through the prize phase too

    // Prize phase: the first line with "円" that is not another product's ("100円BIG") opens
    // the prize table; a cancelled draw has none.
    for (; i < lines.count() && prizePhase;) {
        const QString& line = lines.at(i);
        if (line.contains(u'円') && !line.contains(QStringLiteral("100円BIG"))) {
            // Per grade: prize, winners, carry-over, then the next grade's label.
            for (qint32 g = 1; g <= m_lottery.GetMaxGrade(work); ++g) {
                gradeSlot(work.Prize, g) = m_toto.StringToCurrency(lines.at(i));
                gradeSlot(work.Winners, g) = m_toto.StringToCurrency(lines.at(i + 1));
                gradeSlot(work.CarryOver, g) = m_toto.StringToCurrency(lines.at(i + 2));
                i += 4;
            }
            if (!findLabel(lines, i, QStringLiteral("投票枚数")))
                return;
            work.Sales = m_toto.StringToCurrency(lines.at(i + 1));
            work.Votes = m_toto.StringToCurrency(lines.at(i + 2));
            work.Tickets = m_toto.StringToCurrency(lines.at(i + 3));
            i += 4;
            if (!findLabel(lines, i, QStringLiteral("結果発表日")))
                return;
            work.SaleStart = m_toto.StringToDateEx(lines.at(i + 1));
            work.SaleEnd = m_toto.StringToDateEx(lines.at(i + 2));
            work.ResultDate = m_toto.StringToDateEx(lines.at(i + 3));
            i += 4;
            if (!findLabel(lines, i, QStringLiteral("払戻期限")))
                return;
            work.PayoutStart = m_toto.StringToDateEx(lines.at(i + 1));
            work.PayoutDeadline = m_toto.StringToDateEx(lines.at(i + 2));
            i += 3;
            prizePhase = false;
        }
        if (i < lines.count() &&
            lines.at(i).trimmed() == QStringLiteral("くじは中止になりました。"))
            prizePhase = false;
        if (prizePhase)
            ++i;
    }

    // Match phase: number, home team, score ("2-1" or "中止"), away team, mark.
    for (; i < lines.count(); ++i) {
        if (!PageLines::isMatchNumber(lines.at(i), 14))
            continue;
        const qint32 number = lines.at(i).toInt();
        ResultMatch& match = matchSlot(work, number);
        match.Home = lines.at(i + 1);
        const QString& score = lines.at(i + 2);
        const bool cancelled = score == QStringLiteral("中止");
        if (cancelled) {
            match.HomeScore = 0;
            match.AwayScore = 0;
        } else {
            const QStringList goals = score.split(u'-');
            if (goals.size() < 2)
                throw RuntimeError::subscriptOutOfRange();
            match.HomeScore = ValueText::toByte(goals.at(0));
            match.AwayScore = ValueText::toByte(goals.at(1));
        }
        match.Away = lines.at(i + 3);
        match.Mark = cancelled ? CancelledMark : ValueText::toByte(lines.at(i + 4));
        if (number == 9)
            return;
        i += 4;
    }
}
