#pragma once

#include <QString>

// The addresses of the official lottery site's pages, from SysData/bigSettings.ini. Filled at
// start and replaced by the connection settings window; the page readers take the addresses at
// each download, so a change works without a restart.
struct OfficialUrlSettings {
    qint32 Version = 1;
    QString bigOfficialScheduleUrl;
    QString bigOfficialResultUrl;
    QString bigOfficialBigUrl;
    QString bigOfficialMiniBigUrl;
    QString bigOfficialBig1000Url;
    QString bigOfficialBig100Url;
    QString totoOfficialVoteUrl;
    QString totoOfficialTotoUrl;
    // Our own keys, written after the ones above: the sales schedule page that the home page's
    // link opens, and the proxy server of every download ("" = the environment's proxy).
    QString bigOfficialSalesScheduleUrl;
    QString Proxy;

    bool operator==(const OfficialUrlSettings&) const = default;

    static OfficialUrlSettings defaults();

    // Whether the schedule address names the program's own schedule page, on whichever host.
    bool schedulePageIsDefault() const;

    // The program-wide record.
    static OfficialUrlSettings& current();

    // Loads the file into current(): a missing file or one whose Version is below 1 is written
    // with the defaults; a value that does not convert is reported and keeps its default.
    static void Load();
    // Writes current() to the file; a failed write is silent.
    static bool Save();
    // Replaces the file with these settings in the file's layout, through a temporary file, so
    // that an interrupted save leaves the previous file whole. A failed write is reported when
    // blnErrMessage is set.
    bool write(bool blnErrMessage) const;

    static QString fileName() { return QStringLiteral("SysData/bigSettings.ini"); }
};
