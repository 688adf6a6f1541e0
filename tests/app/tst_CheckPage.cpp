#include "analysis/ListAnalysis.h"
#include "app/CheckPage.h"
#include "app/MainMenus.h"
#include "app/clsTMain.h"
#include "app/frmAnalysis.h"
#include "app/frmMain.h"
#include "base/OfficialUrlSettings.h"
#include "results/clsTResultCheck.h"
#include "singles/SingleCodec.h"
#include "singles/SingleList.h"
#include "support/FakePlatform.h"
#include "support/FocusProbe.h"
#include "support/ObjectLookup.h"
#include "support/OfficialSite.h"
#include "support/RecordingConnectionWindow.h"
#include "support/TestMain.h"
#include "views/clsTCount.h"
#include "views/clsTGame.h"
#include "views/clsTGraphEx.h"
#include "views/clsTMultiResult.h"
#include "views/clsTResult.h"
#include "views/clsTResultGrade.h"
#include "views/clsTResultGrid.h"
#include "views/clsTResultKakutei.h"
#include "widgets/CellGrid.h"
#include "widgets/StackedBar.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

// The window on a program folder with the test pages' team names and the official site on a
// loopback server, which serves draw 1234's schedule, votes and result.
struct Fixture {
    FakePlatform platform;
    RecordingConnectionWindow connection;
    OfficialSite site;
    std::unique_ptr<frmMain> window;

    Fixture() {
        OfficialSite::writeTeamNames();
        platform.setNow(DateTime::fromDateTime(QDate(2021, 3, 4), QTime(10, 45)));
        for (const char* kind : {"schedule", "vote", "result"}) {
            const QString page = QLatin1String(kind) + QStringLiteral("_1234.html");
            const QByteArray text = OfficialSite::testPage(page).toUtf8();
            if (qstrcmp(kind, "schedule") == 0)
                site.serveSchedule(QStringLiteral("1234"), text);
            else if (qstrcmp(kind, "vote") == 0)
                site.serveVote(QStringLiteral("1234"), text);
            else
                site.serveResult(QStringLiteral("1234"), text);
        }
        window = std::make_unique<frmMain>();
        window->Load();
        window->show();
        namedChild<QCheckBox>(window.get(), QStringLiteral("chkDownload"))->setChecked(false);
        window->currentDraw()->SetKaisaikai(1234);
        window->OfficialDownload(0);
        window->OfficialDownload(1);
    }
    ~Fixture() { OfficialUrlSettings::current() = OfficialUrlSettings::defaults(); }

    template <typename T> T* widget(const QString& name) const {
        return namedChild<T>(window.get(), name);
    }
    CheckPage* page() const { return widget<CheckPage>(QStringLiteral("picMain_2")); }
    clsTResult* view() const { return page()->resultView(); }
    CellGrid* marks() const { return view()->multiResult()->grid(); }
    CellGrid* cells() const { return view()->resultGrid()->grid(); }
    CellGrid* grades() const { return view()->gradeTable()->grid(); }
    CellGrid* kakutei() const { return view()->kakutei()->grid(); }
    QPushButton* next() const { return widget<QPushButton>(QStringLiteral("cmdResultViewNext")); }
    QPushButton* all() const { return widget<QPushButton>(QStringLiteral("cmdResultViewAll")); }
    QString gradeCount(int grade) const { return grades()->cell(2, grade + 1).caption; }
    QString tempFile() const {
        return platform.path(QStringLiteral("SysData/Temp/miniBIG_Result_1234.dat"));
    }
    // The result-mark cell of a mark (1, 0, 2 from the left) and match index.
    void clickMark(int mark, int match, Qt::MouseButton button = Qt::LeftButton) const {
        const int column = mark == 1 ? 1 : mark == 0 ? 2 : 3;
        QTest::mouseClick(marks(), button, {}, marks()->cellRect(column, match + 2).center());
    }
};

qint32 single(const char* marks) {
    SingleCodec::Marks m{};
    for (int k = 0; k < 9; ++k)
        m[std::size_t(k)] = quint8(marks[k] - '0');
    return SingleCodec::encode(m);
}

} // namespace

// The check page driven through the main window as a user drives it on the evening of a draw.
class tst_CheckPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anEveningOfADraw();
    void popupCancelsAMatch();
    void popupKeysCancelTheFocusedMatch_data();
    void popupKeysCancelTheFocusedMatch();
    void alwaysShowAllRevealsAtOnce();
    void sortByHitsAndItsRefusal();
    void countsPanelComesBackFromTheVotes();
    void longListShowsItsProgress();
    void newListEmptiesThePage();
    void analysisWindowFollowsTheEvening();
    void greyedButtonsSayWhy();
};

void tst_CheckPage::anEveningOfADraw() {
    Fixture f;
    QCOMPARE(f.window->currentDraw()->Vote().Kaisaikai, 1234);
    const std::vector<qint32> list{single("102102111"), single("111111111"), single("000000000")};
    f.window->setSingleList(list);
    f.window->ShowPage(2);

    // Before any result every single still reaches 1等; the game panel shows the draw.
    QCOMPARE(f.gradeCount(1), QStringLiteral("3"));
    QVERIFY(!f.next()->isEnabled());
    QVERIFY(!f.all()->isEnabled());
    const CellGrid* game = f.page()->gamePanel()->mainGrid();
    QCOMPARE(game->cell(4, 2).caption, f.window->currentDraw()->Schedule().Matches[0].Home);
    QVERIFY2(game->cell(6, 1).caption.startsWith(QStringLiteral("投票 2021/")),
             qPrintable(game->cell(6, 1).caption));
    QVERIFY(f.page()->gamePanel()->graphs()->graph(1)->isVisible());
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblResultCount"))->text(), QStringLiteral("3"));
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblResultPage"))->text(), QStringLiteral("1／1"));

    // Results marked by hand as the matches end: each click checks the list again and is kept.
    f.clickMark(1, 0);
    QCOMPARE(f.gradeCount(1), QStringLiteral("2"));
    QCOMPARE(f.gradeCount(2), QStringLiteral("1"));
    QCOMPARE(f.cells()->cell(3, 2).backColor, QColor(255, 0, 0));
    f.clickMark(0, 1);
    QCOMPARE(f.marks()->cell(2, 3).caption, QStringLiteral("○"));
    QCOMPARE(f.gradeCount(1), QStringLiteral("1"));
    QVERIFY(QFile::exists(f.tempFile()));

    // Leaving the page and coming back keeps the hand marks (read back from the draw's file).
    f.window->ShowPage(1);
    f.window->ShowPage(2);
    QCOMPARE(f.marks()->cell(1, 2).caption, QStringLiteral("○"));
    QCOMPARE(f.gradeCount(1), QStringLiteral("1"));

    // The official result comes: hand marks give way, results are revealed one by one.
    f.window->OfficialDownload(2);
    const ResultData& result = f.window->currentDraw()->Result();
    QCOMPARE(result.Kaisaikai, 1234);
    f.window->ShowPage(2);
    QVERIFY(!QFile::exists(f.tempFile()));
    QCOMPARE(f.marks()->cell(1, 2).caption, QString());
    QCOMPARE(f.gradeCount(1), QStringLiteral("3"));
    QVERIFY(f.next()->isEnabled());
    for (int k = 0; k < 9; ++k) {
        QVERIFY(f.next()->isEnabled());
        QTest::mouseClick(f.next(), Qt::LeftButton);
        const quint8 mark = result.Matches[std::size_t(k)].Mark;
        if (mark == 3) {
            QCOMPARE(f.marks()->cell(2, k + 2).caption, QStringLiteral("－"));
            QCOMPARE(f.cells()->cell(1, k + 2).backColor, QColor(255, 255, 0));
        } else {
            const int column = mark == 1 ? 1 : mark == 0 ? 2 : 3;
            QCOMPARE(f.marks()->cell(column, k + 2).caption, QStringLiteral("◎"));
        }
        if (k < 8)
            QCOMPARE(f.kakutei()->cell(2, 2).caption, QString());
    }
    QVERIFY(!f.next()->isEnabled());
    QVERIFY(!f.all()->isEnabled());
    QVERIFY(f.view()->FullResult());
    // All nine decided: the confirmed table shows the draw's prizes.
    QVERIFY(f.kakutei()->cell(2, 2).caption.endsWith(u' '));
    QVERIFY(!f.kakutei()->cell(2, 2).caption.startsWith(u'0'));
    const auto& counts = f.page()->resultCheck().GradeCounts();
    QCOMPARE(f.kakutei()->cell(5, 5).caption,
             QString::number(counts[0] + counts[1] + counts[2]) + u' ');
}

void tst_CheckPage::popupCancelsAMatch() {
    Fixture f;
    f.window->setSingleList({single("000000000")});
    f.window->ShowPage(2);
    QMenu* popup = f.page()->resultMarkPopup();
    QCOMPARE(popup->objectName(), QStringLiteral("mnuPopup7"));
    QCOMPARE(popup->actions().size(), 1);
    QCOMPARE(popup->actions().at(0)->text(), QStringLiteral("中止"));
    f.clickMark(2, 4, Qt::RightButton);
    QTRY_VERIFY(popup->isVisible());
    popup->actions().at(0)->trigger();
    popup->hide();
    for (int column = 1; column <= 3; ++column)
        QCOMPARE(f.marks()->cell(column, 6).caption, QStringLiteral("－"));
    QCOMPARE(f.cells()->cell(1, 6).backColor, QColor(255, 255, 0));
    QCOMPARE(f.page()->resultCheck().Marks()[0][4], quint8(3));
    QVERIFY(QFile::exists(f.tempFile()));
}

void tst_CheckPage::popupKeysCancelTheFocusedMatch_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers();
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void tst_CheckPage::popupKeysCancelTheFocusedMatch() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Fixture f;
    f.window->setSingleList({single("000000000")});
    f.window->ShowPage(2);
    QVERIFY(FocusProbe::reachedByTab(f.marks()));
    // Match 4, mark 0; the mouse pointer is elsewhere.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.marks(), Qt::Key_Down);
    QTest::keyClick(f.marks(), Qt::Key_Right);
    QCursor::setPos(f.window->mapToGlobal(QPoint(5, 5)));
    QTest::keyClick(f.marks(), Qt::Key(key), modifiers);
    QMenu* popup = f.page()->resultMarkPopup();
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), f.marks()->mapToGlobal(f.marks()->cellRect(2, 5).bottomLeft()));
    // A second press while it is open opens no second menu.
    QTest::keyClick(f.marks(), Qt::Key(key), modifiers);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QTRY_VERIFY(!popup->isVisible());
    for (int column = 1; column <= 3; ++column)
        QCOMPARE(f.marks()->cell(column, 5).caption, QStringLiteral("－"));
    QCOMPARE(f.page()->resultCheck().Marks()[0][3], quint8(3));
    QCOMPARE(f.cells()->cell(1, 5).backColor, QColor(255, 255, 0));
    QVERIFY(QFile::exists(f.tempFile()));
}

void tst_CheckPage::alwaysShowAllRevealsAtOnce() {
    Fixture f;
    f.window->OfficialDownload(2);
    f.window->setSingleList({single("000000000")});
    f.widget<QCheckBox>(QStringLiteral("chkResultAll"))->setChecked(true);
    f.window->ShowPage(2);
    QVERIFY(f.view()->FullResult());
    QVERIFY(!f.next()->isEnabled());
    QVERIFY(!f.kakutei()->cell(2, 2).caption.isEmpty());

    f.widget<QCheckBox>(QStringLiteral("chkResultAll"))->setChecked(false);
    f.window->ShowPage(1);
    f.window->ShowPage(2);
    QVERIFY(!f.view()->FullResult());
    QTest::mouseClick(f.all(), Qt::LeftButton);
    QVERIFY(f.view()->FullResult());
    QVERIFY(!f.all()->isEnabled());
}

void tst_CheckPage::sortByHitsAndItsRefusal() {
    Fixture f;
    f.window->OfficialDownload(2);
    const ResultData& result = f.window->currentDraw()->Result();
    QByteArray hitAll(9, '0');
    for (int k = 0; k < 9; ++k)
        hitAll[k] = char('0' + (result.Matches[std::size_t(k)].Mark % 3));
    const qint32 best = single(hitAll.constData());
    const qint32 worst = single("222222222") == best ? single("111111111") : single("222222222");
    f.window->setSingleList({worst, best});
    f.widget<QCheckBox>(QStringLiteral("chkResultAll"))->setChecked(true);
    f.window->ShowPage(2);
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdSortResult")), Qt::LeftButton);
    QCOMPARE(f.window->singles(), (std::vector<qint32>{best, worst}));
    QCOMPARE(f.cells()->cell(1, 11).caption, QStringLiteral("1"));
    QVERIFY(f.platform.messages.isEmpty());
}

void tst_CheckPage::countsPanelComesBackFromTheVotes() {
    Fixture f;
    f.window->setSingleList({single("000000000"), single("111111111")});
    f.window->ShowPage(2);
    QVERIFY(!f.view()->CountVisible());
    QTest::mouseClick(f.page()->gamePanel()->graphs()->graph(3), Qt::LeftButton);
    QVERIFY(f.view()->CountVisible());
    const clsTCount* counts = f.view()->counts();
    QCOMPARE(counts->Value(), f.window->singleFrame());
    f.widget<QAction>(QStringLiteral("mnuView_SinglePercent"))->trigger();
    QVERIFY(counts->Percent());
    QTest::mouseClick(counts->grid(), Qt::LeftButton, {}, counts->grid()->cellRect(1, 3).center());
    QVERIFY(!f.view()->CountVisible());

    // The same by keyboard: the vote rates bring the panel, which switches and goes as clicked.
    CellGrid* votes = f.page()->gamePanel()->voteGrid();
    QVERIFY(FocusProbe::reachedByTab(votes));
    const auto [plain, framed] = FocusProbe::withoutAndWithFocus(votes);
    QVERIFY(framed != plain);
    QTest::keyClick(votes, Qt::Key_Space);
    QVERIFY(f.view()->CountVisible());
    QVERIFY(FocusProbe::reachedByTab(counts->grid()));
    QTest::keyClick(counts->grid(), Qt::Key_Return);
    QVERIFY(counts->Percent());
    QVERIFY(f.view()->CountVisible());
    QTest::keyClick(counts->grid(), Qt::Key_Space);
    QVERIFY(!f.view()->CountVisible());
}

void tst_CheckPage::longListShowsItsProgress() {
    Fixture f;
    std::vector<qint32> list(25000);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i] = qint32(i % SingleCodec::SingleCount);
    f.window->setSingleList(list);
    f.platform.progress.clear();
    f.window->ShowPage(2);
    QVERIFY(!f.window->singleList().isBusy());
    const auto found =
        std::find_if(f.platform.progress.begin(), f.platform.progress.end(), [](const auto& p) {
            return p.message == QStringLiteral("シングル構成の解析中");
        });
    QVERIFY(found != f.platform.progress.end());
    QCOMPARE(found->maximum, 24999);
    QCOMPARE(found->values.first(), 1000);
    QCOMPARE(found->values.last(), 24999);
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblResultCount"))->text(), QStringLiteral("25,000"));
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblResultPage"))->text(), QStringLiteral("1／2500"));
    QCOMPARE(f.gradeCount(1), QStringLiteral("25,000"));
}

void tst_CheckPage::newListEmptiesThePage() {
    Fixture f;
    f.window->setSingleList({single("000000000")});
    f.window->ShowPage(2);
    f.clickMark(1, 0);
    f.widget<QAction>(QStringLiteral("mnuFile_New"))->trigger();
    QCOMPARE(f.page()->resultCheck().SingleCount(), 0);
    QCOMPARE(f.cells()->cell(1, 2).caption, QString());
    QCOMPARE(f.gradeCount(1), QStringLiteral("0"));
    QCOMPARE(f.marks()->cell(1, 2).caption, QString());
    f.window->ShowPage(2);
    QCOMPARE(f.grades()->cell(3, 2).caption, QStringLiteral("0%"));
}

// Opened from the Tools menu, the analysis window follows the list, the votes and the marks.
void tst_CheckPage::analysisWindowFollowsTheEvening() {
    Fixture f;
    const std::vector<qint32> list{single("102102111"), single("111111111"), single("000000000")};
    f.window->setSingleList(list);
    QVERIFY(!f.window->analysisWindow());
    f.window->menus().toolAnalysis->trigger();
    frmAnalysis* analysis = f.window->analysisWindow();
    QVERIFY(analysis && analysis->isVisible() && analysis->isWindow());
    QCOMPARE(analysis->windowModality(), Qt::NonModal);
    const auto shown = [analysis] { return analysis->shownAnalysis(); };
    QTRY_VERIFY(shown() && !analysis->isComputing());
    QCOMPARE(shown()->figures.singleCount, qint64(3));
    // The downloaded votes, not the even chances of a draw without them.
    clsTMoney estimates;
    estimates.SetVoteData(f.window->currentDraw()->Vote());
    const ListAnalysis expected =
        ListAnalysis::compute(list, f.window->currentDraw()->Vote(), ResultMarks{}, estimates);
    QCOMPARE(shown()->figures.nothingChance(), expected.figures.nothingChance());
    QVERIFY(expected.figures.nothingChance() !=
            ListAnalysis::compute(list, VoteData(), {}, estimates).figures.nothingChance());

    // One window: the menu brings it back instead of opening another.
    f.window->menus().toolAnalysis->trigger();
    QCOMPARE(f.window->analysisWindow(), analysis);

    // A single added on the singles page, then a result marked on the check page.
    f.window->ShowPage(1);
    f.window->menus().singleAdd->trigger();
    QTRY_VERIFY(!analysis->isComputing() && shown()->figures.singleCount == 4);
    f.window->ShowPage(2);
    QCOMPARE(shown()->whatIf.rows.size(), std::size_t(9));
    f.clickMark(1, 0);
    QTRY_VERIFY(!analysis->isComputing() && shown()->whatIf.rows.size() == 8);
    QCOMPARE(shown()->whatIf.rows.front().match, 1);
}

// A greyed download or reveal button says why in its tip, and says what it does once it works.
void tst_CheckPage::greyedButtonsSayWhy() {
    Fixture f;
    const auto download = [&f](int i) {
        return f.widget<QPushButton>(QStringLiteral("cmdOfficialDownload_%1").arg(i));
    };
    const QString stored = QStringLiteral("保存済み");
    const QString downloads = QStringLiteral("ダウンロードします");

    // Draw 1234 with its schedule and votes stored, but no result yet.
    for (int i : {0, 1}) {
        QVERIFY(!download(i)->isEnabled());
        QVERIFY2(download(i)->toolTip().contains(stored), qPrintable(download(i)->toolTip()));
    }
    QVERIFY(download(2)->isEnabled());
    QVERIFY2(download(2)->toolTip().contains(downloads), qPrintable(download(2)->toolTip()));
    f.window->ShowPage(2);
    QVERIFY(!f.next()->isEnabled());
    const QString noResult = f.next()->toolTip();
    QVERIFY2(noResult.contains(QStringLiteral("くじ結果がまだありません")), qPrintable(noResult));
    QCOMPARE(f.all()->toolTip(), noResult);

    // The result comes: hidden results to reveal, then all of them shown.
    f.window->OfficialDownload(2);
    QVERIFY(download(2)->toolTip().contains(stored));
    f.window->ShowPage(2);
    QVERIFY(f.next()->isEnabled());
    QVERIFY(f.next()->toolTip() != noResult);
    QVERIFY(f.next()->toolTip() != f.all()->toolTip());
    QTest::mouseClick(f.all(), Qt::LeftButton);
    QVERIFY(!f.next()->isEnabled());
    QVERIFY2(f.next()->toolTip().contains(QStringLiteral("すべて表示")),
             qPrintable(f.next()->toolTip()));

    // Another draw with nothing stored: the votes wait for its schedule; an empty box has no draw.
    f.window->currentDraw()->SetKaisaikai(1235);
    QVERIFY(download(1)->isEnabled());
    QVERIFY2(download(1)->toolTip().contains(QStringLiteral("先に開催情報")),
             qPrintable(download(1)->toolTip()));
    QVERIFY(download(0)->toolTip().contains(downloads));
    f.widget<QLineEdit>(QStringLiteral("txtScheduleNo"))->clear();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(download(i)->isEnabled());
        QVERIFY2(download(i)->toolTip().contains(QStringLiteral("開催回を入力")),
                 qPrintable(download(i)->toolTip()));
    }
}

KELVOR_TEST_MAIN(tst_CheckPage)
#include "tst_CheckPage.moc"
