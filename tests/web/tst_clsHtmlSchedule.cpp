#include "base/ShiftJis.h"
#include "support/WebTestFixture.h"
#include "web/clsHtmlSchedule.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

DateTime at(int y, int mo, int d, int h = 0, int mi = 0) {
    return DateTime::fromDateTime(QDate(y, mo, d), QTime(h, mi));
}

QString page() {
    return OfficialSite::testPage(u"schedule_1234.html"_s);
}

// The page with its group sections A and B (B's matches swap home and away).
QString groupPage() {
    QString a = page();
    a.replace(u"miniBIG\n  くじ指定試合"_s, u"miniBIG-A組くじ情報"_s);
    QString b = a;
    b.replace(u"miniBIG-A組"_s, u"miniBIG-B組"_s);
    b.replace(u"<td>鹿島アントラーズ</td><td>VS</td><td>清水エスパルス</td>"_s,
              u"<td>清水エスパルス</td><td>VS</td><td>鹿島アントラーズ</td>"_s);
    const qsizetype bodyA = a.indexOf(u"</body>"_s);
    const qsizetype bodyB = b.indexOf(u"<body"_s);
    return a.left(bodyA) + b.mid(b.indexOf(u'>', bodyB) + 1);
}

} // namespace

class tst_clsHtmlSchedule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames)); }
    void cleanup() { m_web.reset(); }

    void readsACompleteSchedule() {
        m_web->site.serveSchedule(u"1234"_s, page().toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
        QVERIFY2(m_web->platform.messages.isEmpty(),
                 qPrintable(m_web->platform.texts().join(u'\n')));
        QCOMPARE(m_web->window.lastLog.value(0), u" 第1234回 開催情報取得中 (オフィシャル)"_s);

        const ScheduleData s = reader.Schedule();
        QCOMPARE(s.Kaisaikai, 1234);
        QCOMPARE(s.Kumi, QString());
        QCOMPARE(s.HeldState, 0);
        QCOMPARE(s.SaleStart, at(2021, 3, 1, 19, 0));
        QCOMPARE(s.SaleEnd, at(2021, 3, 6, 13, 50));
        QCOMPARE(s.ResultDate, at(2021, 3, 8));
        QCOMPARE(s.PayoutStart, at(2021, 3, 9));
        QCOMPARE(s.PayoutDeadline, at(2022, 3, 9));
        const MatchInfo& first = s.Matches[0];
        QCOMPARE(first.Home, u"鹿島"_s);
        QCOMPARE(first.Away, u"清水"_s);
        QCOMPARE(first.MatchDate, at(2021, 3, 6));
        QCOMPARE(first.StartTime, DateTime::fromTime(QTime(14, 0)));
        QCOMPARE(first.Stadium, u"カシマ"_s);
        QCOMPARE(first.State, u"VS"_s);
        QCOMPARE(s.Matches[3].Home, u"横浜FM"_s);
        QCOMPARE(s.Matches[6].State, u"中止"_s);
        QCOMPARE(s.Matches[8].Home, u"仙台"_s);
        QCOMPARE(s.Matches[8].Away, u"湘南"_s);
        QCOMPARE(s.Matches[8].MatchDate, at(2021, 3, 7));
        QCOMPARE(s.Matches[8].StartTime, DateTime::fromTime(QTime(19, 0)));
    }

    void drawNumbersAreAskedWithFourDigits_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("holdCntId");
        QTest::newRow("45") << 45 << u"0045"_s;
        QTest::newRow("7") << 7 << u"0007"_s;
        QTest::newRow("12345") << 12345 << u"12345"_s;
    }
    void drawNumbersAreAskedWithFourDigits() {
        QFETCH(int, draw);
        QFETCH(QString, holdCntId);
        const QString heading = u"第"_s + QString::number(draw) + u"回"_s;
        m_web->site.serveSchedule(holdCntId,
                                  QString(page()).replace(u"第1234回"_s, heading).toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(draw, QString(), nullptr));
        QCOMPARE(m_web->site.requestedTargets().value(0),
                 u"/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form"
                 u"?popupDispDiv=0&holdCntId="_s +
                     holdCntId + u"&commodityId=10"_s);
        QCOMPARE(reader.Schedule().Kaisaikai, draw);

        // Another draw's page is not the draw asked for.
        m_web->site.serveSchedule(holdCntId, page().toUtf8());
        QVERIFY(!reader.GetSchedule(draw, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
        QCOMPARE(reader.Report().otherDraw(), 1234);
        QCOMPARE(reader.Schedule(), ScheduleData());
    }

    void aGroupReadsOnlyItsOwnSection() {
        m_web->site.serveSchedule(u"1234"_s, groupPage().toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, u"B"_s, nullptr));
        QCOMPARE(reader.Schedule().Kumi, u"B"_s);
        QCOMPARE(reader.Schedule().Matches[0].Home, u"清水"_s);
        QVERIFY(reader.GetSchedule(1234, u"A"_s, nullptr));
        QCOMPARE(reader.Schedule().Kumi, u"A"_s);
        QCOMPARE(reader.Schedule().Matches[0].Home, u"鹿島"_s);

        QVERIFY(!reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(reader.Unpublished());
        QCOMPARE(reader.Schedule(), ScheduleData());
    }

    void aCancelledDrawIsRead() {
        QString cancelled = page();
        cancelled.replace(u"<td>VS</td>"_s, u"<td>中止</td>"_s);
        cancelled.replace(u"<tr><th>結果発表日</th><td>2021/03/08(月)</td></tr>"_s,
                          u"<tr><td colspan=\"2\">くじは中止となりました。</td></tr>"_s);
        m_web->site.serveSchedule(u"1234"_s, cancelled.toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, QString(), nullptr));
        QCOMPARE(reader.Schedule().HeldState, 2);
        QCOMPARE(reader.Schedule().ResultDate, DateTime());
        QCOMPARE(reader.Schedule().Matches[0].State, u"中止"_s);
        QCOMPARE(reader.Schedule().PayoutDeadline, at(2022, 3, 9)); // the walk went on
    }

    void unpublishedPages_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("the site's notice") << u"<html><body><p>ご指定のくじ情報は表示できません。</"
                                              u"p><p>第1234回miniBIGくじ指定試合"
                                              u"</p></body></html>"_s.toUtf8();
        QTest::newRow("another product")
            << QString(page()).replace(u"miniBIG"_s, u"BIG"_s).toUtf8();
        QTest::newRow("no body tag")
            << QString(page()).remove(u"<body class=\"popup\">"_s).toUtf8();
    }
    void unpublishedPages() {
        QFETCH(QByteArray, body);
        m_web->site.serveSchedule(u"1234"_s, body);
        clsHtmlSchedule reader;
        QVERIFY(!reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(reader.Unpublished());
        QCOMPARE(reader.Schedule(), ScheduleData());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    // An empty body, and one that is not UTF-8 (such as the page in Shift_JIS), bring nothing
    // to read: a failed download, not a page that says the schedule is not published.
    void nothingDownloadedIsNotUnpublished_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a page in Shift_JIS") << ShiftJis::encode(page());
    }
    void nothingDownloadedIsNotUnpublished() {
        QFETCH(QByteArray, body);
        m_web->site.serveSchedule(u"1234"_s, body);
        clsHtmlSchedule reader;
        QVERIFY(!reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    // Pages that cannot be taken: silently, with the team lookup's message, or as a reported
    // run-time error. Each leaves an empty record.
    void pagesThatFail_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad separator")
            << u"<td>VS</td><td>ガンバ大阪"_s << u"<td>-</td><td>ガンバ大阪"_s << QString();
        QTest::newRow("a tenth row")
            << u"<table class=\"payout\">"_s
            << u"<table><tr><td>10</td><td>03/07</td><td>19:00</td><td>x</td><td>鹿島アントラーズ"
               u"</td><td>VS</td><td>清水エスパルス</td></tr></table><table class=\"payout\">"_s
            << QString();
        QTest::newRow("unknown team") << u"サガン鳥栖"_s << u"サガン鳥栖FC"_s
                                      << u"チーム名：サガン鳥栖FC が見つかりません。"_s;
        QTest::newRow("match number above 9") << u"<td>9</td>"_s << u"<td>13</td>"_s
                                              << u"インデックスが有効範囲にありません。 ( 9 )\r\n"
                                                 u"「第13試合」が読めません（"_s;
        QTest::newRow("match date not a date")
            << u"<td>5</td><td>03/07</td>"_s << u"<td>5</td><td>未定</td>"_s
            << u"型が一致しません。 ( 13 )\r\n「第5試合の開催日」が読めません（"_s;
        QTest::newRow("start time not a time")
            << u"<td>03/07</td><td>13:00</td>"_s << u"<td>03/07</td><td>調整中</td>"_s
            << u"型が一致しません。 ( 13 )\r\n「第5試合の開始時刻」が読めません（"_s;
        // A page that ends early is a failed download, not a fault to report.
        QTest::newRow("truncated in a row")
            << u"<td>ヤマハ</td>"_s << u"<td>ヤマハ</td></body></html>"_s << QString();
        QTest::newRow("truncated after a label")
            << u"<td>2021/03/09(火)</td></tr>"_s << u"</table></body></html>"_s << QString();
    }
    void pagesThatFail() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QString broken = page();
        QVERIFY(broken.contains(from));
        const qsizetype cut = broken.indexOf(from);
        if (to.endsWith(u"</html>"_s))
            broken = broken.left(cut) + to; // the page ends early
        else
            broken.replace(from, to);
        m_web->site.serveSchedule(u"1234"_s, broken.toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(!reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
        QCOMPARE(reader.Schedule(), ScheduleData());
        if (message.isEmpty()) {
            QVERIFY(m_web->platform.messages.isEmpty());
        } else {
            QCOMPARE(m_web->platform.messages.size(), 1);
            QVERIFY2(m_web->platform.messages[0].text.startsWith(message),
                     qPrintable(m_web->platform.messages[0].text));
            if (message.contains(u" )"_s))
                QCOMPARE(m_web->platform.messages[0].title,
                         u"Kelvor mini / clsHtmlSchedule / GetSchedule"_s);
        }
    }

    void matchRowsTakeTheYearOfTheSaleStart() {
        QString december = page();
        december.replace(u"2021年3月1日(月)<br>10:00～19:00"_s, u"2020年12月26日(土)10:00"_s);
        december.replace(u"<td>03/07</td>"_s, u"<td>01/02</td>"_s);
        m_web->site.serveSchedule(u"1234"_s, december.toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, QString(), nullptr));
        // A match month before the sale start's month is in the following year.
        QCOMPARE(reader.Schedule().Matches[0].MatchDate, at(2021, 3, 6));
        QCOMPARE(reader.Schedule().Matches[4].MatchDate, at(2021, 1, 2));
        QCOMPARE(reader.Schedule().SaleStart, at(2020, 12, 26, 10, 0));
    }

    void matchRowsBeforeTheSaleStartTakeTheCurrentYear() {
        QString moved = page();
        const QString sale = moved.mid(moved.indexOf(u"<table class=\"sale\">"_s),
                                       moved.indexOf(u"<table class=\"games\">"_s) -
                                           moved.indexOf(u"<table class=\"sale\">"_s));
        moved.remove(sale);
        moved.replace(u"<table class=\"payout\">"_s, sale + u"<table class=\"payout\">"_s);
        m_web->platform.setNow(at(2024, 2, 1, 9, 0));
        m_web->site.serveSchedule(u"1234"_s, moved.toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, QString(), nullptr));
        QCOMPARE(reader.Schedule().Matches[0].MatchDate, at(2024, 3, 6));
        QCOMPARE(reader.Schedule().SaleStart, at(2021, 3, 1, 19, 0));
    }

    void aFailedDownloadClearsTheLastSchedule() {
        m_web->site.serveSchedule(u"1234"_s, page().toUtf8());
        clsHtmlSchedule reader;
        QVERIFY(reader.GetSchedule(1234, QString(), nullptr));
        QVERIFY(!reader.GetSchedule(1235, QString(), nullptr)); // a 404 text without tags
        QVERIFY(!reader.Unpublished());
        QCOMPARE(reader.Schedule(), ScheduleData());
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_clsHtmlSchedule)
#include "tst_clsHtmlSchedule.moc"
