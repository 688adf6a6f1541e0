#include "documents/clsVote.h"
#include "drawdata/clsXmlVote.h"
#include "support/WebTestFixture.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_clsVote : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web, WebTestFixture::StoredSchedule1234));
        m_stored = m_web->platform.path(u"SysData/miniBIG_Vote/minibig_vote_1234.xml"_s);
    }
    void cleanup() { m_web.reset(); }

    void finalFiguresAreStoredAndReadBack() {
        m_web->site.serveVote(u"1234"_s, OfficialSite::testPage(u"vote_1234.html"_s).toUtf8());
        clsVote vote;
        vote.Initialize(nullptr);
        m_web->platform.answers = {true};
        QVERIFY(vote.GetVote(1234, QString(), 3, true));
        QCOMPARE(m_web->platform.messages.value(0).text,
                 u"インターネットより 投票状況 をダウンロードします。よろしいですか？"_s);
        QCOMPARE(m_web->platform.messages.value(0).title, u" 投票状況"_s);
        QCOMPARE(readFile(m_stored),
                 readFile(QStringLiteral(KELVOR_TEST_DATA) + u"/web/minibig_vote_1234.xml"_s));

        clsVote again;
        again.Initialize(nullptr);
        QVERIFY(again.CheckVoteFile(1234, QString()));
        QVERIFY(again.GetVote(1234, QString(), 3, false));
        QCOMPARE(again.Vote(), vote.Vote());
        QCOMPARE(m_web->site.requestedTargets().size(), 1);
    }

    void figuresDuringTheSaleAreNotStored() {
        QString during = OfficialSite::testPage(u"vote_1234.html"_s);
        during.replace(u"(2021年03月06日(土)販売終了時点)"_s, u"(2021年03月05日(金)18:00時点)"_s);
        m_web->site.serveVote(u"1234"_s, during.toUtf8());
        clsVote vote;
        vote.Initialize(nullptr);
        QVERIFY(vote.GetVote(1234, QString(), 3, false));
        QCOMPARE(vote.Vote().AsOf, DateTime::fromDateTime(QDate(2021, 3, 5), QTime(18, 0)));
        QCOMPARE(vote.Vote().Matches[0].Home, u"鹿島"_s);
        QVERIFY(!QFile::exists(m_stored));
    }

    void withoutAScheduleTheDownloadFails() {
        clsVote vote;
        vote.Initialize(nullptr);
        QVERIFY(!vote.GetVote(1235, QString(), 3, false));
        QVERIFY(!vote.Unpublished());
        vote.FalseDialog(1235);
        QCOMPARE(m_web->platform.texts(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。"_s});
        QCOMPARE(m_web->platform.messages[0].title, u" 投票状況"_s);
    }

    void withoutACompleteStoredScheduleNothingIsDownloaded() {
        QVERIFY(QFile::remove(
            m_web->platform.path(u"SysData/miniBIG_Schedule/minibig_schedule_1234.xml"_s)));
        ScheduleData incomplete = OfficialSite::schedule1234();
        incomplete.Matches[4].Stadium.clear();
        incomplete.Kaisaikai = 1235;
        QVERIFY(OfficialSite::storeSchedule(incomplete));
        m_web->site.serveVote(u"1234"_s, OfficialSite::testPage(u"vote_1234.html"_s).toUtf8());
        m_web->site.serveVote(u"1235"_s, OfficialSite::testPage(u"vote_1234.html"_s).toUtf8());
        clsVote vote;
        vote.Initialize(nullptr);
        QVERIFY(!vote.GetVote(1234, QString(), 3, false));
        QVERIFY(!vote.GetVote(1235, QString(), 3, false));
        QVERIFY(!vote.Unpublished());
        QVERIFY(m_web->site.requestedTargets().isEmpty());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void legacyVoteFiles() {
        VoteData old;
        old.Kaisaikai = 45;
        old.AsOf = DateTime::fromDate(QDate(2021, 1, 9));
        old.Matches[0].Home = u"鹿島"_s;
        old.Matches[0].Outcomes[1].Rate = Money::parse(u"45.5"_s);
        clsXmlVote xml;
        xml.SetData(old);
        QVERIFY(xml.XmlSave(m_web->platform.path(u"vote_045_2021-01-09.xml"_s)));

        clsVote vote;
        const DateTime saleEnd = DateTime::fromDateTime(QDate(2021, 1, 9), QTime(13, 50));
        QVERIFY(!vote.GetOldVoteFile(45, DateTime::fromDate(QDate(2021, 1, 10))));
        QVERIFY(vote.GetOldVoteFile(45, saleEnd));
        vote.Initialize(nullptr);
        QCOMPARE(vote.Vote(), old);
    }

    void completeness_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << 0 << true;
        QTest::newRow("no as-of date") << 1 << false;
        QTest::newRow("no away team") << 2 << false;
        QTest::newRow("no match date") << 3 << false;
        QTest::newRow("no votes") << 4 << true;
    }
    void completeness() {
        QFETCH(int, change);
        QFETCH(bool, complete);
        VoteData v;
        v.Kaisaikai = 1234;
        v.AsOf = DateTime::fromDate(QDate(2021, 3, 6));
        for (VoteMatch& m : v.Matches) {
            m.Home = u"鹿島"_s;
            m.Away = u"清水"_s;
            m.MatchDate = DateTime::fromDate(QDate(2021, 3, 6));
            m.Outcomes[1].Votes = Money::fromYen(5);
        }
        if (change == 1)
            v.AsOf = DateTime();
        if (change == 2)
            v.Matches[8].Away.clear();
        if (change == 3)
            v.Matches[3].MatchDate = DateTime();
        if (change == 4)
            v.Matches[0].Outcomes = {};
        QCOMPARE(clsVote::IsComplete(v), complete);
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
    QString m_stored;
};

QTEST_GUILESS_MAIN(tst_clsVote)
#include "tst_clsVote.moc"
