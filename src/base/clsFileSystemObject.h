#pragma once

#include <QString>
#include <QStringList>

// Resolves and takes apart paths, tests for files and folders, creates folder chains and lists
// files. A relative path is relative to the program folder; "/" separates folders.
class clsFileSystemObject {
public:
    // The path unchanged when absolute, else the program folder joined with it.
    QString GetFullPath(const QString& strPath) const;
    // path + name, with one "/" between them.
    QString BuildPath(const QString& strPath, const QString& strName) const;

    // True when an ordinary file (hidden ones included) matches; the name may hold wildcards.
    bool FileExists(const QString& strFileSpec) const;
    // True when a folder matches; the name may hold wildcards.
    bool FolderExists(const QString& strFolderSpec) const;

    QString GetFileName(const QString& strPath) const;
    QString GetParentFolderName(const QString& strPath) const;
    QString GetBaseName(const QString& strPath) const;
    QString GetExtensionName(const QString& strPath) const;

    // True when the folder exists or the whole chain of missing folders could be created.
    bool FolderCheck(const QString& strPath) const;
    // Names (no folder) of the ordinary, not hidden files matching the pattern, sorted by
    // character codes when blnSort; returns their count.
    qint32 GetFileList(const QString& strPattern, QStringList& strNames, bool blnSort) const;
    // The path when its extension is ext (any letter case), else path + "." + ext.
    QString ExtensionCheck(const QString& strPath, const QString& strExt) const;
};
