#include "base/clsQuickSort.h"
#include "support/FakePlatform.h"

#include <QRandomGenerator>
#include <QTest>
#include <numeric>

namespace {

// The two schemes written down literally, one recursive call per part, as the reference for
// the order of equal keys.
template <typename Key>
void referenceTwoEnded(std::vector<Key>& k, std::vector<qint32>& x, int lo, int hi, bool asc) {
    if (lo >= hi)
        return;
    const Key p = k[(lo + hi) / 2];
    int i = lo, j = hi;
    for (;;) {
        while (asc ? k[i] < p : k[i] > p)
            ++i;
        while (asc ? k[j] > p : k[j] < p)
            --j;
        if (i >= j) {
            referenceTwoEnded(k, x, lo, i - 1, asc);
            referenceTwoEnded(k, x, j + 1, hi, asc);
            return;
        }
        std::swap(k[i], k[j]);
        std::swap(x[i], x[j]);
        ++i;
        --j;
    }
}

template <typename Key>
void referenceSingleEnded(std::vector<Key>& k, std::vector<qint32>& x, int lo, int hi, bool asc) {
    if (lo >= hi)
        return;
    const int m = (lo + hi) / 2;
    const Key p = k[m];
    const qint32 px = x[m];
    k[m] = k[lo];
    x[m] = x[lo];
    int last = lo;
    for (int i = lo + 1; i <= hi; ++i) {
        if (asc ? k[i] < p : k[i] > p) {
            ++last;
            std::swap(k[last], k[i]);
            std::swap(x[last], x[i]);
        }
    }
    k[lo] = k[last];
    x[lo] = x[last];
    k[last] = p;
    x[last] = px;
    referenceSingleEnded(k, x, lo, last - 1, asc);
    referenceSingleEnded(k, x, last + 1, hi, asc);
}

std::vector<qint32> identity(std::size_t n) {
    std::vector<qint32> x(n);
    std::iota(x.begin(), x.end(), 0);
    return x;
}

// Keys from a few distinct values in runs and at random: the cases where equal keys meet.
std::vector<qint32> keysWithDuplicates(int n, int distinct, quint32 seed) {
    QRandomGenerator random(seed);
    std::vector<qint32> keys(std::size_t(n), 0);
    for (auto& k : keys)
        k = qint32(random.bounded(distinct));
    if (n > 10)
        std::fill(keys.begin() + n / 3, keys.begin() + n / 2, distinct / 2);
    return keys;
}

std::vector<Money> asMoney(const std::vector<qint32>& keys) {
    std::vector<Money> m;
    for (qint32 k : keys)
        m.push_back(Money::fromYen(k));
    return m;
}

} // namespace

class tst_clsQuickSort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() {
        QVERIFY(m_platform->messages.isEmpty());
        m_platform.reset();
    }

    void smallCases();
    void equalKeysFollowTheSchemes_data();
    void equalKeysFollowTheSchemes();
    void longListsOfEqualKeysStayShallow();
    void indexArrayTooShortIsReported();

private:
    std::unique_ptr<FakePlatform> m_platform;
    clsQuickSort m_sort;
};

void tst_clsQuickSort::smallCases() {
    std::vector<qint32> none;
    QVERIFY(m_sort.LongSort(none, true));
    std::vector<Money> one{Money::fromYen(5)};
    std::vector<qint32> index;
    QVERIFY(m_sort.CurrencyIndexSort(one, index, true, 7));
    QCOMPARE(index, std::vector<qint32>{7});

    // Keys 3, 1, 2 with the caller's 1-based index.
    std::vector<qint32> keys{3, 1, 2};
    std::vector<qint32> idx{1, 2, 3};
    QVERIFY(m_sort.LongIndexSort(keys, idx, true));
    QCOMPARE(keys, (std::vector<qint32>{1, 2, 3}));
    QCOMPARE(idx, (std::vector<qint32>{2, 3, 1}));

    // Equal keys: the single-ended scheme only moves the middle pivot to the front...
    std::vector<Money> equal(3, Money::fromYen(4));
    QVERIFY(m_sort.CurrencyIndexSort(equal, index, true));
    QCOMPARE(index, (std::vector<qint32>{1, 0, 2}));
    // ...while the two-ended one exchanges them among themselves.
    std::vector<qint32> same{5, 5, 5};
    idx = {1, 2, 3};
    QVERIFY(m_sort.LongIndexSort(same, idx, true));
    QCOMPARE(idx, (std::vector<qint32>{3, 2, 1}));

    std::vector<QString> strings{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("b")};
    QVERIFY(m_sort.StringSort(strings, true));
    QCOMPARE(strings,
             (std::vector<QString>{QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("b")}));
    QVERIFY(m_sort.StringIndexSort(strings, index, false));
    QCOMPARE(strings.front(), QStringLiteral("b"));

    std::vector<double> doubles{2.5, -1.0, 2.5, 0.0};
    QVERIFY(m_sort.DoubleSort(doubles, false));
    QCOMPARE(doubles, (std::vector<double>{2.5, 2.5, 0.0, -1.0}));
}

void tst_clsQuickSort::equalKeysFollowTheSchemes_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("distinct");
    QTest::addColumn<bool>("ascending");
    for (const int size : {2, 3, 7, 64, 1000, 5000}) {
        for (const int distinct : {1, 2, 3, 50}) {
            for (const bool asc : {true, false}) {
                const QByteArray name = QByteArray::number(size) + " keys, " +
                                        QByteArray::number(distinct) + " values, " +
                                        (asc ? "ascending" : "descending");
                QTest::newRow(name.constData()) << size << distinct << asc;
            }
        }
    }
}

void tst_clsQuickSort::equalKeysFollowTheSchemes() {
    QFETCH(int, size);
    QFETCH(int, distinct);
    QFETCH(bool, ascending);
    const auto keys = keysWithDuplicates(size, distinct, quint32(size * 31 + distinct));

    auto refKeys = keys;
    auto refIndex = identity(keys.size());
    referenceTwoEnded(refKeys, refIndex, 0, size - 1, ascending);
    auto longKeys = keys;
    auto longIndex = identity(keys.size());
    QVERIFY(m_sort.LongIndexSort(longKeys, longIndex, ascending));
    QCOMPARE(longIndex, refIndex);
    QCOMPARE(longKeys, refKeys);

    auto refMoney = asMoney(keys);
    refIndex = identity(keys.size());
    referenceSingleEnded(refMoney, refIndex, 0, size - 1, ascending);
    auto money = asMoney(keys);
    std::vector<qint32> moneyIndex;
    QVERIFY(m_sort.CurrencyIndexSort(money, moneyIndex, ascending));
    QCOMPARE(moneyIndex, refIndex);
    QVERIFY(money == refMoney);
}

void tst_clsQuickSort::longListsOfEqualKeysStayShallow() {
    // A million equal estimates (a vote record that is still all zero) and a million keys of
    // three values: both schemes must finish without deep recursion.
    const std::size_t n = 1000000;
    std::vector<Money> equal(n, Money::fromYen(7));
    std::vector<qint32> index;
    QVERIFY(m_sort.CurrencyIndexSort(equal, index, false));
    std::vector<qint32> seen = index;
    std::sort(seen.begin(), seen.end());
    QVERIFY(seen == identity(n));

    auto few = keysWithDuplicates(int(n), 3, 1);
    auto money = asMoney(few);
    QVERIFY(m_sort.CurrencyIndexSort(money, index, true));
    QVERIFY(std::is_sorted(money.begin(), money.end()));
    for (std::size_t i = 0; i < n; i += 997)
        QCOMPARE(Money::fromYen(few[std::size_t(index[i])]), money[i]);
    auto longIndex = identity(n);
    QVERIFY(m_sort.LongIndexSort(few, longIndex, false));
    QVERIFY(std::is_sorted(few.rbegin(), few.rend()));
}

void tst_clsQuickSort::indexArrayTooShortIsReported() {
    std::vector<qint32> keys{2, 1};
    std::vector<qint32> index{0};
    QVERIFY(!m_sort.LongIndexSort(keys, index, true));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().title,
             QStringLiteral("Kelvor mini / clsQuickSort / LongIndexSort"));
    QCOMPARE(m_platform->messages.first().text,
             QStringLiteral("インデックスが有効範囲にありません。 ( 9 )"));
    m_platform->clearMessages();
}

QTEST_GUILESS_MAIN(tst_clsQuickSort)
#include "tst_clsQuickSort.moc"
