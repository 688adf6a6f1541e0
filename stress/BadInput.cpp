#include "BadInput.h"

#include "StressPlatform.h"
#include "base/OfficialUrlSettings.h"
#include "base/ProgramSettings.h"
#include "drawdata/clsXmlSchedule.h"
#include "io/clsTFileCSV.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Case {
    const char* name;
    // Writes the input file(s) into the folder.
    std::function<void(const QString& folder)> make;
    // Loads them; returns a short account of the outcome.
    std::function<QString(const QString& folder)> load;
    qint64 maxMs;
    qint64 maxMegabytes;
};

void writeFile(const QString& path, const std::function<void(QFile&)>& fill) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    fill(file);
}

QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(64);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QString csvOutcome(const QString& path) {
    qint32 count = -1;
    std::vector<qint32> singles;
    const bool loaded = clsTFileCSV().CsvLoad(path, count, singles);
    return loaded ? QStringLiteral("loaded, %1 singles of %2 lines").arg(count).arg(singles.size())
                  : QStringLiteral("reported");
}

QString settingsOutcome(const QString&) {
    const ProgramSettings settings = ProgramSettings::Load();
    OfficialUrlSettings::Load();
    return QStringLiteral("draw %1, URL file version %2")
        .arg(settings.Kaisaikai)
        .arg(OfficialUrlSettings::current().Version);
}

QString documentOutcome(const QString& path) {
    clsXmlSchedule document;
    return document.XmlLoad(path) ? QStringLiteral("loaded") : QStringLiteral("reported");
}

QString csvPath(const QString& folder) {
    return folder + QStringLiteral("/bad.csv");
}

QString settingsPath(const QString& folder) {
    return folder + u'/' + ProgramSettings::fileName();
}

QString urlSettingsPath(const QString& folder) {
    return folder + u'/' + OfficialUrlSettings::fileName();
}

QString documentPath(const QString& folder) {
    return folder + QStringLiteral("/bad.xml");
}

std::vector<Case> cases() {
    return {
        {"CSV, 10 000 000 lines",
         [](const QString& folder) {
             writeFile(csvPath(folder), [](QFile& file) {
                 QByteArray block;
                 for (int i = 0; i < 100000; ++i)
                     block += "1,0,2,1,1,0,0,2,1\r\n";
                 for (int i = 0; i < 100; ++i)
                     file.write(block);
             });
         },
         [](const QString& folder) { return csvOutcome(csvPath(folder)); }, 5000, 400},
        {"CSV, one 100 MB line without line end",
         [](const QString& folder) {
             writeFile(csvPath(folder), [](QFile& file) {
                 const QByteArray block(1 << 20, '1');
                 for (int i = 0; i < 100; ++i)
                     file.write(block);
             });
         },
         [](const QString& folder) { return csvOutcome(csvPath(folder)); }, 5000, 600},
        {"CSV, one 100 MB line of nine fields",
         [](const QString& folder) {
             writeFile(csvPath(folder), [](QFile& file) {
                 const QByteArray block(1 << 20, ' ');
                 for (int i = 0; i < 100; ++i)
                     file.write(i % 11 == 10 ? QByteArray(",") : block);
             });
         },
         [](const QString& folder) { return csvOutcome(csvPath(folder)); }, 10000, 1500},
        {"CSV, 64 MB of random bytes",
         [](const QString& folder) {
             writeFile(csvPath(folder), [](QFile& file) { file.write(randomBytes(64 << 20)); });
         },
         [](const QString& folder) { return csvOutcome(csvPath(folder)); }, 5000, 400},
        {"settings files, 10 MB values",
         [](const QString& folder) {
             const QByteArray digits(10 << 20, '7');
             const QByteArray url(10 << 20, 'u');
             writeFile(settingsPath(folder), [&](QFile& file) {
                 file.write("Kaisaikai = " + digits + "\r\nDownloadMessage = " + digits +
                            "\r\nResultAll = " + url + "\r\n");
             });
             writeFile(urlSettingsPath(folder), [&](QFile& file) {
                 file.write("Version = " + digits + "\r\nbigOfficialScheduleUrl = " + url +
                            "\r\ntotoOfficialVoteUrl = " + url + "\r\n");
             });
         },
         settingsOutcome, 3000, 800},
        {"settings files, 64 MB of random bytes",
         [](const QString& folder) {
             const QByteArray bytes = randomBytes(64 << 20);
             writeFile(settingsPath(folder), [&](QFile& file) { file.write(bytes); });
             writeFile(urlSettingsPath(folder), [&](QFile& file) { file.write(bytes); });
         },
         settingsOutcome, 5000, 1500},
        {"draw document, 64 MB of random bytes",
         [](const QString& folder) {
             writeFile(documentPath(folder),
                       [](QFile& file) { file.write(randomBytes(64 << 20)); });
         },
         [](const QString& folder) { return documentOutcome(documentPath(folder)); }, 1000, 200},
    };
}

} // namespace

bool runBadInput(const QString& folder, const QString& only) {
    QDir().mkpath(folder + QStringLiteral("/SysData"));
    bool allWithin = true;
    for (const Case& c : cases()) {
        if (!QString::fromUtf8(c.name).contains(only))
            continue;
        c.make(folder);
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            StressPlatform platform(folder);
            QElapsedTimer timer;
            timer.start();
            platform.startWatch();
            const QString outcome = c.load(folder);
            const qint64 ms = timer.elapsed();
            std::printf("%-40s %6lld ms (bound %lld), longest without a window update %lld ms, "
                        "%d progress window(s), %d message(s): %s\n",
                        c.name, static_cast<long long>(ms), static_cast<long long>(c.maxMs),
                        static_cast<long long>(platform.longestFreezeMs()),
                        platform.progressWindows, platform.messages, qPrintable(outcome));
            std::fflush(stdout);
            std::_Exit(ms <= c.maxMs ? 0 : 1);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const qint64 megabytes = usage.ru_maxrss / 1024;
        const bool ok =
            WIFEXITED(status) && WEXITSTATUS(status) == 0 && megabytes <= c.maxMegabytes;
        std::printf("%-40s peak memory %lld MB (bound %lld)%s\n", "",
                    static_cast<long long>(megabytes), static_cast<long long>(c.maxMegabytes),
                    ok ? "" : (WIFSIGNALED(status) ? "  CRASHED" : "  OVER BOUND"));
        allWithin = allWithin && ok;
    }
    return allWithin;
}
