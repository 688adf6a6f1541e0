#include "base/ShiftJis.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "support/RecordingConnectionWindow.h"
#include "web/clsHtmlGet.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_clsHtmlGet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.start()); }

    void bodyLines_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("blanks inside a cell go") << u"<td>  x\r\n y</td>"_s << QStringList{u"xy"_s};
        QTest::newRow("breaks join") << u"<p>A<br>B<BR>C</p>"_s << QStringList{u"ABC"_s};
        QTest::newRow("paragraphs split") << u"<p>A</p><p>B</p>"_s << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("break with blank before slash joins")
            << u"<p>A<br />B"_s << QStringList{u"AB"_s};
        QTest::newRow("break without blank does not")
            << u"<p>A<br/>B"_s << QStringList{u"A"_s, u"B"_s};
        QTest::newRow("text after a leading break is dropped")
            << u"<br>A<p>B"_s << QStringList{u"B"_s};
        QTest::newRow("a comment ends the join")
            << u"<p>A<br>B<!-- c -->C"_s << QStringList{u"AB"_s, u"C"_s};
        QTest::newRow("ideographic spaces give an empty line")
            << u"<td>\u3000\u3000</td><td>第1回\u3000miniBIG\tくじ</td>"_s
            << QStringList{QString(), u"第1回miniBIGくじ"_s};
        QTest::newRow("comments produce no lines")
            << u"<p>a<!-- x <b> y -->z<p>"_s << QStringList{u"a"_s};
        QTest::newRow("a comment named br joins")
            << u"<p>A<!-- br -->B<p>"_s << QStringList{u"AB"_s};
        QTest::newRow("a break's name loses its ideographic space")
            << u"<p>A<b\u3000r>B<p>"_s << QStringList{u"AB"_s};
        QTest::newRow("an escaped tag separates lines")
            << u"<p>A<i>&lt;b&gt;</i>B"_s << QStringList{u"A"_s, u"B"_s};
    }
    void bodyLines() {
        QFETCH(QString, body);
        QFETCH(QStringList, lines);
        FakePlatform platform;
        clsHtmlGet page;
        loadFile(platform, page,
                 u"<html><head><title>T</title></head>before<body>"_s + body + u"<p>"_s);
        QStringList result{u"stale"_s};
        QCOMPARE(page.GetTextData(result), lines.size());
        QCOMPARE(result, lines);
        // The readers' compact lines are the same, without empty ones.
        const PageLines compact = page.GetPageLines();
        QStringList walked;
        for (qint32 i = 0; i < compact.count(); ++i)
            walked << compact.at(i);
        lines.removeAll(QString());
        QCOMPARE(walked, lines);
        QVERIFY_THROWS_EXCEPTION(PageLines::Ended, compact.at(compact.count()));
    }

    // What the readers see besides: no-break spaces gone, no empty lines, a label and its value
    // in one cell as two lines, and each line's source line.
    void readerLines() {
        FakePlatform platform;
        clsHtmlGet page;
        loadFile(platform, page,
                 u"<html><body>\n<td>販売期間&nbsp;</td><td>&#160;</td><td>&NBSP;</td>\n"
                 u"<td>払戻期限：2021/03/09(火)</td><td>払戻期限：</td>\n"
                 u"<td>結果発表日2021/03/08<br>(月)</td><td>払戻期限まで</td><p>"_s);
        const QStringList labels{u"販売期間"_s, u"払戻期限"_s, u"結果発表日"_s};
        const PageLines lines = page.GetPageLines(labels);
        QStringList walked;
        QList<qint32> sourceLines;
        for (qint32 i = 0; i < lines.count(); ++i) {
            walked << lines.at(i);
            sourceLines << lines.sourceLine(i);
        }
        QCOMPARE(walked,
                 (QStringList{u"販売期間"_s, u"払戻期限"_s, u"2021/03/09(火)"_s, u"払戻期限"_s,
                              u"結果発表日"_s, u"2021/03/08(月)"_s, u"払戻期限まで"_s}));
        QCOMPARE(sourceLines, (QList<qint32>{2, 3, 3, 3, 4, 4, 4}));
    }

    void titleKeepsItsBlanks() {
        FakePlatform platform;
        clsHtmlGet page;
        loadFile(platform, page,
                 u"<html><head><TITLE>くじ 情報 &amp; 結果</TITLE></head><body><title>x</title>"_s);
        QCOMPARE(page.GetHtmlTitle(), u"くじ 情報 & 結果"_s);
    }

    void tokenNamesLoseTheirBlanksButTextKeepsThem() {
        FakePlatform platform;
        clsHtmlGet page;
        QCOMPARE(loadFile(platform, page, u"<body><p>a b\u3000c<p>"_s), 4);
        QCOMPARE(page.Token(3).name, u"abc"_s);
        QCOMPARE(page.Token(3).text, u"a b\u3000c"_s);
        QCOMPARE(page.Token(0).text, QString());
        QCOMPARE(page.Token(5).text, QString());
    }

    void addresses_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same folder") << u"x.html"_s << u"http://h.example/d/x.html"_s;
        QTest::newRow("parent folder") << u"../x.html"_s << u"http://h.example/x.html"_s;
        QTest::newRow("root") << u"/x.html"_s << u"http://h.example/x.html"_s;
        QTest::newRow("sub folder") << u"s/x.html"_s << u"http://h.example/d/s/x.html"_s;
        QTest::newRow("up after a part") << u"a/../b"_s << u"http://h.example/d/a/b"_s;
        QTest::newRow("above the host") << u"../../../x"_s << u"http://h.example/x"_s;
    }
    void addresses() {
        QFETCH(QString, link);
        QFETCH(QString, expected);
        QCOMPARE(clsHtmlGet::GetPlusAddrees(u"http://h.example/d/p.html"_s, link), expected);
    }

    void fetchKeepsThePageAndAFailedFetchClearsIt() {
        FakePlatform platform;
        RecordingConnectionWindow window;
        m_server.setRoute(u"/p"_s, 200, u"<body><p>第1回<br>くじ<p>"_s.toUtf8());
        clsHtmlGet page;
        page.SetProgressDialogMessage(u"取得中"_s);
        const QString url = m_server.baseUrl() + u"/p"_s;
        QCOMPARE(page.GetHttp(url, QString(), nullptr, 8), 6);
        QCOMPARE(page.Url(), url);
        QCOMPARE(window.lastLog.value(0), u" 取得中"_s);
        QStringList lines;
        QCOMPARE(page.GetTextData(lines), 1);
        QCOMPARE(lines.value(0), u"第1回くじ"_s);

        QVERIFY(page.SaveToFile(u"saved.html"_s));
        QFile saved(platform.path(u"saved.html"_s));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), ShiftJis::encode(u"<body><p>第1回<br>くじ<p>"_s));

        // A 404 page is a page like any other; an empty body leaves no page.
        m_server.setRoute(u"/missing"_s, 404, "<p>Not here<p>");
        QCOMPARE(page.GetHttp(m_server.baseUrl() + u"/missing"_s, QString(), nullptr, 8), 3);
        m_server.setRoute(u"/empty"_s, 200, QByteArray());
        QCOMPARE(page.GetHttp(m_server.baseUrl() + u"/empty"_s, QString(), nullptr, 8), 0);
        QCOMPARE(page.GetTextData(lines), 0);
        QCOMPARE(page.GetFile(u"no such file.html"_s), 0);
    }

    void saveToImageWritesTheBytes() {
        FakePlatform platform;
        const QByteArray png("\x89PNG\r\n\x1a\n\0\xff", 10);
        m_server.setRoute(u"/logo.png"_s, 200, png);
        m_server.setRoute(u"/nothing"_s, 200, QByteArray());
        clsHtmlGet page;
        page.SetProgressOpen(false);
        QVERIFY(page.SaveToImage(u"img/logo.png"_s, m_server.baseUrl() + u"/logo.png"_s, QString(),
                                 nullptr));
        QFile file(platform.path(u"img/logo.png"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), png);
        QVERIFY(!page.SaveToImage(u"img/none.png"_s, m_server.baseUrl() + u"/nothing"_s, QString(),
                                  nullptr));
        QVERIFY(!QFile::exists(platform.path(u"img/none.png"_s)));
        QVERIFY(platform.messages.isEmpty());
    }

private:
    static qint32 loadFile(const FakePlatform& platform, clsHtmlGet& page, const QString& html) {
        QFile file(platform.path(u"page.html"_s));
        if (!file.open(QIODevice::WriteOnly))
            return -1;
        file.write(ShiftJis::encode(html));
        file.close();
        return page.GetFile(u"page.html"_s);
    }

    LoopbackHttpServer m_server;
};

QTEST_GUILESS_MAIN(tst_clsHtmlGet)
#include "tst_clsHtmlGet.moc"
