#include "analysis/StoredDraws.h"

#include "base/QuietPrompts.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

template <typename Record, typename Xml>
const StoredDraws::Document<Record>& StoredDraws::read(QHash<qint32, Cached<Record>>& cache,
                                                       qint32 kaisaikai) {
    Xml xml;
    const QString path = clsFileSystemObject().GetFullPath(xml.GetFileName(kaisaikai, QString()));
    const QFileInfo info(path);
    Cached<Record>& cached = cache[kaisaikai];
    if (cached.size == info.size() && cached.modified == info.lastModified())
        return cached.document;
    cached = Cached<Record>{info.size(), info.lastModified(), {}};
    cached.document.stored = info.isFile();
    if (!cached.document.stored)
        return cached.document;
    const QuietPrompts quiet;
    const bool read = xml.XmlLoad(path);
    if (read && xml.Data().Kaisaikai == kaisaikai)
        cached.document.record = xml.Data();
    else if (read)
        // Read, but not as this draw's document (another draw, another kind of file).
        cached.document.reason = QStringLiteral("第%1回の文書ではありません。").arg(kaisaikai);
    else if (quiet.messages().isEmpty())
        cached.document.reason = QStringLiteral("ファイルを読み込めません。");
    else
        cached.document.reason = QString(quiet.messages().constFirst())
                                     .replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return cached.document;
}

const StoredDraws::Document<ResultData>& StoredDraws::result(qint32 kaisaikai) {
    return read<ResultData, clsXmlResult>(m_results, kaisaikai);
}

const StoredDraws::Document<ScheduleData>& StoredDraws::schedule(qint32 kaisaikai) {
    return read<ScheduleData, clsXmlSchedule>(m_schedules, kaisaikai);
}

QList<qint32> StoredDraws::storedResultDraws() {
    const QString sample = clsFileSystemObject().GetFullPath(clsXmlResult().GetFileName(1, {}));
    const QFileInfo info(sample);
    // Names as the program writes them, any letter case; a group suffix is another draw's group.
    static const QRegularExpression name(QStringLiteral("^minibig_result_(\\d{3,})\\.xml$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<qint32> draws;
    for (const QString& file : QDir(info.absolutePath()).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        bool ok = false;
        const qint32 number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (ok && number > 0)
            draws.append(number);
    }
    std::sort(draws.begin(), draws.end());
    draws.erase(std::unique(draws.begin(), draws.end()), draws.end());
    return draws;
}
