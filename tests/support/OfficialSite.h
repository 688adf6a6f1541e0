#pragma once

#include "drawdata/ScheduleData.h"
#include "support/LoopbackHttpServer.h"

#include <QByteArray>
#include <QString>

// The official lottery site as the web tests see it: a loopback server that the program-wide
// URL settings point at (create this after the readers' settings may change, before the
// readers), pages from tests/data/web, and the team-name files that the readers look names up
// in.
class OfficialSite {
public:
    OfficialSite();

    bool started() const { return m_started; }
    LoopbackHttpServer& server() { return m_server; }

    // Serves page as UTF-8 for the draw's holdCntId ("0045", "1234") on the schedule, vote or
    // result address.
    void serveSchedule(const QString& holdCntId, const QByteArray& page, int status = 200);
    void serveVote(const QString& holdCntId, const QByteArray& page, int status = 200);
    void serveResult(const QString& holdCntId, const QByteArray& page, int status = 200);
    // The same addresses answered as route says (a misbehaving server).
    void serveSchedule(const QString& holdCntId, const LoopbackHttpServer::Route& route);
    void serveVote(const QString& holdCntId, const LoopbackHttpServer::Route& route);
    void serveResult(const QString& holdCntId, const LoopbackHttpServer::Route& route);
    // The requested targets so far (path and query).
    QStringList requestedTargets() const;

    // A page of tests/data/web as text.
    static QString testPage(const QString& fileName);
    // Writes TeamName.dat, TeamName1.dat, TeamName2.dat (version 1.5) and J1J2.dat with the
    // clubs of the test pages into SysData of the current program folder.
    static void writeTeamNames();

    // The schedule of draw 1234 as the test schedule page gives it (short team names), stored
    // as the draw's schedule file.
    static ScheduleData schedule1234();
    static bool storeSchedule(const ScheduleData& data);

private:
    QString target(const QString& url) const;
    QString scheduleTarget(const QString& holdCntId) const;
    QString voteTarget(const QString& holdCntId) const;
    QString resultTarget(const QString& holdCntId) const;

    LoopbackHttpServer m_server;
    bool m_started = false;
};
