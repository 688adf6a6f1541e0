#include "app/MainContent.h"
#include "app/frmAnalysis.h"
#include "app/frmNumbers.h"
#include "app/frmWinInet.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "views/MarkAreaWidget.h"
#include "widgets/CellGrid.h"
#include "widgets/PageTurnImage.h"
#include "widgets/TabStrip.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolTip>

namespace {

// What the user can press, type into, click or reach with Tab.
bool isControl(const QWidget* w) {
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractScrollArea*>(w) ||
        qobject_cast<const CellGrid*>(w) || qobject_cast<const MarkAreaWidget*>(w) ||
        qobject_cast<const PageTurnImage*>(w))
        return true;
    // A label with the hand pointer is a link.
    if (qobject_cast<const QLabel*>(w) && w->cursor().shape() == Qt::PointingHandCursor)
        return true;
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

// The parts of a scroll area (its viewport, headers and bars) show the area's tip.
bool insideScrollArea(const QWidget* w, const QWidget* root) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != root; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// The tip Qt shows when the pointer rests at `pos` on the widget, whether it is enabled or not.
QString shownTip(QWidget* w, QPoint pos) {
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, pos, w->mapToGlobal(pos));
    QApplication::sendEvent(w, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

// Every control of the main window's pages and of the analysis window says what it does.
class tst_ToolTips : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasATip_data();
    void everyControlHasATip();
    void tabsAndLookAlikeButtonsAreToldApart();
    void pageTurnersSayWhenThereIsNoPage();
    void aGreyedButtonShowsWhy();
    void dialogButtonsSayWhyTheyAreGreyed();
};

void tst_ToolTips::everyControlHasATip_data() {
    QTest::addColumn<QString>("root");
    QTest::newRow("home") << QStringLiteral("picMain_0");
    QTest::newRow("singles") << QStringLiteral("picMain_1");
    QTest::newRow("check") << QStringLiteral("picMain_2");
    QTest::newRow("analysis") << QStringLiteral("frmAnalysis");
}

void tst_ToolTips::everyControlHasATip() {
    QFETCH(QString, root);
    MainWindowFixture f;
    QVERIFY(f.start());
    f.action(QStringLiteral("mnuTool_Analysis"))->trigger();
    QVERIFY(f.window->analysisWindow());
    QWidget* area = root == QStringLiteral("frmAnalysis")
                        ? static_cast<QWidget*>(f.window->analysisWindow())
                        : f.widget<QWidget>(root);

    QStringList without;
    int controls = 0;
    for (QWidget* w : area->findChildren<QWidget*>()) {
        if (w->window() != area->window() || !isControl(w) || insideScrollArea(w, area))
            continue;
        ++controls;
        if (w->toolTip().isEmpty())
            without << QLatin1String(w->metaObject()->className()) + u' ' + w->objectName();
    }
    QVERIFY2(controls >= 4, qPrintable(QString::number(controls)));
    QVERIFY2(without.isEmpty(), qPrintable(QStringLiteral("without a tip: ") + without.join(u',')));
}

void tst_ToolTips::tabsAndLookAlikeButtonsAreToldApart() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));

    // Each page image of the tab strip has its own tip, shown where the pointer rests.
    auto* tabs = f.widget<TabStrip>(QStringLiteral("imgMenu"));
    QSet<QString> tabTips;
    for (int page = 0; page < TabStrip::PageCount; ++page) {
        const QString tip = shownTip(tabs, tabs->tabRect(page).center());
        QVERIFY2(tip.startsWith(TabStrip::pageName(page)), qPrintable(tip));
        tabTips.insert(tip);
    }
    QCOMPARE(tabTips.size(), TabStrip::PageCount);

    // The two buttons captioned 海外チーム名: the user's own names, the maker's file.
    auto* own = f.widget<QPushButton>(QStringLiteral("cmdUser2"));
    auto* maker = f.widget<QPushButton>(QStringLiteral("cmdVantrelDownload"));
    QCOMPARE(own->text(), maker->text());
    QVERIFY2(own->toolTip().contains(QStringLiteral("ユーザー定義")), qPrintable(own->toolTip()));
    QVERIFY2(maker->toolTip().contains(QStringLiteral("Vantrel")) &&
                 maker->toolTip().contains(QStringLiteral("ダウンロード")),
             qPrintable(maker->toolTip()));

    // A grid shows its own tip where a cell has none: the result-mark table before any result.
    f.window->ShowPage(2);
    auto* marks = f.widget<CellGrid>(QStringLiteral("grdMultiResult"));
    QCOMPARE(shownTip(marks, marks->cellRect(1, 2).center()), marks->toolTip());
}

void tst_ToolTips::pageTurnersSayWhenThereIsNoPage() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList(std::vector<qint32>(11, 0));
    f.window->ShowPage(1);
    auto* previous = f.widget<PageTurnImage>(QStringLiteral("imgSinglePrevious"));
    auto* next = f.widget<PageTurnImage>(QStringLiteral("imgSingleNext"));
    const QString canTurn = next->toolTip();
    QCOMPARE(previous->toolTip(), previous->disabledToolTip());
    QVERIFY(canTurn != next->disabledToolTip());

    // On the last page the next turner says so, and the previous one turns again.
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(next->toolTip(), next->disabledToolTip());
    QVERIFY(previous->toolTip() != previous->disabledToolTip());
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(next->toolTip(), canTurn);
}

// Qt shows a disabled widget's tip: the reveal buttons of a draw without a result say so.
void tst_ToolTips::aGreyedButtonShowsWhy() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->ShowPage(2);
    auto* next = f.widget<QPushButton>(QStringLiteral("cmdResultViewNext"));
    QVERIFY(!next->isEnabled());
    const QString tip = shownTip(next, next->rect().center());
    QCOMPARE(tip, next->toolTip());
    QVERIFY2(tip.contains(QStringLiteral("くじ結果")), qPrintable(tip));
}

void tst_ToolTips::dialogButtonsSayWhyTheyAreGreyed() {
    // 数値で追加: O K waits for the ninth mark.
    frmNumbers numbers;
    QPushButton* ok = numbers.cmdOK();
    const QString waiting = ok->toolTip();
    QVERIFY(!ok->isEnabled() && !waiting.isEmpty());
    QTest::keyClicks(numbers.txtNumber(), QStringLiteral("10210211"));
    QCOMPARE(ok->toolTip(), waiting);
    QTest::keyClicks(numbers.txtNumber(), QStringLiteral("2"));
    QVERIFY(ok->isEnabled() && ok->toolTip() != waiting);
    QTest::keyClick(numbers.txtNumber(), Qt::Key_Backspace);
    QCOMPARE(ok->toolTip(), waiting);

    // The connection window stops only a running download.
    frmWinInet connection;
    QPushButton* stop = connection.cmdStop();
    const QString idle = stop->toolTip();
    QVERIFY(!stop->isEnabled() && !idle.isEmpty());
    connection.transferRunning();
    QVERIFY(stop->isEnabled() && stop->toolTip() != idle);
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(!stop->isEnabled() && stop->toolTip() != idle);
    connection.transferEnded();
    QCOMPARE(stop->toolTip(), idle);
}

KELVOR_TEST_MAIN(tst_ToolTips)
#include "tst_ToolTips.moc"
