#include "base/ShiftJis.h"
#include "support/WebTestFixture.h"
#include "web/clsHtmlVote.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString page() {
    return OfficialSite::testPage(u"vote_1234.html"_s);
}

QString votesOf(const VoteMatch& match) {
    QStringList parts;
    for (const int outcome : {1, 0, 2})
        parts << match.Outcomes[size_t(outcome)].Votes.toString() + u'(' +
                     match.Outcomes[size_t(outcome)].Rate.toString() + u')';
    return parts.join(u' ');
}

} // namespace

class tst_clsHtmlVote : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames)); }
    void cleanup() { m_web.reset(); }

    void finalFiguresPairTheMatchesByTeams() {
        m_web->site.serveVote(u"1234"_s, page().toUtf8());
        clsHtmlVote reader;
        bool final = false;
        QVERIFY(reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        QVERIFY(final);
        QVERIFY(m_web->platform.messages.isEmpty());
        QVERIFY(reader.Unpaired().isEmpty());
        QCOMPARE(m_web->site.requestedTargets().value(0),
                 u"/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form"
                 u"?holdCntId=1234&commodityId=01"_s);
        QCOMPARE(m_web->window.lastLog.value(0), u" 第1234回 投票状況情報取得中 (オフィシャル)"_s);

        const VoteData v = reader.Vote();
        QCOMPARE(v.Kaisaikai, 1234);
        // At the end of sale the figures stand as of the end of the sale period.
        QCOMPARE(v.AsOf, DateTime::fromDateTime(QDate(2021, 3, 6), QTime(13, 50)));
        QCOMPARE(votesOf(v.Matches[0]), u"10333(44.17) 5021(21.46) 8039(34.37)"_s); // toto 3
        QCOMPARE(votesOf(v.Matches[1]), u"10222(43.94) 5014(21.55) 8026(34.51)"_s); // toto 2
        QCOMPARE(votesOf(v.Matches[6]), u"10888(45.28) 5056(21.02) 8104(33.7)"_s);  // 中止8
        const ScheduleData planned = OfficialSite::schedule1234();
        for (size_t m = 0; m < 9; ++m) {
            QCOMPARE(v.Matches[m].Home, planned.Matches[m].Home);
            QCOMPARE(v.Matches[m].Away, planned.Matches[m].Away);
            QCOMPARE(v.Matches[m].MatchDate, planned.Matches[m].MatchDate);
            QCOMPARE(v.Matches[m].StartTime, planned.Matches[m].StartTime);
            QVERIFY(!v.Matches[m].Outcomes[1].Votes.isZero());
        }
    }

    void figuresDuringTheSaleKeepTheirStamp() {
        QString during = page();
        during.replace(u"(2021年03月06日(土)販売終了時点)"_s, u"(2021年03月05日(金)18:00時点)"_s);
        m_web->site.serveVote(u"1234"_s, during.toUtf8());
        clsHtmlVote reader;
        bool final = true;
        QVERIFY(reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        QVERIFY(!final);
        QCOMPARE(reader.Vote().AsOf, DateTime::fromDateTime(QDate(2021, 3, 5), QTime(18, 0)));
    }

    void teamsWrittenDifferentlyGetNoVotes() {
        QString other = page();
        other.replace(u"<td>川崎Ｆ</td>"_s, u"<td>川崎</td>"_s); // a name no table knows
        m_web->site.serveVote(u"1234"_s, other.toUtf8());
        ScheduleData twice = OfficialSite::schedule1234();
        twice.Matches[8] = twice.Matches[0]; // the same teams twice take the same toto match
        clsHtmlVote reader;
        bool final = false;
        QVERIFY(reader.GetVote(1234, twice, nullptr, final));
        QCOMPARE(votesOf(reader.Vote().Matches[2]), u"0(0) 0(0) 0(0)"_s);
        QCOMPARE(votesOf(reader.Vote().Matches[8]), votesOf(reader.Vote().Matches[0]));
        QCOMPARE(reader.Unpaired(), QList<qint32>{3});
    }

    // The download path and a page given as bytes read the same page the same way, whatever
    // charset it is written in, as long as something names it.
    void thePageIsDecodedByItsOwnCharset() {
        m_web->site.serveVote(u"1234"_s, page().toUtf8());
        clsHtmlVote reader;
        bool final = false;
        QVERIFY(reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        const VoteData expected = reader.Vote();
        const QByteArray sjis = ShiftJis::encode(page());

        LoopbackHttpServer::Route route;
        route.body = sjis;
        route.contentType = "text/html; charset=Shift_JIS";
        m_web->site.serveVote(u"1234"_s, route);
        QVERIFY(reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        QCOMPARE(reader.Vote(), expected);

        const QByteArray saved = "<meta charset=\"Shift_JIS\">" + sjis;
        QVERIFY(reader.ReadPage(1234, OfficialSite::schedule1234(), saved, QString(), final));
        QVERIFY(final);
        QCOMPARE(reader.Vote(), expected);
        // Declared as UTF-8, the same bytes are no page.
        QVERIFY(!reader.ReadPage(1234, OfficialSite::schedule1234(), sjis,
                                 u"text/html; charset=UTF-8"_s, final));
        QCOMPARE(reader.Vote(), VoteData());
        QVERIFY(!reader.Unpublished());
    }

    void unpublished_data() {
        QTest::addColumn<QString>("body");
        QTest::newRow("notice")
            << u"<body><p>ご指定の投票状況は表示できません。</p><p>第1234回toto<p>(2021年03月06日(土)販売終了時点)<p>"_s;
        QTest::newRow("no stamp") << QString(page()).remove(u"時点"_s);
        QTest::newRow("no header") << QString(page()).replace(u"第1234回"_s, u"1234回"_s);
    }
    void unpublished() {
        QFETCH(QString, body);
        m_web->site.serveVote(u"1234"_s, body.toUtf8());
        clsHtmlVote reader;
        bool final = false;
        QVERIFY(!reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        QVERIFY(reader.Unpublished());
        QCOMPARE(reader.Vote(), VoteData());
    }

    void pagesThatFail_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("outcome without rate") << u"10,333(44.17%)"_s << u"10,333"_s << QString();
        QTest::newRow("row time not a time")
            << u"<td>03/06</td><td>14:00</td><td>3</td>"_s
            << u"<td>03/06</td><td>未定</td><td>3</td>"_s
            << u"型が一致しません。 ( 13 )\r\n「開始時刻」が読めません（"_s;
        // A cell left empty would shift the row: the row refuses the page instead.
        QTest::newRow("empty home cell") << u"<td>鹿島</td>"_s << u"<td>&nbsp;</td>"_s << QString();
        QTest::newRow("empty away cell") << u"<td>清水</td>"_s << u"<td></td>"_s << QString();
        // A page that ends early is a failed download, not a fault to report.
        QTest::newRow("page ends inside a row")
            << u"<td>8,039(34.37%)</td>"_s << u"</tr></table></body>"_s << QString();
    }
    void pagesThatFail() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QString broken = page();
        QVERIFY(broken.contains(from));
        if (to.endsWith(u"</body>"_s))
            broken = broken.left(broken.indexOf(from)) + to;
        else
            broken.replace(from, to);
        m_web->site.serveVote(u"1234"_s, broken.toUtf8());
        clsHtmlVote reader;
        bool final = true;
        QVERIFY(!reader.GetVote(1234, OfficialSite::schedule1234(), nullptr, final));
        QVERIFY(!reader.Unpublished());
        QCOMPARE(reader.Vote(), VoteData());
        if (message.isEmpty()) {
            QVERIFY(m_web->platform.messages.isEmpty());
        } else {
            QCOMPARE(m_web->platform.messages.size(), 1);
            QVERIFY2(m_web->platform.messages[0].text.startsWith(message),
                     qPrintable(m_web->platform.messages[0].text));
            QCOMPARE(m_web->platform.messages[0].title,
                     u"Kelvor mini / clsHtmlVoteBIG / GetVote"_s);
        }
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_clsHtmlVote)
#include "tst_clsHtmlVote.moc"
