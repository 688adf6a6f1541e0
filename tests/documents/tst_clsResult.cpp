#include "documents/clsResult.h"
#include "support/WebTestFixture.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ResultData complete() {
    ResultData r;
    r.Kaisaikai = 1234;
    for (ResultMatch& m : r.Matches) {
        m.Home = u"鹿島"_s;
        m.Away = u"清水"_s;
        m.HomeScore = 2;
        m.AwayScore = 1;
        m.Mark = 1;
    }
    r.Prize = {Money::fromYen(1000), Money::fromYen(100), Money::fromYen(10)};
    r.Winners = {Money::fromYen(1), Money::fromYen(2), Money::fromYen(3)};
    r.PayoutStart = DateTime::fromDate(QDate(2021, 3, 9));
    r.PayoutDeadline = DateTime::fromDate(QDate(2022, 3, 9));
    r.Sales = Money::fromYen(1000000);
    r.Votes = Money::fromYen(5000);
    r.Tickets = Money::fromYen(2000);
    return r;
}

} // namespace

class tst_clsResult : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web)); }
    void cleanup() { m_web.reset(); }

    void aDownloadedResultIsStoredAndReadBack() {
        m_web->site.serveResult(u"1234"_s, OfficialSite::testPage(u"result_1234.html"_s).toUtf8());
        clsResult result;
        result.Initialize(nullptr);
        QVERIFY(result.GetResult(1234, QString(), 3, false));
        const QString stored =
            m_web->platform.path(u"SysData/miniBIG_Result/minibig_result_1234.xml"_s);
        QCOMPARE(readFile(stored),
                 readFile(QStringLiteral(KELVOR_TEST_DATA) + u"/web/minibig_result_1234.xml"_s));

        clsResult again;
        again.Initialize(nullptr);
        QVERIFY(again.CheckResultFile(1234, QString()));
        QVERIFY(again.GetResult(1234, QString(), 3, true));
        QCOMPARE(again.Result(), result.Result());
        QVERIFY(m_web->platform.messages.isEmpty());
        QCOMPARE(m_web->site.requestedTargets().size(), 1);
    }

    // A page cut between two of its match rows reads, but what it gives is incomplete: nothing
    // is stored, and the download counts as failed.
    void aPageCutBetweenTwoRowsIsNotStored() {
        QString cut = OfficialSite::testPage(u"result_1234.html"_s);
        cut.truncate(cut.indexOf(u"<tr><td>5</td>"_s));
        m_web->site.serveResult(u"1234"_s, cut.toUtf8());
        clsResult result;
        result.Initialize(nullptr);
        QVERIFY(!result.GetResult(1234, QString(), 3, false));
        QCOMPARE(result.Result().Matches[3].Home, u"横浜FM"_s);
        QVERIFY(!QFile::exists(
            m_web->platform.path(u"SysData/miniBIG_Result/minibig_result_1234.xml"_s)));
    }

    void anUnpublishedResultIsExplained() {
        m_web->site.serveResult(u"1234"_s, "<body><p>ご指定のくじ結果は表示できません。<p>");
        clsResult result;
        result.Initialize(nullptr);
        QVERIFY(!result.GetResult(1234, QString(), 2, false));
        QVERIFY(result.Unpublished());
        result.FalseDialog(1234);
        QCOMPARE(m_web->platform.texts(),
                 QStringList{u"第1234回 くじ結果は発表されていません。"_s});
        QCOMPARE(m_web->platform.messages[0].title, u" くじ結果"_s);
    }

    void completeness_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << 0 << true;
        QTest::newRow("score 31") << 1 << false;
        QTest::newRow("score 30") << 2 << true;
        QTest::newRow("mark 4") << 3 << false;
        QTest::newRow("negative carry-over") << 4 << false;
        QTest::newRow("no payout deadline") << 5 << false;
        QTest::newRow("no tickets") << 6 << false;
        QTest::newRow("cancelled without prizes or sales") << 7 << true;
        QTest::newRow("no away team") << 8 << false;
    }
    void completeness() {
        QFETCH(int, change);
        QFETCH(bool, complete);
        ResultData r = ::complete();
        switch (change) {
        case 1:
            r.Matches[4].AwayScore = 31;
            break;
        case 2:
            r.Matches[4].HomeScore = 30;
            break;
        case 3:
            r.Matches[0].Mark = 4;
            break;
        case 4:
            r.CarryOver[2] = Money::fromYen(-1);
            break;
        case 5:
            r.PayoutDeadline = DateTime();
            break;
        case 6:
            r.Tickets = Money();
            break;
        case 7: {
            ResultData cancelled;
            cancelled.Kaisaikai = 1234;
            cancelled.Cancelled = true;
            for (size_t m = 0; m < cancelled.Matches.size(); ++m) {
                cancelled.Matches[m].Home = r.Matches[m].Home;
                cancelled.Matches[m].Away = r.Matches[m].Away;
                cancelled.Matches[m].Mark = 3;
            }
            r = cancelled;
            break;
        }
        case 8:
            r.Matches[8].Away.clear();
            break;
        }
        QCOMPARE(clsResult::IsComplete(r), complete);
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_clsResult)
#include "tst_clsResult.moc"
