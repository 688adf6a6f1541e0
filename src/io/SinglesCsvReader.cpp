#include "io/SinglesCsvReader.h"

#include "base/FileErrorText.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "base/ValueText.h"
#include "singles/SingleCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <new>

namespace {

// Progress is reported after this many lines.
constexpr qint32 LinesPerUpdate = 1001;
// "d,d,d,d,d,d,d,d,d" without its line end.
constexpr qsizetype LineLength = 2 * MatchCount - 1;

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
            // A block no larger than what is left of the file (and one byte to meet its end): a
            // small file does not cost a block's allocation.
            const qint64 block =
                std::clamp<qint64>(m_file.size() - m_file.pos(), 0, BlockSize - 1) + 1;
            m_buffer.resize(kept + block);
            errno = 0;
            const qint64 got = m_file.read(m_buffer.data() + kept, block);
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
    for (int k = 0; k < MatchCount; ++k) {
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
    std::array<const char*, MatchCount + 1> bounds{};
    int fields = 0;
    bounds[0] = begin;
    for (const char* p = begin; p < end; ++p) {
        if (*p == ',') {
            if (++fields >= MatchCount)
                return -1;
            bounds[fields] = p + 1;
        }
    }
    if (fields != MatchCount - 1)
        return -1;
    bounds[MatchCount] = end + 1;
    SingleCodec::Marks marks{};
    bool allMarks = true;
    for (int k = 0; k < MatchCount; ++k) {
        const int value = fieldValue(bounds[k], bounds[k + 1] - 1);
        allMarks = allMarks && value <= 2;
        marks[k] = quint8(value);
    }
    return allMarks ? SingleCodec::encode(marks) : -1;
}

bool isBlank(const char* begin, const char* end) {
    for (const char* p = begin; p < end; ++p)
        if (*p != ' ' && *p != '\t')
            return false;
    return true;
}

// Turns whole lines into singles and skipped lines, counting lines across blocks.
class LineParser {
public:
    explicit LineParser(SinglesCsvContent& content) : m_content(content) {}

    // Every line of [p, last) ends inside it, or at the end of the data. afterLine(lines read so
    // far) runs after each line.
    template <typename AfterLine>
    void parse(const char* p, const char* last, AfterLine&& afterLine) {
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
            ++m_read;
            afterLine(m_read);
            if (number >= 0) {
                m_content.singles.push_back(number);
                m_content.hasNonEmptyLine = true;
            } else if (!isBlank(p, end)) {
                skip(p, end);
            }
            p = nextLine(end, last);
        }
    }

    qint64 linesRead() const { return m_read; }

private:
    void skip(const char* begin, const char* end) {
        m_content.hasNonEmptyLine = true;
        ++m_content.skippedCount;
        if (m_content.skipped.size() >= std::size_t(SinglesCsvReader::KeptSkippedLines))
            return;
        // Two bytes at most per character, so the cut text is never short of characters.
        const qsizetype bytes =
            qMin<qsizetype>(end - begin, 2 * SinglesCsvReader::KeptSkippedChars);
        m_content.skipped.push_back(
            {m_read,
             ShiftJis::decode(QByteArray(begin, bytes)).left(SinglesCsvReader::KeptSkippedChars)});
    }

    SinglesCsvContent& m_content;
    qint64 m_read = 0;
};

void reserveLines(SinglesCsvContent& content, qint64 lines) {
    if (lines > std::numeric_limits<qint32>::max())
        throw RuntimeError::overflow();
    content.lineCount = lines;
    try {
        content.singles.reserve(std::size_t(lines));
    } catch (const std::bad_alloc&) {
        throw outOfMemory();
    }
}

} // namespace

SinglesCsvContent SinglesCsvReader::read(QByteArrayView bytes) {
    SinglesCsvContent content;
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    reserveLines(content, countLines(begin, end));
    LineParser(content).parse(begin, end, [](qint64) {});
    return content;
}

SinglesCsvContent SinglesCsvReader::readFile(const QString& fullPath, const Progress& progress) {
    SinglesCsvContent content;
    qint64 size = 0;
    {
        LineBlocks blocks(fullPath);
        const char* begin = nullptr;
        const char* end = nullptr;
        qint64 lines = 0;
        while (blocks.next(begin, end))
            lines += countLines(begin, end);
        size = blocks.bytesRead();
        reserveLines(content, lines);
    }
    if (progress.counted)
        progress.counted(content.lineCount);
    if (content.lineCount == 0)
        return content;

    LineBlocks blocks(fullPath);
    LineParser parser(content);
    qint32 sinceUpdate = 0;
    const auto afterLine = [&](qint64 read) {
        if (read > content.lineCount)
            throw FileErrorText::changedWhileReading(fullPath);
        if (++sinceUpdate == LinesPerUpdate) {
            sinceUpdate = 0;
            if (progress.advanced)
                progress.advanced(read);
        }
    };
    const char* p = nullptr;
    const char* last = nullptr;
    while (blocks.next(p, last))
        parser.parse(p, last, afterLine);
    if (parser.linesRead() != content.lineCount || blocks.bytesRead() != size)
        throw FileErrorText::changedWhileReading(fullPath);
    return content;
}
