#include "base/RuntimeError.h"
#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"
#include "support/FakePlatform.h"

#include <QTest>

class tst_Clipboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void rowLayoutPadsPositionsToTheCount_data() {
        QTest::addColumn<qint32>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("9") << 9 << QStringLiteral("1:102110021") << QStringLiteral("9:000000000");
        QTest::newRow("10") << 10 << QStringLiteral("01:102110021")
                            << QStringLiteral("10:000000000");
        QTest::newRow("12") << 12 << QStringLiteral("01:102110021")
                            << QStringLiteral("12:000000000");
        QTest::newRow("10000") << 10000 << QStringLiteral("00001:102110021")
                               << QStringLiteral("10000:000000000");
    }
    void rowLayoutPadsPositionsToTheCount() {
        QFETCH(qint32, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        // 1,0,2,1,1,0,0,2,1 on matches 1..9.
        const qint32 single = 1 + 0 * 3 + 2 * 9 + 1 * 27 + 1 * 81 + 0 + 0 + 2 * 2187 + 1 * 6561;
        std::vector<qint32> list(std::size_t(count), 0);
        list[0] = single;
        const QString text = clsTClipboard::RowText(count, list);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), count + 1);
        QCOMPARE(lines.first(), first);
        QCOMPARE(lines.at(count - 1), last);
    }

    void columnLayout_data() {
        QTest::addColumn<qint32>("count");
        QTest::addColumn<QString>("line");
        QTest::newRow("12") << 12 << QStringLiteral("01 1111111111 11");
        QTest::newRow("10") << 10 << QStringLiteral("01 1111111111 ");
        QTest::newRow("25") << 25 << QStringLiteral("01 1111111111 1111111111 11111");
        QTest::newRow("3") << 3 << QStringLiteral("01 111");
    }
    void columnLayout() {
        QFETCH(qint32, count);
        QFETCH(QString, line);
        // Every single: 1 on match 1, 2 on match 9, 0 elsewhere.
        const std::vector<qint32> list(std::size_t(count), 1 + 2 * 6561);
        const QStringList lines =
            clsTClipboard::ColumnText(count, list).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.at(0), line);
        QCOMPARE(lines.at(8),
                 QString(line).replace(u'1', u'2').replace(0, 2, QStringLiteral("09")));
        QCOMPARE(lines.at(4).left(4), QStringLiteral("05 0"));
        QCOMPARE(lines.at(9), QString());
    }

    void copyPutsTextAndConfirms() {
        clsTClipboard clipboard;
        QString put;
        const auto putText = [&put](const QString& text) { put = text; };
        QVERIFY(clipboard.Copy(3, 2, std::vector<qint32>{0, 19682}, putText));
        QCOMPARE(put, QStringLiteral("1:000000000\r\n2:222222222\r\n"));
        QCOMPARE(m_platform->texts(),
                 QStringList{QStringLiteral("クリップボードへコピーしました")});
        QCOMPARE(m_platform->messages[0].icon, MessageIcon::Information);
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

    void copyRefusesOrDoesNothing_data() {
        QTest::addColumn<qint32>("index");
        QTest::addColumn<qint32>("count");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("10001 singles")
            << 3 << 10001 << QStringList{QStringLiteral("1万口以上は出力出来ません")};
        QTest::newRow("10001 singles, columns")
            << 4 << 10001 << QStringList{QStringLiteral("1万口以上は出力出来ません")};
        QTest::newRow("empty list") << 3 << 0 << QStringList();
        QTest::newRow("empty list, columns") << 4 << 0 << QStringList();
        QTest::newRow("other index") << 2 << 5 << QStringList();
    }
    void copyRefusesOrDoesNothing() {
        QFETCH(qint32, index);
        QFETCH(qint32, count);
        QFETCH(QStringList, messages);
        bool touched = false;
        const std::vector<qint32> list(std::size_t(count), 0);
        QVERIFY(!clsTClipboard().Copy(index, count, list,
                                      [&touched](const QString&) { touched = true; }));
        QVERIFY(!touched);
        QCOMPARE(m_platform->texts(), messages);
        if (!messages.isEmpty())
            QCOMPARE(m_platform->messages[0].icon, MessageIcon::Warning);
    }

    void copyOf10000SinglesWorks() {
        QString put;
        const std::vector<qint32> list(10000, 0);
        QVERIFY(clsTClipboard().Copy(3, 10000, list, [&put](const QString& t) { put = t; }));
        QVERIFY(put.startsWith(QStringLiteral("00001:")));
    }

    void numberThatIsNoSingleReachesTheCaller() {
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 clsTClipboard::RowText(1, std::vector<qint32>{19683}));
    }

    void import_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<qint32>>("singles");
        const qint32 s = 1 + 2 * 9 + 27 + 81 + 2 * 2187 + 6561;
        QTest::newRow("looser forms")
            << QStringLiteral("1:102110021\r\n\r\n1 0 2 1 1 0 0 2 1\r\n102110021\r\n10211002")
            << std::vector<qint32>{s, s, s};
        QTest::newRow("commas") << QStringLiteral("1,0,2,1,1,0,0,2,1\r\n") << std::vector<qint32>();
        QTest::newRow("digit 3") << QStringLiteral("102110023\r\n") << std::vector<qint32>();
        QTest::newRow("text before colon")
            << QStringLiteral("abc:012012012")
            << std::vector<qint32>{3 + 2 * 9 + 81 + 2 * 243 + 2187 + 2 * 6561};
        QTest::newRow("second colon") << QStringLiteral("1:2:10211002") << std::vector<qint32>();
        QTest::newRow("tab stays") << QStringLiteral("\t102110021") << std::vector<qint32>();
        QTest::newRow("full-width digits")
            << QStringLiteral("１０２１１００２１") << std::vector<qint32>();
        QTest::newRow("CR only") << QStringLiteral("000000000\r000000001") << std::vector<qint32>();
        QTest::newRow("CR at the very end")
            << QStringLiteral("000000000\r\n000000001\r") << std::vector<qint32>{0};
        QTest::newRow("LF") << QStringLiteral("000000000\n000000001\n")
                            << std::vector<qint32>{0, 6561};
        QTest::newRow("row layout read back")
            << QStringLiteral("01:000000000\r\n02:222222222\r\n") << std::vector<qint32>{0, 19682};
        QTest::newRow("empty") << QString() << std::vector<qint32>();
        // Text copied from elsewhere may hold a broken character; the other lines still count.
        QTest::newRow("unpaired surrogate")
            << (QStringLiteral("000000000\r\nx") + QChar(0xD800) + QStringLiteral("\r\n000000001"))
            << std::vector<qint32>{0, 6561};
    }
    void import() {
        QFETCH(QString, text);
        QFETCH(std::vector<qint32>, singles);
        std::vector<qint32> read{99};
        QCOMPARE(clsTClipImport().Import(0, text, read), qint32(singles.size()));
        QCOMPARE(read, singles);
        QCOMPARE(m_platform->waitCursorDepth, 0);
        QVERIFY(m_platform->messages.isEmpty());
    }

    void importWithOtherIndexReadsNothing() {
        std::vector<qint32> read{99};
        QCOMPARE(clsTClipImport().Import(1, QStringLiteral("000000000"), read), 0);
        QVERIFY(read.empty());
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_Clipboard)
#include "tst_Clipboard.moc"
