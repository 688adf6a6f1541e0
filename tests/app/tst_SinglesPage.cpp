#include "app/MainMenus.h"
#include "app/clsTMain.h"
#include "drawdata/clsXmlSchedule.h"
#include "drawdata/clsXmlVote.h"
#include "singles/MarkAreaLayout.h"
#include "singles/SingleCodec.h"
#include "support/FocusProbe.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "views/MarkAreaWidget.h"
#include "views/clsTSingle.h"
#include "views/clsTSingleGame.h"
#include "widgets/CellGrid.h"
#include "widgets/PageTurnImage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The singles page of a started window, reached by the names of its controls.
struct SinglesPageFixture : MainWindowFixture {
    bool startOnSingles(std::vector<qint32> singles = {}) {
        if (!start())
            return false;
        window->setSingleList(std::move(singles));
        action(QStringLiteral("mnuView_Menu_1"))->trigger();
        return window->currentPage() == 1;
    }
    MarkAreaWidget* area() const {
        return widget<MarkAreaWidget>(QStringLiteral("picSingleMarks"));
    }
    CellGrid* summary() const { return widget<CellGrid>(QStringLiteral("picSListGrid")); }
    CellGrid* counts() const { return widget<CellGrid>(QStringLiteral("picCountGrid")); }
    CellGrid* matches() const { return widget<CellGrid>(QStringLiteral("picSGameGrid")); }
    QString pageText() const { return widget<QLabel>(QStringLiteral("lblSinglePage"))->text(); }
    QString countText() const { return widget<QLabel>(QStringLiteral("lblSingleCount"))->text(); }
    PageTurnImage* previous() const {
        return widget<PageTurnImage>(QStringLiteral("imgSinglePrevious"));
    }
    PageTurnImage* next() const { return widget<PageTurnImage>(QStringLiteral("imgSingleNext")); }
    QPushButton* button(const QString& name) const { return widget<QPushButton>(name); }

    void clickCell(int column, int mark, int match) const {
        QTest::mouseClick(area(), Qt::LeftButton, {},
                          MarkAreaLayout::cellRect(column, mark, match).center());
    }
    void clickNumber(int column) const {
        QTest::mouseClick(area(), Qt::LeftButton, {}, MarkAreaLayout::numberRect(column).center());
    }
    QStringList summaryColumn(int column) const {
        QStringList texts;
        for (int row = 1; row <= 5; ++row)
            texts << summary()->cell(column + 2, row).caption;
        return texts;
    }
    // The window's frame as a fresh count of its list.
    SingleFrame recounted() const {
        SingleFrame frame{};
        clsTSingleFrame().GetSingleFrame(qint32(window->singles().size()), window->singles(),
                                         frame);
        return frame;
    }
    bool storeDraw(const ScheduleData& schedule, const VoteData& vote) const {
        clsXmlSchedule scheduleXml;
        scheduleXml.SetData(schedule);
        clsXmlVote voteXml;
        voteXml.SetData(vote);
        return scheduleXml.XmlSave(scheduleXml.GetFileName(schedule.Kaisaikai, QString())) &&
               voteXml.XmlSave(voteXml.GetFileName(vote.Kaisaikai, QString()));
    }
};

bool showsDisabled(const PageTurnImage* image, PageTurnImage::Direction direction) {
    return image->pixmap().toImage() == PageTurnImage::picture(direction, false).toImage() &&
           image->cursor().shape() == Qt::ArrowCursor;
}

bool showsEnabled(const PageTurnImage* image, PageTurnImage::Direction direction) {
    return image->pixmap().toImage() == PageTurnImage::picture(direction, true).toImage() &&
           image->cursor().shape() == Qt::PointingHandCursor;
}

MarkAreaWidget::ColumnMarks marksOf(qint32 single) {
    MarkAreaWidget::ColumnMarks marks;
    marks.fill(MarkAreaWidget::NoMark);
    if (single >= 0)
        for (std::size_t k = 0; k < marks.size(); ++k)
            marks[k] = SingleCodec::marks(single)[k];
    return marks;
}

std::vector<qint32> numbered(int count) {
    std::vector<qint32> singles;
    for (int i = 0; i < count; ++i)
        singles.push_back(i * 37 % SingleCodec::SingleCount);
    return singles;
}

VoteData voteWith(qint32 kaisaikai, qint64 zeros, qint64 ones, qint64 twos) {
    VoteData vote;
    vote.Kaisaikai = kaisaikai;
    vote.AsOf = DateTime::fromDateTime(QDate(2026, 5, 16), QTime(12, 0));
    for (VoteMatch& match : vote.Matches) {
        match.Home = QStringLiteral("鹿島");
        match.Away = QStringLiteral("浦和");
        match.MatchDate = DateTime::fromDate(QDate(2026, 5, 17));
        match.Outcomes[0].Votes = Money::fromYen(zeros);
        match.Outcomes[1].Votes = Money::fromYen(ones);
        match.Outcomes[2].Votes = Money::fromYen(twos);
    }
    return vote;
}

ScheduleData scheduleFor(qint32 kaisaikai) {
    ScheduleData schedule;
    schedule.Kaisaikai = kaisaikai;
    for (std::size_t k = 0; k < schedule.Matches.size(); ++k) {
        MatchInfo& match = schedule.Matches[k];
        match.Home = QStringLiteral("鹿島");
        match.Away = QStringLiteral("浦和");
        match.Stadium = QStringLiteral("カシマ");
        match.State = QStringLiteral("VS");
        match.MatchDate = DateTime::fromDate(QDate(2026, 5, int(k) + 16));
    }
    schedule.SaleStart = DateTime::fromDateTime(QDate(2026, 5, 9), QTime(10, 0));
    schedule.SaleEnd = DateTime::fromDateTime(QDate(2026, 5, 16), QTime(13, 50));
    schedule.ResultDate = DateTime::fromDate(QDate(2026, 5, 25));
    return schedule;
}

} // namespace

// The singles page driven through the main window as a user drives it, with the mouse and with
// the keyboard.
class tst_SinglesPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyListShowsOnePageAndAClickAdds();
    void eleventhSingleOpensPageTwo();
    void pageTurnersStayInRange();
    void deletingTheLastPageOfThree();
    void deleteAsksAndNeedsASelection();
    void markClicksChangeListFrameAndSummary();
    void clickingTheChosenMarkAgain();
    void markChangeAfterTheListShrankIsIgnored();
    void countLabelGroupsThousands();
    void keyboardWorksTheSingles();
    void typedMarkOnAnEmptyColumnAddsOneSingle();
    void keyboardReachesTheAreaAndThePageTurners();
    void editMenuSelectsAllAndNone();
    void addByMarksGoesThroughTheDialog();
    void countsPanelFollowsThePercentToggle();
    void summaryAndMatchListOfAStoredDraw();
    void sortRedrawsFromTheFirstPage();
    void lockedEditsAskFirst();
    void viewsReportMisuse();
};

void tst_SinglesPage::emptyListShowsOnePageAndAClickAdds() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles());
    QCOMPARE(f.pageText(), QStringLiteral("1／1"));
    QCOMPARE(f.countText(), QStringLiteral("0"));
    QVERIFY(showsDisabled(f.previous(), PageTurnImage::Previous));
    QVERIFY(showsDisabled(f.next(), PageTurnImage::Next));
    for (int column = 0; column < 10; ++column) {
        QCOMPARE(f.area()->number(column), 0);
        QCOMPARE(f.area()->columnMarks(column), marksOf(-1));
        QCOMPARE(f.summaryColumn(column), QStringList(5, QString()));
    }
    // Any cell of an empty column adds one blank single, whatever mark it shows.
    f.clickCell(3, 2, 7);
    QCOMPARE(f.window->singles(), std::vector<qint32>{0});
    QCOMPARE(f.area()->number(0), 1);
    QCOMPARE(f.area()->columnMarks(0), marksOf(0));
    QCOMPARE(f.area()->columnMarks(3), marksOf(-1));
    QCOMPARE(f.pageText(), QStringLiteral("1／1"));
    QCOMPARE(f.countText(), QStringLiteral("1"));
    QCOMPARE(f.window->singleFrame(), f.recounted());
    QCOMPARE(f.counts()->cell(2, 2).caption, QStringLiteral("      1"));
    QVERIFY(f.platform.messages.isEmpty());
}

void tst_SinglesPage::eleventhSingleOpensPageTwo() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(10)));
    QCOMPARE(f.pageText(), QStringLiteral("1／1"));
    QCOMPARE(f.area()->number(9), 10);
    QSignalSpy counts(f.singlesPage()->singleView(), &clsTSingle::ChangeCount);
    QSignalSpy frames(f.singlesPage()->singleView(), &clsTSingle::ChangeFrame);
    QTest::mouseClick(f.button(QStringLiteral("cmdSingleAdd")), Qt::LeftButton);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(frames.count(), 1);
    QCOMPARE(f.window->singles().size(), std::size_t(11));
    QCOMPARE(f.window->singles().back(), 0);
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    QCOMPARE(f.countText(), QStringLiteral("11"));
    QCOMPARE(f.area()->number(0), 11);
    QCOMPARE(f.area()->number(1), 0);
    QVERIFY(showsEnabled(f.previous(), PageTurnImage::Previous));
    QVERIFY(showsDisabled(f.next(), PageTurnImage::Next));
    QCOMPARE(f.window->singleFrame(), f.recounted());
}

void tst_SinglesPage::pageTurnersStayInRange() {
    SinglesPageFixture f;
    const std::vector<qint32> list = numbered(25);
    QVERIFY(f.startOnSingles(list));
    // Previous on the first page stays there and draws it again.
    f.area()->setNumber(0, 0, false);
    QTest::mouseClick(f.previous(), Qt::LeftButton);
    QCOMPARE(f.singlesPage()->singleView()->Page(), 0);
    QCOMPARE(f.pageText(), QStringLiteral("1／3"));
    QCOMPARE(f.area()->number(0), 1);
    QVERIFY(showsDisabled(f.previous(), PageTurnImage::Previous));
    QVERIFY(showsEnabled(f.next(), PageTurnImage::Next));

    QTest::mouseClick(f.next(), Qt::LeftButton);
    QCOMPARE(f.pageText(), QStringLiteral("2／3"));
    QVERIFY(showsEnabled(f.previous(), PageTurnImage::Previous));
    QCOMPARE(f.area()->number(0), 11);
    QCOMPARE(f.area()->columnMarks(4), marksOf(list[14]));
    // A double click turns two pages; next on the last page stays there.
    QTest::mouseDClick(f.next(), Qt::LeftButton);
    QCOMPARE(f.pageText(), QStringLiteral("3／3"));
    QTest::mouseClick(f.next(), Qt::LeftButton);
    QCOMPARE(f.pageText(), QStringLiteral("3／3"));
    QCOMPARE(f.area()->number(4), 25);
    QCOMPARE(f.area()->number(5), 0);
    QCOMPARE(f.area()->columnMarks(5), marksOf(-1));
    QVERIFY(showsDisabled(f.next(), PageTurnImage::Next));
    QTest::mouseClick(f.previous(), Qt::LeftButton);
    QTest::mouseDClick(f.previous(), Qt::LeftButton);
    QCOMPARE(f.pageText(), QStringLiteral("1／3"));
}

void tst_SinglesPage::deletingTheLastPageOfThree() {
    SinglesPageFixture f;
    const std::vector<qint32> list = numbered(25);
    QVERIFY(f.startOnSingles(list));
    f.singlesPage()->singleView()->MovePageLast();
    for (int column = 0; column < 5; ++column)
        f.clickNumber(column);
    f.clickNumber(7); // an empty column selects nothing
    QVERIFY(f.area()->isSelected(4));
    QVERIFY(!f.area()->isSelected(7));
    f.platform.answers = {true};
    QTest::mouseClick(f.button(QStringLiteral("cmdSingleDel")), Qt::LeftButton);
    QCOMPARE(f.window->singles(), std::vector<qint32>(list.begin(), list.begin() + 20));
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    QCOMPARE(f.area()->number(0), 11);
    QCOMPARE(f.countText(), QStringLiteral("20"));
    QCOMPARE(f.window->singleFrame(), f.recounted());
    // The deletion cleared the selection.
    for (qint32 i = 0; i < 20; ++i)
        QVERIFY(!f.singlesPage()->singleView()->Selected(i));
}

void tst_SinglesPage::deleteAsksAndNeedsASelection() {
    SinglesPageFixture f;
    const std::vector<qint32> list = {5, 6, 7};
    QVERIFY(f.startOnSingles(list));
    QTest::mouseClick(f.button(QStringLiteral("cmdSingleDel")), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text, QStringLiteral("削除対象のシングルが選択されていません"));
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("選択シングルを削除"));
    QCOMPARE(f.platform.messages[0].icon, MessageIcon::Information);
    QVERIFY(!f.platform.messages[0].question);

    f.clickNumber(1);
    f.platform.clearMessages();
    f.platform.answers = {false};
    QTest::mouseClick(f.button(QStringLiteral("cmdSingleDel")), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text,
             QStringLiteral("選択シングルを削除します。よろしいですか？"));
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("選択シングルを削除"));
    QVERIFY(f.platform.messages[0].question);
    QCOMPARE(f.window->singles(), list);
    QVERIFY(f.area()->isSelected(1));

    // The Edit menu's item does the same; the middle single goes.
    f.platform.answers = {true};
    f.window->menus().singleDelete->trigger();
    QCOMPARE(f.window->singles(), (std::vector<qint32>{5, 7}));
    QCOMPARE(f.window->singleFrame(), f.recounted());
}

void tst_SinglesPage::markClicksChangeListFrameAndSummary() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(14)));
    QTest::mouseClick(f.next(), Qt::LeftButton);
    QSignalSpy values(f.singlesPage()->singleView(), &clsTSingle::ChangeValue);
    // Column 2 of page 2 is position 12: match 4 becomes mark 1, match 9 mark 2.
    f.clickCell(2, 1, 3);
    f.clickCell(2, 2, 8);
    SingleCodec::Marks expected = SingleCodec::marks(numbered(14)[12]);
    expected[3] = 1;
    expected[8] = 2;
    const qint32 changed = SingleCodec::encode(expected);
    QCOMPARE(values.count(), 2);
    QCOMPARE(values.at(1), (QList<QVariant>{12, changed}));
    QCOMPARE(f.window->singles()[12], changed);
    QCOMPARE(f.area()->columnMarks(2), marksOf(changed));
    QCOMPARE(f.window->singleFrame(), f.recounted());
    QCOMPARE(f.summaryColumn(2)[3], QStringLiteral("%1-%2-%3")
                                        .arg(std::count(expected.begin(), expected.end(), 1))
                                        .arg(std::count(expected.begin(), expected.end(), 0))
                                        .arg(std::count(expected.begin(), expected.end(), 2)));
    // The counts panel shows the frame kept up to date by the edits.
    QCOMPARE(f.counts()->cell(3, 10).caption,
             QString::number(f.window->singleFrame()[2][8]).rightJustified(7, u' '));
}

// A mark change still on its way when a load has just emptied the list.
void tst_SinglesPage::markChangeAfterTheListShrankIsIgnored() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(14)));
    f.window->setSingleList({7});
    Q_EMIT f.singlesPage()->singleView()->ChangeValue(12, 5);
    QCOMPARE(f.window->singles(), std::vector<qint32>{7});
    QVERIFY(!f.window->singleList().isChanged());
}

void tst_SinglesPage::clickingTheChosenMarkAgain() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({14383}));
    const SingleFrame before = f.window->singleFrame();
    QSignalSpy values(f.singlesPage()->singleView(), &clsTSingle::ChangeValue);
    QSignalSpy frames(f.singlesPage()->singleView(), &clsTSingle::ChangeFrame);
    f.clickCell(0, 1, 0); // 102102102: match 1 already carries mark 1
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.at(0), (QList<QVariant>{0, 14383}));
    QCOMPARE(frames.count(), 1);
    QCOMPARE(f.window->singles(), std::vector<qint32>{14383});
    QCOMPARE(f.window->singleFrame(), before);
}

void tst_SinglesPage::countLabelGroupsThousands() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(std::vector<qint32>(1234, 0)));
    QCOMPARE(f.countText(), QStringLiteral("1,234"));
    QCOMPARE(f.pageText(), QStringLiteral("1／124"));
    f.singlesPage()->singleView()->MovePageLast();
    QCOMPARE(f.area()->number(3), 1234);
    QCOMPARE(f.area()->number(4), 0);
}

void tst_SinglesPage::keyboardWorksTheSingles() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(std::vector<qint32>(12, 0)));
    MarkAreaWidget* area = f.area();
    QVERIFY(area->hasFocus() || QApplication::focusWidget() == nullptr);
    // Second single, match 3: mark 2.
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_Down);
    QTest::keyClick(area, Qt::Key_Down);
    QTest::keyClick(area, Qt::Key_2);
    QCOMPARE(f.window->singles()[1], 2 * 9);
    QCOMPARE(area->columnMarks(1)[2], 2);
    QCOMPARE(f.window->singleFrame(), f.recounted());

    QTest::keyClick(area, Qt::Key_Space);
    QVERIFY(f.singlesPage()->singleView()->Selected(1));
    QVERIFY(area->isSelected(1));
    f.platform.answers = {true};
    QTest::keyClick(area, Qt::Key_Delete);
    QCOMPARE(f.window->singles(), std::vector<qint32>(11, 0));
    QCOMPARE(f.platform.messages.last().text,
             QStringLiteral("選択シングルを削除します。よろしいですか？"));

    QTest::keyClick(area, Qt::Key_Insert);
    QCOMPARE(f.window->singles().size(), std::size_t(12));
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    QTest::keyClick(area, Qt::Key_PageUp);
    QCOMPARE(f.pageText(), QStringLiteral("1／2"));
    QTest::keyClick(area, Qt::Key_PageUp);
    QCOMPARE(f.pageText(), QStringLiteral("1／2"));
    QTest::keyClick(area, Qt::Key_PageDown);
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    QTest::keyClick(area, Qt::Key_Home);
    QCOMPARE(f.pageText(), QStringLiteral("1／2"));
    QTest::keyClick(area, Qt::Key_End);
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    // A mark typed on an empty column adds one single that carries it.
    QTest::keyClick(area, Qt::Key_Right);
    QTest::keyClick(area, Qt::Key_1);
    QCOMPARE(f.window->singles().size(), std::size_t(13));
    QCOMPARE(area->columnMarks(2)[area->focusMatch()], 1);
}

void tst_SinglesPage::typedMarkOnAnEmptyColumnAddsOneSingle() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(12)));
    MarkAreaWidget* area = f.area();
    QTest::keyClick(area, Qt::Key_End);
    // Page 2 holds singles 11 and 12; the frame on its sixth column, match 5.
    area->setFocusCell(5, 4);
    QTest::keyClick(area, Qt::Key_2);
    SingleCodec::Marks typed{};
    typed[4] = 2;
    QCOMPARE(f.window->singles().size(), std::size_t(13));
    QCOMPARE(f.window->singles().back(), SingleCodec::encode(typed));
    QCOMPARE(area->focusColumn(), 2);
    QCOMPARE(area->focusMatch(), 4);
    QCOMPARE(area->number(2), 13);
    QCOMPARE(area->columnMarks(2)[4], 2);
    QCOMPARE(f.window->singleFrame(), f.recounted());
    // Typing on works on the new single.
    QTest::keyClick(area, Qt::Key_1);
    QCOMPARE(f.window->singles().size(), std::size_t(13));
    typed[4] = 1;
    QCOMPARE(f.window->singles().back(), SingleCodec::encode(typed));
    QCOMPARE(f.window->singleFrame(), f.recounted());
    // A click on an empty column still adds a blank single, as it always did.
    f.clickCell(7, 2, 0);
    QCOMPARE(f.window->singles().size(), std::size_t(14));
    QCOMPARE(f.window->singles().back(), 0);
    QCOMPARE(area->focusColumn(), 3);
}

void tst_SinglesPage::keyboardReachesTheAreaAndThePageTurners() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(25)));
    QVERIFY(FocusProbe::reachedByTab(f.area()));
    const auto [without, with] = FocusProbe::withoutAndWithFocus(f.area());
    QVERIFY(with != without);
    // Read-only grids are no stops; an arrow with no page to turn to is none either.
    QVERIFY(!FocusProbe::reachedByTab(f.summary()));
    QVERIFY(!FocusProbe::reachedByTab(f.matches()));
    QVERIFY(!FocusProbe::reachedByTab(f.previous()));
    QVERIFY(FocusProbe::reachedByTab(f.next()));
    const auto [plain, framed] = FocusProbe::withoutAndWithFocus(f.next());
    QVERIFY(framed != plain);
    QTest::keyClick(f.next(), Qt::Key_Space);
    QCOMPARE(f.pageText(), QStringLiteral("2／3"));
    QTest::keyClick(f.next(), Qt::Key_Return);
    QCOMPARE(f.pageText(), QStringLiteral("3／3"));
    QTest::keyClick(f.next(), Qt::Key_Space);
    QCOMPARE(f.pageText(), QStringLiteral("3／3"));
    QVERIFY(f.next()->hasFocus());
    QVERIFY(showsDisabled(f.next(), PageTurnImage::Next));
    QVERIFY(FocusProbe::reachedByTab(f.previous()));
    QTest::keyClick(f.previous(), Qt::Key_Space);
    QCOMPARE(f.pageText(), QStringLiteral("2／3"));
}

void tst_SinglesPage::editMenuSelectsAllAndNone() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles(numbered(13)));
    f.window->menus().selectAll->trigger();
    for (qint32 i = 0; i < 13; ++i)
        QVERIFY(f.singlesPage()->singleView()->Selected(i));
    QVERIFY(f.area()->isSelected(9));
    f.window->menus().selectNone->trigger();
    QVERIFY(!f.area()->isSelected(9));
    QVERIFY(!f.singlesPage()->singleView()->Selected(12));
    f.window->menus().selectAll->trigger();
    f.platform.answers = {true};
    f.window->menus().singleDelete->trigger();
    QVERIFY(f.window->singles().empty());
    QCOMPARE(f.pageText(), QStringLiteral("1／1"));
    QCOMPARE(f.area()->number(0), 0);
    QCOMPARE(f.window->singleFrame(), SingleFrame{});
    f.window->menus().singleAdd->trigger();
    QCOMPARE(f.window->singles(), std::vector<qint32>{0});
}

void tst_SinglesPage::addByMarksGoesThroughTheDialog() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({7}));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClicks(namedChild<QLineEdit>(dialog, QStringLiteral("txtNumber")),
                         QStringLiteral("102102102"));
        QTest::mouseClick(namedChild<QPushButton>(dialog, QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    QTest::mouseClick(f.button(QStringLiteral("cmdSingleAdd2")), Qt::LeftButton);
    QCOMPARE(f.window->singles(), (std::vector<qint32>{7, 14383}));
    QCOMPARE(f.area()->columnMarks(1), marksOf(14383));
    QCOMPARE(f.window->singleFrame(), f.recounted());
}

void tst_SinglesPage::countsPanelFollowsThePercentToggle() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({0, 0, 0, 19682, 1}));
    // Match 1: marks 0, 0, 0, 2, 1 — columns show marks 1, 0, 2.
    auto row = [&f](int r) {
        return QStringList{f.counts()->cell(1, r).caption, f.counts()->cell(2, r).caption,
                           f.counts()->cell(3, r).caption};
    };
    QCOMPARE(row(2), (QStringList{QStringLiteral("      1"), QStringLiteral("      3"),
                                  QStringLiteral("      1")}));
    QCOMPARE(row(3),
             (QStringList{QString(), QStringLiteral("      4"), QStringLiteral("      1")}));
    f.action(QStringLiteral("mnuView_SinglePercent"))->trigger();
    QVERIFY(f.window->showPercent());
    QCOMPARE(row(2), (QStringList{QStringLiteral("    20%"), QStringLiteral("    60%"),
                                  QStringLiteral("    20%")}));
    QCOMPARE(row(3),
             (QStringList{QString(), QStringLiteral("    80%"), QStringLiteral("    20%")}));
    // A click on a match row of the panel switches back; the header does nothing.
    QTest::mouseClick(f.counts(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(row(2)[1], QStringLiteral("    60%"));
    QTest::mouseClick(f.counts(), Qt::LeftButton, {}, f.counts()->cellRect(2, 4).center());
    QCOMPARE(row(2)[1], QStringLiteral("      3"));
    f.action(QStringLiteral("mnuView_SinglePercent"))->trigger();
    f.action(QStringLiteral("mnuView_SinglePercent"))->trigger();
    QCOMPARE(row(2)[1], QStringLiteral("    60%"));
}

void tst_SinglesPage::summaryAndMatchListOfAStoredDraw() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({0, 19682, 14383}));
    // Without a vote record the estimates and the popularity stay empty.
    QCOMPARE(f.summaryColumn(0),
             (QStringList{QString(), QString(), QString(), QStringLiteral("0-9-0"), QString()}));
    QCOMPARE(f.summary()->cell(1, 1).caption, QStringLiteral("１等推定金額"));
    QCOMPARE(f.summary()->cell(1, 5).caption, QStringLiteral("1-2-3番人気"));
    QCOMPARE(f.summary()->cell(3, 2).backColor, QColor(255, 255, 224));
    QCOMPARE(f.matches()->cell(2, 10).caption, QStringLiteral("9"));
    QCOMPARE(f.matches()->cell(1, 2).caption, QString());

    // Published counts all zero: every outcome counts as a third; equal counts rank mark 2
    // first, mark 0 second and mark 1 third.
    QVERIFY(f.storeDraw(scheduleFor(1500), voteWith(1500, 0, 0, 0)));
    f.window->currentDraw()->SetKaisaikai(1500);
    f.action(QStringLiteral("mnuView_Menu_1"))->trigger();
    QCOMPARE(f.summaryColumn(0), (QStringList{QStringLiteral("49万"), QStringLiteral("1.09万"),
                                              QStringLiteral("2050円"), QStringLiteral("0-9-0"),
                                              QStringLiteral("0-9-0")}));
    QCOMPARE(f.summaryColumn(1)[3], QStringLiteral("0-0-9"));
    QCOMPARE(f.summaryColumn(1)[4], QStringLiteral("9-0-0"));
    QCOMPARE(f.summaryColumn(2)[3], QStringLiteral("3-3-3"));
    QCOMPARE(f.summaryColumn(2)[4], QStringLiteral("3-3-3"));
    QCOMPARE(f.summaryColumn(3), QStringList(5, QString()));
    QCOMPARE(f.matches()->cell(1, 2).caption, QStringLiteral("05/16"));
    QCOMPARE(f.matches()->cell(1, 10).caption, QStringLiteral("05/24"));
    QCOMPARE(f.matches()->cell(3, 2).caption, QStringLiteral("鹿島"));
    QCOMPARE(f.matches()->cell(4, 10).caption, QStringLiteral("浦和"));

    // Half the votes on mark 0 everywhere: the blank single's chance is 0.5^9.
    QVERIFY(f.storeDraw(scheduleFor(1501), voteWith(1501, 50, 25, 25)));
    f.window->currentDraw()->SetKaisaikai(1501);
    f.action(QStringLiteral("mnuView_Menu_1"))->trigger();
    QCOMPARE(f.summaryColumn(0), (QStringList{QStringLiteral("1.28万"), QStringLiteral("568円"),
                                              QStringLiteral("213円"), QStringLiteral("0-9-0"),
                                              QStringLiteral("9-0-0")}));
}

void tst_SinglesPage::sortRedrawsFromTheFirstPage() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 19682}));
    QTest::mouseClick(f.next(), Qt::LeftButton);
    QCOMPARE(f.pageText(), QStringLiteral("2／2"));
    f.window->menus().sortAscending->setChecked(false);
    f.window->menus().sortMark[2]->trigger(); // most marks 2 first
    QCOMPARE(f.window->singles().front(), 19682);
    QCOMPARE(f.pageText(), QStringLiteral("1／2"));
    QCOMPARE(f.area()->columnMarks(0), marksOf(19682));
    QCOMPARE(f.summaryColumn(0)[3], QStringLiteral("0-0-9"));
}

void tst_SinglesPage::lockedEditsAskFirst() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({0}));
    clsTSingle* view = f.singlesPage()->singleView();
    view->setEditLock(true);
    f.platform.answers = {false};
    f.clickCell(0, 2, 0);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].text,
             QStringLiteral("編集がロックされています。編集のロックを解除しますか？"));
    QVERIFY(f.platform.messages[0].question);
    QCOMPARE(f.window->singles(), std::vector<qint32>{0});
    // Yes lifts the lock through the window, and the click goes through.
    f.platform.answers = {true};
    f.clickCell(0, 2, 0);
    QVERIFY(!view->EditLock());
    QCOMPARE(f.window->singles(), std::vector<qint32>{2});
    // An empty column still adds without asking.
    view->setEditLock(true);
    f.platform.clearMessages();
    f.clickCell(5, 0, 0);
    QCOMPARE(f.window->singles().size(), std::size_t(2));
    QVERIFY(f.platform.messages.isEmpty());
}

void tst_SinglesPage::viewsReportMisuse() {
    SinglesPageFixture f;
    QVERIFY(f.startOnSingles({1}));
    // A mark string that no dialog would pass is refused whole.
    f.singlesPage()->singleView()->AddEx(QStringLiteral("102102103"));
    f.singlesPage()->singleView()->AddEx(QStringLiteral("1021"));
    QCOMPARE(f.window->singles(), std::vector<qint32>{1});
    QCOMPARE(f.window->singleFrame(), f.recounted());
    QCOMPARE(f.platform.messages.size(), 2);
    QVERIFY(f.platform.messages[0].title.endsWith(QStringLiteral(" / clsTSingle / AddEx")));

    f.platform.clearMessages();
    clsTSingleGame matchList;
    ScheduleData schedule = scheduleFor(1);
    schedule.Matches[4].MatchDate = DateTime();
    matchList.SetScheduleData(schedule);
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Initialize Err")});
    QVERIFY(f.platform.messages[0].title.endsWith(QStringLiteral(" / clsTSingleGame / Schedure")));
    // Once built, a match without a date gets an empty date cell.
    QWidget host;
    host.setObjectName(QStringLiteral("host"));
    matchList.Initialize(&host, 27);
    matchList.SetScheduleData(schedule);
    QCOMPARE(matchList.grid()->cell(1, 6).caption, QString());
    QCOMPARE(matchList.grid()->cell(1, 5).caption, QStringLiteral("05/19"));
    QCOMPARE(host.size(), QSize(171, 20 + 9 * 27 + 1));
}

KELVOR_TEST_MAIN(tst_SinglesPage)
#include "tst_SinglesPage.moc"
