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
        // A played match's mark is exactly 0, 1 or 2: no rounding, no exponent, no 3.
        QTest::newRow("result, a mark 1.6")
            << u"result"_s << u"<td>清水</td><td>1</td>"_s << u"<td>清水</td><td>1.6</td>"_s
            << u"第1試合の結果"_s << u"<td>1.6</td>"_s;
        QTest::newRow("result, a mark 1e0")
            << u"result"_s << u"<td>清水</td><td>1</td>"_s << u"<td>清水</td><td>1e0</td>"_s
            << u"第1試合の結果"_s << u"<td>1e0</td>"_s;
        QTest::newRow("result, a mark 3 beside a score")
            << u"result"_s << u"<td>清水</td><td>1</td>"_s << u"<td>清水</td><td>3</td>"_s
            << u"第1試合の結果"_s << u"<td>清水</td><td>3</td>"_s;
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

    // A mark against its score is shown with the match and asked about, No by default.
    void aMarkAgainstItsScoreIsAskedAbout() {
        QString page = OfficialSite::testPage(u"result_1234.html"_s);
        page.replace(u"<td>清水</td><td>1</td>"_s, u"<td>清水</td><td>2</td>"_s);
        serve(u"result"_s, page.toUtf8());
        const QString stored = m_web->path(u"SysData/miniBIG_Result/minibig_result_1234.xml"_s);
        QVERIFY(download(u"result"_s));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QVERIFY(m_web->platform.messages[0].question);
        QCOMPARE(m_web->platform.texts().value(0),
                 u"くじ結果がスコアと合いません。\r\n第1試合 鹿島 2-1 清水　結果 2\r\n"
                 u"このまま保存しますか？"_s);
        QVERIFY(!QFile::exists(stored));

        // A saved page is asked about the same way.
        m_web->platform.clearMessages();
        m_web->platform.answers = {true};
        clsResult controller;
        controller.Initialize(nullptr);
        QVERIFY(controller.ReadSavedPage(1234, QString(), page.toUtf8()));
        QCOMPARE(m_web->platform.messages.size(), 1);
        QVERIFY(QFile::exists(stored));
    }

    // Nine marks 3 beside scores are no cancelled draw: the page is refused, downloaded or saved,
    // and its prize table is not lost to a stored cancellation.
    void nineMarksThreeBesideScoresAreRefused() {
        QString page = OfficialSite::testPage(u"result_1234.html"_s);
        page.replace(QRegularExpression(u"<td>[012]</td></tr>"_s), u"<td>3</td></tr>"_s);
        serve(u"result"_s, page.toUtf8());
        QVERIFY(!download(u"result"_s));
        clsResult controller;
        controller.Initialize(nullptr);
        QVERIFY(!controller.ReadSavedPage(1234, QString(), page.toUtf8()));
        controller.FalseDialog(1234);
        for (const auto& message : m_web->platform.messages)
            QVERIFY(message.text.contains(u"「第1試合の結果」が読めません"_s));
        QCOMPARE(m_web->platform.messages.size(), 2);
        QVERIFY(!QFile::exists(m_web->path(u"SysData/miniBIG_Result/minibig_result_1234.xml"_s)));
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

    // The body of an answer that is not 2xx is never stored, even a good page; it is still read
    // for the site's own notices.
    void anErrorAnswerIsNoPage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("document");
        QTest::newRow("schedule") << u"schedule"_s << u"開催情報"_s;
        QTest::newRow("vote") << u"vote"_s << u"投票状況"_s;
        QTest::newRow("result") << u"result"_s << u"くじ結果"_s;
    }
    void anErrorAnswerIsNoPage() {
        QFETCH(QString, kind);
        QFETCH(QString, document);
        serve(kind, OfficialSite::testPage(kind + u"_1234.html"_s).toUtf8(), 503);
        QVERIFY(!download(kind));
        // (The schedule's message may end with a hint of its own.)
        QCOMPARE(m_web->platform.texts().size(), 1);
        QCOMPARE(m_web->platform.texts()[0].split(u"\r\n"_s).mid(0, 2),
                 QStringList({u"インターネットよりダウンロードに失敗しました。"_s,
                              u"サーバーがエラーを返しました（503）"_s}));
        QVERIFY(!QDir(m_web->path(u"SysData/Log"_s)).exists());
        const QString folder = kind == u"schedule"_s ? u"Schedule"_s
                               : kind == u"vote"_s   ? u"Vote"_s
                                                     : u"Result"_s;
        QVERIFY(!QFile::exists(
            m_web->path(u"SysData/miniBIG_%1/minibig_%2_1234.xml"_s.arg(folder, kind))));

        m_web->platform.clearMessages();
        const QString notice = kind == u"schedule"_s ? u"ご指定のくじ情報は表示できません。"_s
                               : kind == u"vote"_s ? u"ご指定の投票状況は表示できません。"_s
                                                   : u"ご指定のくじ結果は表示できません。"_s;
        serve(kind, (u"<html><body><p>"_s + notice + u"</p></body></html>"_s).toUtf8(), 404);
        QVERIFY(!download(kind));
        QCOMPARE(m_web->platform.texts().size(), 1);
        QCOMPARE(m_web->platform.texts()[0].split(u"\r\n"_s).constFirst(),
                 u"第1234回 "_s + document + u"は発表されていません。"_s);
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
    void serve(const QString& kind, const QByteArray& page, int status = 200) {
        if (kind == u"schedule"_s) {
            QFile::remove(m_web->path(u"SysData/miniBIG_Schedule/minibig_schedule_1234.xml"_s));
            m_web->site.serveSchedule(u"1234"_s, page, status);
        } else if (kind == u"vote"_s) {
            m_web->site.serveVote(u"1234"_s, page, status);
        } else {
            m_web->site.serveResult(u"1234"_s, page, status);
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
