#include "app/MainContent.h"
#include "app/WindowFit.h"
#include "app/WindowGeometry.h"
#include "support/MainWindowFixture.h"
#include "support/SplashWatcher.h"
#include "support/TestMain.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

// The main window on the screen it starts on: CTest runs this program once per screen size
// (offscreen screens of 1024 x 768, 1024 x 600 and 800 x 600 pixels).
class tst_WindowFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowFitsTheWorkArea();
    void contentGivesUpOnlyTheVerticalBarsWidth_data();
    void contentGivesUpOnlyTheVerticalBarsWidth();
    void keepInsideShrinksAndMovesIntoTheArea_data();
    void keepInsideShrinksAndMovesIntoTheArea();
    void aSecondWindowGoesBesideTheOwner_data();
    void aSecondWindowGoesBesideTheOwner();
};

void tst_WindowFit::windowFitsTheWorkArea() {
    MainWindowFixture f;
    const SplashWatcher splash;
    QVERIFY(f.start());
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const QScreen* screen = f.window->screen();
    const QRect work = screen->availableGeometry();
    const QRect outer = f.window->frameGeometry();
    const QSize screenPixels = screen->size() * screen->devicePixelRatio();
    qInfo() << "screen" << screenPixels << "work area" << work << "window" << outer;

    // Frame included: title bar, borders, menu bar and status bar all on the screen.
    QVERIFY2(work.contains(outer), "the window reaches outside the work area");
    const QWidget* content = f.widget<QWidget>(QStringLiteral("picBase"));
    if (screenPixels.width() < WindowGeometry::SmallScreenWidth)
        QCOMPARE(outer.width(), work.width());
    if (screenPixels.height() < WindowGeometry::SmallScreenHeight) {
        QCOMPARE(outer.height(), work.height());
        // The status bar at the foot of the content is reached by scrolling.
        QCOMPARE(content->height(), WindowGeometry::MinimumContent.height());
    }
    // The splash stood in the middle of the work area.
    QVERIFY(!splash.shownAt.isNull());
    QCOMPARE(splash.shownAt, WindowGeometry::centred(splash.shownAt.size(), work));

    // Where the window is as wide as the content, no horizontal bar, whatever the height; every
    // control of the pages stays beside the vertical bar of a low screen.
    const auto* scroller = f.widget<QScrollArea>(QStringLiteral("FormScroller"));
    const auto* pages = f.widget<MainContent>(QStringLiteral("picBase"));
    if (screenPixels.width() >= WindowGeometry::SmallScreenWidth) {
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        QVERIFY(pages->controlsWidth() <= scroller->viewport()->width());
    }
    if (screenPixels.height() < WindowGeometry::SmallScreenHeight)
        QVERIFY(scroller->verticalScrollBar()->isVisible());
    if (screenPixels.width() >= WindowGeometry::SmallScreenWidth &&
        screenPixels.height() >= WindowGeometry::SmallScreenHeight) {
        QCOMPARE(content->size(), WindowGeometry::MinimumContent);
        QCOMPARE(outer.left(), work.left() + (work.width() - outer.width()) / 2);
        QCOMPARE(outer.top(), work.top() + (work.height() - outer.height()) / 2);
    }
}

void tst_WindowFit::keepInsideShrinksAndMovesIntoTheArea_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("kept");
    QTest::newRow("inside stays") << QRect(5, 11, 1013, 705) << QRect(0, 0, 1024, 728)
                                  << QRect(5, 11, 1013, 705);
    QTest::newRow("taller: top at the area's top")
        << QRect(133, -2, 1013, 705) << QRect(0, 0, 1280, 700) << QRect(133, 0, 1013, 700);
    QTest::newRow("wider than a scaled screen")
        << QRect(-26, 10, 1013, 705) << QRect(0, 0, 960, 1000) << QRect(0, 10, 960, 705);
    QTest::newRow("area below a top panel")
        << QRect(0, 0, 800, 560) << QRect(0, 40, 800, 560) << QRect(0, 40, 800, 560);
}

void tst_WindowFit::keepInsideShrinksAndMovesIntoTheArea() {
    QFETCH(QRect, window);
    QFETCH(QRect, area);
    QFETCH(QRect, kept);
    QCOMPARE(WindowFit::keepInside(window, area), kept);
}

void tst_WindowFit::aSecondWindowGoesBesideTheOwner_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("room on the right")
        << QRect(0, 20, 1013, 705) << QRect(0, 0, 1920, 1050) << QRect(1013, 20, 760, 680);
    QTest::newRow("room on the left only")
        << QRect(900, 0, 1013, 705) << QRect(0, 0, 1920, 1050) << QRect(140, 0, 760, 680);
    QTest::newRow("no room: over the owner at the right edge")
        << QRect(133, 40, 1013, 705) << QRect(0, 0, 1280, 800) << QRect(520, 40, 760, 680);
    QTest::newRow("owner low on the screen: raised into the area")
        << QRect(0, 300, 1013, 705) << QRect(0, 0, 1920, 900) << QRect(1013, 220, 760, 680);
    QTest::newRow("a screen smaller than the window")
        << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 600) << QRect(264, 0, 760, 600);
}

void tst_WindowFit::aSecondWindowGoesBesideTheOwner() {
    QFETCH(QRect, owner);
    QFETCH(QRect, area);
    QFETCH(QRect, placed);
    QCOMPARE(WindowGeometry::beside(owner, QSize(760, 680), area), placed);
}

void tst_WindowFit::contentGivesUpOnlyTheVerticalBarsWidth_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("width");
    // The panel's own minimum is 1005 and its controls need 990.
    QTest::newRow("height fits: the full width") << 1005 << 0 << 1005;
    QTest::newRow("bar beside a window as wide as the content") << 1005 << 14 << 991;
    QTest::newRow("wider window: room for the bar") << 1030 << 14 << 1005;
    QTest::newRow("a little wider") << 1010 << 14 << 996;
    QTest::newRow("a bar that would cover a control") << 1005 << 20 << 1005;
    QTest::newRow("narrower window scrolls") << 1000 << 14 << 1005;
}

void tst_WindowFit::contentGivesUpOnlyTheVerticalBarsWidth() {
    QFETCH(int, area);
    QFETCH(int, bar);
    QFETCH(int, width);
    QCOMPARE(WindowGeometry::contentWidth(area, bar, 1005, 990), width);
}

KELVOR_TEST_MAIN(tst_WindowFit)
#include "tst_WindowFit.moc"
