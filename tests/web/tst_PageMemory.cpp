#include "web/clsHtmlGet.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KELVOR_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVOR_ASAN 1
#endif
#endif

using namespace Qt::StringLiterals;

// What reading a page costs in memory, measured in a child process, whose resident peak is its
// own: a hostile page of nothing but tiny tags must not take more than ten times its size.
class tst_PageMemory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aPageOfTinyTagsTakesUnderTenTimesItsSize_data() {
        QTest::addColumn<QByteArray>("unit");
        QTest::newRow("tags alone") << QByteArray("<b>");
        QTest::newRow("a line after every tag") << QByteArray("<p>x");
    }
    void aPageOfTinyTagsTakesUnderTenTimesItsSize() {
#ifdef KELVOR_ASAN
        QSKIP("the address sanitizer's own memory would be measured");
#else
        QFETCH(QByteArray, unit);
        constexpr qsizetype MiB = 1024 * 1024;
        const qsizetype pageBytes = 16 * MiB;
        QTemporaryDir folder;
        const QString path = folder.filePath(u"page.html"_s);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray block = unit.repeated(64 * 1024 / unit.size());
            qsizetype written = file.write("<html><body>");
            while (written + block.size() <= pageBytes)
                written += file.write(block);
        }

        int channel[2];
        QCOMPARE(pipe(channel), 0);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // The child reads the page as a download hands it over and reports its counts and
            // how far its resident peak rose.
            close(channel[0]);
            // The resident peak of this process in KiB.
            const auto peakKiB = [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                return usage.ru_maxrss;
            };
            const long before = peakKiB();
            clsHtmlGet page;
            const qint64 report[3] = {page.GetFile(path), page.GetPageLines().count(),
                                      qint64(peakKiB() - before)};
            const ssize_t written = write(channel[1], report, sizeof report);
            _exit(written == ssize_t(sizeof report) ? 0 : 1);
        }
        close(channel[1]);
        qint64 report[3] = {};
        const ssize_t got = read(channel[0], report, sizeof report);
        close(channel[0]);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(got, ssize_t(sizeof report));

        // <html>, <body> and the units' tokens but the last text, which no tag follows.
        const qint64 units = (QFileInfo(path).size() - 12) / unit.size();
        const bool withText = unit.endsWith('x');
        QCOMPARE(report[0], 2 + units * (withText ? 2 : 1) - (withText ? 1 : 0));
        QCOMPARE(report[1], withText ? units - 1 : 0);
        const qint64 risenKiB = report[2];
        QVERIFY2(
            risenKiB * 1024 <= 10 * pageBytes,
            qPrintable(u"%1 MiB for a page of %2 MiB"_s.arg(risenKiB / 1024).arg(pageBytes / MiB)));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_PageMemory)
#include "tst_PageMemory.moc"
