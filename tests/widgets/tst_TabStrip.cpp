#include "base/RuntimeError.h"
#include "support/FocusProbe.h"
#include "support/TestMain.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QSignalSpy>
#include <QTest>

// The page strip reports clicks on its three images and highlights the current page.
class tst_TabStrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clicksReportThePage_data();
    void clicksReportThePage();
    void currentPageIsHighlighted();
    void keysMoveTheFrameAndChooseAPage();
    void statusBarKeepsItsText();
    void picturesAreDrawnAtTheDevicePixelRatio();
    void stripPaintsAtItsScreensRatio();
    void backgroundRunsFromItsLeftToTheScreenWidth();
};

namespace {

// Pixels of a 2x picture that differ from the 1x picture enlarged: none when the 2x picture is
// only the 1x one scaled up (blurred or blocky on a scaled screen).
int detailBeyondOneX(const QImage& twoX, const QImage& oneX) {
    int differing = 0;
    for (int y = 0; y < twoX.height(); ++y)
        for (int x = 0; x < twoX.width(); ++x)
            if (twoX.pixel(x, y) != oneX.pixel(x / 2, y / 2))
                ++differing;
    return differing;
}

} // namespace

void tst_TabStrip::clicksReportThePage_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("home") << 0;
    QTest::newRow("singles") << 1;
    QTest::newRow("check") << 2;
}

void tst_TabStrip::clicksReportThePage() {
    QFETCH(int, page);
    TabStrip strip;
    strip.resize(strip.sizeHint());
    QSignalSpy clicks(&strip, &TabStrip::tabClicked);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(page).center());
    QTest::mouseClick(&strip, Qt::RightButton, {}, strip.tabRect(page).center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), page);
}

void tst_TabStrip::currentPageIsHighlighted() {
    TabStrip strip;
    strip.resize(strip.sizeHint());
    strip.setCurrent(2);
    const QImage image = strip.grab().toImage();
    const QPoint corner = strip.tabRect(2).topLeft() + QPoint(2, 2);
    QCOMPARE(image.pixelColor(corner), TabStrip::tabPicture(2, true).toImage().pixelColor(2, 2));
    QVERIFY(image.pixelColor(strip.tabRect(0).topLeft() + QPoint(2, 2)) == QColor(Qt::white));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, strip.setCurrent(3));
    QCOMPARE(TabStrip::pageName(1), QStringLiteral("シングル"));
}

void tst_TabStrip::keysMoveTheFrameAndChooseAPage() {
    QWidget window;
    auto* before = new QWidget(&window);
    before->setFocusPolicy(Qt::StrongFocus);
    auto* strip = new TabStrip(&window);
    strip->setGeometry(QRect(QPoint(0, 0), strip->sizeHint()));
    strip->setCurrent(1);
    QSignalSpy chosen(strip, &TabStrip::tabClicked);
    QVERIFY(FocusProbe::reachedByTab(strip));
    const auto [without, with] = FocusProbe::withoutAndWithFocus(strip);
    QVERIFY(with != without);
    QCOMPARE(strip->focusTab(), 1);

    QTest::keyClick(strip, Qt::Key_Down);
    QTest::keyClick(strip, Qt::Key_Right); // stays on the last image
    QCOMPARE(strip->focusTab(), 2);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(strip->grab().toImage() != with);
    QTest::keyClick(strip, Qt::Key_Return);
    QTest::keyClick(strip, Qt::Key_Up);
    QTest::keyClick(strip, Qt::Key_Left);
    QTest::keyClick(strip, Qt::Key_Up);
    QTest::keyClick(strip, Qt::Key_Space);
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(0).at(0).toInt(), 2);
    QCOMPARE(chosen.at(1).at(0).toInt(), 0);
    // The page shown is the caller's to change; the frame follows it.
    QCOMPARE(strip->current(), 1);
    strip->setCurrent(2);
    QCOMPARE(strip->focusTab(), 2);
}

void tst_TabStrip::statusBarKeepsItsText() {
    StatusBar bar;
    bar.setText(QStringLiteral("　使用投票率：2021/01/09 (最終) 第 123 回 "));
    QCOMPARE(bar.text(), QStringLiteral("　使用投票率：2021/01/09 (最終) 第 123 回 "));
}

void tst_TabStrip::picturesAreDrawnAtTheDevicePixelRatio() {
    for (int page = 0; page < TabStrip::PageCount; ++page) {
        const QPixmap twoX = TabStrip::tabPicture(page, page == 1, 2.0);
        QCOMPARE(twoX.devicePixelRatio(), 2.0);
        QCOMPARE(twoX.deviceIndependentSize().toSize(), TabStrip::tabPicture(page, false).size());
        QVERIFY(detailBeyondOneX(twoX.toImage(), TabStrip::tabPicture(page, page == 1).toImage()) >
                100);
    }
}

void tst_TabStrip::stripPaintsAtItsScreensRatio() {
    // CTest runs this program also on a screen with a device pixel ratio of 2.
    TabStrip strip;
    strip.resize(strip.sizeHint());
    strip.setCurrent(1);
    const qreal ratio = strip.devicePixelRatioF();
    const QImage shown = strip.grab().toImage();
    const QImage tab = TabStrip::tabPicture(1, true, ratio).toImage();
    const QPoint origin = strip.tabRect(1).topLeft() * ratio;
    for (const QPoint at : {QPoint(30, 30), QPoint(70, 110), QPoint(100, 150)}) {
        const QPoint scaled = at * ratio / 2;
        QCOMPARE(shown.pixelColor(origin + scaled), tab.pixelColor(scaled));
    }
}

void tst_TabStrip::backgroundRunsFromItsLeftToTheScreenWidth() {
    QWidget panel;
    panel.resize(1400, 300);
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(Qt::white));
    TabStrip strip(&panel);
    QVERIFY(strip.background() == nullptr);
    // A page created after the strip, as the window does: the image stays in front of it.
    QWidget page(&panel);
    page.setGeometry(70, 0, 1330, 300);
    page.setAutoFillBackground(true);
    strip.placeBackground(300, 1280);
    QCOMPARE(strip.background()->geometry(), QRect(300, 0, 980, 4));
    QVERIFY(strip.background()->testAttribute(Qt::WA_TransparentForMouseEvents));

    const QImage shown = panel.grab().toImage();
    // Logical positions; the grab has the screen's pixel ratio.
    const auto at = [&](int x, int y) {
        return shown.pixelColor((QPointF(x, y) * panel.devicePixelRatioF()).toPoint());
    };
    const QColor start = at(301, 1);
    const QColor end = at(1278, 1);
    QVERIFY(start.green() > start.red() + 60);
    QVERIFY(end.lightness() > start.lightness());
    QCOMPARE(at(299, 1), QColor(Qt::white));
    QCOMPARE(at(1290, 1), QColor(Qt::white));
    QCOMPARE(at(400, 6), QColor(Qt::white));
    // Placed again (another screen width), the same image moves.
    strip.placeBackground(300, 1024);
    QCOMPARE(strip.background()->geometry(), QRect(300, 0, 724, 4));
    QCOMPARE(panel.findChildren<QWidget*>().size(), 3);
}

KELVOR_TEST_MAIN(tst_TabStrip)
#include "tst_TabStrip.moc"
