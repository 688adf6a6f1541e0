#include "DrawDocumentSamples.h"
#include "base/RuntimeError.h"
#include "drawdata/clsTGameType.h"
#include "drawdata/clsToto.h"
#include "drawdata/clsTotoData.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

// Lookups over small tables written into the test's program folder.
class tst_clsTotoData : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    void writeTable(const QString& name, const QString& lines) {
        QVERIFY(writeText(platform->path(u"SysData/"_s + name), lines));
    }
    static QString missing(const QString& name) {
        return u"チーム名："_s + name +
               u" が見つかりません。\r\n"
               u"最新のチーム名データをダウンロードするかチーム名を追加して下さい。"_s;
    }

private Q_SLOTS:
    void init() {
        platform = std::make_unique<FakePlatform>();
        clsTotoData::SetLastMissingTeamName(QString());
        writeTable(u"TeamName.dat"_s, u";main\r\n札幌 = 北海道コンサドーレ札幌\r\n"
                                      u"札幌 = コンサドーレ札幌\r\n"
                                      u"横浜FM = 横浜Ｆ・マリノス\r\n"
                                      u"FC東京 = ＦＣ東京\r\n"_s);
        writeTable(u"TeamName1.dat"_s,
                   u"東京Ｖ = 東京ヴェルディ1969\r\n共通 = 両方にある名前\r\n"_s);
        writeTable(u"TeamName2.dat"_s, u"Version = 2\r\nRevision = 13\r\nﾊﾞﾙｾﾛﾅ = バルセロナ\r\n"
                                       u"共通2 = 両方にある名前\r\n[End]\r\n"_s);
        writeTable(u"J1J2.dat"_s, u"2021J1 = 札幌,FC東京,横浜FM\r\n2021J2 = 東京Ｖ,栃木Ｃ\r\n"
                                  u"2021J3 = 栃木,今治\r\n2020J2 = 東京Ｖ\r\n"
                                  u"2019J1 = 札幌仙台鹿島\r\n"_s);
    }
    void cleanup() { platform.reset(); }

    void shortName_data() {
        QTest::addColumn<QString>("longName");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("main table") << u"北海道コンサドーレ札幌"_s << 1 << u"札幌"_s;
        QTest::newRow("second long name") << u"コンサドーレ札幌"_s << 1200 << u"札幌"_s;
        QTest::newRow("letter case ignored") << u"ｆｃ東京"_s << 1200 << u"FC東京"_s;
        QTest::newRow("older names below 750") << u"東京ヴェルディ1969"_s << 749 << u"東京Ｖ"_s;
        QTest::newRow("overseas names from 750") << u"バルセロナ"_s << 750 << u"ﾊﾞﾙｾﾛﾅ"_s;
        QTest::newRow("749 takes the older table") << u"両方にある名前"_s << 749 << u"共通"_s;
        QTest::newRow("750 takes the overseas table") << u"両方にある名前"_s << 750 << u"共通2"_s;
        QTest::newRow("negative draw takes the older table")
            << u"東京ヴェルディ1969"_s << -1 << u"東京Ｖ"_s;
    }
    void shortName() {
        QFETCH(QString, longName);
        QFETCH(int, draw);
        QFETCH(QString, shortName);
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(longName, draw), shortName);
        QVERIFY(platform->messages.isEmpty());
    }

    void notFoundAcrossTheBoundary_data() {
        QTest::addColumn<QString>("longName");
        QTest::addColumn<int>("draw");
        QTest::newRow("overseas name before 750") << u"バルセロナ"_s << 749;
        QTest::newRow("older name from 750") << u"東京ヴェルディ1969"_s << 750;
        QTest::newRow("unknown") << u"未知のクラブ"_s << 1300;
    }
    void notFoundAcrossTheBoundary() {
        QFETCH(QString, longName);
        QFETCH(int, draw);
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(longName, draw), QString());
        QCOMPARE(platform->texts(), QStringList{missing(longName)});
        QCOMPARE(platform->messages[0].title, u"Kelvor mini"_s);
        QCOMPARE(platform->messages[0].icon, MessageIcon::Warning);
        QCOMPARE(clsTotoData::LastMissingTeamName(), longName);
        // Once per lookup.
        QCOMPARE(data.GetShortTeamName(longName, draw), QString());
        QCOMPARE(platform->messages.size(), 2);
    }

    void drawZeroIsUnknown() {
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(u"北海道コンサドーレ札幌"_s, 0), QString());
        QCOMPARE(platform->texts(), QStringList{u"開催回が不明です"_s});
        QCOMPARE(platform->messages[0].title, u"GetShortTeamName"_s);
        QVERIFY(clsTotoData::LastMissingTeamName().isEmpty());
    }

    // The user's file is asked last, in both halves of the draw range, and only when present;
    // without it no "Initialize Err" is reported.
    void userTable() {
        {
            clsTotoData data;
            QVERIFY(!data.ExistsLongTeamName(u"ユーザーＦＣ"_s));
            QVERIFY(platform->messages.isEmpty());
        }
        writeTable(u"TeamName3.dat"_s,
                   u";Vantrel TeamName User Data File (TeamName3.dat)\r\nﾕｰｻﾞｰ = ユーザーＦＣ\r\n"
                   u"札幌2 = 北海道コンサドーレ札幌\r\n"_s);
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(u"ユーザーＦＣ"_s, 100), u"ﾕｰｻﾞｰ"_s);
        QCOMPARE(data.GetShortTeamName(u"ユーザーＦＣ"_s, 1000), u"ﾕｰｻﾞｰ"_s);
        QCOMPARE(data.GetShortTeamName(u"北海道コンサドーレ札幌"_s, 1000), u"札幌"_s);
        QVERIFY(data.ExistsLongTeamName(u"ユーザーＦＣ"_s));
        QVERIFY(platform->messages.isEmpty());
    }

    void existsLongName_data() {
        QTest::addColumn<QString>("longName");
        QTest::addColumn<bool>("exists");
        QTest::newRow("main") << u"横浜Ｆ・マリノス"_s << true;
        QTest::newRow("overseas") << u"バルセロナ"_s << true;
        QTest::newRow("older names do not count") << u"東京ヴェルディ1969"_s << false;
        QTest::newRow("unknown") << u"未知"_s << false;
        QTest::newRow("a short name is not a long name") << u"札幌"_s << false;
    }
    void existsLongName() {
        QFETCH(QString, longName);
        QFETCH(bool, exists);
        QCOMPARE(clsTotoData().ExistsLongTeamName(longName), exists);
    }

    void longName() {
        clsTotoData data;
        QCOMPARE(data.GetLongTeamName(u"札幌"_s), u"北海道コンサドーレ札幌"_s);
        QCOMPARE(data.GetLongTeamName(u"fc東京"_s), u"ＦＣ東京"_s);
        QCOMPARE(data.GetLongTeamName(u"ﾊﾞﾙｾﾛﾅ"_s), QString());
    }

    void league_data() {
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("league");
        QTest::newRow("J1") << u"横浜FM"_s << 2021 << u"J1"_s;
        QTest::newRow("J2") << u"東京Ｖ"_s << 2021 << u"J2"_s;
        QTest::newRow("J3") << u"今治"_s << 2021 << u"J3"_s;
        QTest::newRow("other year") << u"東京Ｖ"_s << 2020 << u"J2"_s;
        QTest::newRow("year not listed") << u"札幌"_s << 2020 << QString();
        QTest::newRow("in no league") << u"鹿島"_s << 2021 << QString();
        QTest::newRow("case-sensitive") << u"fc東京"_s << 2021 << QString();
        QTest::newRow("a name inside another club's name") << u"栃木"_s << 2021 << u"J3"_s;
        QTest::newRow("list without separators") << u"仙台"_s << 2019 << u"J1"_s;
        QTest::newRow("empty name") << QString() << 2021 << QString();
    }
    void league() {
        QFETCH(QString, shortName);
        QFETCH(int, year);
        QFETCH(QString, league);
        QCOMPARE(clsTotoData().GetShortToJ1J2String(shortName, year), league);
    }

    void overseasVersion() {
        QCOMPARE(clsTotoData().GetTeamName2Version(), u"2.13"_s);
        writeTable(u"TeamName2.dat"_s, u"Version=1\r\nRevision=5\r\n[End]\r\n"_s);
        QCOMPARE(clsTotoData().GetTeamName2Version(), u"1.5"_s);
    }

    void missingTablesAreReported() {
        QVERIFY(QFile::remove(platform->path(u"SysData/TeamName1.dat"_s)));
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(u"未知"_s, 10), QString());
        QCOMPARE(platform->messages.first().text, u"Initialize Err"_s);
        QCOMPARE(platform->messages.last().text, missing(u"未知"_s));
    }

    void gradesAndGameTypes() {
        QCOMPARE(clsToto().GetMaxGrade(ResultData()), 3);
        const clsTGameType types;
        QCOMPARE(clsTGameType::Count, 4);
        QCOMPARE(types.Text(1), u"J1"_s);
        QCOMPARE(types.Text(4), u"天皇杯"_s);
        QCOMPARE(types.GetNo(u"ナビスコカップ"_s), 3);
        QCOMPARE(types.GetNo(u"j2"_s), 2);
        QCOMPARE(types.GetNo(u"J3"_s), 0);
        QVERIFY(types.Exists(u"天皇杯"_s));
        QVERIFY(!types.Exists(QString()));
        for (const int index : {0, 5}) {
            try {
                types.Text(index);
                QFAIL("no error");
            } catch (const RuntimeError& e) {
                QCOMPARE(e.number(), int(RuntimeError::SubscriptOutOfRange));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_clsTotoData)
#include "tst_clsTotoData.moc"
