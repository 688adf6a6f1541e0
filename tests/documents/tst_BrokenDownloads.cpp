#include "documents/clsResult.h"
#include "documents/clsSchedule.h"
#include "documents/clsVote.h"
#include "support/WebTestFixture.h"
#include "web/clsWinInet.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum Document { Schedule, Vote, Result };

struct DocumentFiles {
    const char* page;
    const char* stored;
    const char* rowCut; // a text inside a match row
};
constexpr DocumentFiles Files[] = {
    {"schedule_1234.html", "SysData/miniBIG_Schedule/minibig_schedule_1234.xml", "<td>ヤマハ</td>"},
    {"vote_1234.html", "SysData/miniBIG_Vote/minibig_vote_1234.xml", "<td>8,039(34.37%)"},
    {"result_1234.html", "SysData/miniBIG_Result/minibig_result_1234.xml", "<td>3-2</td>"},
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One download of draw 1234 as the current-draw controller runs it: the get operation with the
// question turned off, then FalseDialog when it failed. True when it succeeded.
template <typename Controller, typename Get> bool run(Get get) {
    Controller controller;
    controller.Initialize(nullptr);
    if ((controller.*get)(1234, QString(), 3, false))
        return true;
    controller.FalseDialog(1234);
    return false;
}

bool download(int document) {
    switch (document) {
    case Schedule:
        return run<clsSchedule>(&clsSchedule::GetSchedule);
    case Vote:
        return run<clsVote>(&clsVote::GetVote);
    default:
        return run<clsResult>(&clsResult::GetResult);
    }
}

} // namespace

// Whatever goes wrong with a download, each of the three documents ends the same way: nothing
// is stored, the download's failure message is the only box, and the whole page afterwards is
// stored exactly as from a server that behaves.
class tst_BrokenDownloads : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        QVERIFY(WebTestFixture::make(m_web, WebTestFixture::TeamNames));
        clsWinInet::SetReceiveTimeoutForTests(700);
        clsWinInet::SetTransferTimeLimitForTests(3000);
    }
    void cleanup() {
        clsWinInet::SetReceiveTimeoutForTests(0);
        clsWinInet::SetTransferTimeLimitForTests(0);
        m_web.reset();
    }

    void aBrokenDownloadStoresNothingAndSaysSoOnce_data() {
        using Fault = LoopbackHttpServer::Fault;
        QTest::addColumn<int>("document");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("change");
        const char* const names[] = {"schedule", "vote", "result"};
        for (const int document : {Schedule, Vote, Result}) {
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::newRow(
                    qPrintable(QLatin1String(names[document]) + u", "_s + QLatin1String(what)));
            };
            row("short of its length") << document << int(Fault::ShortBody) << QString();
            row("reset mid-body") << document << int(Fault::ResetMidBody) << QString();
            row("no answer") << document << int(Fault::Silent) << QString();
            row("invalid UTF-8") << document << int(Fault::None) << u"invalid"_s;
            row("page ends inside a row") << document << int(Fault::None) << u"cut"_s;
        }
    }
    void aBrokenDownloadStoresNothingAndSaysSoOnce() {
        QFETCH(int, document);
        QFETCH(int, fault);
        QFETCH(QString, change);
        const DocumentFiles& files = Files[document];
        if (document == Vote)
            QVERIFY(OfficialSite::storeSchedule(OfficialSite::schedule1234()));
        const QByteArray whole = OfficialSite::testPage(QLatin1String(files.page)).toUtf8();
        LoopbackHttpServer::Route route;
        route.fault = LoopbackHttpServer::Fault(fault);
        route.body = whole;
        if (change == u"invalid"_s)
            route.body.replace("</body>", "\xff\xfe</body>");
        if (change == u"cut"_s)
            route.body.truncate(route.body.indexOf(files.rowCut));
        serve(document, route);

        QVERIFY(!download(document));
        const QString stored = m_web->path(QLatin1String(files.stored));
        QVERIFY(!QFile::exists(stored));
        QCOMPARE(m_web->platform.firstLines(),
                 QStringList{u"インターネットよりダウンロードに失敗しました。"_s});
        // A page that arrived whole but could not be read is kept, and its path ends the message.
        const bool pageArrived = !change.isEmpty();
        QCOMPARE(QDir(m_web->path(u"SysData/Log"_s)).entryList(QDir::Files).size(),
                 pageArrived ? 1 : 0);
        QCOMPARE(m_web->platform.texts().value(0).endsWith(u".html"_s), pageArrived);
        QCOMPARE(m_web->platform.messages[0].icon, MessageIcon::Warning);

        m_web->platform.clearMessages();
        serve(document, LoopbackHttpServer::Route{200, whole});
        QVERIFY(download(document));
        QVERIFY2(m_web->platform.messages.isEmpty(),
                 qPrintable(m_web->platform.texts().join(u'|')));
        QCOMPARE(readFile(stored), readFile(QStringLiteral(KELVOR_TEST_DATA) + u"/web/"_s +
                                            QString::fromLatin1(files.stored).section(u'/', -1)));
    }

private:
    void serve(int document, const LoopbackHttpServer::Route& route) {
        if (document == Schedule)
            m_web->site.serveSchedule(u"1234"_s, route);
        else if (document == Vote)
            m_web->site.serveVote(u"1234"_s, route);
        else
            m_web->site.serveResult(u"1234"_s, route);
    }

    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_BrokenDownloads)
#include "tst_BrokenDownloads.moc"
