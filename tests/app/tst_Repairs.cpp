#include "app/clsTMain.h"
#include "base/ShiftJis.h"
#include "support/ProgramOnSite.h"
#include "support/TestMain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Fixture = ProgramOnSite;

QByteArray testFile(const QString& name) {
    return TestFiles::read(QStringLiteral(KELVOR_TEST_DATA) + u"/web/"_s + name);
}

} // namespace

// Repairs the user can make from the program, and the one it makes itself: a damaged stored
// document is moved aside and downloaded again; an update of the overseas team names is taken
// back; the leftovers of killed saves go at start.
class tst_Repairs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void damagedDocumentIsDownloadedAgain_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<bool>("nameTaken");
        const QByteArray good = testFile(u"minibig_result_1234.xml"_s);
        QByteArray noise(600, '\0');
        QRandomGenerator generator(22);
        for (char& byte : noise)
            byte = static_cast<char>(generator.bounded(1, 256));
        QTest::newRow("cut short")
            << good.left(good.size() / 2) << u"XMLデータが異常です。"_s << false;
        QTest::newRow("random bytes, a damaged copy already set aside")
            << noise << u"XMLデータが異常です。"_s << true;
        QTest::newRow("text outside the document")
            << QByteArray("stray text\r\n") + good
            << u"インデックスが有効範囲にありません。 ( 9 )"_s << false;
    }
    void damagedDocumentIsDownloadedAgain() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstLine);
        QFETCH(bool, nameTaken);
        Fixture f;
        QVERIFY(f.started);
        const QString file = f.stored(u"SysData/miniBIG_Result/minibig_result_1234.xml"_s);
        const QString aside = f.stored(u"SysData/Damaged/minibig_result_1234.xml"_s);
        QVERIFY(TestFiles::write(file, bytes));
        if (nameTaken)
            QVERIFY(TestFiles::write(aside, "an earlier one"));
        f.site.serveResult(u"1234"_s, testFile(u"result_1234.html"_s));

        f.program.window->currentDraw()->SetKaisaikai(1234);
        QCOMPARE(f.platform().firstLines(), QStringList{firstLine});
        QVERIFY(f.platform().texts()[0].endsWith(u"\r\n"_s + QDir::toNativeSeparators(file)));
        auto* button = f.program.widget<QPushButton>(u"cmdOfficialDownload_2"_s);
        QVERIFY(button->isEnabled());

        // Declined: nothing moves, nothing is fetched.
        f.platform().clearMessages();
        f.platform().answers = {false};
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(TestFiles::read(file), bytes);
        QVERIFY(f.site.requestedTargets().isEmpty());

        f.platform().clearMessages();
        f.platform().answers = {true};
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(f.platform().messages.size() == 1, qPrintable(f.platform().texts().join(u'|')));
        QVERIFY(f.platform().messages[0].question);
        QCOMPARE(TestFiles::read(nameTaken
                                     ? f.stored(u"SysData/Damaged/minibig_result_1234 (2).xml"_s)
                                     : aside),
                 bytes);
        QCOMPARE(TestFiles::read(file), testFile(u"minibig_result_1234.xml"_s));
        QCOMPARE(f.program.window->currentDraw()->Result().Kaisaikai, 1234);
        QVERIFY(!button->isEnabled());
    }

    // Temporary files of saves killed an hour ago or more go at start; nothing else does.
    void saveLeftoversGoAtStart() {
        MainWindowFixture program;
        const QString user = program.platform.userDataFolder();
        const QStringList stale{u"SysData/Kelvor mini.ini.aB3dE9"_s,
                                u"SysData/miniBIG_Result/minibig_result_0077.xml.Q1w2E3"_s,
                                user.mid(program.platform.path(QString()).size()) +
                                    u"/Tovmi-077.csv.x9Y8z7"_s};
        const QStringList kept{u"SysData/miniBIG_Result/minibig_result_0077.xml.backup"_s,
                               u"SysData/a/b/deep.xml.Q1w2E3"_s, u"SysData/photo.jpg.Q1w2E3"_s};
        const QString young = u"SysData/TeamName3.dat.Z0z0Z0"_s;
        const QDateTime twoHoursAgo = QDateTime::currentDateTime().addSecs(-7200);
        for (const QString& name : stale + kept) {
            QVERIFY(TestFiles::write(program.platform.path(name), "partial"));
            QFile file(program.platform.path(name));
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(twoHoursAgo, QFileDevice::FileModificationTime));
        }
        QVERIFY(TestFiles::write(program.platform.path(young), "a save under way"));
        QVERIFY(program.start());
        for (const QString& name : stale)
            QVERIFY2(!QFile::exists(program.platform.path(name)), qPrintable(name));
        for (const QString& name : kept + QStringList{young})
            QVERIFY2(QFile::exists(program.platform.path(name)), qPrintable(name));
    }

    void teamNameUpdateIsTakenBack() {
        Fixture f;
        QVERIFY(f.started);
        const QString current = f.stored(u"SysData/TeamName2.dat"_s);
        const QString previous = f.stored(u"SysData/TeamName2.prev.dat"_s);
        QAction* restore = f.program.action(u"mnuTool_RestoreTeamNames"_s);
        QMenu* tool = f.program.widget<QMenu>(u"mnuTool"_s);

        // Nothing to take back: greyed, and refused with a message should the file go while the
        // menu is open.
        Q_EMIT tool->aboutToShow();
        QVERIFY(!restore->isEnabled());
        restore->setEnabled(true);
        restore->trigger();
        QCOMPARE(f.platform().texts(), QStringList{u"元に戻す海外チーム名がありません。"_s});

        const QByteArray older =
            ShiftJis::encode(u"Version = 1\r\nRevision = 4\r\nﾆｯﾎﾟﾝ = 日本\r\n[End]\r\n"_s);
        QVERIFY(TestFiles::write(previous, older));
        const QByteArray installed = TestFiles::read(current);
        Q_EMIT tool->aboutToShow();
        QVERIFY(restore->isEnabled());
        f.platform().clearMessages();
        f.platform().answers = {false};
        restore->trigger();
        QCOMPARE(TestFiles::read(current), installed);

        f.platform().answers = {true};
        restore->trigger();
        QCOMPARE(f.platform().texts().mid(1),
                 (QStringList{u"海外チーム名をバージョン 1.4 に戻します。よろしいですか？"_s,
                              u"海外チーム名をバージョン 1.4 に戻しました。"_s}));
        QCOMPARE(TestFiles::read(current), older);
        QCOMPARE(TestFiles::read(previous), installed);
        f.platform().answers = {true};
        restore->trigger();
        QCOMPARE(TestFiles::read(current), installed);
        QCOMPARE(TestFiles::read(previous), older);
    }
};

KELVOR_TEST_MAIN(tst_Repairs)
#include "tst_Repairs.moc"
