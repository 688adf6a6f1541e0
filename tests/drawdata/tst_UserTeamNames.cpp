#include "DrawDocumentSamples.h"
#include "drawdata/UserTeamNames.h"
#include "drawdata/clsTotoData.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

class tst_UserTeamNames : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    QString userFile() const { return platform->path(u"SysData/TeamName3.dat"_s); }
    static QString header() { return u";Vantrel TeamName User Data File (TeamName3.dat)\r\n"_s; }

private Q_SLOTS:
    void init() {
        platform = std::make_unique<FakePlatform>();
        clsTotoData::SetLastMissingTeamName(QString());
        QVERIFY(writeText(platform->path(u"SysData/TeamName.dat"_s),
                          u"札幌 = 北海道コンサドーレ札幌\r\n"_s));
        QVERIFY(writeText(platform->path(u"SysData/TeamName1.dat"_s),
                          u"東京Ｖ = 東京ヴェルディ1969\r\n"_s));
        QVERIFY(writeText(platform->path(u"SysData/TeamName2.dat"_s),
                          u"Version = 1\r\nRevision = 0\r\nﾊﾞﾙｾﾛﾅ = バルセロナ\r\n[End]\r\n"_s));
        QVERIFY(writeText(platform->path(u"SysData/J1J2.dat"_s), u"2021J1 = 札幌\r\n"_s));
    }
    void cleanup() { platform.reset(); }

    // A name that no table knew opens the window with that name in both boxes; once added it
    // is found, and the remembered name is cleared.
    void addsTheMissingName() {
        const QString longName = u"ＡＢＣユナイテッド"_s;
        QCOMPARE(clsTotoData().GetShortTeamName(longName, 1300), QString());
        QCOMPARE(UserTeamNames::InitialShortName(), u"ABCﾕﾅｲﾃｯﾄﾞ"_s);
        QCOMPARE(UserTeamNames::InitialLongName(), longName);
        platform->clearMessages();

        QVERIFY(UserTeamNames::Add(u" ABC "_s, u" "_s + longName));
        QCOMPARE(ShiftJis::decode(readBytes(userFile())),
                 header() + u"ABC    = ＡＢＣユナイテッド\r\n"_s);
        QCOMPARE(platform->texts(), QStringList{u"チーム名(ＡＢＣユナイテッド)を追加しました。"_s});
        QCOMPARE(platform->messages[0].title, u"チーム名追加"_s);
        QCOMPARE(platform->messages[0].icon, MessageIcon::Information);
        QVERIFY(clsTotoData::LastMissingTeamName().isEmpty());

        platform->clearMessages();
        QCOMPARE(clsTotoData().GetShortTeamName(longName, 1300), u"ABC"_s);
        QCOMPARE(clsTotoData().GetShortTeamName(longName, 100), u"ABC"_s);
        QVERIFY(platform->messages.isEmpty());
    }

    void appendsToTheExistingFile() {
        QVERIFY(writeText(userFile(), header() + u"ｲﾁ     = 一番目"_s)); // no final line end
        QVERIFY(UserTeamNames::Add(u"ﾆﾊﾞﾝﾒ"_s, u"二番目"_s));
        QCOMPARE(ShiftJis::decode(readBytes(userFile())),
                 header() + u"ｲﾁ     = 一番目\r\nﾆﾊﾞﾝﾒ  = 二番目\r\n"_s);
        QCOMPARE(clsTotoData().GetShortTeamName(u"一番目"_s, 900), u"ｲﾁ"_s);
    }

    void refusals_data() {
        QTest::addColumn<QString>("shortBox");
        QTest::addColumn<QString>("longBox");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty short name") << u"   "_s << u"名前"_s << u"略称を入力して下さい。"_s;
        QTest::newRow("empty long name") << u"ABC"_s << u" "_s << u"名称を入力して下さい。"_s;
        QTest::newRow("seven characters")
            << u"ABCDEFG"_s << u"名前"_s << u"略称は6文字以内で入力して下さい。"_s;
        QTest::newRow("blanks count toward the length")
            << u" ABCDEF"_s << u"名前"_s << u"略称は6文字以内で入力して下さい。"_s;
        QTest::newRow("long name in the main table")
            << u"札2"_s << u"北海道コンサドーレ札幌"_s
            << u"名称(北海道コンサドーレ札幌)は既に登録されています。"_s;
        QTest::newRow("long name in the overseas table")
            << u"ﾊﾞﾙｻ"_s << u"バルセロナ"_s << u"名称(バルセロナ)は既に登録されています。"_s;
        QTest::newRow("equals sign would split the line")
            << u"A=B"_s << u"名前"_s << u"略称に使用できない文字が含まれています。"_s;
        QTest::newRow("comment mark")
            << u";ABC"_s << u"名前"_s << u"略称に使用できない文字が含まれています。"_s;
        QTest::newRow("no Shift_JIS form")
            << u"ABC"_s << u"名前😀"_s << u"名称に使用できない文字が含まれています。"_s;
    }
    void refusals() {
        QFETCH(QString, shortBox);
        QFETCH(QString, longBox);
        QFETCH(QString, message);
        QVERIFY(!UserTeamNames::Add(shortBox, longBox));
        QCOMPARE(platform->texts(), QStringList{message});
        QCOMPARE(platform->messages[0].title, u"入力エラー"_s);
        QCOMPARE(platform->messages[0].icon, MessageIcon::Warning);
        // The file exists from the first step on, with nothing added.
        QCOMPARE(ShiftJis::decode(readBytes(userFile())), header());
    }

    void sixCharactersAndAUserDuplicate() {
        QVERIFY(UserTeamNames::Add(u"ABCDEF"_s, u"六文字"_s));
        QVERIFY(!UserTeamNames::Add(u"XYZ"_s, u"六文字"_s));
        QCOMPARE(platform->texts().last(), u"名称(六文字)は既に登録されています。"_s);
        QCOMPARE(ShiftJis::decode(readBytes(userFile())), header() + u"ABCDEF = 六文字\r\n"_s);
    }

    void failedWriteIsNotReportedAsAdded() {
        // A folder where the file should be: it can be neither read nor replaced.
        QVERIFY(QDir().mkpath(userFile()));
        QVERIFY(!UserTeamNames::Add(u"ABC"_s, u"名前"_s));
        QVERIFY(!platform->texts().contains(u"チーム名(名前)を追加しました。"_s));
        QCOMPARE(platform->messages.last().text,
                 userFile() + u"\r\nファイルの保存に失敗しました。"_s);
        QCOMPARE(platform->messages.last().icon, MessageIcon::Error);
    }
};

QTEST_GUILESS_MAIN(tst_UserTeamNames)
#include "tst_UserTeamNames.moc"
