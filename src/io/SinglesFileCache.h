#pragma once

#include "io/SinglesCsvReader.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

// Singles files read quietly and kept: a file is read again only when its size or its time of
// change differ from the last read, so a folder of many lists is read once.
class SinglesFileCache {
public:
    struct Entry {
        bool readable = false;
        SinglesCsvContent content; // when readable
        QString reason;            // why not, on one line
    };

    // fullPath is absolute.
    const Entry& read(const QString& fullPath);
    // Forgets every file not in paths.
    void keepOnly(const QSet<QString>& paths);
    // Files read from disk so far, cached answers not counted.
    qint64 readCount() const { return m_reads; }

private:
    struct Cached {
        qint64 size = -1;
        QDateTime modified;
        Entry entry;
    };
    QHash<QString, Cached> m_files;
    qint64 m_reads = 0;
};
