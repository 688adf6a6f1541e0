#include "base/OfficialUrlSettings.h"
#include "documents/clsSchedule.h"
#include "support/WebTestFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_clsSchedule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames));
        m_web->site.serveSchedule(u"1234"_s,
                                  OfficialSite::testPage(u"schedule_1234.html"_s).toUtf8());
        m_stored = m_web->platform.path(u"SysData/miniBIG_Schedule/minibig_schedule_1234.xml"_s);
    }
    void cleanup() { m_web.reset(); }

    void useBeforeInitializeIsReported() {
        clsSchedule schedule;
        QVERIFY(!schedule.GetSchedule(1234, QString(), 3, false));
        QCOMPARE(schedule.Schedule(), ScheduleData());
        QVERIFY(!schedule.Cancel());
        QCOMPARE(m_web->platform.texts(), QStringList(3, u"Initialize Err"_s));
        QCOMPARE(m_web->platform.messages[1].title, u"Kelvor mini / clsSchedule / Schedule"_s);
        QVERIFY(m_web->site.requestedTargets().isEmpty());
    }

    void drawNumbersBelowOneGiveNothing_data() {
        QTest::addColumn<int>("draw");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
    }
    void drawNumbersBelowOneGiveNothing() {
        QFETCH(int, draw);
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(!schedule.GetSchedule(draw, QString(), 3, true));
        QCOMPARE(schedule.Schedule(), ScheduleData());
        QVERIFY(m_web->platform.messages.isEmpty());
        QVERIFY(m_web->site.requestedTargets().isEmpty());
    }

    void aDownloadIsStoredOnceAndReadBack() {
        QObject owner;
        clsSchedule schedule;
        schedule.Initialize(&owner);
        m_web->platform.answers = {true};
        QVERIFY(schedule.GetSchedule(1234, QString(), 3, true));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->platform.messages[0].text,
                 u"インターネットより 開催情報 をダウンロードします。よろしいですか？"_s);
        QCOMPARE(m_web->platform.messages[0].title, u" 開催情報"_s);
        QVERIFY(m_web->platform.messages[0].question);
        QCOMPARE(m_web->window.lastOwner, &owner);
        QCOMPARE(readFile(m_stored),
                 readFile(QStringLiteral(KELVOR_TEST_DATA) + u"/web/minibig_schedule_1234.xml"_s));

        // The stored file is read without asking or downloading.
        const ScheduleData downloaded = schedule.Schedule();
        clsSchedule again;
        again.Initialize(nullptr);
        QVERIFY(again.CheckScheduleFile(1234, QString()));
        QVERIFY(again.GetSchedule(1234, QString(), 3, true));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->site.requestedTargets().size(), 1);
        ScheduleData expected = downloaded;
        expected.PayoutStart = DateTime(); // the payout dates are not stored
        expected.PayoutDeadline = DateTime();
        QCOMPARE(again.Schedule(), expected);
    }

    void aDeclinedDownloadIsNotExplained() {
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        m_web->platform.answers = {false};
        QVERIFY(!schedule.GetSchedule(1234, QString(), 3, true));
        QVERIFY(schedule.Cancel());
        schedule.FalseDialog(1234);
        QCOMPARE(m_web->platform.messages.size(), 1); // the question only
        QVERIFY(m_web->site.requestedTargets().isEmpty());
    }

    void aStoredFileIsNeverOverwritten() {
        const QByteArray junk("not a schedule");
        QVERIFY(writeFile(m_stored, junk));
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(schedule.GetSchedule(1234, QString(), 3, false));
        QCOMPARE(schedule.Schedule().Kaisaikai, 1234);
        QCOMPARE(readFile(m_stored), junk);
    }

    void onlyAReadWhenDownloadsAreNotWanted() {
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(!schedule.GetSchedule(1234, QString(), 1, true));
        QVERIFY(m_web->platform.messages.isEmpty());
        QVERIFY(m_web->site.requestedTargets().isEmpty());
    }

    void anIncompleteDownloadIsHandedOutButNotStored() {
        QString eight = OfficialSite::testPage(u"schedule_1234.html"_s);
        eight.remove(eight.indexOf(u"<tr><td>9</td>"_s),
                     eight.indexOf(u"</table>"_s, eight.indexOf(u"<tr><td>9</td>"_s)) -
                         eight.indexOf(u"<tr><td>9</td>"_s));
        m_web->site.serveSchedule(u"1234"_s, eight.toUtf8());
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(!schedule.GetSchedule(1234, QString(), 3, false));
        QCOMPARE(schedule.Schedule().Matches[7].Home, u"横浜FC"_s);
        QVERIFY(!QFile::exists(m_stored));
        schedule.FalseDialog(1234);
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->platform.firstLines().value(0),
                 u"インターネットよりダウンロードに失敗しました。"_s);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Warning);
    }

    // A page cut anywhere, between two rows or inside one, stores nothing and explains itself
    // with the failure message alone.
    void aPageCutShortStoresNothingAndShowsOnlyTheFailure_data() {
        QTest::addColumn<QString>("cutBefore");
        QTest::newRow("between two rows") << u"<tr><td>4</td>"_s;
        QTest::newRow("inside a row") << u"<td>ヤマハ</td>"_s;
        QTest::newRow("between two sale dates") << u"<tr><th>結果発表日</th>"_s;
    }
    void aPageCutShortStoresNothingAndShowsOnlyTheFailure() {
        QFETCH(QString, cutBefore);
        const QString whole = OfficialSite::testPage(u"schedule_1234.html"_s);
        QVERIFY(whole.contains(cutBefore));
        m_web->site.serveSchedule(u"1234"_s, whole.left(whole.indexOf(cutBefore)).toUtf8());
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(!schedule.GetSchedule(1234, QString(), 3, false));
        QVERIFY(!QFile::exists(m_stored));
        schedule.FalseDialog(1234);
        QCOMPARE(m_web->platform.firstLines(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。"_s});
    }

    void anUnpublishedScheduleIsExplained() {
        m_web->site.serveSchedule(u"1235"_s, "<body><p>ご指定のくじ情報は表示できません。<p>");
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(!schedule.GetSchedule(1235, QString(), 3, false));
        QVERIFY(schedule.Unpublished());
        schedule.FalseDialog(1235);
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->platform.messages[0].text, u"第1235回 開催情報は発表されていません。"_s);
        QCOMPARE(m_web->platform.messages[0].title, u" 開催情報"_s);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Information);
    }

    // The hint that the page may have moved ends the message only when the program's own
    // schedule address answered with a failure or with a page that is neither the draw's nor
    // the site's notice; a draw not out yet, another address and a saved page get none.
    void theMovedPageHintOnlyWhereItHelps_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("ownAddress");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("hint");
        const QByteArray other("<body><p>お探しのページは見つかりませんでした。</p>");
        const QByteArray notice("<body><p>ご指定のくじ情報は表示できません。<p>");
        QTest::newRow("neither heading nor notice") << other << 200 << true << false << true;
        QTest::newRow("not found") << other << 404 << true << false << true;
        QTest::newRow("server error") << notice << 503 << true << false << true;
        QTest::newRow("the site's notice") << notice << 200 << true << false << false;
        QTest::newRow("another address") << other << 200 << false << false << false;
        QTest::newRow("a saved page") << other << 200 << true << true << false;
    }
    void theMovedPageHintOnlyWhereItHelps() {
        QFETCH(QByteArray, page);
        QFETCH(int, status);
        QFETCH(bool, ownAddress);
        QFETCH(bool, saved);
        QFETCH(bool, hint);
        if (!ownAddress)
            OfficialUrlSettings::current().bigOfficialScheduleUrl =
                m_web->site.server().baseUrl() + u"/moved/BIGLotInfo.form?holdCntId="_s;
        m_web->site.serveSchedule(u"1235"_s, page, status);
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        QVERIFY(saved ? !schedule.ReadSavedPage(1235, QString(), page)
                      : !schedule.GetSchedule(1235, QString(), 3, false));
        schedule.FalseDialog(1235);
        QCOMPARE(m_web->platform.messages.size(), 1);
        const QString last = m_web->platform.messages[0].text.split(u"\r\n"_s).last();
        QCOMPARE(last.startsWith(u"ページが移動した可能性があります。"_s), hint);
    }

    void completeness_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << 0 << true;
        QTest::newRow("no draw number") << 1 << false;
        QTest::newRow("no home team") << 2 << false;
        QTest::newRow("no stadium") << 3 << false;
        QTest::newRow("no match date") << 4 << false;
        QTest::newRow("no sale end") << 5 << false;
        QTest::newRow("cancelled without sale dates") << 6 << true;
        QTest::newRow("no start time or state") << 7 << true;
    }
    void completeness() {
        QFETCH(int, change);
        QFETCH(bool, complete);
        ScheduleData s = OfficialSite::schedule1234();
        switch (change) {
        case 1:
            s.Kaisaikai = 0;
            break;
        case 2:
            s.Matches[8].Home.clear();
            break;
        case 3:
            s.Matches[4].Stadium.clear();
            break;
        case 4:
            s.Matches[0].MatchDate = DateTime();
            break;
        case 5:
            s.SaleEnd = DateTime();
            break;
        case 6:
            s.HeldState = ScheduleData::Cancelled;
            s.SaleStart = s.SaleEnd = s.ResultDate = DateTime();
            break;
        case 7:
            s.Matches[2].StartTime = DateTime();
            s.Matches[2].State.clear();
            break;
        }
        QCOMPARE(clsSchedule::IsComplete(s), complete);
    }

    void notHeldMarkers() {
        clsSchedule schedule;
        schedule.Initialize(nullptr);
        m_web->platform.answers = {true};
        QVERIFY(schedule.XmlSave_NoGame(1234, QString()));
        QCOMPARE(m_web->platform.messages[0].text, u"第 1234 回を未開催に設定しますか？"_s);
        QCOMPARE(m_web->platform.messages[0].title, u"Kelvor mini"_s);

        QVERIFY(!schedule.GetSchedule(1234, QString(), 3, true)); // read, never downloaded
        QVERIFY(schedule.NoGame());
        QVERIFY(m_web->site.requestedTargets().isEmpty());

        m_web->platform.clearMessages();
        QVERIFY(!schedule.XmlSave_NoGame(1234, QString())); // a file exists: no question
        QVERIFY(m_web->platform.messages.isEmpty());

        m_web->platform.answers = {false, true};
        QVERIFY(!schedule.XmlDelete_NoGame(1234, QString()));
        QVERIFY(QFile::exists(m_stored));
        QVERIFY(schedule.XmlDelete_NoGame(1234, QString()));
        QCOMPARE(m_web->platform.messages[1].text, u"第 1234 回の未開催を解除しますか？"_s);
        QVERIFY(!QFile::exists(m_stored));
        QVERIFY(!schedule.XmlDelete_NoGame(1234, QString()));
        QCOMPARE(m_web->platform.messages.size(), 2);
    }

    void storedDrawNumbers() {
        clsSchedule schedule;
        QList<qint32> numbers{-5};
        QCOMPARE(schedule.GetScheduleNo(numbers), 0);
        QCOMPARE(numbers, QList<qint32>{-5});
        for (const QString& name :
             {u"minibig_schedule_099.xml"_s, u"minibig_schedule_1001_A.xml"_s,
              u"MINIBIG_Schedule_1000.XML"_s, u"minibig_schedule_1000_B.xml"_s,
              u"minibig_schedule_new.xml"_s, u"minibig_vote_123.xml"_s})
            QVERIFY(writeFile(m_web->platform.path(u"SysData/miniBIG_Schedule/"_s + name), "x"));
        QCOMPARE(schedule.GetScheduleNo(numbers), 4);
        QCOMPARE(numbers, (QList<qint32>{99, 1000, 1000, 1001}));
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
    QString m_stored;
};

QTEST_GUILESS_MAIN(tst_clsSchedule)
#include "tst_clsSchedule.moc"
