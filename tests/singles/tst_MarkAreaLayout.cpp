#include "drawdata/MarkGrid.h"
#include "singles/MarkAreaLayout.h"

#include <QTest>

using Hit = MarkAreaLayout::Hit;
Q_DECLARE_METATYPE(MarkAreaLayout::Hit)

// The mark area's arithmetic: where labels, cells and lines lie and what a point hits.
class tst_MarkAreaLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partsLieAtTheirDesignPositions();
    void linesHaveTheirWidthsAndPlaces();
    void hitTest_data();
    void hitTest();
    void everyCellIsHitAtItsCentre();
    void changedCellsAreOnlyTheOnesThatDiffer();
};

void tst_MarkAreaLayout::partsLieAtTheirDesignPositions() {
    // 3 px border, ten columns 53 px apart; 21 px header, 2 px line, 9 rows of 26 + 1 px.
    QCOMPARE(MarkAreaLayout::size(), QSize(536, 272));
    QCOMPARE(MarkAreaLayout::numberRect(0), QRect(5, 3, 50, 21));
    QCOMPARE(MarkAreaLayout::numberRect(9), QRect(3 + 9 * 53 + 2, 3, 50, 21));
    // Marks 1, 0, 2 from left to right, 16 px apart, the first 6 px into the column.
    QCOMPARE(MarkAreaLayout::cellRect(0, 1, 0).left(), 9);
    QCOMPARE(MarkAreaLayout::cellRect(0, 0, 0).left(), 25);
    QCOMPARE(MarkAreaLayout::cellRect(0, 2, 0).left(), 41);
    QCOMPARE(MarkAreaLayout::cellRect(4, 1, 0).left(), 3 + 4 * 53 + 6);
    // Rows 27 px apart below the header band, pictures centred in their 26 px.
    QCOMPARE(MarkAreaLayout::cellRect(0, 1, 0).top(), 28);
    QCOMPARE(MarkAreaLayout::cellRect(0, 1, 8).top(), 28 + 8 * 27);
    QVERIFY(MarkAreaLayout::cellRect(9, 2, 8).bottom() < 272 - 3);
    // A column's cells stay inside it, clear of the line at its right.
    QVERIFY(MarkAreaLayout::cellRect(3, 2, 4).right() < MarkAreaLayout::columnLeft(4) - 1);
    QCOMPARE(MarkAreaLayout::columnBox(1), QRect(56, 26, 53, 243));
    QVERIFY(MarkAreaLayout::isTinted(0) && !MarkAreaLayout::isTinted(1));
}

void tst_MarkAreaLayout::linesHaveTheirWidthsAndPlaces() {
    const std::vector<QRect> lines = MarkAreaLayout::lineRects();
    // 4 border sides, the header line, 9 between columns, 3 under matches 3, 6, 9.
    QCOMPARE(lines.size(), std::size_t(17));
    QCOMPARE(lines[0], QRect(0, 0, 536, 3));
    QCOMPARE(lines[3], QRect(533, 0, 3, 272));
    QCOMPARE(lines[4], QRect(3, 24, 530, 2));
    QCOMPARE(lines[5], QRect(55, 26, 1, 243));
    QCOMPARE(lines[14], QRect(3, 26 + 2 * 27 + 26, 530, 1));
    QCOMPARE(lines[16], QRect(3, 268, 530, 1));
}

void tst_MarkAreaLayout::hitTest_data() {
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Hit>("hit");
    QTest::newRow("border") << QPoint(1, 40) << Hit{};
    QTest::newRow("number of column 0") << QPoint(30, 12) << Hit{Hit::Number, 0, -1, -1};
    QTest::newRow("number of column 9")
        << QPoint(3 + 9 * 53 + 10, 5) << Hit{Hit::Number, 9, -1, -1};
    QTest::newRow("header beside a label") << QPoint(56, 12) << Hit{};
    QTest::newRow("header line") << QPoint(30, 25) << Hit{};
    QTest::newRow("mark 1, match 1") << QPoint(15, 38) << Hit{Hit::Cell, 0, 1, 0};
    QTest::newRow("mark 0, match 2") << QPoint(30, 60) << Hit{Hit::Cell, 0, 0, 1};
    QTest::newRow("mark 2, match 9, column 3")
        << QPoint(3 + 3 * 53 + 45, 260) << Hit{Hit::Cell, 3, 2, 8};
    QTest::newRow("left margin of a column") << QPoint(3 + 53 + 2, 40) << Hit{};
    QTest::newRow("below the rows") << QPoint(15, 270) << Hit{};
    QTest::newRow("right border") << QPoint(534, 100) << Hit{};
    QTest::newRow("outside") << QPoint(-5, -5) << Hit{};
}

void tst_MarkAreaLayout::hitTest() {
    QFETCH(QPoint, pos);
    QFETCH(Hit, hit);
    const Hit found = MarkAreaLayout::hitTest(pos);
    QCOMPARE(found.kind, hit.kind);
    QCOMPARE(found.column, hit.column);
    QCOMPARE(found.mark, hit.mark);
    QCOMPARE(found.match, hit.match);
}

void tst_MarkAreaLayout::everyCellIsHitAtItsCentre() {
    for (int column = 0; column < MarkAreaLayout::ColumnCount; ++column)
        for (int match = 0; match < MatchCount; ++match)
            for (const int mark : ScreenMarkOrder) {
                const QRect cell = MarkAreaLayout::cellRect(column, mark, match);
                const Hit expected{Hit::Cell, column, mark, match};
                QVERIFY(MarkAreaLayout::hitTest(cell.center()) == expected);
                QVERIFY(MarkAreaLayout::hitTest(cell.topLeft()) == expected);
                QVERIFY(MarkAreaLayout::hitTest(cell.bottomRight()) == expected);
                QVERIFY(MarkAreaLayout::focusRect(column, match).contains(cell));
            }
}

void tst_MarkAreaLayout::changedCellsAreOnlyTheOnesThatDiffer() {
    std::array<int, 9> none;
    none.fill(-1);
    std::array<int, 9> blank{};
    // First showing: one chosen cell per match.
    std::vector<QRect> cells = MarkAreaLayout::changedCells(2, none, blank);
    QCOMPARE(cells.size(), std::size_t(9));
    QCOMPARE(cells[4], MarkAreaLayout::cellRect(2, 0, 4));

    std::array<int, 9> changed = blank;
    changed[6] = 2;
    cells = MarkAreaLayout::changedCells(2, blank, changed);
    QCOMPARE(cells, (std::vector<QRect>{MarkAreaLayout::cellRect(2, 0, 6),
                                        MarkAreaLayout::cellRect(2, 2, 6)}));
    QVERIFY(MarkAreaLayout::changedCells(2, changed, changed).empty());
    QCOMPARE(MarkAreaLayout::changedCells(2, changed, none).size(), std::size_t(9));
}

QTEST_APPLESS_MAIN(tst_MarkAreaLayout)
#include "tst_MarkAreaLayout.moc"
