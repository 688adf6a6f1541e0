#include "singles/SingleList.h"
#include "support/FakePlatform.h"

#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

// The list document: what each change keeps, resets and announces.
class tst_SingleList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void changeForAPositionNoLongerThereIsIgnored_data() {
        QTest::addColumn<qint32>("position");
        QTest::newRow("just past the end") << 2;
        QTest::newRow("far past the end") << 100000;
        QTest::newRow("negative") << -1;
    }
    // A mark change on its way while a load empties or shortens the list.
    void changeForAPositionNoLongerThereIsIgnored() {
        QFETCH(qint32, position);
        FakePlatform platform;
        SingleList list;
        list.replace({1, 2});
        list.setFile(QStringLiteral("/x/mine.csv"));
        QSignalSpy changes(&list, &SingleList::singleChanged);
        QVERIFY(!list.setSingle(position, 5));
        QCOMPARE(list.singles(), (std::vector<qint32>{1, 2}));
        QVERIFY(!list.isChanged());
        QCOMPARE(changes.size(), 0);
        QVERIFY(list.setSingle(1, 5));
        QCOMPARE(list.singles(), (std::vector<qint32>{1, 5}));
        QVERIFY(list.isChanged());
        QCOMPARE(changes.size(), 1);
    }

    void replaceCountsTheFrameAndKeepsTheFile() {
        FakePlatform platform;
        SingleList list;
        list.setFile(QStringLiteral("/x/mine.csv"));
        QSignalSpy replaced(&list, &SingleList::singlesReplaced);
        // 1 is a home win in match 1, 2 an away win there; every other mark a draw.
        list.replace({1, 2, 0});
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(list.frame()[1][0], 1);
        QCOMPARE(list.frame()[2][0], 1);
        QCOMPARE(list.frame()[0][0], 1);
        QCOMPARE(list.frame()[0][8], 3);
        QCOMPARE(list.currentFile(), QStringLiteral("/x/mine.csv"));
        QVERIFY(!list.isChanged());
        QVERIFY(!list.isBusy());
    }

    void clearDropsListFileAndChange() {
        FakePlatform platform;
        SingleList list;
        list.edit({4, 4}, SingleFrame{});
        QVERIFY(list.isChanged());
        QSignalSpy cleared(&list, &SingleList::cleared);
        QSignalSpy fileState(&list, &SingleList::fileStateChanged);
        list.clear();
        QVERIFY(list.isEmpty());
        QVERIFY(!list.isChanged());
        QVERIFY(list.currentFile().isEmpty());
        QCOMPARE(list.frame(), SingleFrame{});
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(fileState.size(), 1);
    }

    void busyScopeEndsOnEveryWayOut() {
        SingleList list;
        QSignalSpy busy(&list, &SingleList::busyChanged);
        try {
            const SingleList::BusyScope scope(list);
            QVERIFY(list.isBusy());
            { const SingleList::BusyScope inner(list); }
            QVERIFY(list.isBusy());
            throw std::runtime_error("interrupted");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!list.isBusy());
        QCOMPARE(busy.size(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_SingleList)
#include "tst_SingleList.moc"
