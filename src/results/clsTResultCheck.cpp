#include "results/clsTResultCheck.h"

#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "base/clsFileStream.h"
#include "drawdata/MatchCount.h"
#include "singles/SingleCodec.h"
#include "singles/SingleKeySort.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <numeric>

namespace {

// Lists longer than this show their progress while they are taken in.
constexpr qint32 ProgressThreshold = 10000;
constexpr qint32 SinglesPerUpdate = 1001;

} // namespace

clsTResultCheck::clsTResultCheck()
    : m_perNumber(SingleCodec::SingleCount, 0), m_gradeOf(SingleCodec::SingleCount, 1),
      m_reporter(QStringLiteral("clsTResult")) {}

QString clsTResultCheck::TempFilePath(qint32 lngKaisaikai, const QString& strKumi) {
    QString name = QStringLiteral("miniBIG_Result_") +
                   NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("000"));
    if (!strKumi.isEmpty())
        name += u'_' + strKumi;
    return Platform::current().programFolder() + QStringLiteral("/SysData/Temp/") + name +
           QStringLiteral(".dat");
}

bool clsTResultCheck::SetResultData(qint32 lngKaisaikai, const QString& strKumi,
                                    const ResultData& result, bool blnShowAll) {
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_result = result;
    m_resultExists = result.Kaisaikai > 0;
    m_revealed = 0;
    return reveal(blnShowAll ? Reveal::All : Reveal::None);
}

bool clsTResultCheck::SetNextData() {
    return reveal(Reveal::Next);
}

bool clsTResultCheck::SetAlltData() {
    return reveal(Reveal::All);
}

bool clsTResultCheck::reveal(Reveal mode) {
    // Marks set by hand before are dropped; only the temporary file of a draw without an
    // official result brings them back.
    ResultMarks marks{};
    if (m_resultExists)
        QFile::remove(TempFilePath(m_kaisaikai, m_kumi));
    else if (m_kaisaikai > 0)
        marks = loadResultTemp();

    if (m_resultExists) {
        int last = -1;
        if (mode == Reveal::Next) {
            last = qMin(m_revealed, MatchCount - 1);
            m_revealed = qMin(m_revealed + 1, MatchCount);
        } else if (mode == Reveal::All) {
            last = MatchCount - 1;
            m_revealed = MatchCount;
        }
        for (int k = 0; k <= last; ++k) {
            const quint8 mark = m_result.Matches[k].Mark;
            if (mark <= 2) {
                marks[mark][k] = 1;
            } else if (mark == 3) {
                for (auto& row : marks)
                    row[k] = 3;
            }
        }
    }
    return applyMarks(marks, FullResult());
}

bool clsTResultCheck::SetMarks(const ResultMarks& marks, bool blnClick) {
    if (!applyMarks(marks, FullResult()))
        return false;
    if (blnClick && !m_resultExists && m_kaisaikai > 0)
        saveResultTemp();
    return true;
}

bool clsTResultCheck::applyMarks(const ResultMarks& marks, bool confirm) {
    if (marks == m_marks)
        return false;
    m_marks = marks;
    check(confirm);
    return true;
}

void clsTResultCheck::Clear() {
    m_singles.clear();
    std::fill(m_perNumber.begin(), m_perNumber.end(), 0);
    m_marks = {};
    check(true);
}

ResultMarks clsTResultCheck::HitTable() const {
    ResultMarks hit = m_marks;
    for (int k = 0; k < MatchCount; ++k) {
        if (m_marks[0][k] == 0 && m_marks[1][k] == 0 && m_marks[2][k] == 0) {
            for (auto& row : hit)
                row[k] = Undecided;
        }
    }
    return hit;
}

void clsTResultCheck::check(bool confirm) {
    const ResultMarks hit = HitTable();
    // The grade depends on the single number only: grade each of the 19 683 singles once and
    // count the list through how often each number occurs in it.
    m_gradeCounts = {};
    for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
        const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
        int hits = 0;
        for (int k = 0; k < MatchCount; ++k)
            hits += hit[marks[k]][k] != 0;
        m_gradeOf[number] = quint8(10 - hits);
        // Each count is at most the list's length, which fits.
        m_gradeCounts[9 - hits] += m_perNumber[number];
    }
    if (confirm) {
        int decided = 0;
        for (int k = 0; k < MatchCount; ++k) {
            bool official = false;
            for (const auto& row : m_marks)
                official = official || row[k] == 1 || row[k] == 3;
            decided += official;
        }
        m_confirmed = decided == MatchCount;
    }
}

bool clsTResultCheck::SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle) {
    const WaitCursor wait;
    bool ok = true;
    try {
        if (lngSingleCount < 0 || std::size_t(lngSingleCount) > lngSingle.size())
            throw RuntimeError::subscriptOutOfRange();
        std::unique_ptr<ProgressWindow> progress;
        if (lngSingleCount > ProgressThreshold)
            progress = Platform::current().openProgress(QStringLiteral("シングル構成の解析中"),
                                                        lngSingleCount - 1);
        std::vector<qint32> singles(static_cast<std::size_t>(lngSingleCount));
        std::vector<qint32> perNumber(SingleCodec::SingleCount, 0);
        qint32 sinceUpdate = 0;
        for (qint32 i = 0; i < lngSingleCount; ++i) {
            const qint32 number = lngSingle[i];
            if (!SingleCodec::isValid(number))
                throw RuntimeError::overflow();
            singles[i] = number;
            ++perNumber[number];
            if (++sinceUpdate == SinglesPerUpdate) {
                sinceUpdate = 0;
                if (progress)
                    progress->setValue(i);
                Platform::current().processEvents();
            }
        }
        if (progress)
            progress->setValue(lngSingleCount - 1);
        m_singles = std::move(singles);
        m_perNumber = std::move(perNumber);
    } catch (const RuntimeError& e) {
        m_singles.clear();
        std::fill(m_perNumber.begin(), m_perNumber.end(), 0);
        m_reporter.runtimeError(QStringLiteral("SetSingle_Sub"), e);
        ok = false;
    }
    check(true);
    return ok;
}

qint32 clsTResultCheck::Single(qint32 position) const {
    if (position < 0 || position >= SingleCount())
        throw RuntimeError::subscriptOutOfRange();
    return m_singles[std::size_t(position)];
}

quint8 clsTResultCheck::Grade(qint32 position) const {
    return m_gradeOf[Single(position)];
}

bool clsTResultCheck::GradeSort(std::span<qint32> lngSingle, bool Sorted) {
    if (lngSingle.size() != m_singles.size()) {
        m_reporter.failure(QStringLiteral("GradeSort_Sub"),
                           QStringLiteral("シングル数が一致しません"));
        return false;
    }
    try {
        SingleKeySort::byLongKey(
            lngSingle, [this](std::size_t i) { return qint32(m_gradeOf[m_singles[i]]); }, Sorted);
        return true;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GradeSort_Sub"), e);
        return false;
    }
}

QString clsTResultCheck::GradeCountText(const std::array<qint32, GradeCount>& counts, int misses) {
    return NumberFormat::format(qint64(counts.at(std::size_t(misses))), QStringLiteral("#,##0"));
}

QString clsTResultCheck::GradeRatioText(const std::array<qint32, GradeCount>& counts, int misses) {
    const qint64 total = std::accumulate(counts.begin(), counts.end(), qint64(0));
    if (total <= 0)
        return QStringLiteral("0%");
    const double share = double(counts.at(std::size_t(misses))) / double(total) * 100;
    return NumberFormat::format(share, QStringLiteral("##0")) + u'%';
}

ResultMarks clsTResultCheck::loadResultTemp() const {
    const QString path = TempFilePath(m_kaisaikai, m_kumi);
    if (!QFileInfo(path).isFile())
        return {};
    try {
        clsFileStream stream;
        stream.ErrMessage = false;
        QString text;
        if (!stream.LoadFromFile(path, text))
            return {};
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        if (lines.size() < MatchCount)
            throw RuntimeError::subscriptOutOfRange();
        ResultMarks marks{};
        for (int k = 0; k < MatchCount; ++k) {
            const QStringList flags = lines.at(k).split(u',');
            if (flags.size() < 3)
                throw RuntimeError::subscriptOutOfRange();
            for (int m = 0; m < 3; ++m) {
                const quint8 flag = ValueText::toByte(flags.at(m));
                if (flag > 3)
                    throw RuntimeError::overflow();
                marks[m][k] = flag;
            }
        }
        return marks;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("LoadResultTemp"), e);
        return {};
    }
}

void clsTResultCheck::saveResultTemp() const {
    QString text;
    for (int k = 0; k < MatchCount; ++k)
        text +=
            QStringLiteral("%1,%2,%3\r\n").arg(m_marks[0][k]).arg(m_marks[1][k]).arg(m_marks[2][k]);
    clsFileStream stream;
    stream.SaveToFile(TempFilePath(m_kaisaikai, m_kumi), text);
}
