#include "base/ShiftJis.h"
#include "documents/clsResult.h"
#include "documents/clsSchedule.h"
#include "documents/clsVote.h"
#include "support/WebTestFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString webData(const QString& name) {
    return QStringLiteral(KELVOR_TEST_DATA) + u"/web/"_s + name;
}

// Downloads draw 1234's document of the kind as the current-draw controller does, without the
// question; true when a complete document was obtained.
bool download(const QString& kind) {
    if (kind == u"schedule"_s) {
        clsSchedule controller;
        controller.Initialize(nullptr);
        return controller.GetSchedule(1234, QString(), 3, false);
    }
    if (kind == u"vote"_s) {
        clsVote controller;
        controller.Initialize(nullptr);
        return controller.GetVote(1234, QString(), 3, false);
    }
    clsResult controller;
    controller.Initialize(nullptr);
    return controller.GetResult(1234, QString(), 3, false);
}

} // namespace

// The site may write its pages in other forms than the standard ones (tests/data/web/
// {kind}_1234_{form}.html beside {kind}_1234.html, and the charsets): each stores byte for byte
// the document that the standard page stores, without a message.
class tst_PageForms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web, WebTestFixture::StoredSchedule1234)); }
    void cleanup() { m_web.reset(); }

    void everyFormStoresTheStandardDocument_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("contentType");
        const QStringList pages =
            QDir(webData(QString())).entryList({u"*_1234_*.html"_s}, QDir::Files, QDir::Name);
        QVERIFY(pages.size() >= 15);
        for (const QString& name : pages) {
            QTest::newRow(qPrintable(name)) << name.section(u'_', 0, 0) << readFile(webData(name))
                                            << QByteArray("text/html; charset=UTF-8");
        }
        for (const QString& kind : {u"schedule"_s, u"vote"_s, u"result"_s}) {
            const QString standard = OfficialSite::testPage(kind + u"_1234.html"_s);
            QString sjisPage = standard;
            sjisPage.replace(u"<meta charset=\"UTF-8\">"_s, u"<meta charset=\"Shift_JIS\">"_s);
            QTest::newRow(qPrintable(kind + u", Shift_JIS by Content-Type"_s))
                << kind << ShiftJis::encode(standard) << QByteArray("text/html; charset=Shift_JIS");
            QTest::newRow(qPrintable(kind + u", Shift_JIS by meta"_s))
                << kind << ShiftJis::encode(sjisPage) << QByteArray("text/html");
            QTest::newRow(qPrintable(kind + u", byte-order mark"_s))
                << kind << "\xEF\xBB\xBF" + standard.toUtf8() << QByteArray();
        }
    }
    void everyFormStoresTheStandardDocument() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, contentType);
        // The user's own name for a club (the team-name form).
        QFile user(m_web->path(u"SysData/TeamName3.dat"_s));
        QVERIFY(user.open(QIODevice::WriteOnly));
        user.write(ShiftJis::encode(u"磐田 = ジュビロ\r\n"_s));
        user.close();

        LoopbackHttpServer::Route route;
        route.body = page;
        route.contentType = contentType;
        if (kind == u"schedule"_s)
            m_web->site.serveSchedule(u"1234"_s, route);
        else if (kind == u"vote"_s)
            m_web->site.serveVote(u"1234"_s, route);
        else
            m_web->site.serveResult(u"1234"_s, route);
        const QString stored = u"SysData/miniBIG_%1/minibig_%2_1234.xml"_s.arg(
            kind == u"schedule"_s ? u"Schedule"_s : (kind == u"vote"_s ? u"Vote"_s : u"Result"_s),
            kind);
        if (kind == u"schedule"_s)
            QVERIFY(QFile::remove(m_web->path(stored)));

        QVERIFY(download(kind));
        QVERIFY2(m_web->platform.messages.isEmpty(),
                 qPrintable(m_web->platform.texts().join(u'|')));
        QCOMPARE(readFile(m_web->path(stored)), readFile(webData(stored.section(u'/', -1))));
    }

private:
    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_PageForms)
#include "tst_PageForms.moc"
