#include "base/AtomicFileWriter.h"

#include "base/FileErrorText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>

namespace {

// Taken when the program starts, before any save can run.
const QDateTime programStart = QDateTime::currentDateTimeUtc();

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& fullPath)
    : m_fullPath(fullPath), m_file(fullPath) {}

int AtomicFileWriter::removeLeftovers(const QString& fullPath) {
    const QFileInfo target(fullPath);
    const QString name = target.fileName();
    if (name.isEmpty())
        return 0;
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = target.dir();
    const QFileInfoList candidates =
        folder.entryInfoList(QStringList{name + QStringLiteral(".??????")},
                             QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    int removed = 0;
    for (const QFileInfo& candidate : candidates) {
        if (!leftover.match(candidate.fileName()).hasMatch() || candidate.isSymLink())
            continue;
        if (candidate.lastModified().toUTC() < programStart && folder.remove(candidate.fileName()))
            ++removed;
    }
    return removed;
}

int AtomicFileWriter::removeStaleLeftovers(const QString& folder, bool subfolders,
                                           const QDateTime& olderThan) {
    static const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QStringLiteral(".+\\.(xml|ini|dat|txt|csv|hand)\\.[A-Za-z0-9]{6}")));
    // A suffix of six small letters is as likely a word the user chose ("list.csv.backup") as
    // a save's random one; such a file stays.
    static const QRegularExpression word(QStringLiteral("\\.[a-z]{6}$"));
    QDir dir(folder);
    int removed = 0;
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QFileInfo& file : files) {
        if (file.isSymLink() || !leftover.match(file.fileName()).hasMatch() ||
            word.match(file.fileName()).hasMatch())
            continue;
        if (file.lastModified().toUTC() < olderThan.toUTC() && dir.remove(file.fileName()))
            ++removed;
    }
    if (subfolders) {
        const QFileInfoList children = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo& child : children)
            if (!child.isSymLink())
                removed += removeStaleLeftovers(child.filePath(), false, olderThan);
    }
    return removed;
}

void AtomicFileWriter::open() {
    removeLeftovers(m_fullPath);
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly))
        fail(errno);
}

void AtomicFileWriter::write(const char* data, qint64 size) {
    errno = 0;
    if (m_file.write(data, size) != size)
        fail(errno);
    m_written += size;
}

void AtomicFileWriter::commit() {
    // commit() of this Qt version renames even after its own flush failed (a full disk), so the
    // flush is checked here first; a short write must never replace the previous file.
    errno = 0;
    if (!m_file.flush())
        fail(errno);
    if (m_file.size() != m_written)
        fail(errno ? errno : EIO);
    errno = 0;
    if (!m_file.commit())
        fail(errno);
}

void AtomicFileWriter::cancel() {
    m_file.cancelWriting();
}

void AtomicFileWriter::fail(int errnoValue) {
    m_file.cancelWriting();
    throw FileErrorText::ioError(m_fullPath, errnoValue);
}
