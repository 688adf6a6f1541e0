#include "singles/CountCells.h"
#include "views/clsTCount.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

// Counts of one match, in screen order 1, 0, 2, put into match index k of a frame.
SingleFrame frameWith(std::size_t k, qint32 ones, qint32 zeros, qint32 twos) {
    SingleFrame frame{};
    frame[1][k] = ones;
    frame[0][k] = zeros;
    frame[2][k] = twos;
    return frame;
}

QStringList rowTexts(const clsTCount& panel, int row) {
    QStringList texts;
    for (int column = 1; column <= 3; ++column)
        texts << panel.grid()->cell(column, row).caption;
    return texts;
}

} // namespace

class tst_clsTCount : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellTexts_data();
    void cellTexts();
    void panelShowsCountsInScreenOrder();
    void layoutAndStripes();
    void dataBeforeInitializeIsShownAfterwards();
    void highlightsAreBlueUntilCleared();
    void clearKeepsTheFlags();
    void clicksOnMatchRowsSwitchAndHeaderDoesNothing();
    void visibleIsTheHostsVisibility();
};

void tst_clsTCount::cellTexts_data() {
    QTest::addColumn<qint32>("count");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("showZero");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QString>("text");
    QTest::newRow("count") << 3 << qint64(4) << false << false << QStringLiteral("      3");
    QTest::newRow("zero hidden") << 0 << qint64(4) << false << false << QString();
    QTest::newRow("zero hidden in percent") << 0 << qint64(4) << false << true << QString();
    QTest::newRow("zero shown") << 0 << qint64(4) << true << false << QStringLiteral("      0");
    QTest::newRow("three quarters") << 3 << qint64(4) << false << true << QStringLiteral("    75%");
    QTest::newRow("one quarter") << 1 << qint64(4) << false << true << QStringLiteral("    25%");
    QTest::newRow("half rounds up") << 1 << qint64(8) << false << true << QStringLiteral("    13%");
    QTest::newRow("below a half rounds down")
        << 1 << qint64(3) << false << true << QStringLiteral("    33%");
    QTest::newRow("all of the row") << 5 << qint64(5) << false << true << QStringLiteral("   100%");
    QTest::newRow("empty row shown") << 0 << qint64(0) << true << true << QStringLiteral("     0%");
    QTest::newRow("empty row hidden") << 0 << qint64(0) << false << true << QString();
    QTest::newRow("seven digits fill the cell")
        << 1000000 << qint64(1000000) << false << false << QStringLiteral("1000000");
    // Cutting to the last seven characters would show 2345678 for 12 345 678 singles.
    QTest::newRow("longer counts stay whole")
        << 12345678 << qint64(12345678) << false << false << QStringLiteral("12345678");
}

void tst_clsTCount::cellTexts() {
    QFETCH(qint32, count);
    QFETCH(qint64, total);
    QFETCH(bool, showZero);
    QFETCH(bool, percent);
    QFETCH(QString, text);
    QCOMPARE(CountCells::text(count, total, showZero, percent), text);
}

void tst_clsTCount::panelShowsCountsInScreenOrder() {
    QWidget host;
    clsTCount panel;
    panel.Initialize(&host, 60, 26);
    SingleFrame frame = frameWith(0, 3, 0, 1);
    frame[0][8] = 2; // match 9: two singles with mark 0 only
    panel.SetValue(frame);
    QCOMPARE(rowTexts(panel, 2),
             (QStringList{QStringLiteral("      3"), QString(), QStringLiteral("      1")}));
    QCOMPARE(rowTexts(panel, 10), (QStringList{QString(), QStringLiteral("      2"), QString()}));
    // Matches without singles stay blank.
    QCOMPARE(rowTexts(panel, 5), (QStringList{QString(), QString(), QString()}));

    CountFlags showZero{};
    showZero[0][0] = true;
    panel.SetVisible(showZero);
    QCOMPARE(panel.grid()->cell(2, 2).caption, QString()); // no redraw yet
    panel.Refresh();
    QCOMPARE(rowTexts(panel, 2), (QStringList{QStringLiteral("      3"), QStringLiteral("      0"),
                                              QStringLiteral("      1")}));

    panel.setPercent(true);
    QVERIFY(panel.Percent());
    QCOMPARE(rowTexts(panel, 2), (QStringList{QStringLiteral("    75%"), QStringLiteral("     0%"),
                                              QStringLiteral("    25%")}));
    QCOMPARE(rowTexts(panel, 10), (QStringList{QString(), QStringLiteral("   100%"), QString()}));
}

void tst_clsTCount::layoutAndStripes() {
    QWidget host;
    clsTCount panel;
    panel.Initialize(&host, 60, 26);
    const CellGrid& grid = *panel.grid();
    QCOMPARE(grid.columnCount(), 3);
    QCOMPARE(grid.rowCount(), 10);
    QCOMPARE(grid.rowHeight(1), 20);
    QCOMPARE(grid.rowHeight(2), 26);
    QCOMPARE(grid.columnWidth(3), 60);
    QCOMPARE(host.size(), grid.sizeHint());
    QCOMPARE(rowTexts(panel, 1),
             (QStringList{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("2")}));
    QCOMPARE(grid.cell(2, 1).backColor, QApplication::palette().color(QPalette::Button));
    QCOMPARE(grid.cell(1, 2).backColor, QColor(255, 255, 255));  // match 1
    QCOMPARE(grid.cell(3, 3).backColor, QColor(255, 255, 224));  // match 2
    QCOMPARE(grid.cell(2, 10).backColor, QColor(255, 255, 255)); // match 9
    QVERIFY(grid.cell(1, 4).alignment & Qt::AlignRight);
}

void tst_clsTCount::dataBeforeInitializeIsShownAfterwards() {
    clsTCount panel;
    panel.SetValue(frameWith(3, 0, 7, 0));
    panel.setPercent(true);
    QWidget host;
    panel.Initialize(&host, 60, 26);
    QCOMPARE(panel.grid()->cell(2, 5).caption, QStringLiteral("   100%"));
}

void tst_clsTCount::highlightsAreBlueUntilCleared() {
    QWidget host;
    clsTCount panel;
    panel.Initialize(&host, 60, 26);
    CountFlags blue{};
    blue[2][4] = true; // mark 2 of match 5: column 3, row 6
    panel.SetColor(blue);
    panel.SetValue(frameWith(4, 1, 1, 1));
    QCOMPARE(panel.grid()->cell(3, 6).foreColor, QColor(0, 0, 255));
    QCOMPARE(panel.grid()->cell(1, 6).foreColor, QColor(0, 0, 0));
    panel.SetColor(CountFlags{});
    panel.Refresh();
    QCOMPARE(panel.grid()->cell(3, 6).foreColor, QColor(0, 0, 0));
}

void tst_clsTCount::clearKeepsTheFlags() {
    QWidget host;
    clsTCount panel;
    panel.Initialize(&host, 60, 26);
    CountFlags showZero{};
    showZero[1][0] = true;
    panel.SetVisible(showZero);
    panel.SetValue(frameWith(0, 4, 4, 4));
    panel.Clear();
    QCOMPARE(panel.Value(), SingleFrame{});
    QCOMPARE(rowTexts(panel, 2), (QStringList{QStringLiteral("      0"), QString(), QString()}));
}

void tst_clsTCount::clicksOnMatchRowsSwitchAndHeaderDoesNothing() {
    QWidget host;
    clsTCount panel;
    panel.Initialize(&host, 60, 26);
    panel.SetValue(frameWith(0, 3, 0, 1));
    QSignalSpy clicks(&panel, &clsTCount::Click);
    CellGrid* grid = panel.grid();

    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(30, 10)); // header
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!panel.Percent());

    QTest::mouseClick(grid, Qt::RightButton, Qt::ShiftModifier, QPoint(70, 30));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(panel.Percent());
    QCOMPARE(grid->cell(1, 2).caption, QStringLiteral("    75%"));
    const QList<QVariant> first = clicks.at(0);
    QCOMPARE(first.at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(first.at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    QCOMPARE(first.at(2).toInt(), 70);
    QCOMPARE(first.at(3).toInt(), 30);

    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(150, 250)); // match 9
    QCOMPARE(clicks.count(), 2);
    QVERIFY(!panel.Percent());
    QCOMPARE(grid->cell(1, 2).caption, QStringLiteral("      3"));
}

void tst_clsTCount::visibleIsTheHostsVisibility() {
    QWidget window;
    auto* host = new QWidget(&window);
    clsTCount panel;
    panel.Initialize(host, 60, 26);
    QVERIFY(panel.Visible());
    panel.setVisible(false);
    QVERIFY(host->isHidden());
    QVERIFY(!panel.Visible());
    panel.setVisible(true);
    QVERIFY(panel.Visible());
}

QTEST_MAIN(tst_clsTCount)
#include "tst_clsTCount.moc"
