#include "drawdata/DrawDocumentReader.h"

#include "base/RuntimeError.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/DrawDocumentWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

// One piece of a document with the source line it starts on (from 1).
struct Piece {
    QString text;
    qint32 line;
};

// The text split into pieces: a break before every "<", after every ">" and at every CR LF, each
// piece stripped of blanks (U+0020 only).
QList<Piece> documentPieces(const QString& text) {
    QList<Piece> pieces;
    QString current;
    qint32 line = 1;
    qint32 currentLine = 1;
    const auto flush = [&] {
        qsizetype begin = 0;
        qsizetype end = current.size();
        while (begin < end && current.at(begin) == u' ')
            ++begin;
        while (end > begin && current.at(end - 1) == u' ')
            --end;
        pieces.append({current.mid(begin, end - begin), currentLine});
        current.clear();
        currentLine = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            ++line;
            flush();
            ++i;
        } else if (c == u'<') {
            flush();
            current += c;
        } else {
            current += c;
            if (c == u'\n')
                ++line;
            else if (c == u'>')
                flush();
        }
    }
    flush();
    return pieces;
}

// The element a value stands in, as the document names it: the innermost open element.
QString elementName(const QList<QString>& stack) {
    return stack.isEmpty() ? QString() : stack.last().mid(1, stack.last().size() - 2);
}

} // namespace

DrawDocumentReader::DrawDocumentReader(const ErrorReporter& reporter) : m_reporter(reporter) {}

void DrawDocumentReader::reportCorrupt() const {
    m_reporter.failure(u"XmlLoad"_s, u"XMLデータが異常です。"_s + fileLine());
}

QString DrawDocumentReader::fileLine() const {
    return m_file.isEmpty() ? QString() : u"\r\n"_s + QDir::toNativeSeparators(m_file);
}

bool DrawDocumentReader::ReadFile(const QString& strPath, QString& strText) {
    if (strPath.isEmpty())
        return false;
    const clsFileSystemObject fso;
    m_file = fso.GetFullPath(strPath);
    const QFileInfo info(m_file);
    if (!info.isFile())
        return false;
    if (info.size() > MaxFileSize) {
        reportCorrupt();
        return false;
    }
    clsFileStream stream;
    stream.ErrMessage = false;
    return stream.LoadFromFile(strPath, strText);
}

bool DrawDocumentReader::Read(const QString& strText, const QString& secondLevel,
                              const ApplyValue& apply) const {
    // Bytes that are not Shift_JIS (a file saved as UTF-8, a damaged file) decode to the
    // replacement character, which no stored document can contain.
    if (strText.contains(QChar::ReplacementCharacter)) {
        reportCorrupt();
        return false;
    }
    const QString root = u"<miniBIG>"_s;
    QList<QString> stack;
    bool rootClosed = false;
    Piece where{QString(), 0};
    try {
        for (const Piece& piece : documentPieces(strText)) {
            where = piece;
            const QString& text = piece.text;
            if (text.isEmpty())
                continue;
            if (text.startsWith(u"</"_s)) {
                const QString opening = u'<' + text.mid(2);
                if (stack.isEmpty() || stack.last() != opening) {
                    reportCorrupt();
                    return false;
                }
                // The root element stays open to the end.
                if (stack.size() > 1)
                    stack.removeLast();
                else
                    rootClosed = true;
            } else if (text.startsWith(u"<?"_s)) {
                continue;
            } else if (text.startsWith(u'<')) {
                stack.append(text);
            } else {
                if (stack.size() < 2)
                    throw RuntimeError::subscriptOutOfRange();
                // A value that no save writes (a line break inside it) comes from a damaged file.
                if (!DrawDocumentWriter::StorableValue(text)) {
                    reportCorrupt();
                    return false;
                }
                QString path;
                if (stack.at(0) == root && stack.at(1) == secondLevel) {
                    for (qsizetype i = 2; i < stack.size(); ++i)
                        path += stack.at(i);
                }
                apply(path, text);
            }
        }
    } catch (const RuntimeError& e) {
        // The run-time text alone does not say what was wrong: the element and its line follow.
        const QString what = stack.size() < 2 ? u"要素の外に値があります"_s
                                              : u"「"_s + elementName(stack) + u"」が読めません"_s;
        m_reporter.runtimeError(u"XmlLoad"_s, e,
                                what + u"（"_s + QString::number(where.line) + u" 行目）"_s +
                                    fileLine());
        return false;
    }
    // A document cut short (a truncated file) still has open elements at its end.
    if (stack.size() != 1 || !rootClosed) {
        reportCorrupt();
        return false;
    }
    return true;
}
