#include "drawdata/DrawDocumentReader.h"

#include "base/RuntimeError.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/DrawDocumentWriter.h"

#include <QFileInfo>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

// The text split into pieces: a line break before every "<" and after every ">", then split at
// CR LF, each piece stripped of blanks (U+0020 only).
QStringList documentPieces(const QString& text) {
    QString spaced;
    spaced.reserve(text.size() + text.size() / 4);
    for (const QChar c : text) {
        if (c == u'<')
            spaced += u"\r\n<"_s;
        else if (c == u'>')
            spaced += u">\r\n"_s;
        else
            spaced += c;
    }
    QStringList pieces = spaced.split(u"\r\n"_s);
    for (QString& piece : pieces) {
        qsizetype begin = 0;
        qsizetype end = piece.size();
        while (begin < end && piece.at(begin) == u' ')
            ++begin;
        while (end > begin && piece.at(end - 1) == u' ')
            --end;
        piece = piece.mid(begin, end - begin);
    }
    return pieces;
}

} // namespace

DrawDocumentReader::DrawDocumentReader(const ErrorReporter& reporter) : m_reporter(reporter) {}

void DrawDocumentReader::reportCorrupt() const {
    m_reporter.failure(u"XmlLoad"_s, u"XMLデータが異常です。"_s);
}

bool DrawDocumentReader::ReadFile(const QString& strPath, QString& strText) const {
    if (strPath.isEmpty())
        return false;
    const clsFileSystemObject fso;
    const QFileInfo info(fso.GetFullPath(strPath));
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
    try {
        for (const QString& piece : documentPieces(strText)) {
            if (piece.isEmpty())
                continue;
            if (piece.startsWith(u"</"_s)) {
                const QString opening = u'<' + piece.mid(2);
                if (stack.isEmpty() || stack.last() != opening) {
                    reportCorrupt();
                    return false;
                }
                // The root element stays open to the end.
                if (stack.size() > 1)
                    stack.removeLast();
                else
                    rootClosed = true;
            } else if (piece.startsWith(u"<?"_s)) {
                continue;
            } else if (piece.startsWith(u'<')) {
                stack.append(piece);
            } else {
                if (stack.size() < 2)
                    throw RuntimeError::subscriptOutOfRange();
                // A value that no save writes (a line break inside it) comes from a damaged file.
                if (!DrawDocumentWriter::StorableValue(piece)) {
                    reportCorrupt();
                    return false;
                }
                QString path;
                if (stack.at(0) == root && stack.at(1) == secondLevel) {
                    for (qsizetype i = 2; i < stack.size(); ++i)
                        path += stack.at(i);
                }
                apply(path, piece);
            }
        }
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(u"XmlLoad"_s, e);
        return false;
    }
    // A document cut short (a truncated file) still has open elements at its end.
    if (stack.size() != 1 || !rootClosed) {
        reportCorrupt();
        return false;
    }
    return true;
}
