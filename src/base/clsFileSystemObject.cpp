#include "base/clsFileSystemObject.h"

#include "base/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QFileInfoList matches(const QString& fullPattern, QDir::Filters filters) {
    const QFileInfo target(fullPattern);
    QDir folder = target.dir();
    return folder.entryInfoList(QStringList{target.fileName()},
                                filters | QDir::Hidden | QDir::System, QDir::Unsorted);
}

} // namespace

QString clsFileSystemObject::GetFullPath(const QString& strPath) const {
    if (strPath.startsWith(u'/'))
        return strPath;
    return BuildPath(Platform::current().programFolder(), strPath);
}

QString clsFileSystemObject::BuildPath(const QString& strPath, const QString& strName) const {
    if (strPath.endsWith(u'/'))
        return strPath + strName;
    return strPath + u'/' + strName;
}

bool clsFileSystemObject::FileExists(const QString& strFileSpec) const {
    if (strFileSpec.isEmpty())
        return false;
    return !matches(GetFullPath(strFileSpec), QDir::Files).isEmpty();
}

bool clsFileSystemObject::FolderExists(const QString& strFolderSpec) const {
    if (strFolderSpec.isEmpty())
        return false;
    QString target = GetFullPath(strFolderSpec);
    while (target.size() > 1 && target.endsWith(u'/'))
        target.chop(1);
    if (target == QStringLiteral("/"))
        return true;
    return !matches(target, QDir::Dirs | QDir::NoDotAndDotDot).isEmpty();
}

QString clsFileSystemObject::GetFileName(const QString& strPath) const {
    return strPath.mid(strPath.lastIndexOf(u'/') + 1);
}

QString clsFileSystemObject::GetParentFolderName(const QString& strPath) const {
    QString path = strPath;
    if (path.endsWith(u'/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

QString clsFileSystemObject::GetBaseName(const QString& strPath) const {
    const QString name = GetFileName(strPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString clsFileSystemObject::GetExtensionName(const QString& strPath) const {
    const QString name = GetFileName(strPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

bool clsFileSystemObject::FolderCheck(const QString& strPath) const {
    const QString path = GetFullPath(strPath);
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path);
}

qint32 clsFileSystemObject::GetFileList(const QString& strPattern, QStringList& strNames,
                                        bool blnSort) const {
    const QFileInfo target(GetFullPath(strPattern));
    const QStringList found =
        target.dir().entryList(QStringList{target.fileName()}, QDir::Files, QDir::Unsorted);
    strNames = found;
    if (blnSort && !strNames.isEmpty())
        std::sort(strNames.begin(), strNames.end(),
                  [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    return qint32(strNames.size());
}

QString clsFileSystemObject::ExtensionCheck(const QString& strPath, const QString& strExt) const {
    if (GetExtensionName(strPath).compare(strExt, Qt::CaseInsensitive) == 0)
        return strPath;
    return strPath + u'.' + strExt;
}
