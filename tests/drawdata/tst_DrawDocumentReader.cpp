#include "DrawDocumentSamples.h"
#include "drawdata/DrawDocumentReader.h"
#include "drawdata/clsXmlSchedule.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

// The failures of the shared document reader, seen through the schedule document: each bad
// file gives its report and leaves the record that was held before.
class tst_DrawDocumentReader : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    static QString document(const QString& body) {
        return u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<miniBIG>\r\n<開催>\r\n"_s +
               body + u"</開催>\r\n</miniBIG>\r\n"_s;
    }
    static QString corrupt() { return u"XMLデータが異常です。"_s; }
    static QString typeMismatch() { return u"型が一致しません。 ( 13 )"_s; }
    static QString outOfRange() { return u"インデックスが有効範囲にありません。 ( 9 )"_s; }
    static QString overflow() { return u"オーバーフローしました。 ( 6 )"_s; }
    // The line of a run-time report that says what could not be read.
    static QString unread(const QString& element, int line) {
        return u"\r\n「"_s + element + u"」が読めません（"_s + QString::number(line) + u" 行目）"_s;
    }
    static QString outside(int line) {
        return u"\r\n要素の外に値があります（"_s + QString::number(line) + u" 行目）"_s;
    }
    // A report's last line names the file.
    QString namingFile(const QString& text, const QString& path) const {
        return text + u"\r\n"_s + QDir::toNativeSeparators(path);
    }

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void badDocuments_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MessageIcon>("icon");
        const auto sjis = [](const QString& text) { return ShiftJis::encode(text); };

        QTest::newRow("closed by the wrong element")
            << sjis(document(u"<開催回>5</開催>\r\n"_s)) << corrupt() << MessageIcon::Warning;
        QTest::newRow("closing without opening")
            << sjis(u"</miniBIG>\r\n"_s) << corrupt() << MessageIcon::Warning;
        QTest::newRow("closing line cut short")
            << sjis(document(u"<開催回>5</開催\r\n"_s)) << corrupt() << MessageIcon::Warning;
        QTest::newRow("attributes never match their closing")
            << sjis(u"<miniBIG>\r\n<開催 id=\"1\">\r\n<開催回>5</開催回>\r\n</開催>\r\n"_s)
            << corrupt() << MessageIcon::Warning;
        QTest::newRow("truncated after a whole line")
            << sjis(document(u"<開催回>5</開催回>\r\n"_s).left(60)) << corrupt()
            << MessageIcon::Warning;
        QTest::newRow("root never closed")
            << sjis(u"<miniBIG>\r\n<開催>\r\n<開催回>5</開催回>\r\n</開催>\r\n"_s) << corrupt()
            << MessageIcon::Warning;
        QTest::newRow("empty file") << QByteArray() << corrupt() << MessageIcon::Warning;
        QTest::newRow("UTF-8 instead of Shift_JIS")
            << document(u"<開催回>5</開催回>\r\n<指定試合><番号>1</番号><ホーム>札幌</ホーム>"
                        u"</指定試合>\r\n"_s)
                   .toUtf8()
            << corrupt() << MessageIcon::Warning;
        // A save could not write these values back: the file was damaged.
        QTest::newRow("line break inside a value")
            << sjis(document(u"<組>A\rB</組>\r\n"_s)) << corrupt() << MessageIcon::Warning;
        QTest::newRow("lone line feed inside a value")
            << sjis(document(u"<組>A\nB</組>\r\n"_s)) << corrupt() << MessageIcon::Warning;
        QTest::newRow("draw number not a number")
            << sjis(document(u"<開催回>五</開催回>\r\n"_s))
            << typeMismatch() + unread(u"開催回"_s, 4) << MessageIcon::Error;
        QTest::newRow("draw number too large")
            << sjis(document(u"<開催回>99999999999</開催回>\r\n"_s))
            << overflow() + unread(u"開催回"_s, 4) << MessageIcon::Error;
        QTest::newRow("date not a date")
            << sjis(document(u"<販売開始日>2021/02/30</販売開始日>\r\n"_s))
            << typeMismatch() + unread(u"販売開始日"_s, 4) << MessageIcon::Error;
        QTest::newRow("held state not a number")
            << sjis(document(u"<開催状態>延期</開催状態>\r\n"_s))
            << typeMismatch() + unread(u"開催状態"_s, 4) << MessageIcon::Error;
        QTest::newRow("match number 10")
            << sjis(document(u"<指定試合><番号>10</番号><ホーム>札幌</ホーム></指定試合>\r\n"_s))
            << outOfRange() + unread(u"ホーム"_s, 4) << MessageIcon::Error;
        QTest::newRow("match number 0")
            << sjis(document(u"<指定試合><番号>0</番号><競技場>x</競技場></指定試合>\r\n"_s))
            << outOfRange() + unread(u"競技場"_s, 4) << MessageIcon::Error;
        QTest::newRow("match field before any number")
            << sjis(document(u"<指定試合><ホーム>札幌</ホーム></指定試合>\r\n"_s))
            << outOfRange() + unread(u"ホーム"_s, 4) << MessageIcon::Error;
        QTest::newRow("value outside the root") << sjis(u"stray\r\n<miniBIG>\r\n</miniBIG>\r\n"_s)
                                                << outOfRange() + outside(1) << MessageIcon::Error;
        QTest::newRow("LF-only lines leave a value outside the second level")
            << sjis(u"<?xml version=\"1.0\"?>\n<miniBIG>\n</miniBIG>\n"_s)
            << outOfRange() + outside(1) << MessageIcon::Error;
    }
    void badDocuments() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(MessageIcon, icon);
        const QString path = platform->path(u"bad.xml"_s);
        QVERIFY(writeBytes(path, bytes));
        clsXmlSchedule doc;
        doc.SetData(schedule());
        QVERIFY(!doc.XmlLoad(path));
        QCOMPARE(platform->texts(), QStringList{namingFile(message, path)});
        QCOMPARE(platform->messages[0].icon, icon);
        QVERIFY(platform->messages[0].title.endsWith(u" / clsXmlSchedule / XmlLoad"_s));
        QCOMPARE(doc.Data(), schedule());
    }

    // A match field that is not in the table is ignored even while no match is current.
    void unknownMatchFieldNeedsNoNumber() {
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(writeText(path, document(u"<指定試合><天候>晴</天候></指定試合>\r\n"_s)));
        clsXmlSchedule doc;
        QVERIFY(doc.XmlLoad(path));
        QVERIFY(platform->messages.isEmpty());
    }

    // The match number belongs to one load: a later file cannot write into the match that an
    // earlier file ended on.
    void matchNumberDoesNotCarryOver() {
        const QString first = platform->path(u"a.xml"_s);
        const QString second = platform->path(u"b.xml"_s);
        QVERIFY(writeText(first, document(u"<指定試合><番号>9</番号></指定試合>\r\n"_s)));
        QVERIFY(writeText(second, document(u"<指定試合><ホーム>札幌</ホーム></指定試合>\r\n"_s)));
        clsXmlSchedule doc;
        QVERIFY(doc.XmlLoad(first));
        QVERIFY(!doc.XmlLoad(second));
        QCOMPARE(platform->texts(),
                 QStringList{namingFile(outOfRange() + unread(u"ホーム"_s, 4), second)});
    }

    void hugeFileIsRefused() {
        const QString path = platform->path(u"huge.xml"_s);
        QByteArray bytes = ShiftJis::encode(document(u"<開催回>5</開催回>\r\n"_s));
        bytes.append(QByteArray(DrawDocumentReader::MaxFileSize, ' '));
        QVERIFY(writeBytes(path, bytes));
        clsXmlSchedule doc;
        doc.SetData(schedule());
        QVERIFY(!doc.XmlLoad(path));
        QCOMPARE(platform->texts(), QStringList{namingFile(corrupt(), path)});
        QCOMPARE(doc.Data(), schedule());
    }

    // Everything from a NUL on is not part of the document.
    void nulEndsTheText() {
        const QString path = platform->path(u"s.xml"_s);
        QByteArray bytes = ShiftJis::encode(document(u"<開催回>5</開催回>\r\n"_s));
        bytes.append('\0');
        bytes.append("<開催回>");
        QVERIFY(writeBytes(path, bytes));
        clsXmlSchedule doc;
        QVERIFY(doc.XmlLoad(path));
        QCOMPARE(doc.Data().Kaisaikai, 5);
    }
};

QTEST_GUILESS_MAIN(tst_DrawDocumentReader)
#include "tst_DrawDocumentReader.moc"
