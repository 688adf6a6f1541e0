#include "base/OfficialUrlSettings.h"
#include "base/ProgramSettings.h"
#include "base/ShiftJis.h"
#include "base/UrlSettingsCheck.h"
#include "base/clsFileStream.h"
#include "base/clsIniFile.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QTest>

class tst_Settings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void lineRules();
    void lookupsIgnoreLetterCaseAndTakeTheFirst();
    void disabledReaderReportsEachLookup();
    void programSettings_data();
    void programSettings();
    void programSettingsFileLayout();
    void missingUrlFileIsCreatedWithTheDefaults();
    void urlFileWithoutVersionIsReplaced();
    void urlFileWithVersionIsKeptAsItIs();
    void corruptUrlVersionKeepsItsDefault();
    void editedUrlSettingsReadBack();
    void addressChecks_data();
    void addressChecks();

private:
    void writeFile(const QString& relative, const QByteArray& bytes) {
        clsFileStream stream;
        QVERIFY(stream.SaveToBinaryFile(relative, bytes));
    }
    QByteArray readFile(const QString& relative) const {
        QFile f(m_platform->path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<FakePlatform> m_platform;
};

void tst_Settings::lineRules() {
    clsIniFile ini;
    ini.InitializeFromText(QStringLiteral("  bigOfficialMiniBigUrl=&commodityId=10  \r\n"
                                          "url = a=b=c\r\n"
                                          "  ; comment = x\r\n"
                                          "// also = comment\r\n"
                                          "Kaisaikai=\r\n"
                                          "=5\r\n"
                                          "[section]\r\n"
                                          "[odd=entry]\r\n"
                                          "bare\r\n"
                                          "lf = only\nafter = lf\r\n"
                                          "cut = here\0ignored = x"));
    QVERIFY(ini.Enabled());
    QCOMPARE(ini.Count(), 6);
    QCOMPARE(ini.GetItem(QStringLiteral("bigOfficialMiniBigUrl"), QString()),
             QStringLiteral("&commodityId=10"));
    QCOMPARE(ini.GetItem(QStringLiteral("url"), QString()), QStringLiteral("a=b=c"));
    QVERIFY(!ini.ItemExists(QStringLiteral("Kaisaikai")));
    QVERIFY(!ini.ItemExists(QStringLiteral("; comment")));
    QCOMPARE(ini.GetItem(QStringLiteral("[odd"), QString()), QStringLiteral("entry]"));
    QCOMPARE(ini.GetItem(QStringLiteral("after"), QString()), QStringLiteral("lf"));
    QCOMPARE(ini.GetItem(QStringLiteral("cut"), QString()), QStringLiteral("here"));
    QVERIFY(!ini.ItemExists(QStringLiteral("ignored")));
}

void tst_Settings::lookupsIgnoreLetterCaseAndTakeTheFirst() {
    clsIniFile ini;
    ini.InitializeFromText(QStringLiteral("Kaisaikai = 7\r\nKaisaikai = 9\r\na = x\r\nb = x\r\n"));
    QCOMPARE(ini.GetItem(QStringLiteral("KAISAIKAI"), QStringLiteral("d")), QStringLiteral("7"));
    QCOMPARE(ini.GetItem(QStringLiteral("none"), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(ini.GetItem(QString(), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(ini.GetKey(QStringLiteral("x")), QStringLiteral("a"));
    QVERIFY(ini.KeyExists(QStringLiteral("X")));
    QVERIFY(!ini.KeyExists(QString()));
    QCOMPARE(ini.Item(2).second, QStringLiteral("9"));
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_Settings::disabledReaderReportsEachLookup() {
    clsIniFile ini;
    QVERIFY(!ini.Initialize(QStringLiteral("SysData/none.ini")));
    QVERIFY(m_platform->messages.isEmpty()); // a missing file is not reported
    QCOMPARE(ini.GetItem(QStringLiteral("a"), QStringLiteral("default")), QString());
    QVERIFY(!ini.ItemExists(QStringLiteral("a")));
    QVERIFY(!ini.KeyExists(QStringLiteral("a")));
    QCOMPARE(ini.GetKey(QStringLiteral("a")), QString());
    QCOMPARE(m_platform->messages.size(), 4);
    const QStringList titles{QStringLiteral("GetItem"), QStringLiteral("ItemExists"),
                             QStringLiteral("KeyExists"), QStringLiteral("GetKey")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(m_platform->messages[i].text, QStringLiteral("Initialize Err"));
        QCOMPARE(m_platform->messages[i].title,
                 QStringLiteral("Kelvor mini / clsIniFile / ") + titles[i]);
    }
}

void tst_Settings::programSettings_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<int>("kaisaikai");
    QTest::addColumn<bool>("download");
    QTest::addColumn<bool>("resultAll");
    QTest::addColumn<int>("reports");
    QTest::newRow("no file") << QByteArray() << 1 << true << false << 0;
    QTest::newRow("all keys") << QByteArray("Kaisaikai = 1234\r\nDownloadMessage = 0\r\n"
                                            "ResultAll = 1\r\n")
                              << 1234 << false << true << 0;
    QTest::newRow("two for Kaisaikai")
        << QByteArray("Kaisaikai = 7\r\nKaisaikai = 9\r\n") << 7 << true << false << 0;
    QTest::newRow("empty value") << QByteArray("Kaisaikai=\r\n") << 1 << true << false << 0;
    QTest::newRow("DownloadMessage 2")
        << QByteArray("DownloadMessage = 2\r\n") << 1 << true << false << 0;
    QTest::newRow("words") << QByteArray("DownloadMessage = FALSE\r\nResultAll = true\r\n") << 1
                           << false << true << 0;
    QTest::newRow("letters for the draw") << QByteArray("Kaisaikai = abc\r\nDownloadMessage = 0\r\n"
                                                        "ResultAll = 1\r\n")
                                          << 1 << false << true << 1;
    QTest::newRow("every key corrupt") << QByteArray("Kaisaikai = 9999999999\r\n"
                                                     "DownloadMessage = x\r\nResultAll = y\r\n")
                                       << 1 << true << false << 3;
    QTest::newRow("binary garbage")
        << QByteArray("\xff\xfe\x00Kaisaikai = 5", 15) << 1 << true << false << 0;
}

void tst_Settings::programSettings() {
    QFETCH(QByteArray, file);
    QFETCH(int, kaisaikai);
    QFETCH(bool, download);
    QFETCH(bool, resultAll);
    QFETCH(int, reports);
    if (!file.isEmpty())
        writeFile(ProgramSettings::fileName(), file);
    const ProgramSettings s = ProgramSettings::Load();
    QCOMPARE(s.Kaisaikai, kaisaikai);
    QCOMPARE(s.DownloadMessage, download);
    QCOMPARE(s.ResultAll, resultAll);
    QCOMPARE(m_platform->messages.size(), reports);
    for (const auto& m : m_platform->messages) {
        QCOMPARE(m.text, QStringLiteral("Kelvor mini.iniファイルが破損しています。"));
        QCOMPARE(m.icon, MessageIcon::Error);
    }
}

void tst_Settings::programSettingsFileLayout() {
    ProgramSettings s;
    s.Kaisaikai = 1234;
    s.DownloadMessage = false;
    s.ResultAll = true;
    QVERIFY(s.Save());
    QCOMPARE(readFile(QStringLiteral("SysData/Kelvor mini.ini")),
             QByteArray(";Vantrel Kelvor mini Ini File (Kelvor mini.ini)\r\n"
                        ";Copyright (C) 2026 Vantrel\r\n"
                        "\r\n"
                        "Kaisaikai = 1234\r\n"
                        "DownloadMessage = 0\r\n"
                        "ResultAll = 1\r\n"));
    const ProgramSettings back = ProgramSettings::Load();
    QCOMPARE(back.Kaisaikai, 1234);
    QVERIFY(!back.DownloadMessage);
    QVERIFY(back.ResultAll);
}

void tst_Settings::missingUrlFileIsCreatedWithTheDefaults() {
    OfficialUrlSettings::Load();
    const QByteArray file = readFile(QStringLiteral("SysData/bigSettings.ini"));
    const QString host = QStringLiteral("https://store.toto-dream.com/dcs/subos/screen/");
    const QString expected =
        QStringLiteral(";Vantrel Toto Settings Ini File (bigSettings.ini)\r\n"
                       ";Copyright (C) 2026 Vantrel\r\n\r\nVersion = 1\r\n\r\n"
                       ";BIGオフィシャル開催情報URL\r\nbigOfficialScheduleUrl = ") +
        host +
        QStringLiteral("pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form?popupDispDiv=0&"
                       "holdCntId=\r\n;BIGオフィシャルくじ結果URL\r\nbigOfficialResultUrl = ") +
        host +
        QStringLiteral(
            "pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form?holdCntId=\r\n"
            ";BIGオフィシャルURL(BIG)\r\nbigOfficialBigUrl = &commodityId=09\r\n"
            ";BIGオフィシャルURL(mini BIG)\r\nbigOfficialMiniBigUrl = &commodityId=10\r\n"
            ";BIGオフィシャルURL(BIG 1000)\r\nbigOfficialBig1000Url = &commodityId=11\r\n"
            ";BIGオフィシャルURL(100円BIG)\r\nbigOfficialBig100Url = &commodityId=13\r\n"
            "\r\n;totoオフィシャル投票状況URL\r\ntotoOfficialVoteUrl = ") +
        host +
        QStringLiteral("pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=\r\n"
                       ";totoオフィシャルURL(toto)\r\ntotoOfficialTotoUrl = &commodityId=01\r\n"
                       "\r\n;BIGオフィシャル販売スケジュールURL\r\nbigOfficialSalesScheduleUrl = "
                       "http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule\r\n"
                       "\r\n;プロキシサーバー(host:port、空欄のときは環境の設定)\r\nProxy = \r\n");
    QCOMPARE(ShiftJis::decode(file), expected);
    QCOMPARE(file, ShiftJis::encode(expected));
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_Settings::urlFileWithoutVersionIsReplaced() {
    writeFile(OfficialUrlSettings::fileName(), "bigOfficialResultUrl = http://x/\r\n");
    OfficialUrlSettings::Load();
    QCOMPARE(OfficialUrlSettings::current().bigOfficialResultUrl,
             OfficialUrlSettings::defaults().bigOfficialResultUrl);
    QVERIFY(readFile(OfficialUrlSettings::fileName()).startsWith(";Vantrel Toto"));
}

void tst_Settings::urlFileWithVersionIsKeptAsItIs() {
    const QByteArray file("Version = 1\r\nbigOfficialResultUrl = http://127.0.0.1:1/r?id=\r\n");
    writeFile(OfficialUrlSettings::fileName(), file);
    OfficialUrlSettings::Load();
    const auto& s = OfficialUrlSettings::current();
    QCOMPARE(s.bigOfficialResultUrl, QStringLiteral("http://127.0.0.1:1/r?id="));
    QCOMPARE(s.totoOfficialVoteUrl, OfficialUrlSettings::defaults().totoOfficialVoteUrl);
    QCOMPARE(readFile(OfficialUrlSettings::fileName()), file);
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_Settings::corruptUrlVersionKeepsItsDefault() {
    const QByteArray file("Version = one\r\ntotoOfficialTotoUrl = &commodityId=99\r\n");
    writeFile(OfficialUrlSettings::fileName(), file);
    OfficialUrlSettings::Load();
    QCOMPARE(m_platform->texts(),
             QStringList{QStringLiteral("bigSettings.iniファイルが破損しています。")});
    QCOMPARE(OfficialUrlSettings::current().Version, 1);
    QCOMPARE(OfficialUrlSettings::current().totoOfficialTotoUrl, QStringLiteral("&commodityId=99"));
    QCOMPARE(readFile(OfficialUrlSettings::fileName()), file);
}

void tst_Settings::editedUrlSettingsReadBack() {
    OfficialUrlSettings edited = OfficialUrlSettings::defaults();
    edited.bigOfficialScheduleUrl =
        QStringLiteral("https://store.example.jp/PGSPIN00501InitBIGLotInfo.form?holdCntId=");
    edited.totoOfficialTotoUrl = QStringLiteral("&commodityId=01&x=2");
    edited.Proxy = QStringLiteral("proxy.example.jp:8080");
    QVERIFY(edited.write(true));
    OfficialUrlSettings::Load();
    QCOMPARE(OfficialUrlSettings::current(), edited);
    // An empty proxy is written as an empty value, which reads back as the environment's.
    edited.Proxy.clear();
    QVERIFY(edited.write(true));
    OfficialUrlSettings::Load();
    QCOMPARE(OfficialUrlSettings::current(), edited);
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_Settings::addressChecks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    const QString page = QStringLiteral("page");
    const QString key = QStringLiteral("key");
    const QString proxy = QStringLiteral("proxy");
    QTest::newRow("default schedule")
        << page << OfficialUrlSettings::defaults().bigOfficialScheduleUrl << true;
    QTest::newRow("http and a port")
        << page << QStringLiteral("http://127.0.0.1:8080/r?id=") << true;
    QTest::newRow("ftp") << page << QStringLiteral("ftp://store.example.jp/r?id=") << false;
    QTest::newRow("no host") << page << QStringLiteral("https:///r?id=") << false;
    QTest::newRow("no key at the end")
        << page << QStringLiteral("https://store.example.jp/r?id=1") << false;
    QTest::newRow("no query") << page << QStringLiteral("https://store.example.jp/r=") << false;
    QTest::newRow("blank inside") << page << QStringLiteral("https://store.example.jp/r ?id=")
                                  << false;
    QTest::newRow("full-width") << page << QStringLiteral("https://store.example.jp/r？id=")
                                << false;
    QTest::newRow("product key") << key << QStringLiteral("&commodityId=10") << true;
    QTest::newRow("two pairs") << key << QStringLiteral("&a=1&b=2") << true;
    QTest::newRow("without &") << key << QStringLiteral("commodityId=10") << false;
    QTest::newRow("without value") << key << QStringLiteral("&commodityId=") << false;
    QTest::newRow("empty key") << key << QString() << false;
    QTest::newRow("environment") << proxy << QString() << true;
    QTest::newRow("host and port") << proxy << QStringLiteral("proxy.example.jp:8080") << true;
    QTest::newRow("socks") << proxy << QStringLiteral("socks5h://127.0.0.1:1080") << true;
    QTest::newRow("unknown scheme") << proxy << QStringLiteral("ftp://proxy:21") << false;
    QTest::newRow("path") << proxy << QStringLiteral("proxy.example.jp:8080/x") << false;
    QTest::newRow("port 0") << proxy << QStringLiteral("proxy.example.jp:0") << false;
    QTest::newRow("bad port") << proxy << QStringLiteral("proxy.example.jp:99999") << false;
}

void tst_Settings::addressChecks() {
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    const QString reason = kind == QStringLiteral("page")  ? UrlSettingsCheck::pageAddress(value)
                           : kind == QStringLiteral("key") ? UrlSettingsCheck::productKey(value)
                                                           : UrlSettingsCheck::proxy(value);
    QCOMPARE(reason.isEmpty(), accepted);
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
