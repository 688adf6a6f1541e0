#include "io/LedgerSettings.h"

#include "base/AppInfo.h"
#include "base/AtomicFileWriter.h"
#include "base/clsFileSystemObject.h"

#include <QFile>
#include <algorithm>

namespace {

const QString FolderKey = QStringLiteral("folder");
const QString ExcludeKey = QStringLiteral("exclude");

} // namespace

QString LedgerSettings::fileName() {
    return QStringLiteral("SysData/") + AppInfo::title() + QStringLiteral(" ledger.txt");
}

LedgerSettings LedgerSettings::Load() {
    LedgerSettings settings;
    QFile file(clsFileSystemObject().GetFullPath(fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(u'\t');
        const QString path = line.mid(tab + 1);
        if (tab < 0 || path.isEmpty())
            continue;
        if (line.left(tab) == FolderKey && !settings.folders.contains(path))
            settings.folders.append(path);
        else if (line.left(tab) == ExcludeKey)
            settings.excluded.insert(path);
    }
    return settings;
}

void LedgerSettings::Save() const {
    QString text;
    for (const QString& folder : folders)
        text += FolderKey + u'\t' + folder + QStringLiteral("\r\n");
    QStringList sorted(excluded.begin(), excluded.end());
    std::sort(sorted.begin(), sorted.end());
    for (const QString& path : sorted)
        text += ExcludeKey + u'\t' + path + QStringLiteral("\r\n");
    const clsFileSystemObject fso;
    const QString fullPath = fso.GetFullPath(fileName());
    fso.FolderCheck(fso.GetParentFolderName(fullPath));
    AtomicFileWriter writer(fullPath);
    writer.open();
    writer.write(text.toUtf8());
    writer.commit();
}
