#pragma once

#include <QString>

// The addresses of the official lottery site's pages, from SysData/bigSettings.ini. Filled once
// at start; the page readers copy what they need when they are created.
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

    static OfficialUrlSettings defaults();

    // The program-wide record.
    static OfficialUrlSettings& current();

    // Loads the file into current(): a missing file or one whose Version is below 1 is written
    // with the defaults; a value that does not convert is reported and keeps its default.
    static void Load();
    // Writes current() to the file; a failed write is silent.
    static bool Save();

    static QString fileName() { return QStringLiteral("SysData/bigSettings.ini"); }
};
