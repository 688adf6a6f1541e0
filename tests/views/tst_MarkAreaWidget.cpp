#include "base/RuntimeError.h"
#include "support/TestMain.h"
#include "views/MarkAreaWidget.h"
#include "views/MarkPictures.h"
#include "widgets/JapaneseFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// The area with what it was last asked to repaint.
class RecordingArea : public MarkAreaWidget {
public:
    QRegion painted;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        ++paints;
        MarkAreaWidget::paintEvent(event);
    }
};

MarkAreaWidget::ColumnMarks marksOf(std::initializer_list<int> marks) {
    MarkAreaWidget::ColumnMarks result;
    std::copy(marks.begin(), marks.end(), result.begin());
    return result;
}

} // namespace

// The drawn mark area: what it repaints, what clicks and keys report, and its pictures.
class tst_MarkAreaWidget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void repaintsOnlyTheCellsThatChange();
    void pressesReportColumnMarkAndMatch();
    void keysMoveTheFocusAndStandForClicks();
    void commandKeys_data();
    void commandKeys();
    void picturesAreDrawnAtTheScreensResolution();
    void listNumbersUpToAMillionFitTheirLabels();
};

// With the program's replacement of its Windows gothic, six digits keep the designed 12 points
// in a Japanese gothic; longer numbers are narrowed, never clipped.
void tst_MarkAreaWidget::listNumbersUpToAMillionFitTheirLabels() {
    JapaneseFonts::install();
    QVERIFY(QFontInfo(MarkAreaWidget::numberFont(QStringLiteral("1")))
                .family()
                .contains(QStringLiteral("CJK JP")));
    for (const char* number : {"1", "99999", "100000", "999999", "1000000", "9999999"}) {
        const QString text = QString::fromLatin1(number);
        const QFont font = MarkAreaWidget::numberFont(text);
        QVERIFY2(QFontMetricsF(font).horizontalAdvance(text) <= MarkAreaLayout::LabelWidth, number);
        if (text.size() <= 6)
            QCOMPARE(font.pointSize(), 12);
    }
}

void tst_MarkAreaWidget::repaintsOnlyTheCellsThatChange() {
    RecordingArea area;
    for (int mark = 0; mark < 3; ++mark) {
        area.setPicture(mark, false, MarkPictures::picture(mark));
        area.setPicture(mark, true, MarkPictures::picture(MarkPictures::ChosenOffset + mark));
    }
    area.setColumnMarks(4, marksOf({0, 0, 0, 0, 0, 0, 0, 0, 0}));
    area.setNumber(4, 41, false);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QTRY_VERIFY(area.paints > 0);
    area.painted = QRegion();

    // Match 3 of column 4 goes from mark 0 to mark 2: two cells, nothing else.
    area.setColumnMarks(4, marksOf({0, 0, 2, 0, 0, 0, 0, 0, 0}));
    QTRY_VERIFY(!area.painted.isEmpty());
    QCOMPARE(area.painted, QRegion(MarkAreaLayout::cellRect(4, 0, 2)) +
                               QRegion(MarkAreaLayout::cellRect(4, 2, 2)));
    QCOMPARE(area.columnMarks(4)[2], 2);

    // The same marks and the same label again repaint nothing.
    area.painted = QRegion();
    const int before = area.paints;
    area.setColumnMarks(4, marksOf({0, 0, 2, 0, 0, 0, 0, 0, 0}));
    area.setNumber(4, 41, false);
    QTest::qWait(20);
    QCOMPARE(area.paints, before);

    // A selected label repaints the label only.
    area.setNumber(4, 41, true);
    QTRY_VERIFY(!area.painted.isEmpty());
    QCOMPARE(area.painted, QRegion(MarkAreaLayout::numberRect(4)));
    QVERIFY(area.isSelected(4));
}

void tst_MarkAreaWidget::pressesReportColumnMarkAndMatch() {
    MarkAreaWidget area;
    QSignalSpy cells(&area, &MarkAreaWidget::cellPressed);
    QSignalSpy numbers(&area, &MarkAreaWidget::numberPressed);
    const QRect cell = MarkAreaLayout::cellRect(7, 0, 5);
    QTest::mousePress(&area, Qt::RightButton, {}, cell.center());
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells.at(0), (QList<QVariant>{7, 0, 5, QVariant::fromValue(Qt::RightButton)}));
    QCOMPARE(area.focusColumn(), 7);
    QCOMPARE(area.focusMatch(), 5);

    // The second press of a double click arrives as a double-click event and is a press of its
    // own.
    QTest::mouseDClick(&area, Qt::LeftButton, {}, cell.center());
    QCOMPARE(cells.count(), 2);

    QTest::mouseClick(&area, Qt::LeftButton, {}, MarkAreaLayout::numberRect(2).center());
    QCOMPARE(numbers.count(), 1);
    QCOMPARE(numbers.at(0).at(0).toInt(), 2);
    // Between the cells nothing is pressed.
    QTest::mouseClick(&area, Qt::LeftButton, {}, QPoint(MarkAreaLayout::columnLeft(3) + 1, 40));
    QCOMPARE(cells.count(), 2);
    QCOMPARE(numbers.count(), 1);
}

void tst_MarkAreaWidget::keysMoveTheFocusAndStandForClicks() {
    MarkAreaWidget area;
    QSignalSpy cells(&area, &MarkAreaWidget::cellPressed);
    QSignalSpy numbers(&area, &MarkAreaWidget::numberPressed);
    QCOMPARE(area.focusPolicy(), Qt::StrongFocus);

    // The focus stops at the edges of the area.
    QTest::keyClick(&area, Qt::Key_Left);
    QTest::keyClick(&area, Qt::Key_Up);
    QCOMPARE(area.focusColumn(), 0);
    QCOMPARE(area.focusMatch(), 0);
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(&area, Qt::Key_Right);
        QTest::keyClick(&area, Qt::Key_Down);
    }
    QCOMPARE(area.focusColumn(), 9);
    QCOMPARE(area.focusMatch(), 8);
    QTest::keyClick(&area, Qt::Key_Left);
    QTest::keyClick(&area, Qt::Key_Up);

    QTest::keyClick(&area, Qt::Key_2);
    QTest::keyClick(&area, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(&area, Qt::Key_0);
    QCOMPARE(cells.count(), 3);
    QCOMPARE(cells.at(0), (QList<QVariant>{8, 2, 7, QVariant::fromValue(Qt::NoButton)}));
    QCOMPARE(cells.at(1).at(1).toInt(), 1);
    QCOMPARE(cells.at(2).at(1).toInt(), 0);
    // Other digits and shortcuts with Ctrl are not marks.
    QTest::keyClick(&area, Qt::Key_3);
    QTest::keyClick(&area, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(cells.count(), 3);

    QTest::keyClick(&area, Qt::Key_Space);
    QCOMPARE(numbers.count(), 1);
    QCOMPARE(numbers.at(0).at(0).toInt(), 8);
}

void tst_MarkAreaWidget::commandKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<MarkAreaWidget::KeyCommand>("command");
    using C = MarkAreaWidget::KeyCommand;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << C::PreviousPage;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << C::NextPage;
    QTest::newRow("Home") << int(Qt::Key_Home) << C::FirstPage;
    QTest::newRow("End") << int(Qt::Key_End) << C::LastPage;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << C::Delete;
    QTest::newRow("Insert") << int(Qt::Key_Insert) << C::Insert;
}

void tst_MarkAreaWidget::commandKeys() {
    QFETCH(int, key);
    QFETCH(MarkAreaWidget::KeyCommand, command);
    MarkAreaWidget area;
    QSignalSpy commands(&area, &MarkAreaWidget::keyCommand);
    QTest::keyClick(&area, Qt::Key(key));
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.at(0).at(0).value<MarkAreaWidget::KeyCommand>(), command);
}

void tst_MarkAreaWidget::picturesAreDrawnAtTheScreensResolution() {
    const QSize size(MarkAreaLayout::CellWidth, MarkAreaLayout::CellHeight);
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        const QPixmap chosen = MarkPictures::picture(11).pixmap(size, ratio);
        QCOMPARE(chosen.devicePixelRatio(), ratio);
        QCOMPARE(chosen.size(), (QSizeF(size) * ratio).toSize());
    }
    // Chosen pictures are filled, not-chosen ones only outlined: the middle of the digit's
    // surroundings differs, and every mark has its own picture.
    const QImage plain = MarkPictures::picture(1).pixmap(size, 2.0).toImage();
    const QImage chosen = MarkPictures::picture(11).pixmap(size, 2.0).toImage();
    const QPoint nearTop(14, 8);
    QVERIFY(plain.pixelColor(nearTop) != chosen.pixelColor(nearTop));
    QVERIFY(MarkPictures::picture(10).pixmap(size, 1.0).toImage() !=
            MarkPictures::picture(12).pixmap(size, 1.0).toImage());
    // At pixel ratio 2 the picture is drawn again with twice the pixels, not scaled up.
    QImage sharp = MarkPictures::picture(11).pixmap(size * 2, 1.0).toImage();
    sharp.setDevicePixelRatio(2.0);
    QCOMPARE(chosen, sharp.convertToFormat(chosen.format()));
    for (const int bad : {-1, 3, 9, 13})
        QVERIFY_THROWS_EXCEPTION(RuntimeError, MarkPictures::picture(bad));
}

KELVOR_TEST_MAIN(tst_MarkAreaWidget)
#include "tst_MarkAreaWidget.moc"
