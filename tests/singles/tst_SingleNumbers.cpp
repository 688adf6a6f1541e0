#include "singles/DuplicateSingles.h"
#include "singles/clsTNumber.h"
#include "singles/clsTSingleFrame.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <set>

namespace {

// Marks of matches 1..9 written as a digit string.
std::array<quint8, 9> marksOf(const QString& digits) {
    std::array<quint8, 9> marks{};
    for (int k = 0; k < 9; ++k)
        marks[k] = quint8(digits.at(k).digitValue());
    return marks;
}

} // namespace

class tst_SingleNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void encodeAndDecode_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<qint32>("number");
        QTest::newRow("blank") << QStringLiteral("000000000") << 0;
        QTest::newRow("match 1 home win") << QStringLiteral("100000000") << 1;
        QTest::newRow("match 9 away win") << QStringLiteral("000000002") << 13122;
        QTest::newRow("all home wins") << QStringLiteral("111111111") << 9841;
        QTest::newRow("mixed") << QStringLiteral("102102102") << 14383;
        QTest::newRow("all away wins") << QStringLiteral("222222222") << 19682;
    }
    void encodeAndDecode() {
        QFETCH(QString, digits);
        QFETCH(qint32, number);
        clsTNumber n;
        const auto marks = marksOf(digits);
        qint32 encoded = -1;
        QVERIFY(n.ByteToNo(marks, encoded));
        QCOMPARE(encoded, number);
        std::array<qint32, 9> longMarks{};
        for (int k = 0; k < 9; ++k)
            longMarks[k] = marks[k];
        QVERIFY(n.LongToNo(longMarks, encoded));
        QCOMPARE(encoded, number);

        std::array<quint8, 9> bytes{};
        QVERIFY(n.NoToByte(number, bytes));
        QCOMPARE(bytes, marks);
        std::array<qint32, 9> longs{};
        QVERIFY(n.NoToLong(number, longs));
        QCOMPARE(longs, longMarks);
    }

    void roundTripOfEveryNumber() {
        clsTNumber n;
        std::array<quint8, 9> marks{};
        for (qint32 number = 0; number < 19683; ++number) {
            qint32 back = -1;
            n.NoToByte(number, marks);
            n.ByteToNo(marks, back);
            if (back != number)
                QFAIL(qPrintable(QStringLiteral("%1 came back as %2").arg(number).arg(back)));
        }
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Numbers outside the system, marks other than 0..2 and short arrays are reported, never
    // turned into a wrong single.
    void badInputIsReported() {
        clsTNumber n;
        std::array<quint8, 9> bytes{};
        bytes[8] = 3;
        std::array<qint32, 9> longs{};
        longs[0] = -1;
        std::array<qint32, 100> list{};
        qint32 number = 77;
        QVERIFY(!n.NoToByte(-1, bytes));
        QVERIFY(!n.NoToLong(19683, longs));
        QVERIFY(!n.ByteToNo(bytes, number));
        QVERIFY(!n.LongToNo(longs, number));
        QVERIFY(!n.Get2List(0, std::span<qint32>(list).first(17)));
        QVERIFY(!n.Get3List(0, list));
        QCOMPARE(number, 77);
        QStringList procedures;
        for (const auto& message : std::as_const(m_platform->messages))
            procedures << message.title.section(QStringLiteral(" / "), -2);
        QCOMPARE(procedures, (QStringList{QStringLiteral("clsTNumber / NoToArray"),
                                          QStringLiteral("clsTNumber / NoToArray_Long"),
                                          QStringLiteral("clsTNumber / ArrayToNo"),
                                          QStringLiteral("clsTNumber / ArrayToNo_Long"),
                                          QStringLiteral("clsTNumber / Get2List_Sub"),
                                          QStringLiteral("clsTNumber / Get3List_Sub")}));
    }

    void neighbourLists() {
        clsTNumber n;
        std::array<qint32, 18> two{};
        QVERIFY(n.Get2List(0, two));
        QCOMPARE((std::array<qint32, 4>{two[0], two[1], two[2], two[3]}),
                 (std::array<qint32, 4>{1, 2, 3, 6}));
        QCOMPARE(two[16], 6561);
        QCOMPARE(two[17], 13122);
        std::array<qint32, 144> three{};
        QVERIFY(n.Get3List(0, three));
        QCOMPARE((std::array<qint32, 4>{three[0], three[1], three[2], three[3]}),
                 (std::array<qint32, 4>{4, 7, 5, 8}));

        // Get123List is the single, Get2List and Get3List; each entry is one or two marks away
        // and none is listed twice.
        const qint32 center = 14383;
        std::array<qint32, 163> all{};
        QVERIFY(n.Get123List(center, all));
        QVERIFY(n.Get2List(center, two));
        QVERIFY(n.Get3List(center, three));
        QCOMPARE(all[0], center);
        QVERIFY(std::equal(two.begin(), two.end(), all.begin() + 1));
        QVERIFY(std::equal(three.begin(), three.end(), all.begin() + 19));
        std::array<qint32, 19> twelve{};
        QVERIFY(n.Get12List(center, twelve));
        QVERIFY(std::equal(twelve.begin(), twelve.end(), all.begin()));
        std::array<quint8, 9> a{};
        std::array<quint8, 9> b{};
        n.NoToByte(center, a);
        for (int i = 1; i < 163; ++i) {
            n.NoToByte(all[i], b);
            int differences = 0;
            for (int k = 0; k < 9; ++k)
                differences += a[k] != b[k];
            QCOMPARE(differences, i <= 18 ? 1 : 2);
        }
        QCOMPARE(std::set<qint32>(all.begin(), all.end()).size(), std::size_t(163));
    }

    void singleFrame() {
        clsTSingleFrame frame;
        SingleFrame counts;
        for (auto& row : counts)
            row.fill(-5);
        const std::vector<qint32> none;
        QVERIFY(frame.GetSingleFrame(0, none, counts));
        for (const auto& row : counts)
            for (const qint32 c : row)
                QCOMPARE(c, 0);

        const std::vector<qint32> list{0, 0, 14383, 19682, 7};
        QVERIFY(frame.GetSingleFrame(2, list, counts));
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(counts[0][k], 2);
            QCOMPARE(counts[1][k] + counts[2][k], 0);
        }
        QVERIFY(frame.GetSingleFrame(4, list, counts));
        // 102102102 and 222222222 over two blanks.
        QCOMPARE(counts[0][0], 2);
        QCOMPARE(counts[1][0], 1);
        QCOMPARE(counts[2][0], 1);
        QCOMPARE(counts[0][1], 3);
        QCOMPARE(counts[2][2], 2);
        for (int k = 0; k < 9; ++k)
            QCOMPARE(counts[0][k] + counts[1][k] + counts[2][k], 4);
    }

    void singleFrameRefusesBadLists() {
        clsTSingleFrame frame;
        SingleFrame counts{};
        counts[1][1] = 42;
        const std::vector<qint32> list{0, -1};
        QVERIFY(!frame.GetSingleFrame(2, list, counts));
        QVERIFY(!frame.GetSingleFrame(3, list, counts));
        QCOMPARE(counts[1][1], 42);
        QCOMPARE(m_platform->messages.size(), 2);
    }

    void duplicateRemovalKeepsFirstOccurrences() {
        const std::vector<qint32> list{5, 7, 5, 0, 7};
        QCOMPARE(DuplicateSingles::removeDuplicates(list), (std::vector<qint32>{5, 7, 0}));
        QCOMPARE(DuplicateSingles::removeDuplicates({}), std::vector<qint32>());
        const std::vector<qint32> unique{19682, 0, 1};
        QCOMPARE(DuplicateSingles::removeDuplicates(unique), unique);
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 DuplicateSingles::removeDuplicates(std::vector<qint32>{1, 19683}));
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_SingleNumbers)
#include "tst_SingleNumbers.moc"
