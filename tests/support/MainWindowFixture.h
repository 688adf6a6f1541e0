#pragma once

#include "app/CheckPage.h"
#include "app/SinglesPage.h"
#include "app/basMain.h"
#include "app/frmMain.h"
#include "singles/SingleList.h"
#include "support/FakePlatform.h"
#include "support/ObjectLookup.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QStringList>
#include <memory>

// The main window started as the program starts it, on a fresh program folder holding the four
// data files, for tests that drive it as a user does. Header-only: only tests that link the UI
// library include it.
//
//     MainWindowFixture f;
//     QVERIFY(f.start());
//     f.action(u"mnuFile_New"_s)->trigger();
class MainWindowFixture {
public:
    static QStringList dataFiles() {
        return {QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                QStringLiteral("TeamName2.dat"), QStringLiteral("J1J2.dat")};
    }

    // `leaveOut` names one data file not to write, or "SysData" for the whole folder.
    explicit MainWindowFixture(const QString& leaveOut = QString()) {
        if (leaveOut == QStringLiteral("SysData"))
            return;
        for (const QString& name : dataFiles())
            if (name != leaveOut)
                m_written &= TestFiles::write(platform.path(QStringLiteral("SysData/") + name),
                                              QByteArrayLiteral(";\r\n"));
    }

    // The program settings file, before `start`.
    [[nodiscard]] bool writeSettings(const QByteArray& text) const {
        return TestFiles::write(settingsPath(), text);
    }
    QString settingsPath() const {
        return platform.path(QStringLiteral("SysData/Kelvor mini.ini"));
    }

    // Runs the start procedure; false when the data files could not be written or the program
    // refused to start.
    [[nodiscard]] bool start() {
        window = basMain::Main();
        return m_written && window != nullptr;
    }

    QAction* action(const QString& name) const { return namedChild<QAction>(window.get(), name); }
    template <typename T> T* widget(const QString& name) const {
        return namedChild<T>(window.get(), name);
    }
    // The pages, which own their views.
    SinglesPage* singlesPage() const { return widget<SinglesPage>(QStringLiteral("picMain_1")); }
    CheckPage* checkPage() const { return widget<CheckPage>(QStringLiteral("picMain_2")); }
    // A path in the user-data folder of the started window.
    QString userFile(const QString& name) const { return window->userDataFolder() + u'/' + name; }

    FakePlatform platform;
    std::unique_ptr<frmMain> window;

private:
    bool m_written = true;
};
