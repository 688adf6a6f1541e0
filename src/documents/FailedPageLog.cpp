#include "documents/FailedPageLog.h"

#include "base/Platform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace FailedPageLog {

QString keep(const QString& kind, qint32 lngKaisaikai, const QByteArray& page) {
    const QDir folder(Platform::current().programFolder() + QStringLiteral("/SysData/Log"));
    if (!folder.mkpath(QStringLiteral(".")))
        return QString();
    const QString stem =
        kind + u'_' + QString::number(lngKaisaikai) + u'_' +
        Platform::current().now().toQDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString name = stem + QStringLiteral(".html");
    for (int n = 2; folder.exists(name); ++n)
        name = stem + u'_' + QString::number(n) + QStringLiteral(".html");
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size()) {
        file.remove();
        return QString();
    }
    file.close();

    // Only the names made here count, oldest first by the time in the name.
    static const QRegularExpression own(
        QStringLiteral("^(?:schedule|vote|result)_\\d+_(\\d{8}_\\d{6})(?:_(\\d+))?\\.html$"));
    QList<std::pair<QString, QString>> kept; // (time and number, name)
    for (const QString& entry : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = own.match(entry);
        if (m.hasMatch())
            kept.append({m.captured(1) + m.captured(2).rightJustified(6, u'0'), entry});
    }
    std::sort(kept.begin(), kept.end());
    for (qsizetype i = 0; i + MaxKept < kept.size(); ++i)
        QFile::remove(folder.filePath(kept.at(i).second));
    return QDir::toNativeSeparators(folder.filePath(name));
}

} // namespace FailedPageLog
