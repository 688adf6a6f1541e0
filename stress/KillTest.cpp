#include "KillTest.h"

#include "StressPlatform.h"
#include "base/OfficialUrlSettings.h"
#include "base/ProgramSettings.h"
#include "drawdata/clsXmlSchedule.h"
#include "io/clsTFileCSV.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint32 CsvSingles = 1000000;
// The saving program tells through this descriptor that it is about to save.
constexpr int ReadyDescriptor = 3;

// Writes version 0 or 1 of the kind's file; true when saved.
using Save = std::function<bool(int version)>;

Save saverFor(const QString& kind, const QString& folder, QString& path) {
    if (kind == QStringLiteral("csv")) {
        path = folder + QStringLiteral("/Tovmi-100.csv");
        return [path](int version) {
            static std::vector<qint32> singles[2];
            if (singles[version].empty()) {
                singles[version].resize(CsvSingles);
                for (qint32 i = 0; i < CsvSingles; ++i)
                    singles[version][std::size_t(i)] = (i * (version ? 7 : 13) + version) % 19683;
            }
            return clsTFileCSV().CsvSave(path, CsvSingles, singles[version]);
        };
    }
    if (kind == QStringLiteral("urls")) {
        path = folder + u'/' + OfficialUrlSettings::fileName();
        return [](int version) {
            OfficialUrlSettings settings = OfficialUrlSettings::defaults();
            if (version == 1) {
                settings.bigOfficialScheduleUrl =
                    QStringLiteral("https://store.example.jp/InitBIGLotInfo.form?holdCntId=");
                settings.Proxy = QStringLiteral("proxy.example.jp:8080");
            }
            return settings.write(false);
        };
    }
    if (kind == QStringLiteral("settings")) {
        path = folder + u'/' + ProgramSettings::fileName();
        return [](int version) {
            ProgramSettings settings;
            settings.Kaisaikai = version ? 1234 : 56;
            settings.DownloadMessage = version == 0;
            settings.ResultAll = version == 1;
            return settings.Save();
        };
    }
    path = folder + QStringLiteral("/SysData/miniBIG_Schedule/schedule1234.xml");
    return [path](int version) {
        clsXmlSchedule document;
        ScheduleData data;
        data.Kaisaikai = 1234;
        for (int m = 0; m < 9; ++m) {
            data.Matches[std::size_t(m)].Home =
                version ? QStringLiteral("浦和レッズ") : QStringLiteral("鹿島アントラーズ");
            data.Matches[std::size_t(m)].Away = QStringLiteral("チーム%1").arg(m + version);
        }
        document.SetData(data);
        return document.XmlSave(path);
    };
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs this tool again as a fresh program, as the user starting it again would.
[[noreturn]] void startSelf(const char* mode, const QString& kind, const QString& folder) {
    const QByteArray kindBytes = kind.toLocal8Bit();
    const QByteArray folderBytes = folder.toLocal8Bit();
    execl("/proc/self/exe", "kelvor-stress", mode, kindBytes.constData(), folderBytes.constData(),
          static_cast<char*>(nullptr));
    std::_Exit(127);
}

int leftoversOf(const QString& path) {
    const QFileInfo info(path);
    return int(info.dir()
                   .entryList(QStringList{info.fileName() + QStringLiteral(".??????")},
                              QDir::Files | QDir::Hidden)
                   .size());
}

} // namespace

int runSaver(const QString& kind, const QString& folder, bool forever) {
    const StressPlatform platform(folder);
    QString path;
    const Save save = saverFor(kind, folder, path);
    if (!forever)
        return save(0) ? 0 : 1;
    const char byte = 1;
    if (write(ReadyDescriptor, &byte, 1) != 1)
        return 1;
    close(ReadyDescriptor);
    for (int v = 1;; v ^= 1)
        save(v);
}

bool runKillTest(const QString& kind, int kills, const QString& folder) {
    QDir().mkpath(folder + QStringLiteral("/SysData/miniBIG_Schedule"));
    const StressPlatform platform(folder);
    QString path;
    const Save save = saverFor(kind, folder, path);

    // The two complete versions, and how long one save takes.
    QByteArray versions[2];
    QElapsedTimer timer;
    timer.start();
    for (int v = 1; v >= 0; --v) {
        if (!save(v)) {
            std::fprintf(stderr, "%s: the reference save failed\n", qPrintable(kind));
            return false;
        }
        versions[v] = readAll(path);
    }
    const qint64 saveMs = qMax<qint64>(1, timer.elapsed() / 2);

    QRandomGenerator random(20261209);
    int sawOld = 0;
    int sawNew = 0;
    int maxLeftovers = 0;
    for (int k = 0; k < kills; ++k) {
        int ready[2];
        if (pipe(ready) != 0) {
            std::perror("pipe");
            return false;
        }
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return false;
        }
        if (child == 0) {
            close(ready[0]);
            dup2(ready[1], ReadyDescriptor);
            startSelf("child", kind, folder);
        }
        close(ready[1]);
        char byte = 0;
        const bool started = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (!started) {
            std::fprintf(stderr, "%s: the saving program did not start\n", qPrintable(kind));
            return false;
        }
        // Somewhere in its first three saves.
        usleep(useconds_t(random.bounded(qint64(0), 3 * saveMs * 1000 + 500)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const QByteArray now = readAll(path);
        if (now == versions[0]) {
            ++sawOld;
        } else if (now == versions[1]) {
            ++sawNew;
        } else {
            std::fprintf(stderr, "%s: after kill %d the file is neither version (%lld bytes)\n",
                         qPrintable(kind), k + 1, static_cast<long long>(now.size()));
            return false;
        }
        maxLeftovers = qMax(maxLeftovers, leftoversOf(path));
    }
    // The next program's first save clears what killed saves left.
    const pid_t last = fork();
    if (last == 0)
        startSelf("once", kind, folder);
    int status = 0;
    waitpid(last, &status, 0);
    const int left = leftoversOf(path);
    std::printf("kill test %-8s: %d kills, file complete after each (%d version A, %d version B), "
                "one save %lld ms, at most %d leftover(s) beside it, %d after the next save\n",
                qPrintable(kind), kills, sawOld, sawNew, static_cast<long long>(saveMs),
                maxLeftovers, left);
    return left == 0;
}
