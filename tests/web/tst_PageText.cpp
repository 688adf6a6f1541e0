#include "base/ShiftJis.h"
#include "web/PageText.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Text = u"<p>第1234回 miniBIG くじ指定試合"_s;

QByteArray withMeta(const QByteArray& meta, const QByteArray& body) {
    return "<html><head>" + meta + "</head><body>" + body;
}

} // namespace

class tst_PageText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void charsetDecides_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("contentType");
        QTest::addColumn<QString>("text");
        const QByteArray utf8 = Text.toUtf8();
        const QByteArray sjis = ShiftJis::encode(Text);
        QTest::newRow("Content-Type Shift_JIS")
            << sjis << u"text/html; charset=Shift_JIS"_s << Text;
        QTest::newRow("Content-Type quoted, any case")
            << sjis << u"text/html;CHARSET=\"windows-31j\""_s << Text;
        QTest::newRow("a bare charset name") << sjis << u"sjis"_s << Text;
        QTest::newRow("Content-Type before meta")
            << withMeta("<meta charset=\"utf-8\">", sjis) << u"text/html; charset=Shift_JIS"_s
            << ShiftJis::decode(withMeta("<meta charset=\"utf-8\">", sjis));
        QTest::newRow("meta charset")
            << withMeta("<META charset=Shift_JIS>", sjis) << u"text/html"_s
            << ShiftJis::decode(withMeta("<META charset=Shift_JIS>", sjis));
        QTest::newRow("meta http-equiv")
            << withMeta("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                        "charset=x-sjis\">",
                        sjis)
            << QString()
            << ShiftJis::decode(withMeta("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                         "charset=x-sjis\">",
                                         sjis));
        QTest::newRow("an unknown charset is passed over")
            << withMeta("<meta charset=\"utf-8\">", utf8) << u"text/html; charset=foo"_s
            << QString::fromUtf8(withMeta("<meta charset=\"utf-8\">", utf8));
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + utf8 << QString() << Text;
        QTest::newRow("UTF-16 by its mark")
            << QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char*>(Text.utf16()), Text.size() * 2)
            << QString() << Text;
        QTest::newRow("UTF-8 when nothing names one") << utf8 << QString() << Text;
        QTest::newRow("Shift_JIS not named is not UTF-8") << sjis << QString() << QString();
        QTest::newRow("invalid in the charset named")
            << sjis + "\xA0\xFD" << u"text/html; charset=Shift_JIS"_s << QString();
        QTest::newRow("a Shift_JIS page cut inside a character")
            << sjis.left(sjis.size() - 1) << u"Shift_JIS"_s << QString();
        QTest::newRow("invalid UTF-8 declared")
            << sjis << u"text/html; charset=utf-8"_s << QString();
    }
    void charsetDecides() {
        QFETCH(QByteArray, page);
        QFETCH(QString, contentType);
        QFETCH(QString, text);
        QCOMPARE(PageText::decode(page, contentType), text);
    }
};

QTEST_GUILESS_MAIN(tst_PageText)
#include "tst_PageText.moc"
