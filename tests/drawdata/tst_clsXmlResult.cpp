#include "DrawDocumentSamples.h"
#include "drawdata/clsXmlResult.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

class tst_clsXmlResult : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    static QString document(const QString& body) {
        return u"<miniBIG>\r\n<結果>\r\n"_s + body + u"</結果>\r\n</miniBIG>\r\n"_s;
    }

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void fileName() {
        QCOMPARE(clsXmlResult().GetFileName(999, u"B"_s),
                 platform->path(u"SysData/miniBIG_Result/minibig_result_999_B.xml"_s));
    }

    void writesExactText() {
        ResultData r = result();
        r.Kumi = u"B"_s;
        r.Matches[0].Stadium = u"never written"_s;
        clsXmlResult doc;
        doc.SetData(r);
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(doc.XmlSave(path));
        const QString text = ShiftJis::decode(readBytes(path));
        QVERIFY(text.startsWith(
            u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
            u"<?xml-stylesheet type=\"text/xsl\" href=\"minibig_result.xsl\"?>\r\n"
            u"<miniBIG>\r\n<結果>\r\n<開催回>1234</開催回>\r\n<組>B</組>\r\n"
            u"<指定試合>\r\n<番号>1</番号>\r\n<くじ結果>1</くじ結果>\r\n<ホーム>鹿島1</ホーム>\r\n"
            u"<アウェイ>浦和1</アウェイ>\r\n<ホーム得点>1</ホーム得点>\r\n"
            u"<アウェイ得点>8</アウェイ得点>\r\n</指定試合>\r\n"_s));
        QVERIFY(
            text.contains(u"<番号>7</番号>\r\n<くじ結果>3</くじ結果>\r\n<ホーム>鹿島7</ホーム>\r\n"
                          u"<アウェイ>浦和7</アウェイ>\r\n<ホーム得点>0</ホーム得点>\r\n"
                          u"<アウェイ得点>0</アウェイ得点>\r\n"_s));
        QVERIFY(text.endsWith(
            u"</指定試合>\r\n"
            u"<当せん金>\r\n<一等>123456.789</一等>\r\n<二等>123456.7891</二等>\r\n"
            u"<三等>123456.7892</三等>\r\n</当せん金>\r\n"
            u"<当せん口数>\r\n<一等>11</一等>\r\n<二等>22</二等>\r\n<三等>33</三等>\r\n"
            u"</当せん口数>\r\n"
            u"<次回への繰越金>\r\n<一等>123456789</一等>\r\n<二等>0</二等>\r\n<三等>0</三等>\r\n"
            u"</次回への繰越金>\r\n"
            u"<販売開始日>2021/02/26 10:00:00</販売開始日>\r\n"
            u"<販売終了日>2021/03/06 13:50:00</販売終了日>\r\n"
            u"<結果発表日>2021/03/08</結果発表日>\r\n<払戻開始日>2021/03/09</払戻開始日>\r\n"
            u"<払戻期限>2022/03/08</払戻期限>\r\n<売上金額>987654300</売上金額>\r\n"
            u"<投票口数>4938271</投票口数>\r\n<投票枚数>1234567</投票枚数>\r\n"
            u"</結果>\r\n</miniBIG>\r\n"_s));
        QVERIFY(!text.contains(u"never written"_s));
    }

    void roundTrips() {
        ResultData r = result();
        r.Kumi = u"A"_s;
        clsXmlResult writer;
        writer.SetData(r);
        const QString path = writer.GetFileName(r.Kaisaikai, r.Kumi);
        QVERIFY(writer.XmlSave(path));
        clsXmlResult reader;
        QVERIFY(reader.XmlLoad(path));
        r.Kumi.clear();
        QCOMPARE(reader.Data(), r);
        QVERIFY(platform->messages.isEmpty());
    }

    void cancelledDraw() {
        ResultData r = result();
        r.Cancelled = true;
        clsXmlResult doc;
        doc.SetData(r);
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(doc.XmlSave(path));
        const QString text = ShiftJis::decode(readBytes(path));
        QVERIFY(text.endsWith(u"</指定試合>\r\n<開催状態>中止</開催状態>\r\n"
                              u"<返還確定日>2021/03/08</返還確定日>\r\n"
                              u"<返還開始日>2021/03/09</返還開始日>\r\n"
                              u"<返還期限>2022/03/08</返還期限>\r\n</結果>\r\n</miniBIG>\r\n"_s));
        QVERIFY(!text.contains(u"当せん"_s));
        // The refund dates come back; what a cancelled draw never writes does not.
        QVERIFY(doc.XmlLoad(path));
        ResultData expected;
        expected.Kaisaikai = r.Kaisaikai;
        expected.Matches = r.Matches;
        expected.ResultDate = r.ResultDate;
        expected.PayoutStart = r.PayoutStart;
        expected.PayoutDeadline = r.PayoutDeadline;
        expected.Cancelled = true;
        QCOMPARE(doc.Data(), expected);
        const QString again = platform->path(u"again.xml"_s);
        QVERIFY(doc.XmlSave(again));
        QCOMPARE(readBytes(again), readBytes(path));
    }

    void readsFieldsItNeverWrites() {
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(
            writeText(path, document(u"<指定試合><番号>2</番号><試合開催日>2021/03/06</試合開催日>"
                                     u"<競技場>国立</競技場></指定試合>\r\n"
                                     u"<当せん金><一等>100</一等><四等>5</四等></当せん金>\r\n"
                                     u"<開催状態>通常</開催状態>\r\n"_s)));
        clsXmlResult doc;
        QVERIFY(doc.XmlLoad(path));
        QCOMPARE(doc.Data().Matches[1].MatchDate, day(2021, 3, 6));
        QCOMPARE(doc.Data().Matches[1].Stadium, u"国立"_s);
        QCOMPARE(doc.Data().Prize[0], Money::fromYen(100));
        QVERIFY(!doc.Data().Cancelled);
    }

    void otherSecondLevelGivesEmptyRecord() {
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(writeText(path, u"<miniBIG>\r\n<開催>\r\n<開催回>5</開催回>\r\n</開催>\r\n"
                                u"</miniBIG>\r\n"_s));
        clsXmlResult doc;
        doc.SetData(result());
        QVERIFY(doc.XmlLoad(path));
        QCOMPARE(doc.Data(), ResultData());
    }

    void badValuesKeepRecord_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("message");
        const QString overflow = u"オーバーフローしました。 ( 6 )"_s;
        QTest::newRow("mark 256")
            << u"<指定試合><番号>1</番号><くじ結果>256</くじ結果></指定試合>"_s << overflow;
        QTest::newRow("negative score")
            << u"<指定試合><番号>1</番号><ホーム得点>-1</ホーム得点></指定試合>"_s << overflow;
        QTest::newRow("score 300")
            << u"<指定試合><番号>9</番号><アウェイ得点>300</アウェイ得点></指定試合>"_s << overflow;
        QTest::newRow("prize not money")
            << u"<当せん金><一等>多数</一等></当せん金>"_s << u"型が一致しません。 ( 13 )"_s;
        QTest::newRow("match 10") << u"<指定試合><番号>10</番号><くじ結果>1</くじ結果></指定試合>"_s
                                  << u"インデックスが有効範囲にありません。 ( 9 )"_s;
    }
    void badValuesKeepRecord() {
        QFETCH(QString, body);
        QFETCH(QString, message);
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(writeText(path, document(body + u"\r\n"_s)));
        clsXmlResult doc;
        doc.SetData(result());
        QVERIFY(!doc.XmlLoad(path));
        QCOMPARE(platform->firstLines(), QStringList{message});
        QVERIFY(platform->messages[0].title.endsWith(u"clsXmlResult / XmlLoad"_s));
        QCOMPARE(doc.Data(), result());
    }

    // Foreign names that Shift_JIS cannot hold are stored in their nearest form, told once.
    void namesOutsideShiftJisAreStoredFitted() {
        ResultData r = result();
        r.Matches[0].Home = u"ﬁorentina"_s;
        r.Matches[0].Away = u"Malmö ⚽"_s;
        r.Matches[1].Home = u"ﬁorentina"_s;
        r.Matches[1].Away = u"①㈱"_s;
        clsXmlResult doc;
        doc.SetData(r);
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(doc.XmlSave(path));
        QCOMPARE(platform->texts(),
                 QStringList{u"Shift_JIS で保存できない文字を含む名前を、次のように置き換えて"
                             u"保存しました。\r\nﬁorentina → fiorentina\r\nMalmö ⚽ → Malm？ ？"_s});
        clsXmlResult stored;
        QVERIFY(stored.XmlLoad(path));
        QCOMPARE(stored.Data().Matches[0].Home, u"fiorentina"_s);
        QCOMPARE(stored.Data().Matches[0].Away, u"Malm？ ？"_s);
        QCOMPARE(stored.Data().Matches[1].Away, u"①㈱"_s);
    }

    void refusesUnstorableTeamName() {
        ResultData r = result();
        r.Matches[0].Home = u"鹿島\r\n"_s;
        clsXmlResult doc;
        doc.SetData(r);
        const QString path = platform->path(u"r.xml"_s);
        QVERIFY(!doc.XmlSave(path));
        QCOMPARE(platform->texts(), QStringList{path + u"\r\nファイルの保存に失敗しました。"_s});
        QCOMPARE(platform->messages[0].title, u"Kelvor mini / clsXmlResult / XmlSave"_s);
    }
};

QTEST_GUILESS_MAIN(tst_clsXmlResult)
#include "tst_clsXmlResult.moc"
