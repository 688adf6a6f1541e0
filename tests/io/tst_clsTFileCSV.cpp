#include "io/clsTFileCSV.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Forwards to the recording platform and shortens a file when the load enters its second pass,
// as another program might.
class ShorteningPlatform final : public Platform {
public:
    ShorteningPlatform(FakePlatform& fake, QString path) : m_fake(fake), m_path(std::move(path)) {
        Platform::install(this);
    }
    ~ShorteningPlatform() override { Platform::install(&m_fake); }
    ShorteningPlatform(const ShorteningPlatform&) = delete;
    ShorteningPlatform& operator=(const ShorteningPlatform&) = delete;

    void showMessage(const QString& text, const QString& title, MessageIcon icon) override {
        m_fake.showMessage(text, title, icon);
    }
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override {
        return m_fake.askYesNo(text, title, icon, defaultYes);
    }
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override {
        return m_fake.askYesNoCancel(text, title, icon, defaultAnswer);
    }
    QString programFolder() const override { return m_fake.programFolder(); }
    DateTime now() const override { return m_fake.now(); }
    void setWaitCursor(bool on) override { m_fake.setWaitCursor(on); }
    void processEvents() override { m_fake.processEvents(); }
    std::unique_ptr<ProgressWindow> openProgress(const QString&, qint64) override {
        return std::make_unique<Window>(m_path);
    }

private:
    class Window final : public ProgressWindow {
    public:
        explicit Window(QString path) : m_path(std::move(path)) {}
        void setValue(qint64) override {}
        void setMessage(const QString&) override { QFile::resize(m_path, 100); }
        void setMaximum(qint64) override {}

    private:
        QString m_path;
    };

    FakePlatform& m_fake;
    QString m_path;
};

} // namespace

class tst_clsTFileCSV : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void saveWritesOneLinePerSingle() {
        clsTFileCSV csv;
        const QString path = m_platform->path(QStringLiteral("a.csv"));
        const std::vector<qint32> list{0, 19682, 14383};
        QVERIFY(csv.CsvSave(path, 2, list));
        QCOMPARE(readAll(path), QByteArray("0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2\r\n"));
        QVERIFY(csv.CsvSave(path, 0, list));
        QCOMPARE(readAll(path), QByteArray());
        QCOMPARE(m_platform->waitCursorDepth, 0);
        QVERIFY(m_platform->messages.isEmpty());
    }

    void saveShowsProgressEvery1001Lines() {
        clsTFileCSV csv;
        const std::vector<qint32> list(2500, 9841);
        QVERIFY(csv.CsvSave(m_platform->path(QStringLiteral("p.csv")), 2500, list));
        QCOMPARE(m_platform->progress.size(), std::size_t(1));
        QCOMPARE(m_platform->progress[0].message, QStringLiteral("CSVファイルに保存中"));
        QCOMPARE(m_platform->progress[0].maximum, 2499);
        QCOMPARE(m_platform->progress[0].values, (QList<qint64>{1000, 2001, 2499}));
        QCOMPARE(m_platform->processEventsCalls, 2);
    }

    // A save that fails half-way leaves the previous file as it was.
    void failedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<qint32>("count");
        QTest::addColumn<bool>("badNumber");
        QTest::newRow("number that is no single") << 3000 << true;
        QTest::newRow("count beyond the list") << 3001 << false;
    }
    void failedSaveKeepsThePreviousFile() {
        QFETCH(qint32, count);
        QFETCH(bool, badNumber);
        clsTFileCSV csv;
        const QString path = m_platform->path(QStringLiteral("keep.csv"));
        write(path, "1,1,1,1,1,1,1,1,1\r\n");
        std::vector<qint32> list(3000, 0);
        if (badNumber)
            list[2500] = 19683;
        QVERIFY(!csv.CsvSave(path, count, list));
        QCOMPARE(readAll(path), QByteArray("1,1,1,1,1,1,1,1,1\r\n"));
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].icon, MessageIcon::Error);
        QVERIFY(
            m_platform->messages[0].title.endsWith(QStringLiteral("/ clsTFileCSV / CsvSave_Sub")));
    }

    // A disk that fills up while the last block is written must not cost the previous file.
    void writeErrorKeepsThePreviousFile() {
        clsTFileCSV csv;
        const QString path = m_platform->path(QStringLiteral("full.csv"));
        write(path, "1,1,1,1,1,1,1,1,1\r\n");
        const std::vector<qint32> list(100, 0);
        bool saved = true;
        {
            const FileSizeLimit limit(1000);
            saved = csv.CsvSave(path, 100, list);
        }
        QVERIFY(!saved);
        QCOMPARE(readAll(path), QByteArray("1,1,1,1,1,1,1,1,1\r\n"));
        QCOMPARE(m_platform->messages.size(), 1);
    }

    // The report names the file and the cause; a leftover of a killed save is cleared away.
    void saveReportsTheFileAndClearsLeftovers() {
        clsTFileCSV csv;
        const std::vector<qint32> list(10, 0);
        const QString missing = m_platform->path(QStringLiteral("no folder/x.csv"));
        QVERIFY(!csv.CsvSave(missing, 10, list));
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].text,
                 QStringLiteral("ファイル I/O エラーです。\r\n") + missing +
                     QStringLiteral("\r\nフォルダーまたはファイルが見つかりません。 ( 75 )"));
        const QString path = m_platform->path(QStringLiteral("t.csv"));
        write(path + QStringLiteral(".k9Zq0B"), "0,0,0\r\n");
        QFile leftover(path + QStringLiteral(".k9Zq0B"));
        QVERIFY(leftover.open(QIODevice::Append));
        QVERIFY(leftover.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        leftover.close();
        QVERIFY(csv.CsvSave(path, 1, list));
        QVERIFY(!QFile::exists(path + QStringLiteral(".k9Zq0B")));
        QCOMPARE(readAll(path), QByteArray("0,0,0,0,0,0,0,0,0\r\n"));
    }

    void load_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint32>("count");
        QTest::addColumn<std::vector<qint32>>("singles");
        const std::vector<qint32> none;
        QTest::newRow("empty file") << QByteArray() << 0 << none;
        QTest::newRow("skipped lines keep their positions")
            << QByteArray("1,0,0,0,0,0,0,0,0\r\n\r\n1,0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2\r\n")
            << 2 << std::vector<qint32>{1, 19682, 0, 0};
        QTest::newRow("blanks around fields")
            << QByteArray("1 , 0 , 2 , 1 , 0 , 2 ,1,0,  2\r\n") << 1 << std::vector<qint32>{14383};
        QTest::newRow("mark 3 is skipped")
            << QByteArray("3,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,1\r\n") << 1
            << std::vector<qint32>{6561, 0};
        QTest::newRow("mark 255 is skipped")
            << QByteArray("0,0,0,0,0,0,0,0,255\r\n") << 0 << std::vector<qint32>{0};
        QTest::newRow("no line end at the end")
            << QByteArray("0,0,0,0,0,0,0,0,1\r\n0,0,0,0,0,0,0,0,2") << 2
            << std::vector<qint32>{6561, 13122};
        QTest::newRow("LF and CR line ends")
            << QByteArray("0,0,0,0,0,0,0,0,1\n0,0,0,0,0,0,0,0,2\r1,0,0,0,0,0,0,0,0\n") << 3
            << std::vector<qint32>{6561, 13122, 1};
        QTest::newRow("eight fields")
            << QByteArray("0,0,0,0,0,0,0,0\r\n") << 0 << std::vector<qint32>{0};
        QTest::newRow("only blank lines")
            << QByteArray("\r\n\r\n\r\n") << 0 << std::vector<qint32>{0, 0, 0};
    }
    void load() {
        QFETCH(QByteArray, content);
        QFETCH(qint32, count);
        QFETCH(std::vector<qint32>, singles);
        const QString path = m_platform->path(QStringLiteral("in.csv"));
        write(path, content);
        clsTFileCSV csv;
        qint32 loadedCount = -1;
        std::vector<qint32> loaded{42};
        QVERIFY(csv.CsvLoad(path, loadedCount, loaded));
        QCOMPARE(loadedCount, count);
        QCOMPARE(loaded, singles);
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

    void loadReadsWhatSaveWrote() {
        std::vector<qint32> list;
        for (qint32 n = 0; n < 19683; n += 7)
            list.push_back(n);
        clsTFileCSV csv;
        const QString path = m_platform->path(QStringLiteral("round.csv"));
        QVERIFY(csv.CsvSave(path, qint32(list.size()), list));
        qint32 count = 0;
        std::vector<qint32> loaded;
        QVERIFY(csv.CsvLoad(path, count, loaded));
        QCOMPARE(count, qint32(list.size()));
        QCOMPARE(loaded, list);
    }

    // A load that fails leaves the caller's list as it was.
    void loadFailures_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::newRow("missing file") << QByteArray() << 53;
        QTest::newRow("empty field")
            << QByteArray("0,0,0,0,0,0,0,0,0\r\n0,,0,0,0,0,0,0,0\r\n") << 13;
        QTest::newRow("value above 255") << QByteArray("0,0,0,0,0,0,0,0,256\r\n") << 6;
        QTest::newRow("letters") << QByteArray("a,b,c,d,e,f,g,h,i\r\n") << 13;
    }
    void loadFailures() {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        const QString path = m_platform->path(QStringLiteral("bad.csv"));
        if (number != 53)
            write(path, content);
        clsTFileCSV csv;
        qint32 count = 3;
        std::vector<qint32> singles{1, 2, 3};
        QVERIFY(!csv.CsvLoad(path, count, singles));
        QCOMPARE(count, 3);
        QCOMPARE(singles, (std::vector<qint32>{1, 2, 3}));
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].text.endsWith(QStringLiteral(" ( %1 )").arg(number)));
        QVERIFY(
            m_platform->messages[0].title.endsWith(QStringLiteral("/ clsTFileCSV / CsvLoad_Sub")));
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

    void loadShowsProgressEvery1001Lines() {
        QByteArray content;
        for (int i = 0; i < 2500; ++i)
            content += "0,1,2,0,1,2,0,1,2\r\n";
        const QString path = m_platform->path(QStringLiteral("p.csv"));
        write(path, content);
        clsTFileCSV csv;
        qint32 count = 0;
        std::vector<qint32> singles;
        QVERIFY(csv.CsvLoad(path, count, singles));
        QCOMPARE(count, 2500);
        QCOMPARE(m_platform->progress.size(), std::size_t(2));
        QCOMPARE(m_platform->progress[0].message, QStringLiteral("CSVデータ数の取得中"));
        QCOMPARE(m_platform->progress[0].maximum, 1);
        QCOMPARE(m_platform->progress[1].message, QStringLiteral("CSVファイルの読込中"));
        QCOMPARE(m_platform->progress[1].window, m_platform->progress[0].window);
        QCOMPARE(m_platform->progress[1].maximum, 2500);
        QCOMPARE(m_platform->progress[1].values, (QList<qint64>{1001, 2002, 2500}));
    }

    // Random bytes never crash the reader; whatever it accepts is a valid single.
    void binaryFile() {
        QRandomGenerator random(4);
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes(4096, Qt::Uninitialized);
            for (char& c : bytes)
                c = char(random.bounded(256));
            // Many short lines of few kinds of bytes reach the field conversion too.
            if (round % 2)
                for (char& c : bytes)
                    c = ",0129 \r\n\0x"[uchar(c) % 11];
            const QString path = m_platform->path(QStringLiteral("bin.csv"));
            write(path, bytes);
            clsTFileCSV csv;
            qint32 count = 0;
            std::vector<qint32> singles;
            if (csv.CsvLoad(path, count, singles)) {
                for (qint32 i = 0; i < count; ++i)
                    QVERIFY(singles[i] >= 0 && singles[i] <= 19682);
            }
        }
    }

    // Every line end form, at every position within the eight-byte steps of the counter.
    void lineCountsOfMixedLineEnds() {
        QRandomGenerator random(11);
        const QString path = m_platform->path(QStringLiteral("ends.csv"));
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes(int(random.bounded(40)), Qt::Uninitialized);
            for (char& c : bytes)
                c = "\r\n01"[random.bounded(4)];
            qint64 lines = 0;
            for (qsizetype i = 0; i < bytes.size(); ++i)
                lines += bytes[i] == '\n' ||
                         (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
            if (!bytes.isEmpty() && bytes.back() != '\n' && bytes.back() != '\r')
                ++lines;
            write(path, bytes);
            qint32 count = -1;
            std::vector<qint32> singles;
            QVERIFY(clsTFileCSV().CsvLoad(path, count, singles));
            QCOMPARE(qint64(singles.size()), lines);
        }
    }

    // Lines and CR LF pairs that straddle the reader's 4 MB blocks read as anywhere else.
    void linesAcrossBlockBoundaries_data() {
        QTest::addColumn<int>("shift");
        for (int shift : {-22, -21, -20, -2, -1, 0, 1})
            QTest::newRow(QByteArray::number(shift).constData()) << shift;
    }
    void linesAcrossBlockBoundaries() {
        QFETCH(int, shift);
        constexpr qsizetype Block = 4 << 20;
        // A long line of blanks places the boundary anywhere in the lines after it.
        QByteArray bytes(Block - 19 * 3 + shift, ' ');
        bytes += "\r\n";
        const QByteArray line("1,2,0,1,2,0,1,2,0\r\n");
        const QByteArray crOnly("2,2,0,0,1,1,2,2,0\r");
        for (int i = 0; i < 3; ++i)
            bytes += line;
        bytes += crOnly + line + crOnly + QByteArray("0,0,0,0,0,0,0,0,1");
        const QString path = m_platform->path(QStringLiteral("blocks.csv"));
        write(path, bytes);
        qint32 count = 0;
        std::vector<qint32> singles;
        QVERIFY(clsTFileCSV().CsvLoad(path, count, singles));
        const qint32 a = 1 + 2 * 3 + 0 + 1 * 27 + 2 * 81 + 0 + 1 * 729 + 2 * 2187;
        const qint32 b = 2 + 2 * 3 + 1 * 81 + 1 * 243 + 2 * 729 + 2 * 2187;
        QCOMPARE(count, 7);
        QCOMPARE(singles, (std::vector<qint32>{a, a, a, b, a, b, 6561, 0}));
    }

    // A file that another program shortens between the two passes is a reported failure.
    void fileShortenedDuringTheLoadIsReported() {
        const QString path = m_platform->path(QStringLiteral("short.csv"));
        write(path, QByteArray("0,1,2,0,1,2,0,1,2\r\n").repeated(3000));
        qint32 count = 3;
        std::vector<qint32> singles{1, 2, 3};
        {
            const ShorteningPlatform shortening(*m_platform, path);
            QVERIFY(!clsTFileCSV().CsvLoad(path, count, singles));
        }
        QCOMPARE(count, 3);
        QCOMPARE(singles, (std::vector<qint32>{1, 2, 3}));
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].text,
                 QStringLiteral("ファイル I/O エラーです。\r\n") + path +
                     QStringLiteral("\r\n読み込み中にファイルが変更されました。 ( 75 )"));
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

    void fileName_data() {
        QTest::addColumn<qint32>("kaisaikai");
        QTest::addColumn<QString>("kumi");
        QTest::addColumn<QString>("name");
        QTest::newRow("7") << 7 << QString() << QStringLiteral("Tovmi-007.csv");
        QTest::newRow("0") << 0 << QString() << QStringLiteral("Tovmi-000.csv");
        QTest::newRow("12") << 12 << QString() << QStringLiteral("Tovmi-012.csv");
        QTest::newRow("1234") << 1234 << QString() << QStringLiteral("Tovmi-1234.csv");
        QTest::newRow("group") << 7 << QStringLiteral("A") << QStringLiteral("Tovmi-007A.csv");
    }
    void fileName() {
        QFETCH(qint32, kaisaikai);
        QFETCH(QString, kumi);
        QFETCH(QString, name);
        QCOMPARE(clsTFileCSV().GetCsvFileName(kaisaikai, kumi), name);
    }

    void drawNumberFromFileName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint32>("kaisaikai");
        QTest::newRow("proposed name") << QStringLiteral("Tovmi-123.csv") << 123;
        QTest::newRow("lower case, zeros") << QStringLiteral("tovmi-0045.csv") << 45;
        QTest::newRow("in a folder") << QStringLiteral("/home/u/Tovmi-012.csv") << 12;
        QTest::newRow("plain number") << QStringLiteral("123.csv") << 123;
        QTest::newRow("X prefix") << QStringLiteral("X077.csv") << 77;
        QTest::newRow("x prefix") << QStringLiteral("x5.csv") << 5;
        QTest::newRow("no number") << QStringLiteral("notes.csv") << 0;
        QTest::newRow("no extension") << QStringLiteral("Tovmi-123") << 0;
        QTest::newRow("draw 0") << QStringLiteral("Tovmi-000.csv") << 0;
        QTest::newRow("prefix only") << QStringLiteral("Tovmi-") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("too large") << QStringLiteral("99999999999.csv") << 0;
        QTest::newRow("negative") << QStringLiteral("Tovmi--5.csv") << 0;
    }
    void drawNumberFromFileName() {
        QFETCH(QString, path);
        QFETCH(qint32, kaisaikai);
        QCOMPARE(clsTFileCSV().GetKaisaikai(path), kaisaikai);
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_clsTFileCSV)
#include "tst_clsTFileCSV.moc"
