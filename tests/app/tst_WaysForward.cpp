#include "app/DesktopAccess.h"
#include "app/clsTMain.h"
#include "app/frmConnectionSettings.h"
#include "app/frmHandSchedule.h"
#include "base/OfficialUrlSettings.h"
#include "base/ShiftJis.h"
#include "documents/HandEnteredSchedule.h"
#include "io/clsTFileCSV.h"
#include "singles/SingleList.h"
#include "support/MainWindowFixture.h"
#include "support/ProgramOnSite.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The program on its loopback site, with what these tests do to it.
struct Fixture : ProgramOnSite {
    Fixture() : ProgramOnSite(DateTime::fromDateTime(QDate(2021, 3, 4), QTime(10, 45))) {}

    QByteArray settingsFile() const {
        return TestFiles::read(stored(OfficialUrlSettings::fileName()));
    }
    void download(int i) const {
        QTest::mouseClick(program.widget<QPushButton>(u"cmdOfficialDownload_%1"_s.arg(i)),
                          Qt::LeftButton);
    }
    QPushButton* downloadButton(int i) const {
        return program.widget<QPushButton>(u"cmdOfficialDownload_%1"_s.arg(i));
    }
    clsTMain* draw() const { return program.window->currentDraw(); }

    // Triggers the menu item and works the modal window it opens with `work`; a window that
    // `work` leaves open is cancelled, so that a refused entry cannot hang the test.
    template <typename Dialog, typename Work> bool inDialog(const QString& item, Work work) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            seen = true;
            work(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        program.action(item)->trigger();
        return seen;
    }
};

const QString scheduleFile = u"SysData/miniBIG_Schedule/minibig_schedule_1234.xml"_s;

QByteArray testFile(const QString& name) {
    return TestFiles::read(QStringLiteral(KELVOR_TEST_DATA) + u"/web/"_s + name);
}

// Chooses the nine matches of draw 1234 in the hand entry window.
void enterSchedule1234(frmHandSchedule* dialog, const QString& saleEnd) {
    const ScheduleData data = OfficialSite::schedule1234();
    for (int m = 1; m <= MatchCount; ++m) {
        dialog->cmbHome(m)->setCurrentText(data.Matches[std::size_t(m - 1)].Home);
        dialog->cmbAway(m)->setCurrentText(data.Matches[std::size_t(m - 1)].Away);
    }
    dialog->txtSaleEnd()->setText(saleEnd);
}

// A test page saved as the browser saves it: in its own charset, which its meta tag names.
QString savePage(const Fixture& f, const QString& name, const QString& charset) {
    QString text = OfficialSite::testPage(name);
    text.replace(u"<meta charset=\"UTF-8\">"_s, u"<meta charset=\""_s + charset + u"\">"_s);
    const QString path = f.stored(u"saved/"_s + name);
    const bool written =
        TestFiles::write(path, charset == u"UTF-8"_s ? text.toUtf8() : ShiftJis::encode(text));
    return written ? path : QString();
}

void dropOn(QWidget* window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

// The open dialog answers with path.
void chooseInDialog(const QString& path) {
    DesktopAccess::current().openFileName = [path](QWidget*, const QString&, const QString&,
                                                   const QString&, const QString&) { return path; };
}

} // namespace

// What a player can do when a download fails: change the addresses, enter the schedule by hand.
class tst_WaysForward : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void badAddressIsRefusedAndNothingWritten();
    void changedAddressReachesTheNextDownload();
    void proxyCarriesTheDownload();
    void handEnteredSchedulePairsTheVoteUntilReplaced();
    void handEntryIsCheckedLikeADownload_data();
    void handEntryIsCheckedLikeADownload();
    void savedPagesAreTakenAsDownloads_data();
    void savedPagesAreTakenAsDownloads();
    void pageOfAnotherDrawOffersTheSwitch();
    void fileThatIsNoOfficialPageIsRefused();
    void droppedSinglesFileOpensAsOpenDoes();
};

void tst_WaysForward::badAddressIsRefusedAndNothingWritten() {
    Fixture f;
    QVERIFY(f.started);
    const QByteArray before = f.settingsFile();
    QVERIFY(f.inDialog<frmConnectionSettings>(u"mnuTool_Connection"_s, [](auto* dialog) {
        dialog->box(u"txtScheduleUrl"_s)->setText(u"https://store.example.jp/Init.form"_s);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), dialog->box(u"txtScheduleUrl"_s));
        // 初期値に戻す fills every box with the built-in values, the proxy empty.
        dialog->box(u"txtProxy"_s)->setText(u"proxy:8080"_s);
        QTest::mouseClick(dialog->cmdDefault(), Qt::LeftButton);
        QCOMPARE(dialog->box(u"txtScheduleUrl"_s)->text(),
                 OfficialUrlSettings::defaults().bigOfficialScheduleUrl);
        QCOMPARE(dialog->box(u"txtProxy"_s)->text(), QString());
    }));
    QCOMPARE(f.platform().messages.size(), 1);
    QVERIFY(f.platform().messages[0].text.startsWith(
        u"「開催情報ページのアドレス」が正しくありません。\r\n"_s));
    QCOMPARE(f.settingsFile(), before);
}

void tst_WaysForward::changedAddressReachesTheNextDownload() {
    Fixture f;
    QVERIFY(f.started);
    const QString moved =
        f.site.server().baseUrl() + u"/pi02/PGSPIN00501InitBIGLotInfo.form?holdCntId="_s;
    f.site.server().setRoute(
        u"/pi02/PGSPIN00501InitBIGLotInfo.form?holdCntId=1234&commodityId=10"_s, 200,
        testFile(u"schedule_1234.html"_s));
    f.draw()->SetKaisaikai(1234);
    QVERIFY(f.inDialog<frmConnectionSettings>(u"mnuTool_Connection"_s, [&](auto* dialog) {
        dialog->box(u"txtScheduleUrl"_s)->setText(moved);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    }));
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    // Written in the file's own layout, the new value under its comment line.
    QVERIFY(f.settingsFile().contains(ShiftJis::encode(
        u";BIGオフィシャル開催情報URL\r\nbigOfficialScheduleUrl = "_s + moved + u"\r\n"_s)));
    f.download(0);
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    QCOMPARE(TestFiles::read(f.stored(scheduleFile)), testFile(u"minibig_schedule_1234.xml"_s));
}

void tst_WaysForward::proxyCarriesTheDownload() {
    Fixture f;
    QVERIFY(f.started);
    const QString proxy = u"127.0.0.1:%1"_s.arg(f.site.server().port());
    f.draw()->SetKaisaikai(1234);
    QVERIFY(f.inDialog<frmConnectionSettings>(u"mnuTool_Connection"_s, [&](auto* dialog) {
        dialog->box(u"txtScheduleUrl"_s)->setText(u"http://moved.invalid/s.form?holdCntId="_s);
        dialog->box(u"txtProxy"_s)->setText(proxy);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    }));
    f.download(0);
    // A host that no name server knows reached the stand-in site: through the proxy.
    QCOMPARE(f.site.requestedTargets(),
             QStringList{u"http://moved.invalid/s.form?holdCntId=1234&commodityId=10"_s});
}

void tst_WaysForward::handEnteredSchedulePairsTheVoteUntilReplaced() {
    Fixture f;
    QVERIFY(f.started);
    f.site.serveVote(u"1234"_s, testFile(u"vote_1234.html"_s));
    f.site.serveSchedule(u"1234"_s, testFile(u"schedule_1234.html"_s));
    f.draw()->SetKaisaikai(1234);
    QVERIFY(f.inDialog<frmHandSchedule>(u"mnuTool_HandSchedule"_s, [](auto* dialog) {
        enterSchedule1234(dialog, u"2021/03/06 13:50"_s);
        dialog->txtMatchDate(9)->setText(u"3/7"_s);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    }));
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    QVERIFY(HandEnteredSchedule::exists(1234, QString()));
    const ScheduleData entered = f.draw()->Schedule();
    QCOMPARE(entered.Matches[0].Home, u"鹿島"_s);
    QCOMPARE(entered.Matches[0].MatchDate, DateTime::fromDate(QDate(2021, 3, 6)));
    QCOMPARE(entered.Matches[8].MatchDate, DateTime::fromDate(QDate(2021, 3, 7)));
    QCOMPARE(entered.ResultDate, DateTime::fromDate(QDate(2021, 3, 8)));
    // The official schedule stays downloadable; the vote pairs with the hand-entered one.
    QVERIFY(f.downloadButton(0)->isEnabled());
    f.download(1);
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    QVERIFY(QFile::exists(f.stored(u"SysData/miniBIG_Vote/minibig_vote_1234.xml"_s)));
    QVERIFY(!f.draw()->Vote().Matches[8].Outcomes[1].Votes.isZero());
    // The official schedule replaces it, byte for byte, and the marker goes.
    f.download(0);
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    QCOMPARE(TestFiles::read(f.stored(scheduleFile)), testFile(u"minibig_schedule_1234.xml"_s));
    QVERIFY(!QFile::exists(f.stored(HandEnteredSchedule::markerPath(1234, QString()))));
    QVERIFY(!f.downloadButton(0)->isEnabled());
    QCOMPARE(f.draw()->Schedule().Matches[0].Stadium, u"カシマ"_s);
}

void tst_WaysForward::handEntryIsCheckedLikeADownload_data() {
    QTest::addColumn<int>("match");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QString>("saleEnd");
    QTest::addColumn<QString>("message");
    QTest::newRow("a match twice") << 2 << u"鹿島"_s << u"清水"_s << u"2021/03/06 13:50"_s
                                   << u"第1試合と第2試合が同じ対戦です。"_s;
    QTest::newRow("one team") << 3 << u"浦和"_s << u"浦和"_s << u"2021/03/06 13:50"_s
                              << u"第3試合のホームとアウェイが同じチームです。"_s;
    QTest::newRow("no team") << 4 << QString() << u"浦和"_s << u"2021/03/06 13:50"_s
                             << u"第4試合のチームを選んで下さい。"_s;
    QTest::newRow("no sale end") << 1 << u"鹿島"_s << u"清水"_s << QString()
                                 << u"販売終了日時を入力して下さい。"_s;
    QTest::newRow("no date") << 1 << u"鹿島"_s << u"清水"_s << u"3月の末"_s
                             << u"販売終了日時が日付ではありません。"_s;
}

void tst_WaysForward::handEntryIsCheckedLikeADownload() {
    QFETCH(int, match);
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(QString, saleEnd);
    QFETCH(QString, message);
    Fixture f;
    QVERIFY(f.started);
    f.draw()->SetKaisaikai(1234);
    QVERIFY(f.inDialog<frmHandSchedule>(u"mnuTool_HandSchedule"_s, [&](auto* dialog) {
        enterSchedule1234(dialog, saleEnd);
        dialog->cmbHome(match)->setCurrentText(home);
        dialog->cmbAway(match)->setCurrentText(away);
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
    }));
    QCOMPARE(f.platform().texts(), QStringList{message});
    QVERIFY(!QFile::exists(f.stored(scheduleFile)));
    QVERIFY(f.draw()->Schedule().isEmpty());
}

void tst_WaysForward::savedPagesAreTakenAsDownloads_data() {
    QTest::addColumn<QString>("charset");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("UTF-8 through the menu") << u"UTF-8"_s << false;
    QTest::newRow("Shift_JIS dropped") << u"Shift_JIS"_s << true;
}

void tst_WaysForward::savedPagesAreTakenAsDownloads() {
    QFETCH(QString, charset);
    QFETCH(bool, dropped);
    const QStringList kinds{u"schedule"_s, u"vote"_s, u"result"_s};
    const auto storedDocuments = [&](const Fixture& f) {
        QList<QByteArray> documents;
        for (const QString& kind : kinds)
            documents << TestFiles::read(f.stored(u"SysData/miniBIG_"_s + kind.at(0).toUpper() +
                                                  kind.mid(1) + u"/minibig_"_s + kind +
                                                  u"_1234.xml"_s));
        return documents;
    };
    QList<QByteArray> downloaded;
    {
        Fixture f;
        QVERIFY(f.started);
        f.site.serveSchedule(u"1234"_s, testFile(u"schedule_1234.html"_s));
        f.site.serveVote(u"1234"_s, testFile(u"vote_1234.html"_s));
        f.site.serveResult(u"1234"_s, testFile(u"result_1234.html"_s));
        f.draw()->SetKaisaikai(1234);
        for (int i = 0; i < 3; ++i)
            f.download(i);
        downloaded = storedDocuments(f);
    }
    Fixture f;
    QVERIFY(f.started);
    f.draw()->SetKaisaikai(1234);
    for (const QString& kind : kinds) {
        const QString path = savePage(f, kind + u"_1234.html"_s, charset);
        QVERIFY(!path.isEmpty());
        if (dropped) {
            dropOn(f.program.window.get(), path);
        } else {
            chooseInDialog(path);
            f.program.action(u"mnuFile_SavedPage"_s)->trigger();
        }
    }
    DesktopAccess::restoreDefaults();
    QVERIFY2(f.platform().messages.isEmpty(), qPrintable(f.platform().texts().join(u'|')));
    QVERIFY(f.site.requestedTargets().isEmpty());
    // Stored byte for byte as the downloads of the same pages store them.
    QCOMPARE(storedDocuments(f), downloaded);
    QVERIFY(!downloaded.contains(QByteArray()));
    QCOMPARE(f.draw()->Result().Kaisaikai, 1234);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!f.downloadButton(i)->isEnabled());
}

void tst_WaysForward::pageOfAnotherDrawOffersTheSwitch() {
    Fixture f;
    QVERIFY(f.started);
    f.draw()->SetKaisaikai(77);
    f.program.window->singleList().replace({5});
    f.program.window->singleList().markChanged();
    const QString path = savePage(f, u"schedule_1234.html"_s, u"UTF-8"_s);
    const QString question =
        u"このページは第1234回のページです。\r\n第1234回に切り替えて読み込みますか？"_s;
    const QString unsaved = u"シングルリストは変更されています。保存しますか？"_s;
    // Declined, then the changed list kept: nothing changes.
    f.platform().answers = {false, true};
    f.platform().choices = {Answer::Cancel};
    dropOn(f.program.window.get(), path);
    dropOn(f.program.window.get(), path);
    QCOMPARE(f.platform().texts(), (QStringList{question, question, unsaved}));
    QCOMPARE(f.draw()->Kaisaikai(), 77);
    QCOMPARE(f.program.window->singles().size(), std::size_t(1));
    // Agreed, the list dropped unsaved: the draw switches and its schedule is stored.
    f.platform().clearMessages();
    f.platform().answers = {true};
    f.platform().choices = {Answer::No};
    dropOn(f.program.window.get(), path);
    QCOMPARE(f.platform().texts(), (QStringList{question, unsaved}));
    QCOMPARE(f.draw()->Kaisaikai(), 1234);
    QVERIFY(f.program.window->singles().empty());
    QCOMPARE(TestFiles::read(f.stored(scheduleFile)), testFile(u"minibig_schedule_1234.xml"_s));
}

void tst_WaysForward::fileThatIsNoOfficialPageIsRefused() {
    Fixture f;
    QVERIFY(f.started);
    f.draw()->SetKaisaikai(1234);
    // The site's own notice that the draw is not out is no page of the draw either.
    const QString path = f.stored(u"saved/notice.htm"_s);
    QVERIFY(TestFiles::write(path, "<html><body><p>ご指定のくじ情報は表示できません。</p>"
                                   "<h1>第1234回 BIG くじ指定試合</h1></body></html>"));
    dropOn(f.program.window.get(), path);
    QCOMPARE(f.platform().texts(),
             QStringList{u"notice.htm\r\nオフィシャルサイトの開催情報、投票状況、くじ結果の"
                         u"ページとして読めませんでした。"_s});
    QVERIFY(!QFile::exists(f.stored(scheduleFile)));
}

void tst_WaysForward::droppedSinglesFileOpensAsOpenDoes() {
    Fixture f;
    QVERIFY(f.started);
    const QString path = f.program.userFile(u"Tovmi-1234.csv"_s);
    const std::vector<qint32> singles{7, 19682};
    QVERIFY(clsTFileCSV().CsvSave(path, 2, singles));
    dropOn(f.program.window.get(), path);
    QCOMPARE(f.program.window->singles(), singles);
    QCOMPARE(f.program.window->currentFile(), path);
    QCOMPARE(f.draw()->Kaisaikai(), 1234);
}

KELVOR_TEST_MAIN(tst_WaysForward)
#include "tst_WaysForward.moc"
