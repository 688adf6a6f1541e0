#pragma once

#include "base/OfficialUrlSettings.h"
#include "support/MainWindowFixture.h"
#include "support/OfficialSite.h"
#include "support/RecordingConnectionWindow.h"

#include <QCheckBox>

// The program started as a player starts it, its URL settings file pointing at a loopback
// stand-in of the official site, with the team names of the test pages, downloads unasked.
// Header-only, for tests that link the UI library.
struct ProgramOnSite {
    RecordingConnectionWindow connection;
    MainWindowFixture program;
    OfficialSite site;
    bool started = false;

    // `now` is the clock the program starts with.
    explicit ProgramOnSite(DateTime now = DateTime()) {
        OfficialSite::writeTeamNames();
        program.platform.setNow(now);
        started = OfficialUrlSettings::current().write(false) && program.start();
        if (started)
            program.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(false);
    }
    ~ProgramOnSite() { OfficialUrlSettings::current() = OfficialUrlSettings::defaults(); }
    ProgramOnSite(const ProgramOnSite&) = delete;
    ProgramOnSite& operator=(const ProgramOnSite&) = delete;

    FakePlatform& platform() { return program.platform; }
    QString stored(const QString& relative) const { return program.platform.path(relative); }
};
