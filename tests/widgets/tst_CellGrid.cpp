#include "base/RuntimeError.h"
#include "support/TestMain.h"
#include "widgets/CellGrid.h"

#include <QSignalSpy>
#include <QTest>

class tst_CellGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellsKeepWhatTheyAreGiven();
    void accessOutsideTheGridThrows_data();
    void accessOutsideTheGridThrows();
    void clicksReportColumnRowAndButton_data();
    void clicksReportColumnRowAndButton();
    void resizingResetsCells();
    void paintsWithoutFault();
};

void tst_CellGrid::cellsKeepWhatTheyAreGiven() {
    CellGrid grid;
    grid.setGridSize(4, 3, 50, 20);
    grid.setCaption(2, 3, QStringLiteral("１等推定金額"));
    grid.setForeColor(2, 3, Qt::red);
    grid.setBackColor(2, 3, QColor(0xE0, 0xFF, 0xFF));
    grid.setAlignment(2, 3, Qt::AlignRight | Qt::AlignVCenter);
    grid.setToolTipText(2, 3, QStringLiteral("tip"));
    grid.setPercent(2, 3, 37.5);
    grid.setRowBackColor(1, QColor(240, 240, 240));

    const GridCell& cell = grid.cell(2, 3);
    QCOMPARE(cell.caption, QStringLiteral("１等推定金額"));
    QCOMPARE(cell.foreColor, QColor(Qt::red));
    QCOMPARE(cell.backColor, QColor(0xE0, 0xFF, 0xFF));
    QCOMPARE(cell.alignment, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(cell.toolTip, QStringLiteral("tip"));
    QCOMPARE(cell.percent, 37.5);
    QCOMPARE(grid.cell(4, 1).backColor, QColor(240, 240, 240));
    QCOMPARE(grid.cell(1, 2).caption, QString());
    QCOMPARE(grid.cell(1, 2).backColor, QColor(Qt::white));
}

void tst_CellGrid::accessOutsideTheGridThrows_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("column 0") << 0 << 1;
    QTest::newRow("row 0") << 1 << 0;
    QTest::newRow("column past the end") << 5 << 1;
    QTest::newRow("row past the end") << 1 << 4;
    QTest::newRow("negative") << -1 << -1;
}

void tst_CellGrid::accessOutsideTheGridThrows() {
    QFETCH(int, column);
    QFETCH(int, row);
    CellGrid grid;
    grid.setGridSize(4, 3, 50, 20);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, grid.cell(column, row));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, grid.setCaption(column, row, QStringLiteral("x")));
}

void tst_CellGrid::clicksReportColumnRowAndButton_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    // Column 1 is 112 wide, the others 52; rows 28 high.
    QTest::newRow("first cell") << QPoint(5, 5) << int(Qt::LeftButton) << 1 << 1;
    QTest::newRow("right button") << QPoint(113, 29) << int(Qt::RightButton) << 2 << 2;
    QTest::newRow("last pixel of column 1") << QPoint(111, 80) << int(Qt::LeftButton) << 1 << 3;
    QTest::newRow("last cell") << QPoint(112 + 52 * 2 + 51, 28 * 3 - 1) << int(Qt::LeftButton) << 4
                               << 3;
}

void tst_CellGrid::clicksReportColumnRowAndButton() {
    QFETCH(QPoint, pos);
    QFETCH(int, button);
    QFETCH(int, column);
    QFETCH(int, row);
    CellGrid grid;
    grid.setGridSize(4, 3, 52, 28);
    grid.setColumnWidth(1, 112);
    grid.resize(grid.sizeHint() + QSize(40, 40));
    QSignalSpy clicks(&grid, &CellGrid::cellClicked);
    QTest::mouseClick(&grid, static_cast<Qt::MouseButton>(button), {}, pos);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), column);
    QCOMPARE(clicks.at(0).at(1).toInt(), row);
    QCOMPARE(clicks.at(0).at(2).value<Qt::MouseButton>(), static_cast<Qt::MouseButton>(button));
}

void tst_CellGrid::resizingResetsCells() {
    CellGrid grid;
    grid.setGridSize(2, 2, 10, 10);
    grid.setCaption(2, 2, QStringLiteral("x"));
    grid.setGridSize(3, 3, 10, 10);
    QCOMPARE(grid.cell(2, 2).caption, QString());
    QCOMPARE(grid.sizeHint(), QSize(31, 31));
    QCOMPARE(grid.cellAt(QPoint(35, 5)), QPoint(0, 0));
}

void tst_CellGrid::paintsWithoutFault() {
    CellGrid grid;
    grid.setGridSize(3, 2, 40, 20);
    grid.setCaption(1, 1, QStringLiteral("A"));
    grid.setPercent(2, 2, 150.0);
    QPixmap picture(8, 8);
    picture.fill(Qt::blue);
    grid.setPicture(3, 1, picture);
    grid.resize(grid.sizeHint());
    const QImage image = grid.grab().toImage();
    // The bar is capped at the cell's width: the next cell keeps its own colour.
    QCOMPARE(image.pixelColor(81 + 20, 30), QColor(Qt::white));
    QVERIFY(image.pixelColor(45, 30) != QColor(Qt::white));
}

KELVOR_TEST_MAIN(tst_CellGrid)
#include "tst_CellGrid.moc"
