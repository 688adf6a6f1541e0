#include "base/ShiftJis.h"
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

const QByteArray newTeamNames = ShiftJis::encode(
    u";Vantrel TeamName Data File (TeamName2.dat)\r\nVersion = 1\r\nRevision = 12\r\n"
    u"ﾌﾞﾗｼﾞﾙ = ブラジル\r\nｽﾍﾟｲﾝ = スペイン\r\n[End]\r\n"_s);

} // namespace

class tst_clsVantrelDownload : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames)); // TeamName2.dat 1.5
        server().setRoute(u"/download/2021/TeamName2.dat"_s, 200, newTeamNames);
        m_local = m_web->platform.path(u"SysData/TeamName2.dat"_s);
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

        clsVantrelDownload maker(folder());
        QCOMPARE(maker.DownloadTeamName2(nullptr, false), result);
        QCOMPARE(m_web->platform.texts(), QStringList{message});
        QCOMPARE(m_web->platform.messages[0].icon,
                 result ? MessageIcon::Information : MessageIcon::Warning);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), downloaded ? newTeamNames : localFile);
        QCOMPARE(server().requests().size(), downloaded ? 2 : 1);
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
            << u"原因：TeamName2.dat が異常です"_s;
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
};

QTEST_GUILESS_MAIN(tst_clsVantrelDownload)
#include "tst_clsVantrelDownload.moc"
