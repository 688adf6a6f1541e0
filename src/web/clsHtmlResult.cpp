#include "web/clsHtmlResult.h"

#include "base/NumberFormat.h"
#include "base/OfficialUrlSettings.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

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

const QStringList SalesLabels = {QStringLiteral("売上金額"), QStringLiteral("投票口数"),
                                 QStringLiteral("投票枚数")};
const QStringList SaleDateLabels = {QStringLiteral("販売開始日"), QStringLiteral("販売終了日"),
                                    QStringLiteral("結果発表日")};
const QStringList PayoutLabels = {QStringLiteral("払戻開始日"), QStringLiteral("払戻期限")};
const QStringList Labels =
    SalesLabels + SaleDateLabels + PayoutLabels +
    QStringList{QStringLiteral("1等"), QStringLiteral("2等"), QStringLiteral("3等")};

} // namespace

clsHtmlResult::clsHtmlResult() : m_reporter(QStringLiteral("clsHtmlResult")) {}

bool clsHtmlResult::findLabel(const PageLines& lines, qint32& lngIndex, const QString& strLabel) {
    for (qint32 i = std::max(lngIndex, 0); i < lines.count(); ++i) {
        if (lines.at(i) == strLabel) {
            lngIndex = i;
            return true;
        }
    }
    return false;
}

bool clsHtmlResult::findValues(const PageLines& lines, qint32& lngIndex, const QStringList& labels,
                               QList<qint32>& valueLines) {
    qint32 last = lngIndex;
    if (!findLabel(lines, last, labels.constLast()))
        return false;
    // The labels may each stand before its own value, rather than as a heading row above the
    // values (where a label is followed by the next label).
    QList<qint32> pairs;
    qint32 from = lngIndex;
    for (const QString& label : labels) {
        qint32 at = from;
        if (!findLabel(lines, at, label) || at > last || at + 1 >= lines.count() ||
            labels.contains(lines.at(at + 1)))
            break;
        pairs.append(at + 1);
        from = at + 1;
    }
    valueLines.clear();
    if (pairs.size() == labels.size()) {
        valueLines = pairs;
    } else {
        for (qint32 k = 1; k <= qint32(labels.size()); ++k)
            valueLines.append(last + k);
    }
    lngIndex = valueLines.constLast() + 1;
    return true;
}

bool clsHtmlResult::GetResult(qint32 lngKaisaikai, const QString& strKumi, QObject* objOwnerForm) {
    m_result = ResultData();
    m_unpublished = false;
    // The address as the settings give it now: a change in the connection settings works at once.
    const QString url = OfficialUrlSettings::current().bigOfficialResultUrl +
                        NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("0000"));
    m_htmlGet.SetProgressDialogMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                       QStringLiteral("回 結果情報取得中 (オフィシャル)"));
    m_report.start(QByteArray());
    QByteArray page;
    QString contentType;
    if (!m_htmlGet.DownloadPage(url, QString(), objOwnerForm, page, contentType))
        return false;
    const bool read = ReadPage(lngKaisaikai, strKumi, page, contentType);
    if (m_htmlGet.LastAnswerOk())
        return read;
    // An error page is read for the site's notices only; what else it holds is never taken.
    m_result = ResultData();
    m_report.refuseAnswer(m_htmlGet.LastStatus());
    return false;
}

bool clsHtmlResult::ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                             const QString& contentType) {
    m_result = ResultData();
    m_unpublished = false;
    m_report.start(page);
    m_toto.SetPageReport(&m_report);
    try {
        if (m_htmlGet.LoadPage(page, contentType) == 0) {
            m_report.refuse(QStringLiteral("ページの文字コード"));
            return false;
        }

        ResultData work;
        bool headerFound = false;
        m_saysCancelled = false;
        const bool taken =
            readLines(m_htmlGet.GetPageLines(Labels), lngKaisaikai, strKumi, work, headerFound);
        if (!headerFound) {
            m_unpublished = true;
            return false;
        }
        if (work.Kaisaikai != lngKaisaikai) {
            m_report.setOtherDraw(work.Kaisaikai);
            return false;
        }
        if (!taken || m_report.isRefused())
            return false;
        // Cancelled when the page says so, or when every score line reads 中止.
        work.Cancelled = m_saysCancelled ||
                         std::all_of(work.Matches.cbegin(), work.Matches.cend(),
                                     [](const ResultMatch& m) { return m.Mark == CancelledMark; });
        m_result = work;
        return true;
    } catch (const PageLines::Ended&) {
        m_report.refused();
        return false;
    } catch (const RuntimeError& e) {
        m_report.refused();
        m_reporter.runtimeError(QStringLiteral("GetResult"), e, m_report.describe(QString()));
        return false;
    }
}

bool clsHtmlResult::readLines(const PageLines& lines, qint32 lngKaisaikai, const QString& strKumi,
                              ResultData& work, bool& headerFound) {
    QString header = QStringLiteral("miniBIG") + QStringLiteral("くじ結果");
    if (!strKumi.isEmpty()) {
        header = QStringLiteral("miniBIG") + u'-' + strKumi + QStringLiteral("組") +
                 QStringLiteral("くじ結果");
        work.Kumi = strKumi;
    }
    qint32 i = 0;
    for (; i < lines.count() && !headerFound; ++i) {
        const QString line = lines.at(i);
        if (line == QStringLiteral("ご指定のくじ結果は表示できません。"))
            return false;
        if (line.startsWith(u'第'))
            m_report.reading(QStringLiteral("開催回"), lines, i);
        if (m_toto.GetKaisaikaiOver(lines, i, i, work.Kaisaikai, header))
            headerFound = true;
    }
    if (!headerFound || work.Kaisaikai != lngKaisaikai)
        return false;
    --i; // the header line goes through the prize phase too
    return !readPrizes(lines, i, work) || readMatches(lines, i, work);
}

bool clsHtmlResult::readPrizes(const PageLines& lines, qint32& i, ResultData& work) {
    // The first line with "円" that is not another product's ("100円BIG") opens the prize table;
    // a cancelled draw has none.
    for (; i < lines.count(); ++i) {
        const QString line = lines.at(i);
        if (line.contains(u'円') && !line.contains(QStringLiteral("100円BIG")))
            return readPrizeTable(lines, i, work);
        if (line.trimmed() == QStringLiteral("くじは中止になりました。")) {
            m_saysCancelled = true;
            return true;
        }
    }
    return true;
}

bool clsHtmlResult::readPrizeTable(const PageLines& lines, qint32& i, ResultData& work) {
    // Per grade: prize, winners, carry-over, then the next grade's label.
    for (qint32 g = 1; g <= m_lottery.GetMaxGrade(work); ++g) {
        const QString grade = QString::number(g) + u'等';
        gradeSlot(work.Prize, g) =
            m_toto.StringToCurrency(m_report.take(grade + QStringLiteral("の当せん金"), lines, i));
        gradeSlot(work.Winners, g) = m_toto.StringToCurrency(
            m_report.take(grade + QStringLiteral("の当せん口数"), lines, i + 1));
        gradeSlot(work.CarryOver, g) = m_toto.StringToCurrency(
            m_report.take(grade + QStringLiteral("の繰越金"), lines, i + 2));
        i += 4;
    }
    // The last grade's fourth line is no grade's label: it may be the first of the sales labels.
    --i;
    QList<qint32> at;
    if (!findValues(lines, i, SalesLabels, at))
        return false;
    work.Sales = m_toto.StringToCurrency(m_report.take(SalesLabels[0], lines, at[0]));
    work.Votes = m_toto.StringToCurrency(m_report.take(SalesLabels[1], lines, at[1]));
    work.Tickets = m_toto.StringToCurrency(m_report.take(SalesLabels[2], lines, at[2]));
    if (!findValues(lines, i, SaleDateLabels, at))
        return false;
    work.SaleStart = m_toto.StringToDateEx(m_report.take(SaleDateLabels[0], lines, at[0]));
    work.SaleEnd = m_toto.StringToDateEx(m_report.take(SaleDateLabels[1], lines, at[1]));
    work.ResultDate = m_toto.StringToDateEx(m_report.take(SaleDateLabels[2], lines, at[2]));
    if (!findValues(lines, i, PayoutLabels, at))
        return false;
    work.PayoutStart = m_toto.StringToDateEx(m_report.take(PayoutLabels[0], lines, at[0]));
    work.PayoutDeadline = m_toto.StringToDateEx(m_report.take(PayoutLabels[1], lines, at[1]));
    return true;
}

bool clsHtmlResult::readMatches(const PageLines& lines, qint32 i, ResultData& work) {
    // Number, home team, score ("2-1" or "中止"), away team, mark.
    for (; i < lines.count(); ++i) {
        if (!PageLines::isMatchNumber(lines.at(i), 14))
            continue;
        const qint32 number = lines.at(i).toInt();
        const QString row = QStringLiteral("第") + QString::number(number) + QStringLiteral("試合");
        m_report.reading(row, lines, i);
        ResultMatch& match = matchSlot(work, number);
        match.Home = m_report.take(row + QStringLiteral("のホーム"), lines, i + 1);
        const QString score = m_report.take(row + QStringLiteral("のスコア"), lines, i + 2);
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
        match.Away = m_report.take(row + QStringLiteral("のアウェイ"), lines, i + 3);
        const QString mark = m_report.take(row + QStringLiteral("の結果"), lines, i + 4);
        // A played match's mark is exactly 0, 1 or 2.
        if (cancelled) {
            match.Mark = CancelledMark;
        } else if (mark == u"0"_s || mark == u"1"_s || mark == u"2"_s) {
            match.Mark = quint8(mark.toUInt());
        } else {
            m_report.refused();
            return false;
        }
        if (number == 9)
            return true;
        i += 4;
    }
    return true;
}
