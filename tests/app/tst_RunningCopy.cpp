#include "app/RunningCopy.h"
#include "io/clsTFileCSV.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <QUuid>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const std::vector<qint32> SomeSingles{7, 19682};
const std::vector<qint32> OtherSingles{5};

// A name no other test or running program uses.
QString freshName() {
    return u"kelvor-mini-test-"_s + QUuid::createUuid().toString(QUuid::Id128).left(16);
}

// The socket a copy leaves behind when it crashes: bound, never listened on, never removed.
bool leaveStaleSocket(const QString& name) {
    const QByteArray path = QFile::encodeName(QDir::tempPath() + u'/' + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

// The built program in the fixture's program folder, beside its SysData: a portable copy of
// that folder.
QString placeProgram(const MainWindowFixture& f) {
    QString program = f.platform.path(u"kelvor-mini"_s);
    if (::link(KELVOR_PROGRAM, QFile::encodeName(program).constData()) != 0 &&
        !QFile::copy(QStringLiteral(KELVOR_PROGRAM), program))
        return QString();
    return program;
}

} // namespace

class tst_RunningCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneNamePerUserAndFolder();
    void secondStartHandsOverAndTheFirstOpensItsFile();
    void staleSocketIsTakenOver();
    void foreignMessageIsDropped();
    void fileWaitsForAnOpenQuestion();
};

void tst_RunningCopy::oneNamePerUserAndFolder() {
    const QTemporaryDir a;
    const QTemporaryDir b;
    QCOMPARE(RunningCopy::nameFor(a.path() + u"/"_s), RunningCopy::nameFor(a.path()));
    QCOMPARE(RunningCopy::nameFor(a.path() + u"/x/.."_s), RunningCopy::nameFor(a.path()));
    QVERIFY(RunningCopy::nameFor(a.path()) != RunningCopy::nameFor(b.path()));
}

// The real program started a second time for the folder of a running window: it hands over its
// command line (a path relative to where it was started) and ends; the file opens in the
// running window through the unsaved-list question. The running copy opened the file of its
// own command line the same way.
void tst_RunningCopy::secondStartHandsOverAndTheFirstOpensItsFile() {
    MainWindowFixture f;
    QVERIFY(f.start());
    const QString first = f.userFile(u"Tovmi-1234.csv"_s);
    const QString second = f.userFile(u"Tovmi-1235.csv"_s);
    QVERIFY(clsTFileCSV().CsvSave(first, 2, SomeSingles));
    QVERIFY(clsTFileCSV().CsvSave(second, 1, OtherSingles));
    RunningCopy copy(RunningCopy::nameFor(f.platform.programFolder()));
    QVERIFY(!copy.handOver({first}));
    copy.serve(*f.window, {first});
    QCOMPARE(f.window->currentFile(), first);
    f.window->singleList().markChanged();
    f.platform.choices = {Answer::No};

    const QString program = placeProgram(f);
    QVERIFY(!program.isEmpty());
    QProcess start;
    start.setWorkingDirectory(f.window->userDataFolder());
    start.setProcessChannelMode(QProcess::ForwardedChannels);
    start.start(program, {u"Tovmi-1235.csv"_s});
    QSignalSpy ended(&start, &QProcess::finished);
    QVERIFY(ended.wait(30000));
    QCOMPARE(start.exitStatus(), QProcess::NormalExit);
    QCOMPARE(start.exitCode(), 0);
    QTRY_COMPARE(f.window->currentFile(), second);
    QCOMPARE(f.window->singles(), OtherSingles);
    QCOMPARE(f.window->kaisaikai(), 1235);
    QCOMPARE(f.platform.messages.size(), 1); // the unsaved-list question
    QVERIFY(f.platform.messages.first().cancellable);
}

void tst_RunningCopy::staleSocketIsTakenOver() {
    const QString name = freshName();
    QVERIFY(leaveStaleSocket(name));
    RunningCopy copy(name);
    QVERIFY(!copy.handOver({}));
    QSignalSpy handed(&copy, &RunningCopy::handedOver);
    bool endedHere = false;
    const std::unique_ptr<QThread> secondStart(QThread::create([&] {
        endedHere = RunningCopy(name).handOver({u"/lists/Tovmi-077.csv"_s, u"-x"_s});
    }));
    secondStart->start();
    QVERIFY(handed.wait(10000));
    QVERIFY(secondStart->wait(10000));
    QVERIFY(endedHere);
    QCOMPARE(handed.first().first().toStringList(),
             (QStringList{u"/lists/Tovmi-077.csv"_s, u"-x"_s}));
}

// Only a command line of ours is read: a length no command line has ends the connection
// unread.
void tst_RunningCopy::foreignMessageIsDropped() {
    const QString name = freshName();
    RunningCopy copy(name);
    QVERIFY(!copy.handOver({}));
    QSignalSpy handed(&copy, &RunningCopy::handedOver);
    QLocalSocket socket;
    socket.connectToServer(name);
    QVERIFY(socket.waitForConnected(5000));
    socket.write(QByteArray("\xff\xff\xff\xff", 4) + QByteArray(1024, 'x'));
    QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(handed.size(), 0);
}

// A file handed over while the window asks something opens once the question is answered,
// never under it.
void tst_RunningCopy::fileWaitsForAnOpenQuestion() {
    MainWindowFixture f;
    QVERIFY(f.start());
    const QString path = f.userFile(u"Tovmi-1234.csv"_s);
    QVERIFY(clsTFileCSV().CsvSave(path, 2, SomeSingles));
    RunningCopy copy(freshName());
    copy.serve(*f.window, {});
    QDialog question(f.window.get());
    question.setModal(true);
    question.show();
    Q_EMIT copy.handedOver({path});
    QVERIFY(f.window->currentFile().isEmpty());
    question.close();
    QTRY_COMPARE(f.window->currentFile(), path);
}

KELVOR_TEST_MAIN(tst_RunningCopy)
#include "tst_RunningCopy.moc"
