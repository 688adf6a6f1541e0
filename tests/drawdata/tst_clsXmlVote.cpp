#include "DrawDocumentSamples.h"
#include "drawdata/clsXmlVote.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

class tst_clsXmlVote : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void fileName() {
        QCOMPARE(clsXmlVote().GetFileName(45, QString()),
                 platform->path(u"SysData/miniBIG_Vote/minibig_vote_045.xml"_s));
        QCOMPARE(clsXmlVote().GetFileName(1234, u"A"_s),
                 platform->path(u"SysData/miniBIG_Vote/minibig_vote_1234_A.xml"_s));
    }

    void writesExactText() {
        VoteData v;
        v.Kaisaikai = 45;
        v.Kumi = u"A"_s;
        v.AsOf = at(2021, 1, 9, 13, 50);
        v.Matches[0].Home = u"Ｇ大阪"_s;
        v.Matches[0].Away = u"東京Ｖ"_s;
        v.Matches[0].MatchDate = day(2021, 1, 9);
        v.Matches[0].StartTime = clock(14, 0);
        v.Matches[0].Outcomes[0] = {Money::fromYen(1234), Money::parse(u"24.25"_s)};
        v.Matches[0].Outcomes[1] = {Money::fromYen(2345678), Money::parse(u"45.5"_s)};
        v.Matches[0].Outcomes[2] = {Money::parse(u"0.5"_s), Money::parse(u"30.25"_s)};
        v.SalesTotal = Money::fromYen(5); // never written
        clsXmlVote doc;
        doc.SetData(v);
        const QString body =
            u"<投票状況>\r\n<開催回>45</開催回>\r\n<組>A</組>\r\n"
            u"<販売終了時点>2021/01/09 13:50:00</販売終了時点>\r\n"
            u"<指定試合>\r\n<番号>1</番号>\r\n<試合開催日>2021/01/09</試合開催日>\r\n"
            u"<試合開始予定時間>14:00:00</試合開始予定時間>\r\n<ホーム>Ｇ大阪</ホーム>\r\n"
            u"<アウェイ>東京Ｖ</アウェイ>\r\n"
            u"<その他>\r\n<投票口数>1234</投票口数>\r\n<投票率>24.25</投票率>\r\n</その他>\r\n"
            u"<ホーム勝ち>\r\n<投票口数>2345678</投票口数>\r\n<投票率>45.5</投票率>\r\n"
            u"</ホーム勝ち>\r\n"
            u"<ホーム負け>\r\n<投票口数>0.5</投票口数>\r\n<投票率>30.25</投票率>\r\n"
            u"</ホーム負け>\r\n</指定試合>\r\n"_s;
        const QString text = doc.GetXmlString(false);
        QVERIFY(text.startsWith(body));
        QVERIFY(text.endsWith(u"</指定試合>\r\n</投票状況>\r\n"_s));
        QCOMPARE(text.count(u"<指定試合>"_s), 9);
        QVERIFY(text.contains(u"<番号>9</番号>\r\n<試合開催日>0:00:00</試合開催日>\r\n"_s));
        QCOMPARE(doc.GetXmlString(true),
                 u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                 u"<?xml-stylesheet type=\"text/xsl\" href=\"minibig_vote.xsl\"?>\r\n"
                 u"<miniBIG>\r\n"_s +
                     text + u"</miniBIG>\r\n"_s);

        const QString path = doc.GetFileName(45, u"A"_s);
        QVERIFY(doc.XmlSave(path));
        QCOMPARE(readBytes(path), ShiftJis::encode(doc.GetXmlString(true)));
    }

    // The group is known from the file name and is not read back; everything else is.
    void roundTrips() {
        VoteData v = vote();
        v.Kumi = u"A"_s;
        clsXmlVote writer;
        writer.SetData(v);
        const QString path = writer.GetFileName(v.Kaisaikai, v.Kumi);
        QVERIFY(writer.XmlSave(path));
        clsXmlVote reader;
        QVERIFY(reader.XmlLoad(path));
        v.Kumi.clear();
        QCOMPARE(reader.Data(), v);

        clsXmlVote fromText;
        QVERIFY(fromText.SetXmlString(writer.GetXmlString(false), false));
        QCOMPARE(fromText.Data(), v);
        QVERIFY(platform->messages.isEmpty());
    }

    void readsTotalsAndDatesItNeverWrites() {
        const QString text =
            u"<投票状況>\r\n<開催回>7</開催回>\r\n"
            u"<売上金額><合計>300</合計><マルチ>200</マルチ><シングル>100.5</シングル></"
            u"売上金額>\r\n"
            u"<投票口数><合計>3</合計><マルチ>2</マルチ><シングル>1</シングル></投票口数>\r\n"
            u"<投票枚数><合計>30</合計><マルチ>20</マルチ><シングル>10</シングル></投票枚数>\r\n"
            u"<販売開始日>2021/01/02</販売開始日><販売終了日>2021/01/09 13:50:00</販売終了日>\r\n"
            u"<結果速報発表日>2021/01/11</結果速報発表日><払戻開始日>2021/01/12</払戻開始日>\r\n"
            u"<払戻期限>2022/01/11</払戻期限>\r\n</投票状況>\r\n"_s;
        clsXmlVote doc;
        QVERIFY(doc.SetXmlString(text, false));
        const VoteData v = doc.Data();
        QCOMPARE(v.SalesTotal, Money::fromYen(300));
        QCOMPARE(v.SalesSingle, Money::parse(u"100.5"_s));
        QCOMPARE(v.VotesMulti, Money::fromYen(2));
        QCOMPARE(v.TicketsTotal, Money::fromYen(30));
        QCOMPARE(v.SaleEnd, at(2021, 1, 9, 13, 50));
        QCOMPARE(v.ResultDate, day(2021, 1, 11));
        QCOMPARE(v.PayoutDeadline, day(2022, 1, 11));
        QVERIFY(!doc.GetXmlString(true).contains(u"売上金額"_s));
        QVERIFY(!doc.GetXmlString(true).contains(u"払戻"_s));
    }

    void badTextKeepsRecord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("match number 10")
            << u"<投票状況><指定試合><番号>10</番号><ホーム>札幌</ホーム></指定試合></投票状況>"_s
            << u"インデックスが有効範囲にありません。 ( 9 )"_s;
        QTest::newRow("rate not money")
            << u"<投票状況><指定試合><番号>1</番号><その他><投票率>4%</投票率></その他>"
               u"</指定試合></投票状況>"_s
            << u"型が一致しません。 ( 13 )"_s;
        QTest::newRow("mismatched outcome")
            << u"<投票状況><指定試合><番号>1</番号><その他><投票率>4</投票率></ホーム勝ち>"
               u"</指定試合></投票状況>"_s
            << u"XMLデータが異常です。"_s;
        QTest::newRow("cut short")
            << u"<投票状況><開催回>5</開催回>"_s << u"XMLデータが異常です。"_s;
    }
    void badTextKeepsRecord() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        clsXmlVote doc;
        doc.SetData(vote());
        QVERIFY(!doc.SetXmlString(text, false));
        QCOMPARE(platform->firstLines(), QStringList{message});
        QVERIFY(platform->messages[0].title.endsWith(u"clsXmlVote / XmlLoad"_s));
        QCOMPARE(doc.Data(), vote());
    }

    void refusesUnstorableTeamName() {
        VoteData v = vote();
        v.Matches[3].Away = u"<b>浦和</b>"_s;
        clsXmlVote doc;
        doc.SetData(v);
        const QString path = doc.GetFileName(v.Kaisaikai, QString());
        QVERIFY(!doc.XmlSave(path));
        QCOMPARE(platform->texts(), QStringList{path + u"\r\nファイルの保存に失敗しました。"_s});
        QVERIFY(!QFile::exists(path));
    }

    void missingFileIsSilent() {
        clsXmlVote doc;
        QVERIFY(!doc.XmlLoad(QString()));
        QVERIFY(!doc.XmlLoad(doc.GetFileName(1, QString())));
        QVERIFY(platform->messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_clsXmlVote)
#include "tst_clsXmlVote.moc"
