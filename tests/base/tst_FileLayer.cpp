#include "base/AtomicFileWriter.h"
#include "base/FileErrorText.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "support/FakePlatform.h"
#include "support/FileSizeLimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>

class tst_FileLayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void paths_data();
    void paths();
    void fullPathIsRelativeToTheProgramFolder();
    void existenceAndWildcards();
    void fileListSortsByCharacterCodes();
    void saveCreatesFoldersAndWritesShiftJis();
    void loadStopsAtNul();
    void missingFileIsReportedOnlyWhenAsked();
    void failedSaveKeepsThePreviousFile();
    void binaryFilesAreWrittenUnchanged();
    void writeFailureNamesTheFileAndItsCause();
    void causesOfCommonFailuresAreJapanese_data();
    void causesOfCommonFailuresAreJapanese();
    void saveRemovesOnlyOldLeftoversOfThatFile();

private:
    QByteArray readBytes(const QString& relative) const {
        QFile f(m_platform->path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<FakePlatform> m_platform;
    clsFileSystemObject m_fso;
};

void tst_FileLayer::paths_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");
    QTest::newRow("build") << "build"
                           << "/a/b"
                           << "/a/b/x";
    QTest::newRow("build, trailing slash") << "build"
                                           << "/a/b/"
                                           << "/a/b/x";
    QTest::newRow("parent, trailing slash") << "parent"
                                            << "/a/b/"
                                            << "/a";
    QTest::newRow("parent of bare name") << "parent"
                                         << "name"
                                         << "";
    QTest::newRow("file name") << "name"
                               << "/a/b.c/d.xml"
                               << "d.xml";
    QTest::newRow("file name, bare") << "name"
                                     << "d.xml"
                                     << "d.xml";
    QTest::newRow("base of a.b.xml") << "base"
                                     << "/x/a.b.xml"
                                     << "a.b";
    QTest::newRow("extension of a.b.xml") << "ext"
                                          << "/x/a.b.xml"
                                          << "xml";
    QTest::newRow("no extension in dotted folder") << "ext"
                                                   << "/dir.d/file"
                                                   << "";
    QTest::newRow("base in dotted folder") << "base"
                                           << "/dir.d/file"
                                           << "file";
    QTest::newRow("extension kept") << "extcheck"
                                    << "/x/a.CSV"
                                    << "/x/a.CSV";
    QTest::newRow("extension added") << "extcheck"
                                     << "/x/a.txt"
                                     << "/x/a.txt.csv";
}

void tst_FileLayer::paths() {
    QFETCH(QString, op);
    QFETCH(QString, path);
    QFETCH(QString, result);
    QString actual;
    if (op == QStringLiteral("build"))
        actual = m_fso.BuildPath(path, QStringLiteral("x"));
    else if (op == QStringLiteral("parent"))
        actual = m_fso.GetParentFolderName(path);
    else if (op == QStringLiteral("name"))
        actual = m_fso.GetFileName(path);
    else if (op == QStringLiteral("base"))
        actual = m_fso.GetBaseName(path);
    else if (op == QStringLiteral("ext"))
        actual = m_fso.GetExtensionName(path);
    else
        actual = m_fso.ExtensionCheck(path, QStringLiteral("csv"));
    QCOMPARE(actual, result);
}

void tst_FileLayer::fullPathIsRelativeToTheProgramFolder() {
    QCOMPARE(m_fso.GetFullPath(QStringLiteral("SysData/TeamName.dat")),
             m_platform->programFolder() + QStringLiteral("/SysData/TeamName.dat"));
    QCOMPARE(m_fso.GetFullPath(QStringLiteral("/etc/x")), QStringLiteral("/etc/x"));
}

void tst_FileLayer::existenceAndWildcards() {
    QVERIFY(QDir(m_platform->programFolder()).mkpath(QStringLiteral("SysData/sub")));
    QFile f(m_platform->path(QStringLiteral("SysData/.hidden.xml")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(m_fso.FileExists(QStringLiteral("SysData/.hidden.xml")));
    QVERIFY(m_fso.FileExists(QStringLiteral("SysData/*.xml")));
    QVERIFY(!m_fso.FileExists(QStringLiteral("SysData/sub")));
    QVERIFY(!m_fso.FileExists(QString()));
    QVERIFY(m_fso.FolderExists(QStringLiteral("SysData")));
    QVERIFY(m_fso.FolderExists(QStringLiteral("SysData/")));
    QVERIFY(m_fso.FolderExists(QStringLiteral("SysData/s*")));
    QVERIFY(!m_fso.FolderExists(QStringLiteral("SysData/.hidden.xml")));
    QVERIFY(!m_fso.FolderExists(QStringLiteral("Nowhere")));
}

void tst_FileLayer::fileListSortsByCharacterCodes() {
    clsFileStream stream;
    for (const char* name : {"b.xml", "B.xml", "a.xml", "c.txt", ".h.xml"})
        QVERIFY(stream.SaveToFile(QStringLiteral("L/") + QLatin1String(name), QStringLiteral("x")));
    QStringList names;
    QCOMPARE(m_fso.GetFileList(QStringLiteral("L/*.xml"), names, true), 3);
    QCOMPARE(names, (QStringList{QStringLiteral("B.xml"), QStringLiteral("a.xml"),
                                 QStringLiteral("b.xml")}));
    QCOMPARE(m_fso.GetFileList(QStringLiteral("L/*.none"), names, true), 0);
    QVERIFY(names.isEmpty());
}

void tst_FileLayer::saveCreatesFoldersAndWritesShiftJis() {
    clsFileStream stream;
    QVERIFY(stream.SaveToFile(QStringLiteral("a/b/c/t.txt"), QStringLiteral("開催\r\n")));
    QCOMPARE(readBytes(QStringLiteral("a/b/c/t.txt")), QByteArray("\x8a\x4a\x8d\xc3\r\n"));
    QString text;
    QVERIFY(stream.LoadFromFile(QStringLiteral("a/b/c/t.txt"), text));
    QCOMPARE(text, QStringLiteral("開催\r\n"));
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_FileLayer::loadStopsAtNul() {
    clsFileStream stream;
    QVERIFY(stream.SaveToBinaryFile(QStringLiteral("n.txt"), QByteArray("abc\0def", 7)));
    QString text;
    QVERIFY(stream.LoadFromFile(QStringLiteral("n.txt"), text));
    QCOMPARE(text, QStringLiteral("abc"));
}

void tst_FileLayer::missingFileIsReportedOnlyWhenAsked() {
    clsFileStream stream;
    QString text = QStringLiteral("unchanged");
    QVERIFY(!stream.LoadFromFile(QStringLiteral("none.txt"), text));
    QCOMPARE(text, QStringLiteral("unchanged"));
    QCOMPARE(m_platform->messages.size(), 1);
    const auto& m = m_platform->messages.first();
    QCOMPARE(m.text, QStringLiteral("ファイルが存在しません。\r\n") +
                         m_platform->path(QStringLiteral("none.txt")));
    QCOMPARE(m.title, QStringLiteral("Kelvor mini / clsFileStream / LoadFromFile"));
    QCOMPARE(m.icon, MessageIcon::Warning);
    stream.ErrMessage = false;
    QVERIFY(!stream.LoadFromFile(QStringLiteral("none.txt"), text));
    QCOMPARE(m_platform->messages.size(), 1);
}

void tst_FileLayer::failedSaveKeepsThePreviousFile() {
    clsFileStream stream;
    QVERIFY(stream.SaveToFile(QStringLiteral("keep.txt"), QStringLiteral("old")));
    bool saved2 = true;
    {
        const FileSizeLimit limit(1000);
        saved2 = stream.SaveToFile(QStringLiteral("keep.txt"), QString(5000, u'x'));
    }
    QVERIFY(!saved2);
    QCOMPARE(readBytes(QStringLiteral("keep.txt")), QByteArray("old"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().icon, MessageIcon::Error);
    QVERIFY(m_platform->messages.first().text.endsWith(QStringLiteral(" ( 75 )")));
    QCOMPARE(QDir(m_platform->programFolder()).entryList(QDir::Files),
             QStringList{QStringLiteral("keep.txt")});
}

void tst_FileLayer::binaryFilesAreWrittenUnchanged() {
    clsFileStream stream;
    const QByteArray bytes("\x00\xff\r\n\x1a", 5);
    QVERIFY(stream.SaveToBinaryFile(QStringLiteral("bin/x.dat"), bytes));
    QCOMPARE(readBytes(QStringLiteral("bin/x.dat")), bytes);
}

void tst_FileLayer::writeFailureNamesTheFileAndItsCause() {
    clsFileStream stream;
    {
        const FileSizeLimit limit(10);
        QVERIFY(!stream.SaveToBinaryFile(QStringLiteral("big.dat"), QByteArray(100, 'x')));
    }
    // Nothing is written where the folder cannot be created: a file stands in its way.
    QVERIFY(stream.SaveToFile(QStringLiteral("plain"), QStringLiteral("x")));
    QVERIFY(!stream.SaveToFile(QStringLiteral("plain/sub/a.txt"), QStringLiteral("x")));
    AtomicFileWriter inMissingFolder(m_platform->path(QStringLiteral("none/a.txt")));
    try {
        inMissingFolder.open();
        QFAIL("opened in a missing folder");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), int(RuntimeError::FileIo));
        QCOMPARE(e.description(),
                 QStringLiteral("ファイル I/O エラーです。\r\n") +
                     m_platform->path(QStringLiteral("none/a.txt")) +
                     QStringLiteral("\r\nフォルダーまたはファイルが見つかりません。"));
    }
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text,
             QStringLiteral("ファイル I/O エラーです。\r\n") +
                 m_platform->path(QStringLiteral("big.dat")) +
                 QStringLiteral("\r\nファイルが大きすぎます。 ( 75 )"));
    QCOMPARE(m_platform->messages[0].title,
             QStringLiteral("Kelvor mini / clsFileStream / SaveToBinaryFile"));
    QVERIFY(!QFile::exists(m_platform->path(QStringLiteral("big.dat"))));
}

void tst_FileLayer::causesOfCommonFailuresAreJapanese_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("cause");
    QTest::newRow("disk full") << ENOSPC << QStringLiteral("ディスクの空き容量が不足しています。");
    QTest::newRow("quota") << EDQUOT << QStringLiteral("ディスクの空き容量が不足しています。");
    QTest::newRow("too large") << EFBIG << QStringLiteral("ファイルが大きすぎます。");
    QTest::newRow("denied") << EACCES << QStringLiteral("アクセスが拒否されました。");
    QTest::newRow("read-only") << EROFS << QStringLiteral("読み取り専用のファイル システムです。");
    QTest::newRow("missing") << ENOENT
                             << QStringLiteral("フォルダーまたはファイルが見つかりません。");
    QTest::newRow("unknown") << 0 << QStringLiteral("原因はわかりません。");
    QTest::newRow("other") << EXDEV << QStringLiteral("システム エラー %1 です。").arg(EXDEV);
}

void tst_FileLayer::causesOfCommonFailuresAreJapanese() {
    QFETCH(int, number);
    QFETCH(QString, cause);
    QCOMPARE(FileErrorText::cause(number), cause);
}

void tst_FileLayer::saveRemovesOnlyOldLeftoversOfThatFile() {
    clsFileStream stream;
    QVERIFY(stream.SaveToFile(QStringLiteral("d/keep.txt"), QStringLiteral("old")));
    const QDateTime past = QDateTime::currentDateTime().addDays(-1);
    const auto make = [&](const char* name, bool old) {
        QFile f(m_platform->path(QStringLiteral("d/") + QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("partial");
        QVERIFY(f.flush());
        if (old)
            QVERIFY(f.setFileTime(past, QFileDevice::FileModificationTime));
    };
    make("keep.txt.Ab3xYz", true);
    make("keep.txt.Qq0000", false); // younger than the program: a save in progress
    make("keep.txt.Ab3xY", true);
    make("keep.txt.Ab3xYz7", true);
    make("keep.txt.Ab-xYz", true);
    make("other.txt.Ab3xYz", true);
    make("keep.txtAAb3xYz", true);
    QVERIFY(QDir(m_platform->path(QStringLiteral("d"))).mkdir(QStringLiteral("keep.txt.Folder")));
    QVERIFY(stream.SaveToFile(QStringLiteral("d/keep.txt"), QStringLiteral("new")));
    QCOMPARE(readBytes(QStringLiteral("d/keep.txt")), QByteArray("new"));
    QDir folder(m_platform->path(QStringLiteral("d")));
    QCOMPARE(folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{QStringLiteral("keep.txt"), QStringLiteral("keep.txt.Ab-xYz"),
                          QStringLiteral("keep.txt.Ab3xY"), QStringLiteral("keep.txt.Ab3xYz7"),
                          QStringLiteral("keep.txt.Folder"), QStringLiteral("keep.txt.Qq0000"),
                          QStringLiteral("keep.txtAAb3xYz"), QStringLiteral("other.txt.Ab3xYz")}));
}

QTEST_GUILESS_MAIN(tst_FileLayer)
#include "tst_FileLayer.moc"
