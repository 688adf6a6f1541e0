#include "io/SinglesFileCache.h"

#include "base/ErrorReporter.h"
#include "base/RuntimeError.h"

#include <QFileInfo>
#include <new>

const SinglesFileCache::Entry& SinglesFileCache::read(const QString& fullPath) {
    const QFileInfo info(fullPath);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    Cached& cached = m_files[fullPath];
    if (cached.size == size && cached.modified == modified && info.exists())
        return cached.entry;
    cached = Cached{size, modified, {}};
    ++m_reads;
    try {
        cached.entry.content = SinglesCsvReader::readFile(fullPath);
        cached.entry.readable = true;
    } catch (const RuntimeError& e) {
        // The reasons name the file on a line of their own; the ledger shows the file already.
        QString reason = ErrorReporter::runtimeErrorText(e);
        reason.replace(QStringLiteral("\r\n") + fullPath, QString());
        cached.entry.reason = reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    } catch (const std::bad_alloc&) {
        cached.entry.reason = QStringLiteral("メモリが不足しています。");
    }
    return cached.entry;
}

void SinglesFileCache::keepOnly(const QSet<QString>& paths) {
    for (auto it = m_files.begin(); it != m_files.end();) {
        if (paths.contains(it.key()))
            ++it;
        else
            it = m_files.erase(it);
    }
}
