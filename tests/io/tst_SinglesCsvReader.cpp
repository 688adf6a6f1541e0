#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "io/SinglesCsvReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(std::vector<qint32>)
Q_DECLARE_METATYPE(std::vector<SkippedCsvLine>)

// The reader hands back what it skipped; the loud load on top of it is tested with clsTFileCSV.
class tst_SinglesCsvReader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void whatWasSkipped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::vector<qint32>>("singles");
        QTest::addColumn<std::vector<SkippedCsvLine>>("skipped");
        QTest::addColumn<bool>("nonEmpty");
        using Lines = std::vector<SkippedCsvLine>;
        QTest::newRow("empty file") << QByteArray() << std::vector<qint32>{} << Lines{} << false;
        QTest::newRow("blank lines are not skipped text")
            << QByteArray("\r\n  \r\n\t\n") << std::vector<qint32>{} << Lines{} << false;
        QTest::newRow("eight fields, mark 3, tabs, Japanese text")
            << QByteArray("0,0,0,0,0,0,0,0\r\n1,0,0,0,0,0,0,0,0\r\n3,0,0,0,0,0,0,0,0\r\n"
                          "1\t0\t0\t0\t0\t0\t0\t0\t0\r\n\r\n\x83\x81\x83\x82\n2,2,2,2,2,2,2,2,2")
            << std::vector<qint32>{1, 19682}
            << Lines{{1, QStringLiteral("0,0,0,0,0,0,0,0")},
                     {3, QStringLiteral("3,0,0,0,0,0,0,0,0")},
                     {4, QStringLiteral("1\t0\t0\t0\t0\t0\t0\t0\t0")},
                     {6, QStringLiteral("メモ")}}
            << true;
        // Its bytes as the reader decodes them; what matters is that every line is told.
        QTest::newRow("a picture")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << std::vector<qint32>{}
            << Lines{{1, ShiftJis::decode("\x89PNG")},
                     {2, ShiftJis::decode("\x1a")},
                     {3, ShiftJis::decode(QByteArray(3, '\0'))},
                     {4, QStringLiteral("IHDR")}}
            << true;
    }
    void whatWasSkipped() {
        QFETCH(QByteArray, bytes);
        QFETCH(std::vector<qint32>, singles);
        QFETCH(std::vector<SkippedCsvLine>, skipped);
        QFETCH(bool, nonEmpty);
        const SinglesCsvContent content = SinglesCsvReader::read(bytes);
        QCOMPARE(content.singles, singles);
        QCOMPARE(content.skipped, skipped);
        QCOMPARE(content.skippedCount, qint64(skipped.size()));
        QCOMPARE(content.hasNonEmptyLine, nonEmpty);

        // The file reader gives the same, and reports its progress.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("x.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        qint64 counted = -1;
        const SinglesCsvContent fromFile =
            SinglesCsvReader::readFile(path, {[&](qint64 lines) { counted = lines; }, {}});
        QCOMPARE(fromFile.singles, singles);
        QCOMPARE(fromFile.skipped, skipped);
        QCOMPARE(fromFile.lineCount, content.lineCount);
        QCOMPARE(counted, content.lineCount);
    }

    // A large foreign file keeps the count of what it skipped, but only the first lines, cut short.
    void manySkippedLinesKeepTheFirstFew() {
        const QByteArray line = QByteArray("x").repeated(10000) + "\n";
        const SinglesCsvContent content = SinglesCsvReader::read(line.repeated(300));
        QCOMPARE(content.skippedCount, 300);
        QCOMPARE(content.skipped.size(), std::size_t(SinglesCsvReader::KeptSkippedLines));
        QCOMPARE(content.skipped.back().number, SinglesCsvReader::KeptSkippedLines);
        QCOMPARE(content.skipped.back().text.size(), SinglesCsvReader::KeptSkippedChars);
    }

    // A field of nine that is no number makes the whole file unreadable, not a skipped line.
    void unconvertibleFieldThrows() {
        try {
            SinglesCsvReader::read("0,0,0,0,0,0,0,0,0\r\n0,,0,0,0,0,0,0,0\r\n");
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), int(RuntimeError::TypeMismatch));
        }
    }
};

QTEST_GUILESS_MAIN(tst_SinglesCsvReader)
#include "tst_SinglesCsvReader.moc"
