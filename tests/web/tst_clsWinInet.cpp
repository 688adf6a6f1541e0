#include "base/ShiftJis.h"
#include "support/WebTestFixture.h"
#include "web/CurlTransport.h"
#include "web/Transport.h"
#include "web/clsWinInet.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_clsWinInet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web));
        clsWinInet::SetReceiveTimeoutForTests(0);
        clsWinInet::SetTransferTimeLimitForTests(0);
    }
    void cleanup() { m_web.reset(); }

    void downloadLogsEachStepAndSendsTheRequestHeaders() {
        server().setRoute(u"/page"_s, 200, "hello");
        clsWinInet client;
        client.SetProgressDialogMessage(u"第1回 開催情報取得中 (オフィシャル)"_s);
        QObject owner;
        QByteArray bytes;
        const QString url = server().baseUrl() + u"/page"_s;

        QCOMPARE(client.GetHttpData(url, bytes, QString(), &owner), 5);
        QCOMPARE(bytes, QByteArray("hello"));
        QCOMPARE(m_web->window.lastLog,
                 QStringList({u" 第1回 開催情報取得中 (オフィシャル)"_s, u" [コネクション開始]"_s,
                              u" "_s + url, u" 受信中 .."_s, u" [コネクション終了]"_s}));
        QCOMPARE(m_web->window.shown, 1);
        QCOMPARE(m_web->window.unloaded, 1);
        QCOMPARE(m_web->window.lastOwner, &owner);
        QCOMPARE(m_web->platform.waitCursorDepth, 0);

        const QList<LoopbackHttpServer::Request> requests = server().requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].headers.value("accept-language"), QByteArray("ja-JP"));
        QCOMPARE(requests[0].headers.value("user-agent"), QByteArray("Vantrel WinInet"));
        QCOMPARE(requests[0].headers.value("cache-control"), QByteArray("no-cache"));
    }

    void bodyArrivesWhateverItsSizeAndStatus_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("dots");
        QTest::newRow("empty") << 200 << 0 << 1;
        QTest::newRow("one read") << 200 << 1024 << 2;
        QTest::newRow("first buffer") << 200 << 32767 << 33;
        QTest::newRow("grown buffer") << 200 << 100000 << 99;
        QTest::newRow("error page") << 404 << 300 << 2;
        QTest::newRow("server error") << 500 << 2048 << 3;
    }
    void bodyArrivesWhateverItsSizeAndStatus() {
        QFETCH(int, status);
        QFETCH(int, size);
        QFETCH(int, dots);
        QByteArray body(size, '\0');
        for (int i = 0; i < size; ++i)
            body[i] = char('a' + i % 26);
        server().setRoute(u"/body"_s, status, body);
        clsWinInet client;
        QByteArray bytes("left over");

        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/body"_s, bytes, QString(), nullptr),
                 size);
        QCOMPARE(bytes, body);
        QCOMPARE(m_web->window.lastLog.value(2), u" 受信中 "_s + QString(dots, u'.'));
        // An answer that is not 2xx is named in the log.
        const QStringList end =
            status == 200 ? QStringList{u" [コネクション終了]"_s}
                          : QStringList{u" [HTTP %1]"_s.arg(status), u" [コネクション終了]"_s};
        QCOMPARE(m_web->window.lastLog.mid(3), end);
        QCOMPARE(client.LastAnswerOk(), status == 200);
    }

    // A transfer that began secure follows no redirect to plain http; one that began on http
    // still follows its redirects.
    void aSecureTransferStaysSecure() {
        QCOMPARE(CurlTransport::redirectProtocols(u"HTTPS://site/p"_s), "https");
        QCOMPARE(CurlTransport::redirectProtocols(u"http://site/p"_s), "http,https");

        LoopbackHttpServer::Route moved;
        moved.status = 302;
        moved.location = (server().baseUrl() + u"/to"_s).toUtf8();
        server().setRoute(u"/from"_s, moved);
        server().setRoute(u"/to"_s, 200, "arrived");
        clsWinInet client;
        QByteArray bytes;
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/from"_s, bytes, QString(), nullptr), 7);
        QCOMPARE(bytes, QByteArray("arrived"));
    }

    // The dots of a large body reach the log a few times a second, not with every block: each
    // addition lays out and paints the whole line again.
    void aLargeBodyExtendsTheLogAFewTimesASecond() {
        const qint32 size = 8 * 1024 * 1024;
        server().setRoute(u"/large"_s, 200, QByteArray(size, 'l'));
        clsWinInet client;
        QByteArray bytes;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/large"_s, bytes, QString(), nullptr),
                 size);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(m_web->window.lastLog.value(2), u" 受信中 "_s + QString(size / 1024 + 1, u'.'));
        QVERIFY2(m_web->window.extensions <= 3 + elapsed / 100,
                 qPrintable(QString::number(m_web->window.extensions)));
    }

    void emptyUrlDoesNothing() {
        clsWinInet client;
        QByteArray bytes("x");
        QCOMPARE(client.GetHttpData(QString(), bytes, QString(), nullptr), 0);
        QCOMPARE(m_web->window.shown, 0);
        QVERIFY(server().requests().isEmpty());
        QCOMPARE(client.GetHttpDataString(QString(), QString(), nullptr, 1), QString());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void withoutProgressNothingIsShownOrLogged() {
        server().setRoute(u"/page"_s, 200, "quiet");
        clsWinInet client;
        client.SetProgressOpen(false);
        client.SetProgressDialogMessage(u"message"_s);
        QByteArray bytes;
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/page"_s, bytes, QString(), nullptr), 5);
        QCOMPARE(bytes, QByteArray("quiet"));
        QCOMPARE(m_web->window.shown, 0);
        QCOMPARE(m_web->window.unloaded, 0);
        QVERIFY(m_web->window.items.isEmpty());
    }

    void withoutProgressCloseTheLogCollectsSeveralDownloads() {
        server().setRoute(u"/a"_s, 200, "a");
        server().setRoute(u"/b"_s, 200, "b");
        clsWinInet client;
        client.SetProgressClose(false);
        m_web->window.unloaded = 0;
        QByteArray bytes;
        client.GetHttpData(server().baseUrl() + u"/a"_s, bytes, QString(), nullptr);
        client.GetHttpData(server().baseUrl() + u"/b"_s, bytes, QString(), nullptr);
        QCOMPARE(m_web->window.unloaded, 0);
        QCOMPARE(m_web->window.items.size(), 8);
        QCOMPARE(m_web->window.items.count(u" [コネクション終了]"_s), 2);

        client.SetProgressClose(true);
        QCOMPARE(m_web->window.unloaded, 1);
        QVERIFY(m_web->window.items.isEmpty());
    }

    void anEndlessBodyIsAFailedDownload() {
        server().setRoute(u"/huge"_s, 200, QByteArray(clsWinInet::MaxBodyBytes + 1, 'x'));
        clsWinInet client;
        client.SetProgressOpen(false);
        QByteArray bytes("x");
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/huge"_s, bytes, QString(), nullptr), 0);
        QVERIFY(bytes.isEmpty());
        QCOMPARE(client.GetHttpDataStringUTF8(server().baseUrl() + u"/huge"_s, QString(), nullptr),
                 QString());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    // A body without a length that never ends is cut at the cap: it logs as a failure, with the
    // reads it took, and gives nothing.
    void aBodyCutAtTheCapLogsAsAFailure() {
        LoopbackHttpServer::Route route;
        route.fault = LoopbackHttpServer::Fault::Endless;
        route.body = QByteArray(64 * 1024, 'e');
        server().setRoute(u"/endless"_s, route);
        clsWinInet client;
        QByteArray bytes("x");
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/endless"_s, bytes, QString(), nullptr),
                 0);
        QVERIFY(bytes.isEmpty());
        const QStringList log = m_web->window.lastLog;
        QCOMPARE(log.size(), 3);
        QVERIFY(log[2].startsWith(u" 受信中 ."_s));
        QVERIFY2(log[2].count(u'.') > clsWinInet::MaxBodyBytes / 1024 - 64,
                 "the transfer did not run up to the cap");
    }

    // The site's pages are UTF-8: a body that is not is no page, and gives no text.
    void anInvalidUtf8BodyGivesNoText() {
        const QByteArray body = "<p>\xe9\xb9\xbf\xff\xe5\xb3\xb6</p>";
        server().setRoute(u"/bad"_s, 200, body);
        const QString url = server().baseUrl() + u"/bad"_s;
        clsWinInet client;
        QByteArray bytes;
        QCOMPARE(client.GetHttpData(url, bytes, QString(), nullptr), body.size());
        QCOMPARE(client.GetHttpDataString(url, QString(), nullptr, 8), QString());
        QCOMPARE(client.GetHttpDataStringUTF8(url, QString(), nullptr), QString());
        QVERIFY(!client.GetHttpDataString(url, QString(), nullptr, 0).isEmpty());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void aServerThatStallsBeforeAnsweringTimesOut() {
        clsWinInet::SetReceiveTimeoutForTests(1000);
        server().setRoute(u"/slow"_s, 200, "late", 8000);
        clsWinInet client;
        QByteArray bytes;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/slow"_s, bytes, QString(), nullptr), 0);
        QVERIFY2(timer.elapsed() < 6000, "the receive timeout did not end the download");
        QVERIFY(bytes.isEmpty());
        QCOMPARE(m_web->window.lastLog.size(), 2); // no page was opened
        QCOMPARE(m_web->window.lastLog.value(0), u" [コネクション開始]"_s);
    }

    void aStallInsideTheBodyIsAFailedDownload() {
        clsWinInet::SetReceiveTimeoutForTests(1000);
        server().setRoute(u"/partial"_s, 200, QByteArray(3000, 'p'), 0, 2048, 8000);
        clsWinInet client;
        QByteArray bytes("left over");
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/partial"_s, bytes, QString(), nullptr),
                 0);
        QVERIFY(bytes.isEmpty());
        // The log stops where the transfer failed, as for a failed connection.
        QCOMPARE(m_web->window.lastLog.size(), 3);
        QCOMPARE(m_web->window.lastLog.value(2), u" 受信中 .."_s);
    }

    // Every transfer that does not end cleanly gives no body, no "[コネクション終了]" and no
    // message; the time limits are shortened so that each case ends within a second or two.
    void misbehavingServersGiveFailedDownloads_data() {
        using Fault = LoopbackHttpServer::Fault;
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("short of its Content-Length") << int(Fault::ShortBody) << u"http"_s;
        QTest::newRow("reset mid-body") << int(Fault::ResetMidBody) << u"http"_s;
        QTest::newRow("endless body") << int(Fault::Endless) << u"http"_s;
        QTest::newRow("200 MB announced") << int(Fault::HugeLength) << u"http"_s;
        QTest::newRow("slowloris") << int(Fault::Trickle) << u"http"_s;
        QTest::newRow("redirect loop") << int(Fault::RedirectLoop) << u"http"_s;
        QTest::newRow("silent server") << int(Fault::Silent) << u"http"_s;
        QTest::newRow("stalled TLS handshake") << int(Fault::Silent) << u"https"_s;
    }
    void misbehavingServersGiveFailedDownloads() {
        QFETCH(int, fault);
        QFETCH(QString, scheme);
        clsWinInet::SetReceiveTimeoutForTests(700);
        clsWinInet::SetTransferTimeLimitForTests(1500);
        LoopbackHttpServer::Route route;
        route.fault = LoopbackHttpServer::Fault(fault);
        route.body = QByteArray(64 * 1024, 'b');
        route.trickleMs = 100;
        server().setRoute(u"/bad"_s, route);
        clsWinInet client;
        QByteArray bytes("left over");
        const QString url = QString(server().baseUrl()).replace(u"http"_s, scheme) + u"/bad"_s;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(client.GetHttpData(url, bytes, QString(), nullptr), 0);
        QVERIFY2(timer.elapsed() < 10000, "a time limit did not end the transfer");
        QVERIFY(bytes.isEmpty());
        QVERIFY(!m_web->window.lastLog.contains(u" [コネクション終了]"_s));
        QCOMPARE(client.GetHttpDataStringUTF8(url, QString(), nullptr), QString());
        QVERIFY(m_web->platform.messages.isEmpty());
        QCOMPARE(m_web->window.transfersEnded, 2);
    }

    // The window is kept alive while nothing arrives, and 中止 ends the transfer at once.
    void aStallIsKeptAliveAndStoppedByTheStopButton() {
        LoopbackHttpServer::Route route;
        route.fault = LoopbackHttpServer::Fault::Silent;
        server().setRoute(u"/stall"_s, route);
        QElapsedTimer timer;
        qint64 pressedAt = -1;
        m_web->window.onTransferRunning = [&](RecordingConnectionWindow& window) {
            if (pressedAt < 0 && timer.elapsed() >= 1000) {
                pressedAt = timer.elapsed();
                window.stop = true;
            }
        };
        clsWinInet client;
        QByteArray bytes;
        timer.start();
        QCOMPARE(client.GetHttpData(server().baseUrl() + u"/stall"_s, bytes, QString(), nullptr),
                 0);
        const qint64 stoppedAfter = timer.elapsed() - pressedAt;
        QVERIFY(pressedAt >= 0);
        QVERIFY2(stoppedAfter < 1000, qPrintable(QString::number(stoppedAfter)));
        // At least one call per 100 ms of the stall (the loop aims at one per 50 ms).
        QVERIFY2(m_web->window.keepAlives >= 10,
                 qPrintable(QString::number(m_web->window.keepAlives)));
        QVERIFY(!m_web->window.stop);
        QVERIFY(m_web->window.lastLog.size() == 2);
    }

    void aClosedPortGivesNothing() {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        clsWinInet client;
        QByteArray bytes;
        const QString url = u"http://127.0.0.1:%1/"_s.arg(port);
        QCOMPARE(client.GetHttpData(url, bytes, QString(), nullptr), 0);
        QCOMPARE(m_web->window.lastLog, QStringList({u" [コネクション開始]"_s, u" "_s + url}));
        QCOMPARE(client.GetHttpDataString(url, QString(), nullptr, 8), QString());
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void anUntrustedCertificateIsRefused() {
        QTemporaryDir folder;
        const QString cert = folder.filePath(u"cert.pem"_s);
        const QString key = folder.filePath(u"key.pem"_s);
        QProcess request;
        request.start(u"openssl"_s,
                      {u"req"_s, u"-x509"_s, u"-newkey"_s, u"rsa:2048"_s, u"-nodes"_s, u"-keyout"_s,
                       key, u"-out"_s, cert, u"-days"_s, u"1"_s, u"-subj"_s, u"/CN=127.0.0.1"_s,
                       u"-addext"_s, u"subjectAltName=IP:127.0.0.1"_s});
        QVERIFY2(request.waitForFinished(60000) && request.exitCode() == 0,
                 "openssl could not make a certificate");

        QProcess server;
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start(u"openssl"_s, {u"s_server"_s, u"-accept"_s, u"127.0.0.1:0"_s, u"-cert"_s, cert,
                                    u"-key"_s, key, u"-www"_s});
        QVERIFY(server.waitForStarted());
        static const QRegularExpression accept(u"ACCEPT 127\\.0\\.0\\.1:(\\d+)"_s);
        QString output;
        QRegularExpressionMatch match;
        QElapsedTimer timer;
        timer.start();
        while (!(match = accept.match(output)).hasMatch() && timer.elapsed() < 20000) {
            server.waitForReadyRead(200);
            output += QString::fromLocal8Bit(server.readAll());
        }
        QVERIFY2(match.hasMatch(), qPrintable(output));

        clsWinInet client;
        QByteArray bytes;
        const QString url = u"https://127.0.0.1:"_s + match.captured(1) + u"/"_s;
        QCOMPARE(client.GetHttpData(url, bytes, QString(), nullptr), 0);
        QVERIFY(bytes.isEmpty());
        QCOMPARE(m_web->window.lastLog.size(), 2);
        server.kill();
        server.waitForFinished();
    }

    void stringsAreDecodedByTheirCode() {
        const QString text = u"第1234回 開催情報"_s;
        server().setRoute(u"/sjis"_s, 200, ShiftJis::encode(text));
        server().setRoute(u"/utf8"_s, 200, text.toUtf8());
        clsWinInet client;
        QCOMPARE(client.GetHttpDataString(server().baseUrl() + u"/sjis"_s, QString(), nullptr, 0),
                 text);
        QCOMPARE(client.GetHttpDataString(server().baseUrl() + u"/utf8"_s, QString(), nullptr, 8),
                 text);
        QCOMPARE(client.GetHttpDataStringUTF8(server().baseUrl() + u"/utf8"_s, QString(), nullptr),
                 text);
        QVERIFY(m_web->platform.messages.isEmpty());
    }

    void anUnknownCodeIsReportedAfterTheDownload() {
        server().setRoute(u"/page"_s, 200, "text");
        clsWinInet client;
        QCOMPARE(client.GetHttpDataString(server().baseUrl() + u"/page"_s, QString(), nullptr, 1),
                 QString());
        QCOMPARE(server().requests().size(), 1);
        QCOMPARE(m_web->platform.messages.size(), 1);
        QCOMPARE(m_web->platform.messages[0].text, u"コード番号が異常です（1）"_s);
        QCOMPARE(m_web->platform.messages[0].title,
                 u"Kelvor mini / clsWinInet / GetHttpDataString"_s);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Warning);
    }

    // A transport installed in place of the network serves every download, and the client
    // keeps its log, its status and its rule that only a clean transfer gives a body.
    void anInstalledTransportStandsInForTheNetwork() {
        struct Fixed : Transport {
            bool available() const override { return true; }
            TransferResult fetch(const TransferRequest& request, const TransferLog& log) override {
                asked = request.url;
                log.addLine(u"受信中 "_s);
                return TransferResult{"<p>x", u"text/html; charset=Shift_JIS"_s, 503, true, clean};
            }
            QString asked;
            bool clean = true;
        } fixed;
        Transport::install(&fixed);
        clsWinInet client;
        QByteArray bytes;
        QCOMPARE(client.GetHttpData(u"https://site.invalid/p"_s, bytes, QString(), nullptr), 4);
        QCOMPARE(fixed.asked, u"https://site.invalid/p"_s);
        QCOMPARE(bytes, QByteArray("<p>x"));
        QCOMPARE(client.ContentType(), u"text/html; charset=Shift_JIS"_s);
        QCOMPARE(client.LastStatus(), 503);
        QCOMPARE(m_web->window.lastLog.value(2), u" 受信中 .."_s);
        fixed.clean = false;
        QCOMPARE(client.GetHttpData(u"https://site.invalid/p"_s, bytes, QString(), nullptr), 0);
        QVERIFY(bytes.isEmpty());
        Transport::install(nullptr);
    }

private:
    LoopbackHttpServer& server() const { return m_web->site.server(); }

    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_clsWinInet)
#include "tst_clsWinInet.moc"
