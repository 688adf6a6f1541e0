#pragma once

#include "base/clsIniFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Team names and league membership from the data files in SysData: TeamName.dat (main table),
// TeamName1.dat (older names, draws below 750), TeamName2.dat (overseas names, draws from 750
// on, updated from the maker's site), the user's TeamName3.dat and J1J2.dat (the clubs of each
// league per year). Each instance reads the files once, when it is created.
class clsTotoData {
public:
    // Draws numbered below this take their second table from TeamName1.dat.
    static constexpr qint32 OverseasTableFrom = 750;

    clsTotoData();

    // The short name for a long name as printed on the official pages. Empty for draw 0 and
    // when no table knows the name; both are told to the user, and a name found nowhere is kept
    // as the last missing team name.
    QString GetShortTeamName(const QString& strLongName, qint32 lngKaisaikai);
    // Every (short name, long name) entry of the tables that serve draw lngKaisaikai: the main
    // table, the older or the overseas names, then the user's. Nothing is told to the user.
    QList<std::pair<QString, QString>> TeamNamePairs(qint32 lngKaisaikai) const;
    // The main table's long name for a short name; empty when absent.
    QString GetLongTeamName(const QString& strShortName) const;
    // "J1", "J2" or "J3": the league whose list of the year holds the club; empty when none.
    QString GetShortToJ1J2String(const QString& strShortName, qint32 lngYear) const;
    // "Version.Revision" of TeamName2.dat, for example "1.5".
    QString GetTeamName2Version() const;
    // Every short name a schedule of the draw may hold, for choosing teams by hand: the main
    // table's, the second table's of the draw (as GetShortTeamName picks it) and the user's, in
    // file order, each once.
    QStringList ShortTeamNames(qint32 lngKaisaikai) const;
    // True when TeamName.dat, TeamName2.dat or TeamName3.dat has this long name.
    bool ExistsLongTeamName(const QString& strLongName) const;
    // Kept for the callers that ask for it; the tables need no check.
    void CheckVersion() const {}

    // The long name that the last lookup could not find, for the user team-name window.
    static QString LastMissingTeamName();
    static void SetLastMissingTeamName(const QString& strLongName);

private:
    clsIniFile m_teamName;
    clsIniFile m_teamName1;
    clsIniFile m_teamName2;
    clsIniFile m_teamName3;
    clsIniFile m_j1j2;
};
