#include "io/clsTFileCSV.h"

#include "base/AtomicFileWriter.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "io/SinglesCsvReader.h"
#include "singles/SingleCodec.h"

#include <algorithm>

namespace {

// A save shows progress and lets window events run after this many lines.
constexpr qint32 LinesPerUpdate = 1001;
// "d,d,d,d,d,d,d,d,d" without its line end.
constexpr qsizetype LineLength = 2 * MatchCount - 1;
// About 1 MB of lines per write.
constexpr qint32 BufferLines = 50000;

// The error as reported: the file's path on a line of its own, unless the text names it already.
RuntimeError namingFile(const RuntimeError& error, const QString& fullPath) {
    if (error.description().contains(fullPath))
        return error;
    return {error.number(), error.description() + QStringLiteral("\r\n") + fullPath,
            error.source()};
}

} // namespace

clsTFileCSV::clsTFileCSV() : m_reporter(QStringLiteral("clsTFileCSV")) {}

bool clsTFileCSV::CsvSave(const QString& strFileName, qint32 lngSCount,
                          std::span<const qint32> lngSingle) {
    const WaitCursor wait;
    const qint32 maximum = qMax(lngSCount - 1, 0);
    auto progress =
        Platform::current().openProgress(QStringLiteral("CSVファイルに保存中"), maximum);
    AtomicFileWriter file(m_fso.GetFullPath(strFileName));
    try {
        if (lngSCount < 0 || std::size_t(lngSCount) > lngSingle.size())
            throw RuntimeError::subscriptOutOfRange();
        file.open();
        // Written in large blocks, no larger than the list; the progress still moves every 1001
        // lines.
        QByteArray buffer(std::min<qsizetype>(BufferLines, lngSCount) * (LineLength + 2),
                          Qt::Uninitialized);
        char* out = buffer.data();
        const auto flush = [&] {
            file.write(buffer.constData(), out - buffer.constData());
            out = buffer.data();
        };
        qint32 sinceUpdate = 0;
        qint32 inBuffer = 0;
        for (qint32 i = 0; i < lngSCount; ++i) {
            const SingleCodec::Marks& marks = SingleCodec::marks(lngSingle[i]);
            for (int k = 0; k < MatchCount; ++k) {
                *out++ = char('0' + marks[k]);
                *out++ = k + 1 < MatchCount ? ',' : '\r';
            }
            *out++ = '\n';
            if (++inBuffer == BufferLines) {
                inBuffer = 0;
                flush();
            }
            if (++sinceUpdate == LinesPerUpdate) {
                sinceUpdate = 0;
                progress->setValue(i);
                Platform::current().processEvents();
            }
        }
        flush();
        progress->setValue(maximum);
        file.commit();
        return true;
    } catch (const RuntimeError& e) {
        file.cancel();
        // The progress window stays on top of every window: it goes before the report shows.
        progress.reset();
        m_reporter.runtimeError(QStringLiteral("CsvSave_Sub"),
                                namingFile(e, m_fso.GetFullPath(strFileName)));
        return false;
    }
}

bool clsTFileCSV::CsvLoad(const QString& strFileName, qint32& lngSCount,
                          std::vector<qint32>& lngSingle, Skipped* skipped) {
    const WaitCursor wait;
    auto progress = Platform::current().openProgress(QStringLiteral("CSVデータ数の取得中"), 1);
    try {
        SinglesCsvReader::Progress steps;
        steps.counted = [&progress](qint64 lines) {
            if (lines == 0)
                return;
            progress->setMessage(QStringLiteral("CSVファイルの読込中"));
            progress->setMaximum(lines);
        };
        steps.advanced = [&progress](qint64 read) {
            progress->setValue(read);
            Platform::current().processEvents();
        };
        SinglesCsvContent content =
            SinglesCsvReader::readFile(m_fso.GetFullPath(strFileName), steps);
        const qint32 count = qint32(content.singles.size());
        // Positions of skipped lines stay behind the count, as zeros.
        content.singles.resize(std::size_t(content.lineCount), 0);
        if (content.lineCount > 0)
            progress->setValue(content.lineCount);
        lngSCount = count;
        lngSingle = std::move(content.singles);
        if (skipped != nullptr)
            *skipped = {content.skippedCount, std::move(content.skipped), content.hasNonEmptyLine};
        return true;
    } catch (const RuntimeError& e) {
        progress.reset();
        m_reporter.runtimeError(QStringLiteral("CsvLoad_Sub"),
                                namingFile(e, m_fso.GetFullPath(strFileName)));
        return false;
    }
}

QString clsTFileCSV::GetCsvFileName(qint32 lngKaisaikai, const QString& strKumi) const {
    return QStringLiteral("Tovmi-") +
           NumberFormat::format(qint64(lngKaisaikai), QStringLiteral("000")) + strKumi +
           QStringLiteral(".csv");
}

qint32 clsTFileCSV::GetKaisaikai(const QString& strPath) const {
    const QString name = m_fso.GetFileName(strPath);
    // The character at `start` (1-based) is taken as it is, then the digits after it. A name that
    // ends inside the digits, or a text that is no number, gives 0.
    const auto numberAt = [&name](qsizetype start) -> qint32 {
        const qsizetype first = start - 1;
        if (first >= name.size())
            return 0;
        qsizetype end = first + 1;
        while (end < name.size() && name.at(end) >= u'0' && name.at(end) <= u'9')
            ++end;
        if (end >= name.size())
            return 0;
        const QString text = name.mid(first, end - first);
        try {
            return qMax(ValueText::toLong(text), 0);
        } catch (const RuntimeError&) {
            return 0;
        }
    };
    qint32 number = 0;
    if (name.left(6).compare(QStringLiteral("Tovmi-"), Qt::CaseInsensitive) == 0)
        number = numberAt(7);
    if (number == 0)
        number = numberAt(name.startsWith(u'X', Qt::CaseInsensitive) ? 2 : 1);
    return number;
}
