#include "app/WindowGeometry.h"
#include "app/WindowPlaces.h"
#include "app/frmAnalysis.h"
#include "support/MainWindowFixture.h"
#include "support/SplashWatcher.h"
#include "support/TestMain.h"

#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_WindowPlaces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aPlaceFitsOnlyInsideOneScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<bool>("fits");
        QTest::newRow("on the first screen") << QRect(10, 10, 1013, 705) << true;
        QTest::newRow("on the second screen") << QRect(1930, 0, 1013, 705) << true;
        QTest::newRow("across the two") << QRect(1500, 0, 1013, 705) << false;
        QTest::newRow("below both") << QRect(0, 1100, 1013, 705) << false;
        QTest::newRow("larger than the screen") << QRect(1920, 0, 1300, 705) << false;
    }
    void aPlaceFitsOnlyInsideOneScreen() {
        QFETCH(QRect, frame);
        QFETCH(bool, fits);
        QCOMPARE(WindowPlaces::fits(frame, {QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)}),
                 fits);
    }

    // The main and analysis windows come back where they were closed; a place that no longer
    // fits any screen is refused and the window is centred as at a first start.
    void windowsComeBackWhereTheyWereLeft() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() != 2)
            QSKIP("needs the two screens of 1920x1080-two");
        // The window opens on the primary screen; the analysis window is moved to the other.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect second =
            (screens.at(0) == QGuiApplication::primaryScreen() ? screens.at(1) : screens.at(0))
                ->availableGeometry();
        MainWindowFixture f;
        QVERIFY(f.start());
        f.window->move(area.topLeft() + QPoint(7, 5));
        f.action(u"mnuTool_Analysis"_s)->trigger();
        f.window->analysisWindow()->move(second.topLeft() + QPoint(20, 30));
        const QRect mainAt(f.window->pos(), f.window->size());
        const QRect analysisAt(f.window->analysisWindow()->pos(),
                               f.window->analysisWindow()->size());
        QVERIFY(f.window->close());
        f.window.reset();

        QVERIFY(f.start());
        QCOMPARE(QRect(f.window->pos(), f.window->size()), mainAt);
        f.action(u"mnuTool_Analysis"_s)->trigger();
        QCOMPARE(QRect(f.window->analysisWindow()->pos(), f.window->analysisWindow()->size()),
                 analysisAt);
        f.window.reset();

        QVERIFY(TestFiles::write(f.platform.path(WindowPlaces::fileName()),
                                 "main\t-5000\t0\t1005\t678\t0\t0\t0\r\n"));
        QVERIFY(f.start());
        const QRect home = f.window->screen()->availableGeometry();
        QVERIFY(home.contains(f.window->frameGeometry()));
        QVERIFY(qAbs(f.window->frameGeometry().center().x() - home.center().x()) <= 1);
    }

    // The splash stands in the middle of the screen where the main window will appear: the one
    // it was left on.
    void splashStandsWhereTheWindowWillAppear() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() != 2)
            QSKIP("needs the two screens of 1920x1080-two");
        const QScreen* other =
            screens.at(0) == QGuiApplication::primaryScreen() ? screens.at(1) : screens.at(0);
        MainWindowFixture f;
        const SplashWatcher splash;
        QVERIFY(f.start());
        const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(splash.shownAt, WindowGeometry::centred(splash.shownAt.size(), primary));
        f.window->move(other->availableGeometry().topLeft() + QPoint(40, 30));
        QVERIFY(f.window->close());
        f.window.reset();

        QVERIFY(f.start());
        QCOMPARE(splash.shownAt,
                 WindowGeometry::centred(splash.shownAt.size(), other->availableGeometry()));
    }
};

KELVOR_TEST_MAIN(tst_WindowPlaces)
#include "tst_WindowPlaces.moc"
