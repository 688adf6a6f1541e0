#include "io/clsTFileCSV.h"

#include "base/AtomicFileWriter.h"
#include "base/FileErrorText.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "base/ValueText.h"
#include "singles/SingleCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cerrno>
#include <limits>
#include <new>

namespace {

// Progress is shown and window events run after this many lines.
constexpr qint32 LinesPerUpdate = 1001;
// "d,d,d,d,d,d,d,d,d" without its line end.
constexpr qsizetype LineLength = 2 * SingleCodec::MatchCount - 1;
// About 1 MB of lines per write.
constexpr qint32 BufferLines = 50000;

// The error as reported: the file's path on a line of its own, unless the text names it already.
RuntimeError namingFile(const RuntimeError& error, const QString& fullPath) {
    if (error.description().contains(fullPath))
        return error;
    return {error.number(), error.description() + QStringLiteral("\r\n") + fullPath,
            error.source()};
}

RuntimeError outOfMemory() {
    return {RuntimeError::OutOfMemory, QStringLiteral("メモリが不足しています。")};
}

// Reads a file from its start in blocks of whole lines, so that a large file never sits in memory
// as a whole and a file that another program shortens meanwhile only reads short.
class LineBlocks {
public:
    explicit LineBlocks(const QString& fullPath) : m_path(fullPath), m_file(fullPath) {
        if (!QFileInfo(fullPath).isFile())
            throw RuntimeError::fileNotFound();
        errno = 0;
        if (!m_file.open(QIODevice::ReadOnly))
            throw FileErrorText::ioError(fullPath, errno);
    }

    // The next lines: every line of the block ends inside it, and a line end CR LF is never
    // split; only the file's last line may lack its line end. False at the end of the file.
    bool next(const char*& begin, const char*& end) {
        m_buffer.remove(0, m_handedOut);
        m_handedOut = 0;
        while (!m_atEnd) {
            const qsizetype kept = m_buffer.size();
            m_buffer.resize(kept + BlockSize);
            errno = 0;
            const qint64 got = m_file.read(m_buffer.data() + kept, BlockSize);
            if (got < 0)
                throw FileErrorText::ioError(m_path, errno);
            m_buffer.resize(kept + got);
            m_bytesRead += got;
            m_atEnd = got == 0;
            m_handedOut = m_atEnd ? m_buffer.size() : completeLines(kept);
            if (m_handedOut > 0)
                break;
        }
        begin = m_buffer.constData();
        end = begin + m_handedOut;
        return m_handedOut > 0;
    }

    qint64 bytesRead() const { return m_bytesRead; }

private:
    static constexpr qint64 BlockSize = 4 << 20;

    // The length of the leading complete lines in the buffer; a CR as its last byte may be the
    // first half of CR LF and waits for the next block. The first `kept` bytes held no line end
    // but perhaps such a CR at their end, so only the bytes from there on are searched.
    qsizetype completeLines(qsizetype kept) const {
        const qsizetype from = qMax<qsizetype>(kept - 1, 0);
        for (qsizetype i = m_buffer.size(); i > from; --i) {
            const char c = m_buffer.at(i - 1);
            if (c == '\n' || (c == '\r' && i < m_buffer.size()))
                return i;
        }
        return 0;
    }

    QString m_path;
    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_handedOut = 0;
    qint64 m_bytesRead = 0;
    bool m_atEnd = false;
};

// Bit 7 of each byte is set where the byte of `word` equals the byte repeated in `pattern`.
quint64 bytesEqual(quint64 word, quint64 pattern) {
    constexpr quint64 Low7 = 0x7F7F7F7F7F7F7F7FULL;
    const quint64 x = word ^ pattern;
    return ~(((x & Low7) + Low7) | x | Low7);
}

// The number of bytes marked by bytesEqual.
qint64 markedBytes(quint64 bits) {
    // Each byte of bits >> 7 is 0 or 1; the multiplication sums them into the top byte.
    return qint64(((bits >> 7) * 0x0101010101010101ULL) >> 56);
}

// A line ends at CR LF, CR or LF; text after the last line end is a line too. Counted eight
// bytes at a time: LF, plus CR not followed by LF.
qint64 countLines(const char* begin, const char* end) {
    constexpr quint64 Lf = 0x0A0A0A0A0A0A0A0AULL;
    constexpr quint64 Cr = 0x0D0D0D0D0D0D0D0DULL;
    qint64 lf = 0;
    qint64 cr = 0;
    qint64 crLf = 0;
    bool previousCr = false;
    const char* p = begin;
    for (; end - p >= 8; p += 8) {
        const quint64 word = qFromLittleEndian<quint64>(p);
        const quint64 lfBits = bytesEqual(word, Lf);
        const quint64 crBits = bytesEqual(word, Cr);
        lf += markedBytes(lfBits);
        cr += markedBytes(crBits);
        // The word holds the bytes in memory order from its lowest byte up.
        crLf += markedBytes((crBits << 8) & lfBits) + (previousCr && (lfBits & 0x80));
        previousCr = crBits >> 63;
    }
    for (; p < end; ++p) {
        lf += *p == '\n';
        cr += *p == '\r';
        crLf += previousCr && *p == '\n';
        previousCr = *p == '\r';
    }
    qint64 lines = lf + cr - crLf;
    if (begin < end && end[-1] != '\n' && end[-1] != '\r')
        ++lines;
    return lines;
}

const char* lineEnd(const char* p, const char* end) {
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

// Past the line end at p: CR LF, CR or LF.
const char* nextLine(const char* p, const char* end) {
    if (p < end && *p == '\r') {
        ++p;
        if (p < end && *p == '\n')
            ++p;
    } else if (p < end && *p == '\n') {
        ++p;
    }
    return p;
}

// One field as a number 0..255; blanks around it are ignored, as by the system's conversion.
int fieldValue(const char* begin, const char* end) {
    const char* b = begin;
    const char* e = end;
    while (b < e && *b == ' ')
        ++b;
    while (e > b && e[-1] == ' ')
        --e;
    if (e - b == 1 && *b >= '0' && *b <= '9')
        return *b - '0';
    return ValueText::toByte(ShiftJis::decode(QByteArray(begin, end - begin)));
}

// The single of a line in the form the program writes, "d,d,d,d,d,d,d,d,d" with marks 0..2;
// -1 for any other text.
qint32 plainSingle(const char* line) {
    qint32 number = 0;
    qint32 power = 1;
    for (int k = 0; k < SingleCodec::MatchCount; ++k) {
        const char digit = line[2 * k];
        if (digit < '0' || digit > '2' || (k < 8 && line[2 * k + 1] != ','))
            return -1;
        number += (digit - '0') * power;
        power *= 3;
    }
    return number;
}

// The single of one line, -1 when the line is no single: not nine fields, or a mark that is not
// 0, 1 or 2. A field that does not convert throws.
qint32 lineSingle(const char* begin, const char* end) {
    if (end - begin == LineLength) {
        const qint32 number = plainSingle(begin);
        if (number >= 0)
            return number;
    }
    std::array<const char*, SingleCodec::MatchCount + 1> bounds{};
    int fields = 0;
    bounds[0] = begin;
    for (const char* p = begin; p < end; ++p) {
        if (*p == ',') {
            if (++fields >= SingleCodec::MatchCount)
                return -1;
            bounds[fields] = p + 1;
        }
    }
    if (fields != SingleCodec::MatchCount - 1)
        return -1;
    bounds[SingleCodec::MatchCount] = end + 1;
    SingleCodec::Marks marks{};
    bool allMarks = true;
    for (int k = 0; k < SingleCodec::MatchCount; ++k) {
        const int value = fieldValue(bounds[k], bounds[k + 1] - 1);
        allMarks = allMarks && value <= 2;
        marks[k] = quint8(value);
    }
    return allMarks ? SingleCodec::encode(marks) : -1;
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
        // Written in large blocks; the progress still moves every 1001 lines.
        QByteArray buffer(BufferLines * (LineLength + 2), Qt::Uninitialized);
        char* out = buffer.data();
        const auto flush = [&] {
            file.write(buffer.constData(), out - buffer.constData());
            out = buffer.data();
        };
        qint32 sinceUpdate = 0;
        qint32 inBuffer = 0;
        for (qint32 i = 0; i < lngSCount; ++i) {
            const SingleCodec::Marks& marks = SingleCodec::marks(lngSingle[i]);
            for (int k = 0; k < SingleCodec::MatchCount; ++k) {
                *out++ = char('0' + marks[k]);
                *out++ = k + 1 < SingleCodec::MatchCount ? ',' : '\r';
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
                          std::vector<qint32>& lngSingle) {
    const WaitCursor wait;
    auto progress = Platform::current().openProgress(QStringLiteral("CSVデータ数の取得中"), 1);
    try {
        const QString fullPath = m_fso.GetFullPath(strFileName);
        qint64 lines = 0;
        qint64 size = 0;
        {
            LineBlocks blocks(fullPath);
            const char* begin = nullptr;
            const char* end = nullptr;
            while (blocks.next(begin, end))
                lines += countLines(begin, end);
            size = blocks.bytesRead();
        }
        if (lines > std::numeric_limits<qint32>::max())
            throw RuntimeError::overflow();
        if (lines == 0) {
            lngSCount = 0;
            lngSingle.clear();
            return true;
        }
        std::vector<qint32> singles;
        try {
            singles.reserve(std::size_t(lines));
        } catch (const std::bad_alloc&) {
            throw outOfMemory();
        }
        progress->setMessage(QStringLiteral("CSVファイルの読込中"));
        progress->setMaximum(lines);

        LineBlocks blocks(fullPath);
        qint32 sinceUpdate = 0;
        qint64 read = 0;
        const char* p = nullptr;
        const char* last = nullptr;
        while (blocks.next(p, last)) {
            while (p < last) {
                // Most lines are as the program writes them: try that form before scanning.
                const char* end = nullptr;
                qint32 number = -1;
                if (last - p > LineLength && (p[LineLength] == '\r' || p[LineLength] == '\n')) {
                    number = plainSingle(p);
                    if (number >= 0)
                        end = p + LineLength;
                }
                if (!end) {
                    end = lineEnd(p, last);
                    number = lineSingle(p, end);
                }
                if (++read > lines)
                    throw FileErrorText::changedWhileReading(fullPath);
                if (number >= 0)
                    singles.push_back(number);
                p = nextLine(end, last);
                if (++sinceUpdate == LinesPerUpdate) {
                    sinceUpdate = 0;
                    progress->setValue(read);
                    Platform::current().processEvents();
                }
            }
        }
        if (read != lines || blocks.bytesRead() != size)
            throw FileErrorText::changedWhileReading(fullPath);
        const qint32 count = qint32(singles.size());
        // Positions of skipped lines stay behind the count, as zeros.
        singles.resize(std::size_t(lines), 0);
        progress->setValue(lines);
        lngSCount = count;
        lngSingle = std::move(singles);
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
