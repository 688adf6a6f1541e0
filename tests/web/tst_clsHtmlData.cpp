#include "web/clsHtmlData.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Tokens as "kind:text" (T tag, E end tag, C comment, X text) with "+" for tokens in the body.
static QStringList describe(const QList<HtmlToken>& tokens) {
    QStringList result;
    for (const HtmlToken& t : tokens) {
        const QChar kind = t.isComment ? u'C' : t.isEndTag ? u'E' : t.isTag ? u'T' : u'X';
        result << QString(kind) + (t.inBody ? u"+"_s : QString()) + u':' + t.text;
    }
    return result;
}

class tst_clsHtmlData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tokens_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("text after the last tag is dropped")
            << u"a<b>c</b>d"_s << QStringList{u"X:a"_s, u"T:<b>"_s, u"X:c"_s, u"E:</b>"_s};
        QTest::newRow("an unterminated tag is dropped")
            << u"<p>x<a href"_s << QStringList{u"T:<p>"_s, u"X:x"_s};
        QTest::newRow("blanks and line ends collapse")
            << u"<td>  x\r\n y</td>"_s << QStringList{u"T:<td>"_s, u"X:x y"_s, u"E:</td>"_s};
        QTest::newRow("a lone > is text, a < inside a tag belongs to it")
            << u"<p>1 > 0<a <b>"_s << QStringList{u"T:<p>"_s, u"X:1 > 0"_s, u"T:<a <b>"_s};
        QTest::newRow("entities in order, only a few")
            << u"<p>&amp;lt; &lt;&gt;&quot;&#169;&#174;&nbsp;<p>"_s
            << QStringList{u"T:<p>"_s, u"X:&lt; <>\"(c)(r)&nbsp;"_s, u"T:<p>"_s};
        QTest::newRow("an entity made by an earlier one is decoded by a later one")
            << u"<p>&amp;#169; &amp;amp;<p>"_s
            << QStringList{u"T:<p>"_s, u"X:(c) &amp;"_s, u"T:<p>"_s};
        QTest::newRow("a blank-only token disappears")
            << u"<p> \t <p>"_s << QStringList{u"T:<p>"_s, u"T:<p>"_s};
        QTest::newRow("ideographic spaces survive")
            << u"<p>\u3000\u3000<p>"_s << QStringList{u"T:<p>"_s, u"X:\u3000\u3000"_s, u"T:<p>"_s};
        QTest::newRow("a comment holding a tag spans two tokens")
            << u"<p><!-- a <b> c --><i>"_s
            << QStringList{u"T:<p>"_s, u"C:<!-- a <b>"_s, u"C:c -->"_s, u"T:<i>"_s};
        QTest::newRow("body marking")
            << u"x<html><body>a</body>b<p>"_s
            << QStringList{u"X:x"_s,       u"T:<html>"_s, u"T:<body>"_s, u"X+:a"_s,
                           u"E:</body>"_s, u"X+:b"_s,     u"T+:<p>"_s};
        QTest::newRow("body in any letter case, with attributes")
            << u"<BODY class=\"x\">a<p>"_s
            << QStringList{u"T:<BODY class=\"x\">"_s, u"X+:a"_s, u"T+:<p>"_s};
        QTest::newRow("an escaped tag is taken for a tag")
            << u"<p>&lt;b&gt;<p>"_s << QStringList{u"T:<p>"_s, u"T:<b>"_s, u"T:<p>"_s};
        QTest::newRow("a text with a double blank inside")
            << u"<p>\ta  b\n<p>"_s << QStringList{u"T:<p>"_s, u"X:a b"_s, u"T:<p>"_s};
        QTest::newRow("a commented-out body tag does not open the body")
            << u"<!--<body>-->a<p>"_s << QStringList{u"C:<!--<body>"_s, u"C:-->a"_s, u"T:<p>"_s};
    }
    void tokens() {
        QFETCH(QString, html);
        QFETCH(QStringList, expected);
        clsHtmlData data;
        QCOMPARE(data.GetHtmlData(html), expected.size());
        QCOMPARE(describe(data.Tokens()), expected);
    }

    void tagNamesAndParts() {
        clsHtmlData data;
        data.GetHtmlData(u"<a href=\"x.html\" target=_blank><br /><br/></a><!-- note --><p>"_s);
        const QList<HtmlToken> t = data.Tokens();
        QCOMPARE(t.size(), 6);
        QCOMPARE(t[0].name, u"a"_s);
        QCOMPARE(t[0].parts, QStringList({u"a"_s, u"href=\"x.html\""_s, u"target=_blank"_s}));
        QCOMPARE(t[0].lastPartIndex, 2);
        QCOMPARE(t[1].name, u"br"_s);
        QCOMPARE(t[2].name, u"br/"_s);
        QVERIFY(t[3].isEndTag);
        QCOMPARE(t[3].name, u"a"_s);
        QVERIFY(t[4].isComment && t[4].isTag);
        QCOMPARE(t[4].name, u"note"_s);
        QCOMPARE(t[5].name, u"p"_s);
    }

    void aNewPageReplacesTheTokens() {
        clsHtmlData data;
        data.GetHtmlData(u"<p>a<p>"_s);
        QCOMPARE(data.GetHtmlData(QString()), 0);
        QVERIFY(data.Tokens().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_clsHtmlData)
#include "tst_clsHtmlData.moc"
