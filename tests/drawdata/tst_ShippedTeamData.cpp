#include "base/ShiftJis.h"
#include "base/clsIniFile.h"
#include "drawdata/UserTeamNames.h"
#include "drawdata/clsTotoData.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The team-name and league files shipped in SysData, read as the program reads them.
class tst_ShippedTeamData : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    static QStringList shippedFiles() {
        return {u"TeamName.dat"_s, u"TeamName1.dat"_s, u"TeamName2.dat"_s, u"J1J2.dat"_s};
    }
    QStringList clubsOf(int year, int league) const {
        clsIniFile j1j2;
        j1j2.Initialize(u"SysData/J1J2.dat"_s);
        return j1j2.GetItem(QString::number(year) + u'J' + QString::number(league), QString())
            .split(u',', Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void init() {
        platform = std::make_unique<FakePlatform>();
        QVERIFY(QDir().mkpath(platform->path(u"SysData"_s)));
        for (const QString& name : shippedFiles())
            QVERIFY(QFile::copy(QStringLiteral(KELVOR_SHIPPED_DATA) + u'/' + name,
                                platform->path(u"SysData/"_s + name)));
    }
    void cleanup() { platform.reset(); }

    // Shift_JIS text with CR LF line ends only, as the program writes its own files.
    void filesAreShiftJisWithCrLf() {
        for (const QString& name : shippedFiles()) {
            QFile file(platform->path(u"SysData/"_s + name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(name));
            QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
            QCOMPARE(ShiftJis::encode(ShiftJis::decode(bytes)), bytes);
            QVERIFY(!ShiftJis::decode(bytes).contains(QChar::ReplacementCharacter));
        }
    }

    void loadsWithoutReport() {
        clsTotoData data;
        QCOMPARE(data.GetTeamName2Version(), u"1.0"_s);
        QVERIFY(platform->messages.isEmpty());
        QFile file(platform->path(u"SysData/TeamName2.dat"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[End]"));
    }

    // The short names as the official vote page prints them: the vote reader pairs matches by
    // comparing these texts.
    void votePageShortNames_data() {
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("longName");
        const QList<std::pair<QString, QString>> clubs = {
            {u"福岡"_s, u"アビスパ福岡"_s},
            {u"神戸"_s, u"ヴィッセル神戸"_s},
            {u"鹿島"_s, u"鹿島アントラーズ"_s},
            {u"FC東京"_s, u"ＦＣ東京"_s},
            {u"京都"_s, u"京都サンガＦ．Ｃ．"_s},
            {u"長崎"_s, u"Ｖ・ファーレン長崎"_s},
            {u"岡山"_s, u"ファジアーノ岡山"_s},
            {u"Ｃ大阪"_s, u"セレッソ大阪"_s},
            {u"東京Ｖ"_s, u"東京ヴェルディ"_s},
            {u"横浜FM"_s, u"横浜Ｆ・マリノス"_s},
            {u"広島"_s, u"サンフレッチェ広島"_s},
            {u"名古屋"_s, u"名古屋グランパス"_s},
            {u"柏"_s, u"柏レイソル"_s},
            {u"千葉"_s, u"ジェフユナイテッド千葉"_s},
            {u"水戸"_s, u"水戸ホーリーホック"_s},
            {u"川崎Ｆ"_s, u"川崎フロンターレ"_s},
            {u"清水"_s, u"清水エスパルス"_s},
            {u"Ｇ大阪"_s, u"ガンバ大阪"_s},
            {u"札幌"_s, u"北海道コンサドーレ札幌"_s},
            {u"磐田"_s, u"ジュビロ磐田"_s},
            {u"仙台"_s, u"ベガルタ仙台"_s},
            {u"横浜FC"_s, u"横浜ＦＣ"_s},
            {u"徳島"_s, u"徳島ヴォルティス"_s},
            {u"今治"_s, u"ＦＣ今治"_s},
            {u"藤枝"_s, u"藤枝ＭＹＦＣ"_s},
            {u"いわき"_s, u"いわきＦＣ"_s},
        };
        for (const auto& [shortName, longName] : clubs)
            QTest::newRow(qPrintable(shortName)) << shortName << longName;
    }
    void votePageShortNames() {
        QFETCH(QString, shortName);
        QFETCH(QString, longName);
        clsTotoData data;
        QCOMPARE(data.GetLongTeamName(shortName), longName);
        QCOMPARE(data.GetShortTeamName(longName, 1500), shortName);
        QVERIFY(platform->messages.isEmpty());
    }

    // Every club of the current season: its long names resolve to its short name on both sides
    // of draw 750, and it belongs to exactly the league it is listed in.
    void everyCurrentClubResolves() {
        clsTotoData data;
        for (int league = 1; league <= 3; ++league) {
            const QStringList clubs = clubsOf(2026, league);
            QVERIFY(clubs.size() >= 18);
            for (const QString& club : clubs) {
                const QString longName = data.GetLongTeamName(club);
                QVERIFY2(!longName.isEmpty(), qPrintable(club));
                QCOMPARE(data.GetShortTeamName(longName, 1500), club);
                QCOMPARE(data.GetShortTeamName(longName, 700), club);
                QCOMPARE(data.GetShortTeamName(longName.toUpper(), 1500), club);
                QCOMPARE(data.GetShortToJ1J2String(club, 2026), u'J' + QString::number(league));
            }
        }
        QVERIFY(platform->messages.isEmpty());
    }

    // Both widths of the letters in a long name are known.
    void widthVariants_data() {
        QTest::addColumn<QString>("longName");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("full-width") << u"Ｖ・ファーレン長崎"_s << u"長崎"_s;
        QTest::newRow("half-width") << u"V・ファーレン長崎"_s << u"長崎"_s;
        QTest::newRow("half-width dots") << u"京都サンガF.C."_s << u"京都"_s;
        QTest::newRow("former name") << u"ザスパクサツ群馬"_s << u"群馬"_s;
        QTest::newRow("former name with a new short name") << u"グルージャ盛岡"_s << u"盛岡"_s;
        QTest::newRow("overseas club from 750") << u"バルセロナ"_s << u"ﾊﾞﾙｾﾛﾅ"_s;
        QTest::newRow("national team from 750") << u"ブラジル"_s << u"ﾌﾞﾗｼﾞﾙ"_s;
    }
    void widthVariants() {
        QFETCH(QString, longName);
        QFETCH(QString, shortName);
        QCOMPARE(clsTotoData().GetShortTeamName(longName, 1200), shortName);
        QVERIFY(platform->messages.isEmpty());
    }

    void olderNamesBelow750() {
        clsTotoData data;
        QCOMPARE(data.GetShortTeamName(u"ザスパ草津"_s, 500), u"草津"_s);
        QCOMPARE(data.GetShortTeamName(u"東京ヴェルディ１９６９"_s, 749), u"東京Ｖ"_s);
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(data.GetShortTeamName(u"ザスパ草津"_s, 750), QString());
        QCOMPARE(platform->messages.size(), 1);
    }

    // Short names fit the six characters of the screens; no long name is listed under two
    // short names (the first would hide the second), and every club of every league list has a
    // long name.
    void tablesAreConsistent() {
        for (const QString& name : {u"TeamName.dat"_s, u"TeamName1.dat"_s, u"TeamName2.dat"_s}) {
            clsIniFile table;
            QVERIFY(table.Initialize(u"SysData/"_s + name));
            QVERIFY(table.Count() > 10);
            for (qint32 i = 1; i <= table.Count(); ++i) {
                const auto& [shortName, longName] = table.Item(i);
                if (shortName == u"Version"_s || shortName == u"Revision"_s)
                    continue;
                QVERIFY2(shortName.size() <= UserTeamNames::MaxShortNameLength,
                         qPrintable(shortName));
                QVERIFY2(table.GetKey(longName) == shortName, qPrintable(longName));
            }
        }
        clsTotoData data;
        for (int year = 2015; year <= 2026; ++year) {
            QStringList all;
            for (int league = 1; league <= 3; ++league) {
                const QStringList clubs = clubsOf(year, league);
                QVERIFY2(clubs.size() >= 12, qPrintable(QString::number(year)));
                for (const QString& club : clubs) {
                    QVERIFY2(!data.GetLongTeamName(club).isEmpty(), qPrintable(club));
                    QCOMPARE(data.GetShortToJ1J2String(club, year), u'J' + QString::number(league));
                }
                all << clubs;
            }
            QCOMPARE(all.removeDuplicates(), 0);
        }
        QVERIFY(platform->messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ShippedTeamData)
#include "tst_ShippedTeamData.moc"
