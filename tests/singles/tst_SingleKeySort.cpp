#include "base/clsQuickSort.h"
#include "singles/SingleKeySort.h"
#include "support/FakePlatform.h"

#include <QRandomGenerator>
#include <QTest>
#include <numeric>

// The packed sorts must leave a list exactly as the index sorts followed by new[i] = old[index[i]]
// would, equal keys included.
class tst_SingleKeySort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameOrderAsTheIndexSorts_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("distinctKeys");
        QTest::addColumn<bool>("ascending");
        for (const bool ascending : {true, false}) {
            const char* order = ascending ? "ascending" : "descending";
            QTest::addRow("empty, %s", order) << 0 << 1 << ascending;
            QTest::addRow("one, %s", order) << 1 << 1 << ascending;
            QTest::addRow("all equal, %s", order) << 3000 << 1 << ascending;
            QTest::addRow("ten keys, %s", order) << 5000 << 10 << ascending;
            QTest::addRow("many keys, %s", order) << 5000 << 100000 << ascending;
        }
    }
    void sameOrderAsTheIndexSorts() {
        QFETCH(int, length);
        QFETCH(int, distinctKeys);
        QFETCH(bool, ascending);
        FakePlatform platform;
        QRandomGenerator random(quint32(length + distinctKeys));
        std::vector<qint32> singles(static_cast<std::size_t>(length));
        std::vector<qint32> keys(singles.size());
        for (std::size_t i = 0; i < singles.size(); ++i) {
            singles[i] = qint32(random.bounded(19683));
            keys[i] = qint32(random.bounded(distinctKeys)) - distinctKeys / 2;
        }
        clsQuickSort sort;

        // 32-bit keys, negative ones too.
        std::vector<qint32> longKeys = keys;
        std::vector<qint32> index(singles.size());
        std::iota(index.begin(), index.end(), 0);
        QVERIFY(sort.LongIndexSort(longKeys, index, ascending));
        std::vector<qint32> packed = singles;
        SingleKeySort::byLongKey(
            packed, [&](std::size_t i) { return keys[i]; }, ascending);
        for (std::size_t i = 0; i < singles.size(); ++i)
            QCOMPARE(packed[i], singles[std::size_t(index[i])]);

        // Estimates in whole yen.
        std::vector<Money> money(singles.size());
        for (std::size_t i = 0; i < singles.size(); ++i)
            money[i] = Money::fromYen(keys[i] + distinctKeys);
        std::vector<qint32> moneyIndex;
        QVERIFY(sort.CurrencyIndexSort(money, moneyIndex, ascending));
        packed = singles;
        SingleKeySort::byWholeYen(
            packed, [&](std::size_t i) { return qint64(keys[i] + distinctKeys); }, ascending);
        for (std::size_t i = 0; i < singles.size(); ++i)
            QCOMPARE(packed[i], singles[std::size_t(moneyIndex[i])]);
    }

    void estimateOutOfRangeLeavesTheList() {
        std::vector<qint32> singles{1, 2, 3};
        QVERIFY_THROWS_EXCEPTION(
            RuntimeError,
            SingleKeySort::byWholeYen(
                singles, [](std::size_t i) { return i == 2 ? qint64(-1) : qint64(5); }, true));
        QCOMPARE(singles, (std::vector<qint32>{1, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(tst_SingleKeySort)
#include "tst_SingleKeySort.moc"
