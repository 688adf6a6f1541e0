#include "base/RuntimeError.h"
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
    void statusBarKeepsItsText();
};

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

void tst_TabStrip::statusBarKeepsItsText() {
    StatusBar bar;
    bar.setText(QStringLiteral("　使用投票率：2021/01/09 (最終) 第 123 回 "));
    QCOMPARE(bar.text(), QStringLiteral("　使用投票率：2021/01/09 (最終) 第 123 回 "));
}

KELVOR_TEST_MAIN(tst_TabStrip)
#include "tst_TabStrip.moc"
