#pragma once

#include "support/FakePlatform.h"
#include "support/OfficialSite.h"
#include "support/RecordingConnectionWindow.h"

#include <memory>

// What every web and download test stands on, built in the order the parts depend on: the fake
// platform (and with it a fresh program folder), the recording connection window, and the
// official site on a loopback server with the URL settings pointed at it. Destroyed in the
// reverse order. A test class holds one in a unique_ptr, made in init() with
// QVERIFY(WebTestFixture::make(m_web)) and reset in cleanup().
class WebTestFixture {
public:
    // What the test's program folder holds besides the site.
    enum Setup {
        SiteOnly = 0,
        TeamNames = 1,          // the team-name files the readers look names up in
        StoredSchedule1234 = 2, // draw 1234's complete stored schedule (with TeamNames)
    };

    explicit WebTestFixture(int setup = SiteOnly) {
        if (setup & (TeamNames | StoredSchedule1234))
            OfficialSite::writeTeamNames();
        if (setup & StoredSchedule1234)
            m_scheduleStored = OfficialSite::storeSchedule(OfficialSite::schedule1234());
        else
            m_scheduleStored = true;
    }

    // Builds a fixture into slot; false (for QVERIFY) when its server did not start or its
    // set-up files could not be written.
    static bool make(std::unique_ptr<WebTestFixture>& slot, int setup = SiteOnly) {
        slot = std::make_unique<WebTestFixture>(setup);
        return slot->site.started() && slot->m_scheduleStored;
    }

    // The path of a file below the program folder.
    QString path(const QString& relative) const { return platform.path(relative); }

    FakePlatform platform;
    RecordingConnectionWindow window;
    OfficialSite site;

private:
    bool m_scheduleStored = false;
};
