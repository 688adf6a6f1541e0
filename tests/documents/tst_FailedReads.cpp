#include "documents/FailedPageLog.h"
#include "documents/clsResult.h"
#include "documents/clsSchedule.h"
#include "documents/clsVote.h"
#include "support/WebTestFixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The line of the page source that holds text (from 1).
int lineOf(const QString& page, const QString& text) {
    return int(page.left(page.indexOf(text)).count(u'\n')) + 1;
}

} // namespace

// A download whose page could not be read says, under the usual message, what could not be
// read and where, and keeps the page; another draw's page says only that.
class tst_FailedReads : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(WebTestFixture::make(m_web, WebTestFixture::StoredSchedule1234)); }
    void cleanup() { m_web.reset(); }

    void theSecondLineNamesWhatCouldNotBeRead_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("lineText"); // a text on the line named; "" for no line
        QTest::newRow("schedule, a start time that is no time")
            << u"schedule"_s << u"<td>15:00</td>"_s << u"<td>未定</td>"_s << u"第3試合の開始時刻"_s
            << u"<td>未定</td>"_s;
        QTest::newRow("schedule, no sale end")
            << u"schedule"_s
            << u"<tr><th>販売終了日</th><td>2021年03月06日(土)<br>13:50</td></tr>"_s << QString()
            << u"販売終了日"_s << QString();
        QTest::newRow("vote, final figures without the sale period")
            << u"vote"_s << u"<tr><th>販売期間</th>"_s << u"<tr><th>期間</th>"_s << u"集計時点"_s
            << u"販売終了時点"_s;
        QTest::newRow("vote, a count without its rate")
            << u"vote"_s << u"<td>10,333(44.17%)</td>"_s << u"<td>10,333</td>"_s
            << u"toto 第3試合のホーム勝ち"_s << u"<td>10,333</td>"_s;
        QTest::newRow("result, a score that is no score")
            << u"result"_s << u"<td>1-3</td>"_s << u"<td>1対3</td>"_s << u"第3試合のスコア"_s
            << u"<td>1対3</td>"_s;
        QTest::newRow("result, not in its charset")
            << u"result"_s << u"</body>"_s << u"\xff</body>"_s << u"ページの文字コード"_s
            << QString();
    }
    void theSecondLineNamesWhatCouldNotBeRead() {
        QFETCH(QString, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, field);
        QFETCH(QString, lineText);
        QString page = OfficialSite::testPage(kind + u"_1234.html"_s);
        QVERIFY(page.contains(from));
        page.replace(from, to);
        QByteArray bytes = page.toUtf8();
        if (to.startsWith(u'\xff'))
            bytes.replace("\xc3\xbf", "\xff"); // a byte that is no UTF-8
        serve(kind, bytes);
        m_web->platform.setNow(DateTime::fromDateTime(QDate(2026, 4, 21), QTime(20, 40, 5)));

        QVERIFY(!download(kind));
        // A conversion error is reported first, in its own box.
        const QStringList lines = m_web->platform.messages.constLast().text.split(u"\r\n"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], u"インターネットよりダウンロードに失敗しました。"_s);
        const QString kept = QDir::toNativeSeparators(
            m_web->path(u"SysData/Log/"_s + kind + u"_1234_20260421_204005.html"_s));
        QString expected = u"「"_s + field + u"」が読めません"_s;
        if (!lineText.isEmpty())
            expected += u"（%1 行目）"_s.arg(lineOf(page, lineText));
        QCOMPARE(lines[1], expected + u' ' + kept);
        QCOMPARE(readFile(kept), bytes);
    }

    void anotherDrawsPageIsOnlyNamed() {
        QString page = OfficialSite::testPage(u"result_1234.html"_s);
        page.replace(u"第1234回"_s, u"第9999回"_s);
        serve(u"result"_s, page.toUtf8());
        QVERIFY(!download(u"result"_s));
        QCOMPARE(m_web->platform.texts(),
                 QStringList{u"第1234回を要求しましたが、第9999回のページが返されました。"_s});
        QVERIFY(!QFile::exists(m_web->path(u"SysData/miniBIG_Result/minibig_result_9999.xml"_s)));
        QVERIFY(!QDir(m_web->path(u"SysData/Log"_s)).exists());
    }

    void onlyTheLastPagesAreKept() {
        QDir log(m_web->path(u"SysData/Log"_s));
        QVERIFY(log.mkpath(u"."_s));
        QFile other(log.filePath(u"notes.html"_s)); // not one of ours: left alone
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        for (int n = 0; n < FailedPageLog::MaxKept + 5; ++n) {
            m_web->platform.setNow(DateTime::fromDateTime(QDate(2026, 4, 21), QTime(20, n, 0)));
            QVERIFY(!FailedPageLog::keep(u"vote"_s, 1234, "page").isEmpty());
        }
        const QStringList kept = log.entryList(QDir::Files, QDir::Name);
        QCOMPARE(kept.size(), FailedPageLog::MaxKept + 1);
        QVERIFY(kept.contains(u"notes.html"_s));
        QVERIFY(kept.contains(u"vote_1234_20260421_202400.html"_s));
        QVERIFY(!kept.contains(u"vote_1234_20260421_200400.html"_s));
        // Two in the same second keep both.
        QVERIFY(FailedPageLog::keep(u"vote"_s, 1234, "again").endsWith(u"_2.html"_s));
    }

private:
    void serve(const QString& kind, const QByteArray& page) {
        if (kind == u"schedule"_s) {
            QVERIFY(QFile::remove(
                m_web->path(u"SysData/miniBIG_Schedule/minibig_schedule_1234.xml"_s)));
            m_web->site.serveSchedule(u"1234"_s, page);
        } else if (kind == u"vote"_s) {
            m_web->site.serveVote(u"1234"_s, page);
        } else {
            m_web->site.serveResult(u"1234"_s, page);
        }
    }

    // One download of draw 1234 as the current-draw controller runs it.
    static bool download(const QString& kind) {
        if (kind == u"schedule"_s)
            return run<clsSchedule>(&clsSchedule::GetSchedule);
        if (kind == u"vote"_s)
            return run<clsVote>(&clsVote::GetVote);
        return run<clsResult>(&clsResult::GetResult);
    }
    template <typename Controller, typename Get> static bool run(Get get) {
        Controller controller;
        controller.Initialize(nullptr);
        if ((controller.*get)(1234, QString(), 3, false))
            return true;
        controller.FalseDialog(1234);
        return false;
    }

    std::unique_ptr<WebTestFixture> m_web;
};

QTEST_GUILESS_MAIN(tst_FailedReads)
#include "tst_FailedReads.moc"
