#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "results/ConfirmedPrizeTable.h"
#include "results/GamePanelTexts.h"
#include "results/ResultMarkEdit.h"
#include "support/FakePlatform.h"
#include "support/FocusProbe.h"
#include "support/TestMain.h"
#include "views/clsTCount.h"
#include "views/clsTGame.h"
#include "views/clsTGraphEx.h"
#include "views/clsTMultiResult.h"
#include "views/clsTResult.h"
#include "views/clsTResultGrade.h"
#include "views/clsTResultGrid.h"
#include "views/clsTResultKakutei.h"
#include "widgets/BarSegments.h"
#include "widgets/CellGrid.h"
#include "widgets/PageTurnImage.h"
#include "widgets/StackedBar.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

ResultData result(const char* marks, qint32 kaisaikai = 7) {
    ResultData r;
    r.Kaisaikai = kaisaikai;
    for (int k = 0; k < 9; ++k)
        r.Matches[std::size_t(k)].Mark = quint8(marks[k] - '0');
    return r;
}

qint32 single(const char* marks) {
    qint32 number = 0;
    qint32 power = 1;
    for (int k = 0; k < 9; ++k, power *= 3)
        number += (marks[k] - '0') * power;
    return number;
}

// The symbols of one match row of the result-mark table, columns 1, 0, 2.
QString row(const clsTMultiResult& table, int match) {
    QString out;
    for (int column = 1; column <= 3; ++column) {
        const QString symbol = table.grid()->cell(column, match + 2).caption;
        out += symbol.isEmpty() ? QStringLiteral("・") : symbol;
    }
    return out;
}

void click(CellGrid* grid, int column, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(grid, button, {}, grid->cellRect(column, row).center());
}

// The check page's views in a host of their own, as the main window binds them.
struct CheckViews {
    QWidget host;
    QWidget* grid = new QWidget(&host);
    QWidget* grade = new QWidget(&host);
    QWidget* multi = new QWidget(&host);
    QWidget* count = new QWidget(&host);
    QWidget* kakutei = new QWidget(&host);
    QLabel* countLabel = new QLabel(&host);
    QLabel* pageLabel = new QLabel(&host);
    PageTurnImage* previous = new PageTurnImage(PageTurnImage::Previous, &host);
    PageTurnImage* next = new PageTurnImage(PageTurnImage::Next, &host);
    clsTResult view;

    CheckViews() {
        view.Initialize(grid, grade, multi, count, kakutei, nullptr);
        view.setSingleCountLabel(countLabel);
        view.setPageLabel(pageLabel);
        view.setMovePreviousImage(previous);
        view.setMoveNextImage(next);
    }
    CellGrid* cells() const { return view.resultGrid()->grid(); }
    CellGrid* grades() const { return view.gradeTable()->grid(); }
    QString gradeCount(int g) const { return grades()->cell(2, g + 1).caption; }
};

} // namespace

class tst_CheckPageViews : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void markClicksFollowTheTable();
    void resultMarkTableAnnouncesRealChangesOnly();
    void popupCancelsTheClickedMatch();
    void keysSetAndClearResults();
    void gridsShowTheFocusAtOnceAndStartAtTheFirstRow_data();
    void gridsShowTheFocusAtOnceAndStartAtTheFirstRow();
    void confirmedTableOfTheWorkedExample();
    void confirmedTableWithoutFiguresIsEmpty();
    void barsShareTheirWidthInProportion_data();
    void barsShareTheirWidthInProportion();
    void voteHeadingForms_data();
    void voteHeadingForms();
    void gamePanelShowsScheduleVotesAndClicks();
    void gamePanelBeforeInitializeReports();
    void withoutResultEverySingleIsFirstGrade();
    void revealingColoursTheSingles();
    void cancelledMatchIsYellowAndAHit();
    void tenRevealsStopAtNine();
    void noSinglesShowZeroPercent();
    void pagingAndKeys();
    void handMarksSurviveInTheTemporaryFile();
    void confirmationFillsTheConfirmedTable();
    void countsPanelLiesOverTheGrid();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void tst_CheckPageViews::markClicksFollowTheTable() {
    const ResultData none;
    const ResultData official = result("001000000");
    ResultMarks marks{};
    // Mark 0 of match 3 without an official result: set by the user; the same click clears it.
    marks = ResultMarkEdit::clicked(marks, 0, 2, none);
    QCOMPARE(marks[0][2], quint8(2));
    QCOMPARE(ResultMarkEdit::clicked(marks, 0, 2, none), ResultMarks{});
    // With the official 1 for match 3: mark 1 is "◎", mark 2 "○" and the "◎" goes.
    marks = ResultMarkEdit::clicked(ResultMarks{}, 1, 2, official);
    QCOMPARE(marks[1][2], quint8(1));
    marks = ResultMarkEdit::clicked(marks, 2, 2, official);
    QCOMPARE(marks[1][2], quint8(0));
    QCOMPARE(marks[2][2], quint8(2));
    // A record of draw 0 is no official result.
    QCOMPARE(ResultMarkEdit::clicked(ResultMarks{}, 1, 2, result("001000000", 0))[1][2], quint8(2));
    // Any click on a cancelled match clears it.
    marks = ResultMarkEdit::cancelled(ResultMarks{}, 4);
    QCOMPARE(marks[0][4] + marks[1][4] + marks[2][4], 9);
    QCOMPARE(ResultMarkEdit::clicked(marks, 2, 4, none), ResultMarks{});
    // Typing a mark replaces the match's result; typing the shown mark keeps its flag.
    marks = ResultMarkEdit::typed(ResultMarks{}, 1, 2, official);
    QCOMPARE(ResultMarkEdit::typed(marks, 1, 2, official), marks);
    QCOMPARE(ResultMarkEdit::typed(marks, 0, 2, official)[1][2], quint8(0));
    QCOMPARE(ResultMarkEdit::typed(marks, 0, 2, official)[0][2], quint8(2));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, ResultMarkEdit::clicked(marks, 3, 0, none));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, ResultMarkEdit::cancelled(marks, 9));
}

void tst_CheckPageViews::resultMarkTableAnnouncesRealChangesOnly() {
    QWidget host;
    clsTMultiResult table;
    table.Initialize(&host, 30, 21);
    QSignalSpy changes(&table, &clsTMultiResult::Change);
    QCOMPARE(table.grid()->cell(1, 1).caption, QStringLiteral("1"));
    QCOMPARE(table.grid()->cell(2, 1).caption, QStringLiteral("0"));
    QCOMPARE(table.grid()->cell(3, 1).caption, QStringLiteral("2"));
    QCOMPARE(host.size(), table.grid()->sizeHint());

    click(table.grid(), 2, 4); // mark 0 of match 3
    QCOMPARE(row(table, 2), QStringLiteral("・○・"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(table.GetVisible()[0][2], true);
    click(table.grid(), 2, 4);
    QCOMPARE(row(table, 2), QStringLiteral("・・・"));
    QCOMPARE(changes.size(), 2);
    click(table.grid(), 2, 1); // the header changes nothing
    QCOMPARE(changes.size(), 2);

    ResultMarks marks{};
    marks[1][0] = 1;
    table.SetValue(marks);
    table.SetValue(marks);
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.at(2).at(0).toBool(), false);
    QCOMPARE(row(table, 0), QStringLiteral("◎・・"));
    table.Clear();
    table.Clear();
    QCOMPARE(changes.size(), 4);

    table.SetResultData(result("001000000"));
    click(table.grid(), 1, 4);
    QCOMPARE(row(table, 2), QStringLiteral("◎・・"));
    click(table.grid(), 3, 4);
    QCOMPARE(row(table, 2), QStringLiteral("・・○"));
}

void tst_CheckPageViews::popupCancelsTheClickedMatch() {
    QWidget host;
    clsTMultiResult table;
    table.Initialize(&host, 30, 21);
    QMenu menu;
    QAction* cancel = menu.addAction(QStringLiteral("中止"));
    connect(cancel, &QAction::triggered, &table, [&table] { table.SetPopup(0); });
    table.setPopupMenu(&menu);
    QSignalSpy changes(&table, &clsTMultiResult::Change);

    click(table.grid(), 1, 6, Qt::RightButton); // match 5
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(changes.size(), 0);
    cancel->trigger();
    menu.hide();
    QCOMPARE(row(table, 4), QStringLiteral("－－－"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    table.SetPopup(0); // already cancelled: nothing to announce
    QCOMPARE(changes.size(), 1);
    click(table.grid(), 3, 6);
    QCOMPARE(row(table, 4), QStringLiteral("・・・"));

    // The menu key as the window system reports it: the menu for the current cell, under it.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint(), Qt::NoModifier);
    QCoreApplication::sendEvent(table.grid(), &key);
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), table.grid()->mapToGlobal(table.grid()->cellRect(3, 6).bottomLeft()));
    cancel->trigger();
    menu.hide();
    QCOMPARE(row(table, 4), QStringLiteral("－－－"));
}

void tst_CheckPageViews::keysSetAndClearResults() {
    QWidget host;
    clsTMultiResult table;
    table.Initialize(&host, 30, 21);
    host.show();
    table.grid()->setFocus();
    QSignalSpy changes(&table, &clsTMultiResult::Change);
    QTest::keyClick(table.grid(), Qt::Key_Down); // match 1
    QTest::keyClick(table.grid(), Qt::Key_Down);
    QTest::keyClick(table.grid(), Qt::Key_Down); // match 3
    QTest::keyClick(table.grid(), Qt::Key_2);
    QCOMPARE(row(table, 2), QStringLiteral("・・○"));
    QCOMPARE(table.grid()->currentCell(), QPoint(3, 4));
    QTest::keyClick(table.grid(), Qt::Key_2);
    QCOMPARE(changes.size(), 1);
    QTest::keyClick(table.grid(), Qt::Key_1);
    QCOMPARE(row(table, 2), QStringLiteral("○・・"));
    QTest::keyClick(table.grid(), Qt::Key_Up);
    QTest::keyClick(table.grid(), Qt::Key_0);
    QCOMPARE(row(table, 1), QStringLiteral("・○・"));
    QTest::keyClick(table.grid(), Qt::Key_Delete);
    QCOMPARE(row(table, 1), QStringLiteral("・・・"));
    QCOMPARE(row(table, 2), QStringLiteral("○・・"));
    QCOMPARE(changes.size(), 4);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(table.grid(), Qt::Key_Down);
    QCOMPARE(table.grid()->currentCell().y(), 10);
}

void tst_CheckPageViews::gridsShowTheFocusAtOnceAndStartAtTheFirstRow_data() {
    QTest::addColumn<bool>("resultMarks");
    QTest::newRow("result grid") << false;
    QTest::newRow("result-mark table") << true;
}

void tst_CheckPageViews::gridsShowTheFocusAtOnceAndStartAtTheFirstRow() {
    QFETCH(bool, resultMarks);
    CheckViews v;
    v.view.SetSingle(3, std::vector<qint32>{0, 1, 2});
    CellGrid* grid = resultMarks ? v.view.multiResult()->grid() : v.cells();
    QVERIFY(FocusProbe::reachedByTab(grid));
    QCOMPARE(grid->currentCell(), QPoint(0, 0));
    const auto [without, with] = FocusProbe::withoutAndWithFocus(grid);
    QVERIFY2(with != without, "no focus frame before a key is pressed");

    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentCell(), QPoint(1, 2)); // the first match, not the second
    QVERIFY(grid->grab().toImage() != with);
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(grid->currentCell(), QPoint(1, 2));
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentCell(), QPoint(1, 3));
}

void tst_CheckPageViews::confirmedTableOfTheWorkedExample() {
    ResultData r = result("111111111");
    r.Prize[0] = Money::fromYen(1000000);
    r.Winners[0] = Money::fromYen(2);
    r.Prize[1] = Money::fromYen(12345);
    r.Winners[1] = Money::fromYen(10);
    r.CarryOver[0] = Money::fromYen(500);
    std::array<qint32, 10> counts{};
    counts[0] = 1;
    counts[9] = 4;

    QWidget host;
    clsTResultKakutei table;
    table.Initialize(&host, 40, 21);
    table.SetResultData(r);
    table.SetValue(counts);
    CellGrid* grid = table.grid();
    QCOMPARE(grid->cell(6, 2).caption, QStringLiteral("1,000,000 "));
    QCOMPARE(grid->cell(2, 5).caption, QStringLiteral("2,123,450 "));
    QCOMPARE(grid->cell(3, 5).caption, QStringLiteral("12 "));
    QCOMPARE(grid->cell(4, 5).caption, QStringLiteral("500 "));
    QCOMPARE(grid->cell(5, 5).caption, QStringLiteral("1 "));
    QCOMPARE(grid->cell(6, 5).caption, QStringLiteral("1,000,000 "));
    QCOMPARE(grid->cell(5, 3).caption, QStringLiteral("0 "));
    QCOMPARE(grid->cell(2, 4).caption, QStringLiteral("0 "));
    QCOMPARE(grid->cell(6, 2).alignment, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(grid->cell(6, 3).foreColor, QColor(0, 0, 255));
    QCOMPARE(grid->cell(2, 2).foreColor, QColor(Qt::black));
    QCOMPARE(grid->cell(1, 5).caption, QStringLiteral("合計"));
    QCOMPARE(grid->cell(4, 1).caption, QStringLiteral("繰越金"));

    // Winner counts with decimals and large prizes stay exact.
    QCOMPARE(
        ConfirmedPrizeTable::times(Money::fromYen(300000000), Money::parse(QStringLiteral("2.5"))),
        Money::fromYen(750000000));
    QVERIFY_THROWS_EXCEPTION(
        RuntimeError,
        ConfirmedPrizeTable::times(Money::fromRaw(std::numeric_limits<qint64>::max() / 2),
                                   Money::fromYen(3)));
}

void tst_CheckPageViews::confirmedTableWithoutFiguresIsEmpty() {
    QWidget host;
    clsTResultKakutei table;
    table.Initialize(&host, 40, 21);
    ResultData r = result("111111111");
    r.Prize[2] = Money::fromYen(100);
    table.SetResultData(r);
    QCOMPARE(table.grid()->cell(2, 4).caption, QStringLiteral("100 "));
    QCOMPARE(table.grid()->cell(2, 2).caption, QStringLiteral("0 "));
    table.Clear();
    for (int column = 2; column <= 6; ++column)
        for (int row = 2; row <= 5; ++row)
            QCOMPARE(table.grid()->cell(column, row).caption, QString());
    QCOMPARE(table.grid()->cell(2, 1).caption, QStringLiteral("当せん金"));
}

void tst_CheckPageViews::barsShareTheirWidthInProportion_data() {
    QTest::addColumn<std::vector<qint64>>("values");
    QTest::addColumn<int>("width");
    QTest::addColumn<std::vector<int>>("parts");
    QTest::newRow("halves") << std::vector<qint64>{1, 1, 0} << 203 << std::vector<int>{102, 101, 0};
    QTest::newRow("thirds") << std::vector<qint64>{5, 5, 5} << 203 << std::vector<int>{68, 68, 67};
    QTest::newRow("votes") << std::vector<qint64>{601234, 250000, 148766} << 200
                           << std::vector<int>{120, 50, 30};
    QTest::newRow("nothing") << std::vector<qint64>{0, 0, 0} << 203 << std::vector<int>{0, 0, 0};
    QTest::newRow("negative") << std::vector<qint64>{-5, 3, 1} << 8 << std::vector<int>{0, 6, 2};
    QTest::newRow("four") << std::vector<qint64>{1, 1, 1, 1} << 10 << std::vector<int>{3, 3, 2, 2};
    QTest::newRow("no width") << std::vector<qint64>{1, 2, 3} << 0 << std::vector<int>{0, 0, 0};
}

void tst_CheckPageViews::barsShareTheirWidthInProportion() {
    QFETCH(std::vector<qint64>, values);
    QFETCH(int, width);
    QFETCH(std::vector<int>, parts);
    QCOMPARE(barSegments(values, width), parts);
}

void tst_CheckPageViews::voteHeadingForms_data() {
    QTest::addColumn<qint32>("kaisaikai");
    QTest::addColumn<QDateTime>("asOf");
    QTest::addColumn<QDateTime>("saleEnd");
    QTest::addColumn<QString>("heading");
    const QDateTime at(QDate(2021, 1, 9), QTime(13, 0));
    QTest::newRow("empty record") << 0 << QDateTime() << QDateTime() << QStringLiteral("投 票 率");
    QTest::newRow("user's record")
        << 12 << QDateTime() << QDateTime() << QStringLiteral("投 票 率 (ユーザー定義)");
    QTest::newRow("published") << 12 << at << QDateTime()
                               << QStringLiteral("投票 2021/01/09 13:00 ");
    QTest::newRow("final") << 12 << at << at << QStringLiteral("投票 2021/01/09 13:00 [最終]");
}

void tst_CheckPageViews::voteHeadingForms() {
    QFETCH(qint32, kaisaikai);
    QFETCH(QDateTime, asOf);
    QFETCH(QDateTime, saleEnd);
    QFETCH(QString, heading);
    VoteData vote;
    vote.Kaisaikai = kaisaikai;
    if (asOf.isValid())
        vote.AsOf = DateTime::fromQDateTime(asOf);
    if (saleEnd.isValid())
        vote.SaleEnd = DateTime::fromQDateTime(saleEnd);
    QCOMPARE(GamePanelTexts::voteHeading(vote), heading);
}

void tst_CheckPageViews::gamePanelShowsScheduleVotesAndClicks() {
    QWidget host;
    clsTGame game;
    game.Initialize(&host, false);
    CellGrid* grid = game.mainGrid();
    QCOMPARE(grid->columnWidth(2), 0);
    QCOMPARE(game.surface()->x(), grid->columnWidth(1) + grid->columnWidth(3) +
                                      grid->columnWidth(4) + grid->columnWidth(5));
    QVERIFY(game.surface()->objectName().endsWith(QStringLiteral("UserControl")));
    QCOMPARE(grid->cell(6, 1).caption, QStringLiteral("投 票 率"));

    ScheduleData schedule;
    schedule.Kaisaikai = 12;
    schedule.Matches[0] = {QStringLiteral("浦和"),
                           QStringLiteral("鹿島"),
                           DateTime::fromDate(QDate(2021, 1, 9)),
                           {},
                           {},
                           {}};
    game.Schedure(schedule);
    QCOMPARE(grid->cell(1, 2).caption, QStringLiteral("01/09"));
    QCOMPARE(grid->cell(1, 3).caption, QString());
    QCOMPARE(grid->cell(3, 10).caption, QStringLiteral("9"));
    QCOMPARE(grid->cell(4, 2).caption, QStringLiteral("浦和"));
    QCOMPARE(grid->cell(1, 3).backColor, QColor(255, 255, 224));

    VoteData vote;
    vote.Kaisaikai = 12;
    vote.Matches[1].Outcomes[1] = {Money::fromYen(455), Money::parse(QStringLiteral("45.5"))};
    vote.Matches[1].Outcomes[0] = {Money::fromYen(300), Money::parse(QStringLiteral("30"))};
    vote.Matches[1].Outcomes[2] = {Money::fromYen(245), Money::parse(QStringLiteral("24.5"))};
    QVERIFY(!game.graphs()->graph(2)->isVisibleTo(&host));
    game.Vote(vote);
    QCOMPARE(game.voteGrid()->cell(1, 3).caption, QStringLiteral("45.50"));
    QCOMPARE(game.voteGrid()->cell(2, 3).caption, QStringLiteral("30.00"));
    QCOMPARE(game.voteGrid()->cell(3, 3).caption, QStringLiteral("24.50"));
    QCOMPARE(game.voteGrid()->cell(1, 1).caption, QStringLiteral("0.00"));
    QCOMPARE(game.graphs()->graph(2)->values(), (std::vector<qint64>{455, 300, 245}));
    QVERIFY(game.graphs()->graph(2)->isVisibleTo(&host));
    QCOMPARE(grid->cell(6, 1).caption, QStringLiteral("投 票 率 (ユーザー定義)"));

    QSignalSpy clicks(&game, &clsTGame::VoteClick);
    click(game.voteGrid(), 2, 3);
    QTest::mouseClick(game.graphs()->graph(2), Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);

    QWidget leagueHost;
    clsTGame withLeague;
    withLeague.Initialize(&leagueHost, true);
    QCOMPARE(withLeague.mainGrid()->columnWidth(2), 20);
    QCOMPARE(withLeague.surface()->x(), 190);
}

void tst_CheckPageViews::gamePanelBeforeInitializeReports() {
    clsTGame game;
    game.Schedure(ScheduleData());
    game.Vote(VoteData());
    QCOMPARE(m_platform->texts(),
             (QStringList{QStringLiteral("Initialize Err"), QStringLiteral("Initialize Err")}));
    QVERIFY(m_platform->messages.at(0).title.endsWith(QStringLiteral("clsTGame / Schedure")));
    QVERIFY(m_platform->messages.at(1).title.endsWith(QStringLiteral("clsTGame / Vote")));
}

void tst_CheckPageViews::withoutResultEverySingleIsFirstGrade() {
    CheckViews v;
    v.view.SetResultData(7, QString(), ResultData(), false);
    const std::vector<qint32> list{0, single("120120120"), 19682};
    v.view.SetSingle(3, list);
    QCOMPARE(v.gradeCount(1), QStringLiteral("3"));
    QCOMPARE(v.grades()->cell(3, 2).caption, QStringLiteral("100%"));
    QCOMPARE(v.grades()->cell(3, 3).caption, QStringLiteral("0%"));
    QCOMPARE(v.grades()->cell(2, 2).foreColor, QColor(0, 0, 255));
    QCOMPARE(v.grades()->cell(2, 5).foreColor, QColor(Qt::black));
    QVERIFY(v.grades()->cell(2, 2).toolTip.contains(QStringLiteral("当せん")));
    QCOMPARE(v.cells()->cell(2, 2).caption, QStringLiteral("1"));
    QCOMPARE(v.cells()->cell(2, 2).backColor, QColor(Qt::white));
    QCOMPARE(v.cells()->cell(2, 11).caption, QStringLiteral("1"));
    QCOMPARE(v.cells()->cell(2, 11).backColor, QColor(0, 255, 0));
    QVERIFY(!v.cells()->cell(2, 11).backPicture.isNull());
    QCOMPARE(v.cells()->cell(4, 2).caption, QString());
    QCOMPARE(v.cells()->cell(4, 11).backColor, QColor(Qt::white));
    QCOMPARE(v.countLabel->text(), QStringLiteral("3"));
    QVERIFY(v.cells()->cell(2, 3).toolTip.contains(QStringLiteral("結果待ち")));
}

void tst_CheckPageViews::revealingColoursTheSingles() {
    CheckViews v;
    ResultData r = result("100000000");
    r.Matches[0].Home = QStringLiteral("浦和");
    r.Matches[0].Away = QStringLiteral("鹿島");
    v.view.SetResultData(7, QString(), r, false);
    const std::vector<qint32> list{single("100000000"), single("000000000")};
    v.view.SetSingle(2, list);
    QCOMPARE(v.gradeCount(1), QStringLiteral("2"));
    v.view.SetNextData();
    QCOMPARE(v.gradeCount(1), QStringLiteral("1"));
    QCOMPARE(v.gradeCount(2), QStringLiteral("1"));
    QCOMPARE(v.cells()->cell(1, 2).backColor, QColor(0, 0, 255));
    QCOMPARE(v.cells()->cell(2, 2).backColor, QColor(255, 0, 0));
    QCOMPARE(v.cells()->cell(2, 2).foreColor, QColor(Qt::white));
    QCOMPARE(v.cells()->cell(2, 11).caption, QStringLiteral("2"));
    QCOMPARE(v.cells()->cell(1, 3).backColor, QColor(Qt::white));
    QCOMPARE(row(*v.view.multiResult(), 0), QStringLiteral("◎・・"));
    const QString tip = v.cells()->cell(2, 2).toolTip;
    QVERIFY2(tip.contains(QStringLiteral("浦和 vs 鹿島")) &&
                 tip.contains(QStringLiteral("はずれ")) && tip.contains(QStringLiteral("公式")),
             qPrintable(tip));
    QVERIFY(v.cells()->cell(2, 11).toolTip.contains(QStringLiteral("2口目：2等")));
}

void tst_CheckPageViews::cancelledMatchIsYellowAndAHit() {
    CheckViews v;
    v.view.SetResultData(7, QString(), result("300000000"), true);
    const std::vector<qint32> list{single("200000000")};
    v.view.SetSingle(1, list);
    QCOMPARE(v.cells()->cell(1, 2).backColor, QColor(255, 255, 0));
    QCOMPARE(v.cells()->cell(1, 11).caption, QStringLiteral("1"));
    QCOMPARE(row(*v.view.multiResult(), 0), QStringLiteral("－－－"));
    QVERIFY(v.view.FullResult());
}

void tst_CheckPageViews::tenRevealsStopAtNine() {
    CheckViews v;
    v.view.SetResultData(7, QString(), result("121012101"), false);
    const std::vector<qint32> list{single("000000000")};
    v.view.SetSingle(1, list);
    for (int i = 1; i <= 10; ++i) {
        v.view.SetNextData();
        QCOMPARE(v.view.Check().RevealCount(), qMin(i, 9));
    }
    QVERIFY(v.view.FullResult());
    QCOMPARE(v.cells()->cell(1, 11).caption, QStringLiteral("8"));
    QCOMPARE(row(*v.view.multiResult(), 8), QStringLiteral("◎・・"));
}

void tst_CheckPageViews::noSinglesShowZeroPercent() {
    CheckViews v;
    v.view.SetResultData(7, QString(), ResultData(), false);
    v.view.SetSingle(0, {});
    for (int grade = 1; grade <= 10; ++grade) {
        QCOMPARE(v.grades()->cell(3, grade + 1).caption, QStringLiteral("0%"));
        QCOMPARE(v.grades()->cell(1, grade + 1).caption, QString::number(grade) + u"等");
    }
    QCOMPARE(v.pageLabel->text(), QStringLiteral("1／1"));
    QCOMPARE(v.countLabel->text(), QStringLiteral("0"));
}

void tst_CheckPageViews::pagingAndKeys() {
    CheckViews v;
    v.view.SetResultData(7, QString(), ResultData(), false);
    std::vector<qint32> list(25);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i] = qint32(i);
    v.view.SetSingle(25, list);
    QCOMPARE(v.pageLabel->text(), QStringLiteral("1／3"));
    QCOMPARE(v.previous->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(v.next->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(v.previous, Qt::LeftButton);
    QCOMPARE(v.view.CurrentPage(), 0);
    // A double click: the first press, then the double-click event that stands for the second.
    QTest::mouseClick(v.next, Qt::LeftButton);
    QTest::mouseDClick(v.next, Qt::LeftButton);
    QCOMPARE(v.view.CurrentPage(), 2);
    QCOMPARE(v.pageLabel->text(), QStringLiteral("3／3"));
    QCOMPARE(v.next->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(v.cells()->cell(5, 11).caption, QStringLiteral("1"));
    QCOMPARE(v.cells()->cell(6, 11).caption, QString());

    v.host.show();
    v.cells()->setFocus();
    QTest::keyClick(v.cells(), Qt::Key_Home);
    QCOMPARE(v.view.CurrentPage(), 0);
    QTest::keyClick(v.cells(), Qt::Key_PageDown);
    QCOMPARE(v.view.CurrentPage(), 1);
    QTest::keyClick(v.cells(), Qt::Key_End);
    QCOMPARE(v.view.CurrentPage(), 2);
    QTest::keyClick(v.cells(), Qt::Key_PageDown);
    QCOMPARE(v.view.CurrentPage(), 2);
    QTest::keyClick(v.cells(), Qt::Key_Left); // from column 1 back onto the previous page
    QCOMPARE(v.view.CurrentPage(), 1);
    QCOMPARE(v.cells()->currentCell().x(), 10);
    QTest::keyClick(v.cells(), Qt::Key_Right);
    QCOMPARE(v.view.CurrentPage(), 2);
    QCOMPARE(v.cells()->currentCell().x(), 1);
}

void tst_CheckPageViews::handMarksSurviveInTheTemporaryFile() {
    const QString file = m_platform->path(QStringLiteral("SysData/Temp/miniBIG_Result_007_A.dat"));
    QDir().mkpath(QFileInfo(file).absolutePath());
    const std::vector<qint32> list{single("100000000"), single("000000000")};
    {
        CheckViews v;
        v.view.SetResultData(7, QStringLiteral("A"), ResultData(), false);
        v.view.SetSingle(2, list);
        click(v.view.multiResult()->grid(), 2, 2); // mark 0 of match 1
        QCOMPARE(v.gradeCount(1), QStringLiteral("1"));
        QCOMPARE(v.cells()->cell(1, 2).backColor, QColor(255, 0, 0));
        QVERIFY(QFileInfo::exists(file));
    }
    CheckViews later;
    later.view.SetResultData(7, QStringLiteral("A"), ResultData(), false);
    later.view.SetSingle(2, list);
    QCOMPARE(row(*later.view.multiResult(), 0), QStringLiteral("・○・"));
    QCOMPARE(later.gradeCount(2), QStringLiteral("1"));
    // The official result replaces the hand marks and the file goes.
    later.view.SetResultData(7, QStringLiteral("A"), result("100000000"), false);
    QCOMPARE(row(*later.view.multiResult(), 0), QStringLiteral("・・・"));
    QVERIFY(!QFileInfo::exists(file));
}

void tst_CheckPageViews::confirmationFillsTheConfirmedTable() {
    CheckViews v;
    ResultData r = result("111111111");
    r.Prize[0] = Money::fromYen(1000000);
    r.Winners[0] = Money::fromYen(2);
    v.view.SetResultData(7, QString(), r, false);
    const std::vector<qint32> list{single("111111111"), single("000000000")};
    v.view.SetSingle(2, list);
    CellGrid* kakutei = v.view.kakutei()->grid();
    QCOMPARE(kakutei->cell(6, 2).caption, QString());
    for (int i = 0; i < 8; ++i)
        v.view.SetNextData();
    QCOMPARE(kakutei->cell(6, 2).caption, QString());
    v.view.SetNextData();
    QCOMPARE(kakutei->cell(6, 2).caption, QStringLiteral("1,000,000 "));
    QCOMPARE(kakutei->cell(2, 5).caption, QStringLiteral("2,000,000 "));
    // Taking a match back by hand withdraws the confirmation.
    click(v.view.multiResult()->grid(), 1, 2);
    QCOMPARE(kakutei->cell(6, 2).caption, QString());
    QCOMPARE(v.gradeCount(9), QStringLiteral("1"));
    v.view.Clear();
    QCOMPARE(v.gradeCount(1), QStringLiteral("0"));
    QCOMPARE(v.cells()->cell(1, 2).caption, QString());
}

void tst_CheckPageViews::countsPanelLiesOverTheGrid() {
    CheckViews v;
    v.host.show();
    clsTCount* counts = v.view.counts();
    QVERIFY(!v.view.CountVisible());
    QCOMPARE(v.count->pos(), v.grid->pos());
    v.view.SetResultData(7, QString(), ResultData(), false);
    const std::vector<qint32> list{single("100000000"), single("000000000")};
    v.view.SetSingle(2, list);
    SingleFrame frame{};
    frame[1][0] = 1;
    frame[0][0] = 1;
    for (int k = 1; k < 9; ++k)
        frame[0][std::size_t(k)] = 2;
    v.view.SetSingleFrame(frame, {});
    QCOMPARE(counts->Value(), frame);
    click(v.view.multiResult()->grid(), 1, 2); // mark 1 of match 1 set by hand
    QCOMPARE(counts->grid()->cell(1, 2).foreColor, QColor(0, 0, 255));
    QCOMPARE(counts->grid()->cell(2, 2).foreColor, QColor(Qt::black));

    v.view.setCountVisible(true);
    QVERIFY(v.view.CountVisible());
    click(counts->grid(), 1, 3); // to percentages: stays
    QVERIFY(counts->Percent());
    QVERIFY(v.view.CountVisible());
    click(counts->grid(), 1, 3); // back to counts: the panel steps aside
    QVERIFY(!counts->Percent());
    QVERIFY(!v.view.CountVisible());
    v.view.setPercent(true);
    QVERIFY(counts->Percent());
}

KELVOR_TEST_MAIN(tst_CheckPageViews)
#include "tst_CheckPageViews.moc"
