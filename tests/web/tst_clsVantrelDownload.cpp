#include "base/ShiftJis.h"
#include "support/TestFiles.h"
#include "support/WebTestFixture.h"
#include "web/clsVantrelDownload.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray catalogue(const QString& version) {
    return ShiftJis::encode(u";Vantrel version file\r\n// comment = 9.9\r\n  TeamName2.dat = "_s +
                            version + u"  \r\nTeamName.dat=\r\n=3.1\r\n[VersionEnd]\r\n"_s);
}

// A team-name file of the version "major.minor".
QByteArray teamNames(const QString& version) {
    return ShiftJis::encode(u";Vantrel TeamName Data File (TeamName2.dat)\r\nVersion = "_s +
                            version.section(u'.', 0, 0) + u"\r\nRevision = "_s +
                            version.section(u'.', 1, 1) +
                            u"\r\nﾌﾞﾗｼﾞﾙ = ブラジル\r\nｽﾍﾟｲﾝ = スペイン\r\n[End]\r\n"_s);
}

const QByteArray newTeamNames = teamNames(u"1.12"_s);

} // namespace

class tst_clsVantrelDownload : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames)); // TeamName2.dat 1.5
        server().setRoute(u"/download/2021/TeamName2.dat"_s, 200, newTeamNames);
        m_local = m_web->platform.path(u"SysData/TeamName2.dat"_s);
        m_previous = m_web->platform.path(u"SysData/TeamName2.prev.dat"_s);
    }
    void cleanup() { m_web.reset(); }

    void theMakersHostIsReserved() {
        QCOMPARE(clsVantrelDownload::DefaultFolderUrl(),
                 u"http://vantrel.example/download/2021/"_s);
    }

    void theCatalogueIsReadOnce() {
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(u"1.5"_s));
        clsVantrelDownload maker(folder());
        QVERIFY(maker.DownloadTeamName2(nullptr, false));
        QCOMPARE(maker.GetItem(u"teamname2.dat"_s, QString()), u"1.5"_s);
        QCOMPARE(maker.GetItem(u"TeamName.dat"_s, u"none"_s), u"none"_s);
        QCOMPARE(maker.GetItem(QString(), u"none"_s), u"none"_s);
        QCOMPARE(maker.GetItem(u"comment"_s, u"none"_s), u"none"_s);
        QVERIFY(maker.DownloadTeamName2(nullptr, false));
        QCOMPARE(server().requests().size(), 1);
        QCOMPARE(m_web->platform.texts(), QStringList(2, u"海外チーム名の情報は最新です。"_s));
        QCOMPARE(m_web->platform.messages[0].title, u" Vantrel"_s);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Information);
        QCOMPARE(m_web->window.lastLog.value(0), u" ファイルバージョン取得中 (Vantrel)"_s);
    }

    void versions_data() {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("downloaded");
        QTest::newRow("newer") << u"1.12"_s << u"1\r\nRevision = 5"_s << true
                               << u"海外チーム名を最新版に更新しました。"_s << true;
        QTest::newRow("2.0 after 1.999") << u"2.0"_s << u"1\r\nRevision = 999"_s << true
                                         << u"海外チーム名を最新版に更新しました。"_s << true;
        QTest::newRow("older") << u"1.4"_s << u"1\r\nRevision = 5"_s << false
                               << u"海外チーム名のバージョンが異常です。"_s << false;
        QTest::newRow("no point") << u"3"_s << u"1\r\nRevision = 5"_s << false
                                  << u"海外チーム名のバージョン取得に失敗しました。"_s << false;
        QTest::newRow("local unknown") << u"1.12"_s << u"1\r\nRevision = x"_s << false
                                       << u"海外チーム名のバージョンが不明です。"_s << false;
    }
    void versions() {
        QFETCH(QString, remote);
        QFETCH(QString, local);
        QFETCH(bool, result);
        QFETCH(QString, message);
        QFETCH(bool, downloaded);
        const QByteArray localFile = ShiftJis::encode(u";TeamName2.dat\r\nVersion = "_s + local +
                                                      u"\r\nﾌﾞﾗｼﾞﾙ = ブラジル\r\n[End]\r\n"_s);
        QFile file(m_local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(localFile);
        file.close();
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(remote));
        server().setRoute(u"/download/2021/TeamName2.dat"_s, 200, teamNames(remote));

        clsVantrelDownload maker(folder());
        QCOMPARE(maker.DownloadTeamName2(nullptr, false), result);
        QCOMPARE(m_web->platform.texts(), QStringList{message});
        QCOMPARE(m_web->platform.messages[0].icon,
                 result ? MessageIcon::Information : MessageIcon::Warning);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), downloaded ? teamNames(remote) : localFile);
        QCOMPARE(server().requests().size(), downloaded ? 2 : 1);
        // The replaced file is kept for taking the update back.
        QCOMPARE(TestFiles::read(m_previous), downloaded ? localFile : QByteArray());
    }

    void downloadFailures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("cause");
        const QByteArray notFound("<html><body><h1>Not Found</h1><p>The requested URL was not "
                                  "found on this server.</p></body></html>");
        QTest::newRow("no catalogue")
            << u"version.dat"_s << 404 << notFound << u"原因：アドレスが見つかりません"_s;
        QTest::newRow("empty catalogue")
            << u"version.dat"_s << 200 << QByteArray() << u"原因：サイトが見つかりません"_s;
        QTest::newRow("catalogue without end")
            << u"version.dat"_s << 200 << QByteArray("TeamName2.dat = 1.12\r\n")
            << u"原因：ダウンロード内容(version.dat)が異常です"_s;
        QTest::newRow("no team names")
            << u"TeamName2.dat"_s << 404 << notFound << u"原因：アドレスが見つかりません"_s;
        QTest::newRow("team names without end")
            << u"TeamName2.dat"_s << 200 << QByteArray("Version = 1\r\nRevision = 12\r\n")
            << u"原因：TeamName2.dat が異常です\r\n[End] の行がありません。"_s;
        // A whole team-name file as the body of an error answer is no team-name file.
        QTest::newRow("team names in an error answer")
            << u"TeamName2.dat"_s << 503
            << QByteArray("Version = 1\r\nRevision = 12\r\nX = Y\r\n[End]\r\n")
            << u"原因：サーバーがエラーを返しました（503）"_s;
    }
    void downloadFailures() {
        QFETCH(QString, file);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, cause);
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(u"1.12"_s));
        server().setRoute(u"/download/2021/"_s + file, status, body);
        QFile local(m_local);
        QVERIFY(local.open(QIODevice::ReadOnly));
        const QByteArray before = local.readAll();
        local.close();

        clsVantrelDownload maker(folder());
        QVERIFY(!maker.DownloadTeamName2(nullptr, false));
        QCOMPARE(m_web->platform.texts(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。\r\n"_s + cause});
        QCOMPARE(m_web->platform.messages[0].title, u" Vantrel"_s);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Warning);
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), before);
    }

    // What a forged or damaged answer may hold; each is refused with its cause, and neither
    // the installed file nor its kept predecessor changes.
    void forgedTeamNamesAreRefused_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("cause");
        const QByteArray good = teamNames(u"1.12"_s);
        const qsizetype end = good.indexOf("[End]");
        const auto sjis = [](const QString& text) { return ShiftJis::encode(text); };
        const QByteArray huge =
            QByteArray(good).insert(end, sjis(u"ﾆｾﾁｰﾑ = 偽のチーム\r\n"_s).repeated(20000));
        QTest::newRow("made-up names past 256 KB")
            << huge << u"ファイルが大きすぎます（%1 KB、上限 256 KB）。"_s.arg(huge.size() / 1024);
        QTest::newRow("a line that is no entry")
            << QByteArray(good).replace(sjis(u"ｽﾍﾟｲﾝ = "_s), sjis(u"ｽﾍﾟｲﾝ "_s))
            << u"チーム名の行として読めない行があります（5 行目）。"_s;
        QTest::newRow("control characters") << QByteArray(good).insert(end, "\x1b[2J = x\r\n")
                                            << u"制御文字が含まれています（6 行目）。"_s;
        QTest::newRow("not Shift_JIS") << QByteArray(good).insert(end, "x = \x82\r\n")
                                       << u"Shift_JIS として読めない文字があります（6 行目）。"_s;
        QTest::newRow("lines after the end")
            << good + sjis(u"ﾆｾ = 偽\r\n"_s) << u"[End] の後に行があります（7 行目）。"_s;
        QTest::newRow("revision not a whole number")
            << QByteArray(good).replace("Revision = 12", "Revision = 1e1")
            << u"Revision が整数で書かれていません。"_s;
        QTest::newRow("not the announced version")
            << teamNames(u"1.13"_s)
            << u"ファイルのバージョン 1.13 が version.dat のバージョン 1.12 と異なります。"_s;
    }
    void forgedTeamNamesAreRefused() {
        QFETCH(QByteArray, body);
        QFETCH(QString, cause);
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(u"1.12"_s));
        server().setRoute(u"/download/2021/TeamName2.dat"_s, 200, body);
        const QByteArray before = TestFiles::read(m_local);

        clsVantrelDownload maker(folder());
        QVERIFY(!maker.DownloadTeamName2(nullptr, false));
        QCOMPARE(m_web->platform.texts(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。\r\n"
                             u"原因：TeamName2.dat が異常です\r\n"_s +
                             cause});
        QCOMPARE(TestFiles::read(m_local), before);
        QVERIFY(!QFile::exists(m_previous));
    }

    void aFailedCatalogueIsFetchedAgain() {
        clsVantrelDownload maker(folder());
        QVERIFY(!maker.DownloadTeamName2(nullptr, false));
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(u"1.5"_s));
        QVERIFY(maker.DownloadTeamName2(nullptr, false));
        QCOMPARE(server().requests().size(), 2);
    }

    void theQuestionCanStopIt() {
        server().setRoute(u"/download/2021/version.dat"_s, 200, catalogue(u"1.12"_s));
        clsVantrelDownload maker(folder());
        m_web->platform.answers = {false};
        QVERIFY(!maker.DownloadTeamName2(nullptr, true));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->platform.messages[0].text,
                 u"Vantrelより 海外チーム名 をダウンロードします。よろしいですか？"_s);
        QCOMPARE(m_web->platform.messages[0].title, u"  Vantrel"_s);
        QVERIFY(m_web->platform.messages[0].question);
        QVERIFY(server().requests().isEmpty());
    }

private:
    QString folder() const { return server().baseUrl() + u"/download/2021/"_s; }

    LoopbackHttpServer& server() const { return m_web->site.server(); }

    std::unique_ptr<WebTestFixture> m_web;
    QString m_local;
    QString m_previous;
};

QTEST_GUILESS_MAIN(tst_clsVantrelDownload)
#include "tst_clsVantrelDownload.moc"
