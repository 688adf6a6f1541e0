#include "app/CheckPage.h"
#include "app/clsTMain.h"
#include "app/frmMain.h"
#include "base/OfficialUrlSettings.h"
#include "drawdata/clsXmlSchedule.h"
#include "drawdata/clsXmlVote.h"
#include "results/clsTResultCheck.h"
#include "singles/SingleCodec.h"
#include "singles/SingleList.h"
#include "support/FakePlatform.h"
#include "support/ObjectLookup.h"
#include "support/OfficialSite.h"
#include "support/RecordingConnectionWindow.h"
#include "support/TestMain.h"
#include "widgets/NumberBox.h"
#include "widgets/StatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A window on a program folder with the team names of the test pages and the official site on a
// loopback server; the site must exist before the window creates its page readers.
struct Fixture {
    FakePlatform platform;
    RecordingConnectionWindow connection;
    OfficialSite site;
    std::unique_ptr<frmMain> window;

    Fixture() {
        OfficialSite::writeTeamNames();
        platform.setNow(DateTime::fromDateTime(QDate(2021, 3, 4), QTime(10, 45)));
        window = std::make_unique<frmMain>();
        window->Load();
        window->show();
    }
    ~Fixture() { OfficialUrlSettings::current() = OfficialUrlSettings::defaults(); }

    template <typename T> T* widget(const QString& name) const {
        return namedChild<T>(window.get(), name);
    }
    NumberBox* box() const { return widget<NumberBox>(QStringLiteral("txtScheduleNo")); }
    QPushButton* button(int i) const {
        return widget<QPushButton>(QStringLiteral("cmdOfficialDownload_%1").arg(i));
    }
    QString stored(const QString& relative) const { return platform.path(relative); }
};

} // namespace

// The current draw as the home page shows it: the draw-number box, reloads and the downloads.
class tst_clsTMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingReloadsOncePerKeystroke();
    void typingBeyondTheRangeLoadsTheMaximum();
    void deletingAllDigitsEmptiesTheDraw();
    void groupSelectorReloadsTheSameDraw();
    void scheduleDownloadStoresAndDisablesItsButton();
    void allThreeDownloadsThroughTheButtons();
    void declinedDownloadStoresNothing();
    void voteNeedsTheSchedule();
    void drawZeroAsksForANumber();
    void failedDownloadIsExplained();
    void voteWithAnUnpairedMatchServesButStaysDownloadable();
    void legacyVoteFileBecomesTheVote();
    void checkPageRevealsAndSortsByHits();
};

void tst_clsTMain::typingReloadsOncePerKeystroke() {
    Fixture f;
    QSignalSpy changes(f.window->currentDraw(), &clsTMain::KaisaikaiChange);
    f.box()->clear();
    changes.clear();
    QTest::keyClicks(f.box(), QStringLiteral("123"));
    QCOMPARE(changes.count(), 3);
    QCOMPARE(changes.at(0).at(0).toInt(), 1);
    QCOMPARE(changes.at(1).at(0).toInt(), 12);
    QCOMPARE(changes.at(2).at(0).toInt(), 123);
    QCOMPARE(changes.at(2).at(1).toString(), QString());
    QCOMPARE(f.window->drawStatusBar()->text(), QStringLiteral(" 第 123 回 "));
}

void tst_clsTMain::typingBeyondTheRangeLoadsTheMaximum() {
    Fixture f;
    f.box()->clear();
    QTest::keyClicks(f.box(), QStringLiteral("12345"));
    QCOMPARE(f.box()->text(), QStringLiteral("9999"));
    QCOMPARE(f.window->kaisaikai(), 9999);
    QTest::keyClicks(f.box(), QStringLiteral("x"));
    QCOMPARE(f.box()->text(), QStringLiteral("9999"));
}

void tst_clsTMain::deletingAllDigitsEmptiesTheDraw() {
    Fixture f;
    f.box()->selectAll();
    QTest::keyClick(f.box(), Qt::Key_Backspace);
    QCOMPARE(f.window->kaisaikai(), -1);
    QVERIFY(f.window->currentDraw()->Schedule().isEmpty());
    QVERIFY(f.window->currentDraw()->Vote().isEmpty());
    QVERIFY(f.window->currentDraw()->Result().isEmpty());
    for (int i = 0; i < 3; ++i)
        QVERIFY(f.button(i)->isEnabled());
    QCOMPARE(f.window->drawStatusBar()->text(), QStringLiteral(" 第   回 "));
    QVERIFY(!f.widget<QWidget>(QStringLiteral("picKaisai"))->isVisible());
}

void tst_clsTMain::groupSelectorReloadsTheSameDraw() {
    Fixture f;
    clsTMain* draw = f.window->currentDraw();
    QCOMPARE(f.widget<QComboBox>(QStringLiteral("cmbKumi"))->itemText(1), QStringLiteral("Ｂ組"));
    QSignalSpy changes(draw, &clsTMain::KaisaikaiChange);
    draw->SetKumi(QStringLiteral("C"));
    QCOMPARE(f.widget<QComboBox>(QStringLiteral("cmbKumi"))->currentIndex(), 0);
    Q_EMIT f.widget<QComboBox>(QStringLiteral("cmbKumi"))->activated(1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 1);
    QCOMPARE(draw->Kumi(), QString());
}

void tst_clsTMain::scheduleDownloadStoresAndDisablesItsButton() {
    Fixture f;
    f.site.serveSchedule(QStringLiteral("1234"),
                         OfficialSite::testPage(QStringLiteral("schedule_1234.html")).toUtf8());
    f.window->currentDraw()->SetKaisaikai(1234);
    QVERIFY(f.button(0)->isEnabled());
    f.platform.answers = {true};
    QTest::mouseClick(f.button(0), Qt::LeftButton);
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral(
                 "インターネットより 開催情報 をダウンロードします。よろしいですか？")});
    QVERIFY(QFile::exists(
        f.stored(QStringLiteral("SysData/miniBIG_Schedule/minibig_schedule_1234.xml"))));
    QVERIFY(!f.button(0)->isEnabled());
    QVERIFY(f.button(1)->isEnabled());
    QCOMPARE(f.window->currentDraw()->Schedule().Kaisaikai, 1234);
    QVERIFY(f.widget<QWidget>(QStringLiteral("picKaisai"))->isVisible());
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblSaleEnd"))->text(),
             QStringLiteral("2021年03月06日(土) 13:50:00"));
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblStatus"))->text(),
             QStringLiteral("販売締切まで あと 2日 3時間5分"));
    QVERIFY(f.connection.lastLog.contains(QStringLiteral(" [コネクション終了]")));
    // A stored schedule is read again, never downloaded twice.
    f.window->currentDraw()->SetKaisaikai(1);
    f.window->currentDraw()->SetKaisaikai(1234);
    QCOMPARE(f.window->currentDraw()->Schedule().Kaisaikai, 1234);
    QCOMPARE(f.site.requestedTargets().size(), 1);
}

void tst_clsTMain::allThreeDownloadsThroughTheButtons() {
    Fixture f;
    f.site.serveSchedule(QStringLiteral("1234"),
                         OfficialSite::testPage(QStringLiteral("schedule_1234.html")).toUtf8());
    f.site.serveVote(QStringLiteral("1234"),
                     OfficialSite::testPage(QStringLiteral("vote_1234.html")).toUtf8());
    f.site.serveResult(QStringLiteral("1234"),
                       OfficialSite::testPage(QStringLiteral("result_1234.html")).toUtf8());
    f.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(false);
    f.window->currentDraw()->SetKaisaikai(1234);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(f.button(i), Qt::LeftButton);
    QVERIFY2(f.platform.messages.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    for (const char* file : {"SysData/miniBIG_Schedule/minibig_schedule_1234.xml",
                             "SysData/miniBIG_Vote/minibig_vote_1234.xml",
                             "SysData/miniBIG_Result/minibig_result_1234.xml"})
        QVERIFY2(QFile::exists(f.stored(QLatin1String(file))), file);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!f.button(i)->isEnabled());
    QCOMPARE(f.window->currentDraw()->Vote().Kaisaikai, 1234);
    QCOMPARE(f.window->currentDraw()->Result().Kaisaikai, 1234);
    QVERIFY2(f.window->drawStatusBar()->text().startsWith(QStringLiteral("　使用投票率：2021/03/")),
             qPrintable(f.window->drawStatusBar()->text()));
    QVERIFY(f.window->drawStatusBar()->text().endsWith(QStringLiteral(" 第 1234 回 ")));
}

void tst_clsTMain::declinedDownloadStoresNothing() {
    Fixture f;
    f.site.serveSchedule(QStringLiteral("1234"),
                         OfficialSite::testPage(QStringLiteral("schedule_1234.html")).toUtf8());
    f.window->currentDraw()->SetKaisaikai(1234);
    f.platform.answers = {false};
    QTest::mouseClick(f.button(0), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.site.requestedTargets().isEmpty());
    QVERIFY(f.button(0)->isEnabled());
    QVERIFY(f.window->currentDraw()->Schedule().isEmpty());
}

void tst_clsTMain::voteNeedsTheSchedule() {
    Fixture f;
    f.window->currentDraw()->SetKaisaikai(1234);
    QTest::mouseClick(f.button(1), Qt::LeftButton);
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("開催情報を先にダウンロードして下さい。")});
    QVERIFY(f.site.requestedTargets().isEmpty());
}

void tst_clsTMain::drawZeroAsksForANumber() {
    Fixture f;
    f.window->currentDraw()->SetKaisaikai(0);
    f.button(2)->setEnabled(false);
    f.window->OfficialDownload(2);
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("開催回を設定して下さい")});
    // The buttons' states are refreshed all the same.
    QVERIFY(f.button(2)->isEnabled());
}

void tst_clsTMain::failedDownloadIsExplained() {
    Fixture f;
    // A server error with an empty body: nothing to read.
    f.site.serveSchedule(QStringLiteral("1234"), QByteArray(), 500);
    f.window->currentDraw()->SetKaisaikai(1234);
    f.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(false);
    QTest::mouseClick(f.button(0), Qt::LeftButton);
    // Its first line; the last one suggests where else the schedule may be had.
    QVERIFY2(f.platform.firstLines().contains(
                 QStringLiteral("インターネットよりダウンロードに失敗しました。")),
             qPrintable(f.platform.texts().join(u'|')));
    QVERIFY(!QFile::exists(
        f.stored(QStringLiteral("SysData/miniBIG_Schedule/minibig_schedule_1234.xml"))));
    QVERIFY(f.button(0)->isEnabled());
    QVERIFY(f.window->isEnabled());
}

// A vote page on which a match finds no toto partner (its teams written otherwise): the figures
// are the draw's vote for now, the user is told which match, nothing is stored and the button
// stays enabled for another try.
void tst_clsTMain::voteWithAnUnpairedMatchServesButStaysDownloadable() {
    Fixture f;
    QVERIFY(OfficialSite::storeSchedule(OfficialSite::schedule1234()));
    QString page = OfficialSite::testPage(QStringLiteral("vote_1234.html"));
    page.replace(QStringLiteral("<td>広島</td>"), QStringLiteral("<td>サンフレッチェ</td>"));
    f.site.serveVote(QStringLiteral("1234"), page.toUtf8());
    f.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(false);
    f.window->currentDraw()->SetKaisaikai(1234);
    QTest::mouseClick(f.button(1), Qt::LeftButton);
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("第5試合 神戸－広島 の投票状況が見つかりませんでした。"
                                        "チーム名を確認して下さい。")});
    QVERIFY(!QFile::exists(f.stored(QStringLiteral("SysData/miniBIG_Vote/minibig_vote_1234.xml"))));
    QVERIFY(f.button(1)->isEnabled());
    QCOMPARE(f.window->currentDraw()->Vote().Kaisaikai, 1234);
    QVERIFY(!f.window->currentDraw()->Vote().Matches[0].Outcomes[1].Votes.isZero());
}

void tst_clsTMain::legacyVoteFileBecomesTheVote() {
    Fixture f;
    VoteData legacy;
    legacy.Kaisaikai = 123;
    legacy.AsOf = DateTime::fromDateTime(QDate(2021, 1, 9), QTime(13, 50));
    for (VoteMatch& match : legacy.Matches) {
        match.Home = QStringLiteral("鹿島アントラーズ");
        match.Away = QStringLiteral("清水エスパルス");
        match.MatchDate = DateTime::fromDate(QDate(2021, 1, 9));
    }
    clsXmlVote xml;
    xml.SetData(legacy);
    QVERIFY(xml.XmlSave(f.stored(QStringLiteral("vote_123_2021-01-09.xml"))));
    clsTMain* draw = f.window->currentDraw();
    draw->SetKaisaikai(123);
    QVERIFY(f.window->currentDraw()->Vote().isEmpty());
    QVERIFY(!draw->GetOldVoteFile(123, DateTime::fromDate(QDate(2021, 1, 10))));
    QVERIFY(draw->GetOldVoteFile(123, DateTime::fromDate(QDate(2021, 1, 9))));
    // The reload that follows keeps the legacy vote: no vote file is read for it.
    QCOMPARE(f.window->currentDraw()->Vote().Kaisaikai, 123);
    QCOMPARE(f.window->drawStatusBar()->text(),
             QStringLiteral("　使用投票率：2021/01/09 13:50 第 123 回 "));
}

void tst_clsTMain::checkPageRevealsAndSortsByHits() {
    Fixture f;
    f.site.serveResult(QStringLiteral("1234"),
                       OfficialSite::testPage(QStringLiteral("result_1234.html")).toUtf8());
    f.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(false);
    f.window->currentDraw()->SetKaisaikai(1234);
    f.window->OfficialDownload(2);
    QCOMPARE(f.window->currentDraw()->Result().Kaisaikai, 1234);

    SingleCodec::Marks best{};
    SingleCodec::Marks worst{};
    for (int k = 0; k < 9; ++k) {
        const quint8 mark = f.window->currentDraw()->Result().Matches[std::size_t(k)].Mark;
        best[std::size_t(k)] = mark == 3 ? 0 : mark;
        worst[std::size_t(k)] = quint8((best[std::size_t(k)] + 1) % 3);
    }
    f.window->setSingleList({SingleCodec::encode(worst), SingleCodec::encode(best)});

    auto* showAll = f.widget<QCheckBox>(QStringLiteral("chkResultAll"));
    auto* next = f.widget<QPushButton>(QStringLiteral("cmdResultViewNext"));
    auto* all = f.widget<QPushButton>(QStringLiteral("cmdResultViewAll"));
    showAll->setChecked(false);
    f.window->ShowPage(2);
    QVERIFY(next->isEnabled());
    QCOMPARE(namedChild<CheckPage>(f.window.get(), QStringLiteral("picMain_2"))
                 ->resultCheck()
                 .RevealCount(),
             0);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(namedChild<CheckPage>(f.window.get(), QStringLiteral("picMain_2"))
                 ->resultCheck()
                 .RevealCount(),
             1);
    QTest::mouseClick(all, Qt::LeftButton);
    QVERIFY(namedChild<CheckPage>(f.window.get(), QStringLiteral("picMain_2"))
                ->resultCheck()
                .FullResult());
    QVERIFY(!next->isEnabled());
    QVERIFY(!all->isEnabled());

    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdSortResult")), Qt::LeftButton);
    QCOMPARE(f.window->singles().front(), SingleCodec::encode(best));
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(!f.window->singleList().isBusy());
}

KELVOR_TEST_MAIN(tst_clsTMain)
#include "tst_clsTMain.moc"
