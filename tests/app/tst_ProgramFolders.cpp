#include "app/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the program keeps its files: a portable copy beside its SysData, and an installed copy
// whose program folder is a per-user folder seeded from the shipped data.
class tst_ProgramFolders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void portableCopyKeepsEverythingBesideItself();
    void installedCopyUsesTheUsersFolders_data();
    void installedCopyUsesTheUsersFolders();
    void firstStartSeedsEveryShippedFile();
    void laterStartsNeverReplaceTheUsersFiles();
    void withoutShippedDataNothingIsSeeded();

private:
    QString path(const QString& relative) const { return m_root.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    // An installed layout: bin/ with the executable, share/kelvor-mini/SysData with the data.
    ProgramFolders::Places installed() const;

    QTemporaryDir m_root;
};

void tst_ProgramFolders::init() {
    QVERIFY(m_root.isValid());
    QVERIFY(QDir(m_root.path()).removeRecursively());
    QVERIFY(QDir().mkpath(m_root.path()));
}

void tst_ProgramFolders::write(const QString& relative, const QByteArray& bytes) const {
    QVERIFY(QDir().mkpath(QFileInfo(path(relative)).absolutePath()));
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray tst_ProgramFolders::read(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

ProgramFolders::Places tst_ProgramFolders::installed() const {
    ProgramFolders::Places places;
    places.executableFolder = path(QStringLiteral("prefix/bin"));
    places.executableFolderWritable = false;
    places.shippedSysData = QStringLiteral("../share/kelvor-mini/SysData");
    places.appDataFolder = path(QStringLiteral("home/.local/share/Kelvor mini"));
    places.documentsFolder = path(QStringLiteral("home/Documents"));
    return places;
}

void tst_ProgramFolders::portableCopyKeepsEverythingBesideItself() {
    write(QStringLiteral("portable/SysData/TeamName.dat"), "shipped");
    ProgramFolders::Places places = installed();
    places.executableFolder = path(QStringLiteral("portable"));
    places.executableFolderWritable = true;

    const ProgramFolders folders = ProgramFolders::prepare(places);
    QVERIFY(folders.portable);
    QCOMPARE(folders.programFolder, path(QStringLiteral("portable")));
    QCOMPARE(folders.userDataFolder, path(QStringLiteral("portable/UserData/Kelvormini")));
    // Nothing is copied anywhere else.
    QVERIFY(!QFileInfo::exists(places.appDataFolder));
}

void tst_ProgramFolders::installedCopyUsesTheUsersFolders_data() {
    QTest::addColumn<bool>("sysDataBeside");
    QTest::addColumn<bool>("writable");
    // Installed under a prefix: the executable's folder has no SysData, writable or not
    // (~/.local/bin is the user's own).
    QTest::newRow("read-only bin") << false << false;
    QTest::newRow("writable bin") << false << true;
    // A copy unpacked into a read-only folder with its SysData beside it.
    QTest::newRow("read-only folder with SysData") << true << false;
}

void tst_ProgramFolders::installedCopyUsesTheUsersFolders() {
    QFETCH(bool, sysDataBeside);
    QFETCH(bool, writable);
    const QString shipped = sysDataBeside
                                ? QStringLiteral("prefix/bin/SysData/J1J2.dat")
                                : QStringLiteral("prefix/share/kelvor-mini/SysData/J1J2.dat");
    write(shipped, "leagues");
    ProgramFolders::Places places = installed();
    places.executableFolderWritable = writable;

    const ProgramFolders folders = ProgramFolders::prepare(places);
    QVERIFY(!folders.portable);
    QCOMPARE(folders.programFolder, path(QStringLiteral("home/.local/share/Kelvor mini")));
    QCOMPARE(folders.userDataFolder, path(QStringLiteral("home/Documents/Kelvormini")));
    QCOMPARE(read(QStringLiteral("home/.local/share/Kelvor mini/SysData/J1J2.dat")),
             QByteArray("leagues"));
}

void tst_ProgramFolders::firstStartSeedsEveryShippedFile() {
    const QString shipped = QStringLiteral("prefix/share/kelvor-mini/SysData/");
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"})
        write(shipped + QLatin1String(name), QByteArray("data of ") + name);
    write(shipped + QStringLiteral("miniBIG_Schedule/Schedule_0001.xml"), "a shipped draw");
    // Installed files are read-only to the user; the user's copies must not be.
    QVERIFY(QFile::setPermissions(path(shipped + QStringLiteral("TeamName2.dat")),
                                  QFileDevice::ReadOwner | QFileDevice::ReadOther));

    ProgramFolders::prepare(installed());

    const QString user = QStringLiteral("home/.local/share/Kelvor mini/SysData/");
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"})
        QCOMPARE(read(user + QLatin1String(name)), QByteArray("data of ") + name);
    QCOMPARE(read(user + QStringLiteral("miniBIG_Schedule/Schedule_0001.xml")),
             QByteArray("a shipped draw"));
    // The maker-site download replaces this file in the user's folder.
    QVERIFY(QFile::permissions(path(user + QStringLiteral("TeamName2.dat"))) &
            QFileDevice::WriteOwner);
}

void tst_ProgramFolders::laterStartsNeverReplaceTheUsersFiles() {
    const QString shipped = QStringLiteral("prefix/share/kelvor-mini/SysData/");
    write(shipped + QStringLiteral("TeamName2.dat"), "shipped version 1");
    ProgramFolders::prepare(installed());

    const QString user = QStringLiteral("home/.local/share/Kelvor mini/SysData/");
    write(user + QStringLiteral("TeamName2.dat"), "downloaded version 7");
    write(user + QStringLiteral("Kelvor mini.ini"), "the user's settings");
    // A newer program ships a changed file and a new one.
    write(shipped + QStringLiteral("TeamName2.dat"), "shipped version 2");
    write(shipped + QStringLiteral("TeamName1.dat"), "new file");

    ProgramFolders::prepare(installed());
    QCOMPARE(read(user + QStringLiteral("TeamName2.dat")), QByteArray("downloaded version 7"));
    QCOMPARE(read(user + QStringLiteral("Kelvor mini.ini")), QByteArray("the user's settings"));
    QCOMPARE(read(user + QStringLiteral("TeamName1.dat")), QByteArray("new file"));
}

void tst_ProgramFolders::withoutShippedDataNothingIsSeeded() {
    // The start checks then report the missing SysData; the user's folder is not invented.
    const ProgramFolders folders = ProgramFolders::prepare(installed());
    QVERIFY(!folders.portable);
    QVERIFY(!QFileInfo::exists(folders.programFolder + QStringLiteral("/SysData")));
}

QTEST_GUILESS_MAIN(tst_ProgramFolders)
#include "tst_ProgramFolders.moc"
