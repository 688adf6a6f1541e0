#include "results/clsTResultCheck.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// A complete result whose match k has the mark given by the digit k of `marks`.
ResultData result(const char* marks, qint32 kaisaikai = 7) {
    ResultData r;
    r.Kaisaikai = kaisaikai;
    for (int k = 0; k < 9; ++k)
        r.Matches[k].Mark = quint8(marks[k] - '0');
    return r;
}

// The single with the marks of matches 1..9.
qint32 single(const char* marks) {
    qint32 number = 0;
    qint32 power = 1;
    for (int k = 0; k < 9; ++k, power *= 3)
        number += (marks[k] - '0') * power;
    return number;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_clsTResultCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void withoutResultEverySingleWinsFirstGrade() {
        clsTResultCheck check;
        check.SetResultData(7, QString(), ResultData(), false);
        const std::vector<qint32> list{0, 9841, 19682, 14383};
        QVERIFY(check.SetSingle(4, list));
        QCOMPARE(check.GradeCounts()[0], 4);
        for (qint32 i = 0; i < 4; ++i)
            QCOMPARE(check.Grade(i), quint8(1));
        QCOMPARE(check.GradeRatioText(0), QStringLiteral("100%"));
        QCOMPARE(check.GradeRatioText(1), QStringLiteral("0%"));
        QCOMPARE(check.HitTable()[1][4], clsTResultCheck::Undecided);
        QVERIFY(!check.Confirmed());
        QVERIFY(!check.FullResult());

        QVERIFY(check.SetSingle(0, {}));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(check.GradeRatioText(i), QStringLiteral("0%"));
        QCOMPARE(check.LastPage(), 0);
    }

    void revealingMatchByMatch() {
        clsTResultCheck check;
        QVERIFY(!check.SetResultData(7, QString(), result("102102102"), false));
        const std::vector<qint32> list{single("102102102"), single("002102102"),
                                       single("222222222")};
        check.SetSingle(3, list);
        QCOMPARE(check.GradeCounts()[0], 3);

        QVERIFY(check.SetNextData()); // match 1 only
        QCOMPARE(check.RevealCount(), 1);
        QCOMPARE(check.Grade(0), quint8(1));
        QCOMPARE(check.Grade(1), quint8(2));
        QCOMPARE(check.Grade(2), quint8(2));
        QCOMPARE(check.GradeRatioText(1), QStringLiteral("67%"));

        for (int i = 2; i <= 9; ++i)
            QVERIFY(check.SetNextData());
        QVERIFY(check.FullResult());
        QVERIFY(!check.SetNextData());
        QCOMPARE(check.RevealCount(), 9);
        QCOMPARE(check.Grade(0), quint8(1));
        QCOMPARE(check.Grade(1), quint8(2));
        QCOMPARE(check.Grade(2), quint8(7)); // 2 on matches 3, 6, 9
        QCOMPARE(check.GradeCounts()[6], 1);
        QVERIFY(check.Confirmed());
    }

    void showAllRevealsEverything() {
        clsTResultCheck check;
        QVERIFY(check.SetResultData(7, QString(), result("111111111"), true));
        QVERIFY(check.FullResult());
        QCOMPARE(check.Marks()[1], (std::array<quint8, 9>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
        // A new draw starts hidden again.
        QVERIFY(check.SetResultData(8, QString(), result("000000000", 8), false));
        QCOMPARE(check.RevealCount(), 0);
        QCOMPARE(check.Marks(), ResultMarks{});
    }

    void cancelledMatchIsAHitForEverySingle() {
        clsTResultCheck check;
        check.SetResultData(7, QString(), result("300000000"), true);
        QCOMPARE(check.Marks()[0][0], quint8(3));
        QCOMPARE(check.Marks()[2][0], quint8(3));
        const std::vector<qint32> list{single("000000000"), single("100000000"),
                                       single("200000000")};
        check.SetSingle(3, list);
        QCOMPARE(check.GradeCounts()[0], 3);
        QCOMPARE(check.HitTable()[1][0], quint8(3));
        QVERIFY(check.Confirmed());
    }

    // Only official results and cancellations confirm the draw; marks set by hand do not.
    void confirmation() {
        clsTResultCheck check;
        check.SetResultData(7, QString(), result("012012012"), false);
        check.SetSingle(1, std::vector<qint32>{0});
        QVERIFY(!check.Confirmed());
        ResultMarks marks{};
        for (int k = 0; k < 9; ++k)
            marks[0][k] = 2;
        QVERIFY(check.SetMarks(marks, true));
        QCOMPARE(check.GradeCounts()[0], 1);
        check.SetSingle(1, std::vector<qint32>{0});
        QVERIFY(!check.Confirmed());
        QVERIFY(!QFile::exists(clsTResultCheck::TempFilePath(7, QString())));

        check.SetAlltData();
        QVERIFY(check.Confirmed());
        // A change before the full reveal leaves the confirmation alone.
        check.SetResultData(7, QString(), result("012012012"), false);
        QVERIFY(check.Confirmed());
        check.SetSingle(1, std::vector<qint32>{0});
        QVERIFY(!check.Confirmed());
    }

    void tempFileNames_data() {
        QTest::addColumn<QString>("kumi");
        QTest::addColumn<QString>("name");
        QTest::newRow("no group") << QString() << QStringLiteral("miniBIG_Result_007.dat");
        QTest::newRow("group A") << QStringLiteral("A")
                                 << QStringLiteral("miniBIG_Result_007_A.dat");
    }
    void tempFileNames() {
        QFETCH(QString, kumi);
        QFETCH(QString, name);
        QCOMPARE(clsTResultCheck::TempFilePath(7, kumi),
                 m_platform->path(QStringLiteral("SysData/Temp/") + name));
    }

    void userMarksSurviveInTheTempFileUntilTheResultArrives() {
        const QString path = clsTResultCheck::TempFilePath(7, QString());
        ResultMarks marks{};
        marks[0][2] = 2;
        for (auto& row : marks)
            row[5] = 3;
        {
            clsTResultCheck check;
            check.SetResultData(7, QString(), ResultData(), false);
            QVERIFY(check.SetMarks(marks, true));
        }
        QCOMPARE(readAll(path), QByteArray("0,0,0\r\n0,0,0\r\n2,0,0\r\n0,0,0\r\n0,0,0\r\n"
                                           "3,3,3\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"));
        clsTResultCheck check;
        check.SetResultData(7, QString(), ResultData(), false);
        QCOMPARE(check.Marks(), marks);
        // Revealing without a result reloads the file, dropping marks not saved.
        ResultMarks changed = marks;
        changed[1][8] = 2;
        QVERIFY(check.SetMarks(changed, false));
        QVERIFY(check.SetNextData());
        QCOMPARE(check.Marks(), marks);
        QCOMPARE(check.RevealCount(), 0);

        check.SetResultData(7, QString(), result("111111111"), false);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(check.Marks(), ResultMarks{});
        // With an official result a click is not kept.
        QVERIFY(check.SetMarks(marks, true));
        QVERIFY(!QFile::exists(path));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void corruptTempFileIsReported_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("short") << QByteArray("0,0,0\r\n");
        QTest::newRow("flag 4") << QByteArray("4,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                                              "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n");
        QTest::newRow("text") << QByteArray("a,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                                            "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n");
        QTest::newRow("two fields") << QByteArray("1,0,0\r\n0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n"
                                                  "0,0,0\r\n0,0,0\r\n0,0,0\r\n0,0,0\r\n");
    }
    void corruptTempFileIsReported() {
        QFETCH(QByteArray, content);
        QVERIFY(QDir(m_platform->programFolder()).mkpath(QStringLiteral("SysData/Temp")));
        QFile file(clsTResultCheck::TempFilePath(7, QString()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        clsTResultCheck check;
        check.SetResultData(7, QString(), ResultData(), false);
        QCOMPARE(check.Marks(), ResultMarks{});
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].title.endsWith(
            QStringLiteral("/ clsTResult / LoadResultTemp")));
    }

    void longListsShowProgress() {
        clsTResultCheck check;
        const std::vector<qint32> list(25000, 9841);
        QVERIFY(check.SetSingle(25000, list));
        QCOMPARE(m_platform->progress.size(), std::size_t(1));
        QCOMPARE(m_platform->progress[0].message, QStringLiteral("シングル構成の解析中"));
        QCOMPARE(m_platform->progress[0].maximum, 24999);
        QCOMPARE(m_platform->progress[0].values.size(), 25);
        QCOMPARE(m_platform->progress[0].values.first(), 1000);
        QCOMPARE(m_platform->progress[0].values.last(), 24999);
        QCOMPARE(m_platform->processEventsCalls, 24);
        QCOMPARE(check.GradeCountText(0), QStringLiteral("25,000"));
        QCOMPARE(m_platform->waitCursorDepth, 0);

        check.SetSingle(10000, list);
        QCOMPARE(m_platform->progress.size(), std::size_t(1));
    }

    void badListIsReported() {
        clsTResultCheck check;
        check.SetSingle(2, std::vector<qint32>{1, 2});
        QVERIFY(!check.SetSingle(2, std::vector<qint32>{1, 19683}));
        QVERIFY(!check.SetSingle(3, std::vector<qint32>{1, 2}));
        QCOMPARE(check.SingleCount(), 0);
        QCOMPARE(check.GradeCounts()[0], 0);
        QCOMPARE(m_platform->messages.size(), 2);
        QVERIFY(
            m_platform->messages[0].title.endsWith(QStringLiteral("/ clsTResult / SetSingle_Sub")));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, check.Grade(0));
    }

    void gradeSort() {
        clsTResultCheck check;
        check.SetResultData(7, QString(), result("000000000"), true);
        std::vector<qint32> list{single("222000000"), single("000000000"), single("200000000"),
                                 single("000000000")};
        check.SetSingle(4, list);
        QVERIFY(check.GradeSort(list, true));
        QCOMPARE(list, (std::vector<qint32>{0, 0, single("200000000"), single("222000000")}));
        check.SetSingle(4, list);
        QVERIFY(check.GradeSort(list, false));
        QCOMPARE(list.front(), single("222000000"));
        QCOMPARE(list.back(), 0);
    }

    void gradeSortRefusesAnotherCount() {
        clsTResultCheck check;
        std::vector<qint32> list{3, 2, 1};
        check.SetSingle(3, list);
        std::vector<qint32> shorter{3, 2};
        QVERIFY(!check.GradeSort(shorter, true));
        QCOMPARE(shorter, (std::vector<qint32>{3, 2}));
        QCOMPARE(m_platform->texts(), QStringList{QStringLiteral("シングル数が一致しません")});
        QCOMPARE(m_platform->messages[0].icon, MessageIcon::Warning);
        QCOMPARE(m_platform->messages[0].title,
                 QStringLiteral("Kelvor mini / clsTResult / GradeSort_Sub"));
    }

    void clearEmptiesEverything() {
        clsTResultCheck check;
        check.SetResultData(7, QString(), result("000000000"), true);
        check.SetSingle(2, std::vector<qint32>{0, 1});
        check.Clear();
        QCOMPARE(check.SingleCount(), 0);
        QCOMPARE(check.Marks(), ResultMarks{});
        QCOMPARE(check.GradeCounts()[0] + check.GradeCounts()[1], 0);
        QVERIFY(!check.Confirmed());
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_clsTResultCheck)
#include "tst_clsTResultCheck.moc"
