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

    // A page that lost its rows after the second still reads: its figures serve for now, but
    // nothing is stored, so that the download can be tried again, and the user learns which
    // matches found no partner.
    void aPageCutAfterItsSecondRowIsUsedButNotStored() {
        const QString whole = OfficialSite::testPage(u"vote_1234.html"_s);
        const QString cut =
            whole.left(whole.indexOf(u"<tr><td>03/06</td><td>14:00</td><td>3</td>"_s)) +
            u"</table></body></html>"_s;
        m_web->site.serveVote(u"1234"_s, cut.toUtf8());
        clsVote vote;
        vote.Initialize(nullptr);
        QVERIFY(vote.GetVote(1234, QString(), 3, false));
        QVERIFY(!vote.Vote().Matches[1].Outcomes[1].Votes.isZero()); // 浦和－Ｇ大阪, toto 2
        QVERIFY(vote.Vote().Matches[0].Outcomes[1].Votes.isZero());
        QVERIFY(!QFile::exists(m_stored));
        QVERIFY(!vote.CheckVoteFile(1234, QString()));
        QCOMPARE(m_web->platform.messages.size(), 1);
        const FakePlatform::Message& told = m_web->platform.messages[0];
        const QString tail = u" の投票状況が見つかりませんでした。チーム名を確認して下さい。"_s;
        QCOMPARE(told.text.split(u"\r\n"_s),
                 QStringList({u"第1試合 鹿島－清水"_s + tail, u"第3試合 川崎Ｆ－名古屋"_s + tail,
                              u"第4試合 横浜FM－Ｃ大阪"_s + tail, u"第5試合 神戸－広島"_s + tail,
                              u"第6試合 鳥栖－福岡"_s + tail, u"第7試合 磐田－大分"_s + tail,
                              u"第8試合 横浜FC－徳島"_s + tail, u"第9試合 仙台－湘南"_s + tail}));
        QCOMPARE(told.title, u" 投票状況"_s);
        QCOMPARE(told.icon, MessageIcon::Information);
        QVERIFY(!told.question);

        // The whole page later is stored as usual, without a word.
        m_web->site.serveVote(u"1234"_s, whole.toUtf8());
        QVERIFY(vote.GetVote(1234, QString(), 3, false));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(readFile(m_stored),
                 readFile(QStringLiteral(KELVOR_TEST_DATA) + u"/web/minibig_vote_1234.xml"_s));
    }

    // A page that ends inside a row is a failed download: the failure message is the only box.
    void aPageEndingInsideARowShowsOnlyTheFailure() {
        const QString whole = OfficialSite::testPage(u"vote_1234.html"_s);
        m_web->site.serveVote(u"1234"_s,
                              whole.left(whole.indexOf(u"<td>8,039(34.37%)"_s)).toUtf8());
        clsVote vote;
        vote.Initialize(nullptr);
        QVERIFY(!vote.GetVote(1234, QString(), 3, false));
        vote.FalseDialog(1234);
        QCOMPARE(m_web->platform.firstLines(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。"_s});
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
