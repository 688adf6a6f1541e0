#include "support/WebTestFixture.h"
#include "web/clsHtmlResult.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

DateTime at(int y, int mo, int d) {
    return DateTime::fromDate(QDate(y, mo, d));
}

QString page() {
    return OfficialSite::testPage(u"result_1234.html"_s);
}

QString withGroups() {
    const QString p = page();
    const qsizetype start = p.indexOf(u"<section id=\"minibig\">"_s);
    const qsizetype end = p.indexOf(u"</section>"_s, start) + 10;
    QString a = p.mid(start, end - start);
    a.replace(u"miniBIG くじ結果"_s, u"miniBIG-A組 くじ結果"_s);
    QString b = a;
    b.replace(u"miniBIG-A組"_s, u"miniBIG-B組"_s);
    b.replace(u"12,345,678円"_s, u"22,222,222円"_s);
    return p.left(start) + a + b + p.mid(end);
}

} // namespace

class tst_clsHtmlResult : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web)); }
    void cleanup() { m_web.reset(); }

    void readsTheMiniBigSectionAfterOtherProducts() {
        m_web->site.serveResult(u"0045"_s,
                                QString(page()).replace(u"第1234回"_s, u"第45回"_s).toUtf8());
        clsHtmlResult reader;
        QVERIFY(reader.GetResult(45, QString(), nullptr));
        QVERIFY(m_web->platform.messages.isEmpty());
        QCOMPARE(m_web->site.requestedTargets().value(0),
                 u"/dcs/subos/screen/pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form"
                 u"?holdCntId=0045"_s);
        QCOMPARE(m_web->window.lastLog.value(0), u" 第45回 結果情報取得中 (オフィシャル)"_s);

        const ResultData r = reader.Result();
        QCOMPARE(r.Kaisaikai, 45);
        QCOMPARE(r.Kumi, QString());
        QCOMPARE(r.Prize[0].toString(), u"12345678"_s);
        QCOMPARE(r.Winners[0].toString(), u"12"_s);
        QCOMPARE(r.Prize[1].toString(), u"123456"_s);
        QCOMPARE(r.Winners[1].toString(), u"345"_s);
        QCOMPARE(r.Prize[2].toString(), u"1234.5"_s);
        QCOMPARE(r.Winners[2].toString(), u"6789"_s);
        QCOMPARE(r.CarryOver[2].toString(), u"100"_s);
        QCOMPARE(r.Sales.toString(), u"123456700"_s);
        QCOMPARE(r.Votes.toString(), u"617283"_s);
        QCOMPARE(r.Tickets.toString(), u"234567"_s);
        QCOMPARE(r.SaleStart, at(2021, 3, 1));
        QCOMPARE(r.SaleEnd, at(2021, 3, 6));
        QCOMPARE(r.ResultDate, at(2021, 3, 8));
        QCOMPARE(r.PayoutStart, at(2021, 3, 9));
        QCOMPARE(r.PayoutDeadline, at(2022, 3, 9));

        QCOMPARE(r.Matches[0].Home, u"鹿島"_s);
        QCOMPARE(r.Matches[0].Away, u"清水"_s);
        QCOMPARE(r.Matches[0].HomeScore, quint8(2));
        QCOMPARE(r.Matches[0].AwayScore, quint8(1));
        QCOMPARE(r.Matches[0].Mark, quint8(1));
        QCOMPARE(r.Matches[2].Mark, quint8(2));
        // A cancelled match has no score and mark 3, whatever its mark line says.
        QCOMPARE(r.Matches[6].HomeScore, quint8(0));
        QCOMPARE(r.Matches[6].AwayScore, quint8(0));
        QCOMPARE(r.Matches[6].Mark, quint8(3));
        QCOMPARE(r.Matches[8].Home, u"仙台"_s);
        QVERIFY(!r.Cancelled);
    }

    void aGroupReadsOnlyItsSection() {
        m_web->site.serveResult(u"1234"_s, withGroups().toUtf8());
        clsHtmlResult reader;
        QVERIFY(reader.GetResult(1234, u"B"_s, nullptr));
        QCOMPARE(reader.Result().Kumi, u"B"_s);
        QCOMPARE(reader.Result().Prize[0].toString(), u"22222222"_s);
        QVERIFY(reader.GetResult(1234, u"A"_s, nullptr));
        QCOMPARE(reader.Result().Prize[0].toString(), u"12345678"_s);
        QVERIFY(!reader.GetResult(1234, QString(), nullptr));
        QVERIFY(reader.Unpublished());
    }

    void aCancelledDrawHasNoPrizeTable() {
        QString cancelled = page();
        const qsizetype start = cancelled.indexOf(u"<table class=\"prize\">"_s,
                                                  cancelled.indexOf(u"miniBIG くじ結果"_s));
        const qsizetype end = cancelled.indexOf(u"<table class=\"games\">"_s);
        cancelled.replace(start, end - start, u"<p> くじは中止になりました。 </p>"_s);
        const QStringList scores = {u"2-1"_s, u"0-0"_s, u"1-3"_s, u"4-0"_s,
                                    u"1-1"_s, u"0-2"_s, u"2-2"_s, u"3-2"_s};
        for (const QString& score : scores)
            cancelled.replace(u"<td>"_s + score + u"</td>"_s, u"<td>中止</td>"_s);
        m_web->site.serveResult(u"1234"_s, cancelled.toUtf8());
        clsHtmlResult reader;
        QVERIFY(reader.GetResult(1234, QString(), nullptr));
        QVERIFY(reader.Result().Cancelled);
        QCOMPARE(reader.Result().Prize[0], Money());
        QCOMPARE(reader.Result().Matches[8].Mark, quint8(3));

        // Without the page's words, nine 中止 score lines make a cancelled draw; eight do not.
        QString unsaid = page();
        for (const QString& score : scores)
            unsaid.replace(u"<td>"_s + score + u"</td>"_s, u"<td>中止</td>"_s);
        m_web->site.serveResult(u"1234"_s, unsaid.toUtf8());
        QVERIFY(reader.GetResult(1234, QString(), nullptr));
        QVERIFY(reader.Result().Cancelled);
        unsaid.replace(u"<td>仙台</td><td>中止</td>"_s, u"<td>仙台</td><td>1-0</td>"_s);
        m_web->site.serveResult(u"1234"_s, unsaid.toUtf8());
        QVERIFY(reader.GetResult(1234, QString(), nullptr));
        QVERIFY(!reader.Result().Cancelled);
        QCOMPARE(reader.Result().Matches[8].Mark, quint8(1));
    }

    // Pages that end early or lack a label keep what they gave.
    void missingPartsKeepWhatWasRead() {
        QString noDeadline = page();
        noDeadline.replace(u"<th>払戻期限</th>"_s, u"<th>払戻の期限</th>"_s);
        m_web->site.serveResult(u"1234"_s, noDeadline.toUtf8());
        clsHtmlResult reader;
        QVERIFY(reader.GetResult(1234, QString(), nullptr));
        QCOMPARE(reader.Result().Tickets.toString(), u"234567"_s);
        QCOMPARE(reader.Result().ResultDate, at(2021, 3, 8));
        QCOMPARE(reader.Result().PayoutStart, DateTime());
        QCOMPARE(reader.Result().Matches[0].Home, QString());

        QString fewerRows = page();
        fewerRows.truncate(fewerRows.indexOf(u"<tr><td>5</td>"_s));
        m_web->site.serveResult(u"1234"_s, fewerRows.toUtf8());
        QVERIFY(reader.GetResult(1234, QString(), nullptr));
        QCOMPARE(reader.Result().Matches[3].Home, u"横浜FM"_s);
        QCOMPARE(reader.Result().Matches[4].Home, QString());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void unpublished_data() {
        QTest::addColumn<QString>("body");
        QTest::newRow("notice")
            << u"<body><p>ご指定のくじ結果は表示できません。</p><p>第1234回miniBIGくじ結果<p>"_s;
        QTest::newRow("no mini BIG section")
            << QString(page()).replace(u"miniBIG くじ結果"_s, u"miniBIG 販売中"_s);
    }
    void unpublished() {
        QFETCH(QString, body);
        m_web->site.serveResult(u"1234"_s, body.toUtf8());
        clsHtmlResult reader;
        QVERIFY(!reader.GetResult(1234, QString(), nullptr));
        QVERIFY(reader.Unpublished());
        QCOMPARE(reader.Result(), ResultData());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    // A value that does not convert is a run-time error, reported with a line that names the
    // field and its line of the page source; the page is refused.
    void badRowsAreReportedRuntimeErrors_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reporter");
        const QString reader = u"clsHtmlResult / GetResult"_s;
        QTest::newRow("score not a number")
            << u"<td>2-1</td>"_s << u"<td>2-x</td>"_s << 13 << u"第1試合のスコア"_s << reader;
        QTest::newRow("score without dash")
            << u"<td>2-1</td>"_s << u"<td>21</td>"_s << 9 << u"第1試合のスコア"_s << reader;
        QTest::newRow("score above 255")
            << u"<td>2-1</td>"_s << u"<td>256-1</td>"_s << 6 << u"第1試合のスコア"_s << reader;
        // A mark other than 0, 1 or 2 refuses the page; the download's message names the match.
        QTest::newRow("mark not a number")
            << u"<td>清水</td><td>1</td>"_s << u"<td>清水</td><td>○</td>"_s << 0 << QString()
            << QString();
        QTest::newRow("match number 10")
            << u"<td>9</td><td>仙台</td>"_s << u"<td>10</td><td>仙台</td>"_s << 9 << u"第10試合"_s
            << reader;
        QTest::newRow("prize beyond any amount")
            << u"<td>12,345,678円</td>"_s << u"<td>99,999,999,999,999,999,999円</td>"_s << 6
            << u"1等の当せん金"_s << u"clsHtmlToto / StringToCurrency"_s;
        // A page that ends early is a failed download, not a fault to report (number 0).
        QTest::newRow("page ends inside a row")
            << u"<td>3-2</td>"_s << u"</table></body>"_s << 0 << QString() << QString();
        QTest::newRow("page ends after the totals label")
            << u"<tr><td>123,456,700円</td>"_s << u"</table></body>"_s << 0 << QString()
            << QString();
    }
    void badRowsAreReportedRuntimeErrors() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, number);
        QFETCH(QString, field);
        QFETCH(QString, reporter);
        QString broken = page();
        QVERIFY(broken.contains(from));
        if (to.endsWith(u"</body>"_s))
            broken = broken.left(broken.indexOf(from)) + to;
        else
            broken.replace(from, to);
        m_web->site.serveResult(u"1234"_s, broken.toUtf8());
        clsHtmlResult reader;
        QVERIFY(!reader.GetResult(1234, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
        QCOMPARE(reader.Result(), ResultData());
        if (number == 0) {
            QVERIFY(m_web->platform.messages.isEmpty());
            return;
        }
        QCOMPARE(m_web->platform.messages.size(), 1);
        const int line = int(broken.left(broken.indexOf(to)).count(u'\n')) + 1;
        const QStringList text = m_web->platform.messages[0].text.split(u"\r\n"_s);
        QCOMPARE(text.size(), 2);
        QVERIFY(text[0].endsWith(u"( "_s + QString::number(number) + u" )"_s));
        QCOMPARE(text[1], u"「%1」が読めません（%2 行目）"_s.arg(field).arg(line));
        QCOMPARE(m_web->platform.messages[0].title, u"Kelvor mini / "_s + reporter);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Error);
    }

    void nothingDownloaded() {
        clsHtmlResult reader;
        QVERIFY(!reader.GetResult(1234, QString(), nullptr));
        QVERIFY(!reader.Unpublished());
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_clsHtmlResult)
#include "tst_clsHtmlResult.moc"
