#include "app/clsShell.h"
#include "app/frmTeamName.h"
#include "app/frmWinInet.h"
#include "drawdata/clsTotoData.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "support/TestMain.h"
#include "web/clsWinInet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The connection window's log, the user team-name window and the write-permission check.
class tst_SmallWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectionLogGrowsAndIsDiscarded();
    void connectionWindowFollowsATopmostOwner();
    void connectionWindowKeepsPaintingThroughAStallAndStops();
    void teamNameOpensWithTheMissingName();
    void teamNameRefusalKeepsTheWindowOpen();
    void teamNameAddWritesAndCloses();
    void writeCheck();
};

void tst_SmallWindows::connectionLogGrowsAndIsDiscarded() {
    QWidget owner;
    owner.show();
    frmWinInet window;
    window.showFor(&owner);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral(" インターネット接続"));
    window.addItem(QStringLiteral(" [コネクション開始]"));
    window.addItem(QStringLiteral(" 受信中 "));
    window.extendLastItem(QStringLiteral("."));
    window.extendLastItem(QStringLiteral("."));
    QCOMPARE(window.lstMsg()->count(), 2);
    QCOMPARE(window.lstMsg()->item(1)->text(), QStringLiteral(" 受信中 .."));
    QCOMPARE(window.lstMsg()->currentRow(), 1);
    window.unload(&owner);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.lstMsg()->count(), 0);
}

void tst_SmallWindows::connectionWindowFollowsATopmostOwner() {
    QWidget owner(nullptr, Qt::WindowStaysOnTopHint);
    owner.show();
    frmWinInet window;
    window.showFor(&owner);
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.unload(nullptr);
}

// A server that accepts and never answers: for five seconds the window has the program's
// windows repainted at least every 100 ms (through the platform's event hook), then its 中止
// button ends the download within a second, as a failed one; meanwhile the window behind cannot be
// closed.
void tst_SmallWindows::connectionWindowKeepsPaintingThroughAStallAndStops() {
    FakePlatform platform;
    LoopbackHttpServer server;
    QVERIFY(server.start());
    LoopbackHttpServer::Route silent;
    silent.fault = LoopbackHttpServer::Fault::Silent;
    server.setRoute(QStringLiteral("/stall"), silent);
    QWidget owner;
    owner.show();
    frmWinInet window;
    ConnectionWindow::install(&window);
    QElapsedTimer timer;
    int callsBeforeStop = -1;
    qint64 pressedAt = -1;
    bool ownerClosed = true;
    platform.onProcessEvents = [&] {
        // A close request to the window behind is refused while the transfer runs.
        if (ownerClosed && timer.elapsed() >= 1000)
            ownerClosed = owner.close();
        if (pressedAt < 0 && timer.elapsed() >= 5000) {
            callsBeforeStop = platform.processEventsCalls;
            pressedAt = timer.elapsed();
            QVERIFY(window.cmdStop()->isEnabled());
            window.cmdStop()->click();
        }
    };
    clsWinInet client;
    QByteArray bytes("x");
    timer.start();
    const qint32 got =
        client.GetHttpData(server.baseUrl() + QStringLiteral("/stall"), bytes, QString(), &owner);
    const qint64 stoppedAfter = timer.elapsed() - pressedAt;
    ConnectionWindow::install(nullptr);

    QCOMPARE(got, 0);
    QVERIFY(bytes.isEmpty());
    QVERIFY(pressedAt >= 0);
    QVERIFY(!ownerClosed);
    QVERIFY(owner.isVisible());
    QVERIFY2(callsBeforeStop >= 50, qPrintable(QString::number(callsBeforeStop)));
    QVERIFY2(stoppedAfter < 1000, qPrintable(QString::number(stoppedAfter)));
    QVERIFY(!window.isVisible());
    QVERIFY(!window.cmdStop()->isEnabled());
}

void tst_SmallWindows::teamNameOpensWithTheMissingName() {
    FakePlatform platform;
    clsTotoData::SetLastMissingTeamName(QStringLiteral("ＦＣバルセロナ"));
    frmTeamName window;
    QCOMPARE(window.windowTitle(), QStringLiteral(" チーム名（ユーザー定義）"));
    QCOMPARE(window.txtRyakusho()->text(), QStringLiteral("FCﾊﾞﾙｾﾛﾅ"));
    QCOMPARE(window.txtMeisho()->text(), QStringLiteral("ＦＣバルセロナ"));
    clsTotoData::SetLastMissingTeamName(QString());
}

void tst_SmallWindows::teamNameRefusalKeepsTheWindowOpen() {
    FakePlatform platform;
    QDir().mkpath(platform.path(QStringLiteral("SysData")));
    frmTeamName window;
    window.show();
    window.txtRyakusho()->setText(QStringLiteral("ABCDEFG"));
    window.txtMeisho()->setText(QStringLiteral("Long Name FC"));
    window.cmdAdd()->click();
    QCOMPARE(platform.texts(), QStringList{QStringLiteral("略称は6文字以内で入力して下さい。")});
    QVERIFY(window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

void tst_SmallWindows::teamNameAddWritesAndCloses() {
    FakePlatform platform;
    QDir().mkpath(platform.path(QStringLiteral("SysData")));
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        QFile file(platform.path(QStringLiteral("SysData/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(";\r\n");
    }
    frmTeamName window;
    window.show();
    window.txtRyakusho()->setText(QStringLiteral("ABC"));
    window.txtMeisho()->setText(QStringLiteral("Alpha Beta Club"));
    window.cmdAdd()->click();
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QFile file(platform.path(QStringLiteral("SysData/TeamName3.dat")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith("ABC    = Alpha Beta Club\r\n"));
}

void tst_SmallWindows::writeCheck() {
    FakePlatform platform;
    QVERIFY(clsShell().CheckVirtualstoreAdmin());
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(!clsShell(platform.path(QStringLiteral("missing"))).CheckVirtualstoreAdmin());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("管理権限不足エラー"));
    QCOMPARE(platform.messages.first().text,
             QStringLiteral("Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                            "アプリケーションを終了させ管理者として実行して下さい。"));
    QCOMPARE(platform.messages.first().icon, MessageIcon::Warning);
}

KELVOR_TEST_MAIN(tst_SmallWindows)
#include "tst_SmallWindows.moc"
