#pragma once

#include "base/ErrorReporter.h"
#include "web/clsWinInet.h"

#include <QList>
#include <QPair>
#include <QString>

class QObject;

// Keeps the overseas team-name file (TeamName2.dat) up to date from the maker's site: fetches
// the version catalogue version.dat once per object, compares the catalogue's version of the
// file with the local one and downloads the file when the catalogue's is newer.
class clsVantrelDownload {
public:
    // The maker's host. A reserved name that nobody can own until the maker's download site
    // exists, so the program never fetches data from a stranger.
    static constexpr char16_t MakerHost[] = u"vantrel.example";

    // "http://" + MakerHost + "/download/2021/".
    static QString DefaultFolderUrl();

    // strFolderUrl is the download folder, ending in "/".
    explicit clsVantrelDownload(QString strFolderUrl = DefaultFolderUrl());

    // True when the local file is the latest or has just been updated; false in every other
    // case (declined, failed, or a version that cannot be compared), each told to the user.
    bool DownloadTeamName2(QObject* objOwnerForm, bool blnDQuestion);
    // The value of the first catalogue entry whose key equals strKey in any letter case.
    QString GetItem(const QString& strKey, const QString& strDefault) const;

private:
    bool GetFileVersion(QObject* objOwnerForm);
    // Versions as TeamNameFileCheck::VersionNumber gives them.
    bool GetTeamName2(QObject* objOwnerForm, qint32 lngLocal, qint32 lngRemote);
    QString download(const QString& strFileName, QObject* objOwnerForm);
    bool checkText(const QString& strText) const;
    void inform(const QString& strText) const;
    void warn(const QString& strText) const;
    void downloadFailed(const QString& strCause) const;

    clsWinInet m_inet;
    ErrorReporter m_reporter;
    QString m_folderUrl;
    QList<QPair<QString, QString>> m_items;
};
