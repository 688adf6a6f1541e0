#include "app/ResultBulkFetch.h"
#include "app/frmLedger.h"
#include "support/TestMain.h"
#include "support/WebTestFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString resultPath(const WebTestFixture& web, qint32 draw) {
    return web.path(QStringLiteral("SysData/miniBIG_Result/minibig_result_%1.xml").arg(draw));
}

} // namespace

class tst_frmLedger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web)); }
    void cleanup() { m_web.reset(); }

    // One connection window for all draws; a failure of one draw does not stop the others; each
    // result is stored once; one summary.
    void bulkFetchStoresEachResultOnce() {
        m_web->site.serveResult(u"1234"_s, OfficialSite::testPage(u"result_1234.html"_s).toUtf8());
        m_web->site.serveResult(u"1235"_s, "<body><p>ご指定のくじ結果は表示できません。<p>");
        m_web->site.serveResult(u"1236"_s, QByteArray(), 500);
        const ResultBulkFetch::Summary summary = ResultBulkFetch::run({1236, 1234, 1235}, nullptr);
        QCOMPARE(summary.stored, QList<qint32>{1234});
        QCOMPARE(summary.unpublished, QList<qint32>{1235});
        QCOMPARE(summary.failed.size(), 1);
        QCOMPARE(summary.failed[0].first, 1236);
        QVERIFY(summary.notTried.isEmpty());
        QVERIFY(QFile::exists(resultPath(*m_web, 1234)));
        // The connection window stayed loaded from the first request to the end of the run.
        QCOMPARE(m_web->window.unloaded, 1);
        QVERIFY(m_web->platform.messages.isEmpty());
        QCOMPARE(ResultBulkFetch::summaryText(summary).split(u"\r\n"_s).size(), 3);

        // A second run stores nothing new: the stored file stays as it was.
        const QDateTime stored = QFileInfo(resultPath(*m_web, 1234)).lastModified();
        QCOMPARE(ResultBulkFetch::run({1234}, nullptr).stored, QList<qint32>{1234});
        QCOMPARE(QFileInfo(resultPath(*m_web, 1234)).lastModified(), stored);
    }

    // 中止 during the first download stops the rest.
    void stopEndsTheRun() {
        LoopbackHttpServer::Route slow;
        slow.body = OfficialSite::testPage(u"result_1234.html"_s).toUtf8();
        slow.delayMs = 1000;
        m_web->site.serveResult(u"1234"_s, slow);
        m_web->window.onTransferRunning = [](RecordingConnectionWindow& window) {
            window.stop = true;
        };
        const ResultBulkFetch::Summary summary = ResultBulkFetch::run({1234, 1235, 1236}, nullptr);
        QVERIFY(summary.stored.isEmpty());
        QCOMPARE(summary.failed.size(), 1);
        QCOMPARE(summary.notTried, (QList<qint32>{1235, 1236}));
        // The first request at most; the stopped one may end before the server notes it.
        QVERIFY(m_web->site.requestedTargets().size() <= 1);
    }

    // The window lists the folder, follows an exclusion into the totals and the settings, and a
    // double-click asks for the draw and its list.
    void windowListsAndOpens() {
        const QString folder = m_web->platform.userDataFolder();
        write(folder + u"/Tovmi-1234.csv"_s, "1,1,1,1,1,1,1,1,1\r\n");
        write(folder + u"/Tovmi-1235.csv"_s, "0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,1\r\n");
        QWidget owner;
        auto* window = new frmLedger(&owner);
        QCOMPARE(window->grdLedger->rowCount(), 2);
        QCOMPARE(window->grdLedger->item(0, 11)->text(), u"結果待ち"_s);
        QVERIFY(window->lblTotals->text().contains(u"購入金額 600円"_s));

        window->grdLedger->selectRow(0);
        window->cmdExclude->click();
        QVERIFY(window->lblTotals->text().contains(u"購入金額 200円"_s));
        QVERIFY(LedgerSettings::Load().excluded.contains(
            QFileInfo(folder + u"/Tovmi-1235.csv"_s).canonicalFilePath()));

        QSignalSpy open(window, &frmLedger::OpenDraw);
        Q_EMIT window->grdLedger->cellDoubleClicked(1, 0);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open[0][0].toInt(), 1234);
        QCOMPARE(open[0][1].toString(),
                 QFileInfo(folder + u"/Tovmi-1234.csv"_s).canonicalFilePath());
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

KELVOR_TEST_MAIN(tst_frmLedger)
#include "tst_frmLedger.moc"
