#include "base/RuntimeError.h"
#include "singles/PopularityRanks.h"
#include "singles/SingleCodec.h"
#include "singles/clsTMoney.h"
#include "singles/clsTSingleSort.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <algorithm>

namespace {

using Ranks = std::array<qint32, 3>;

// A loaded vote record whose every match has the counts (draw, home win, home loss).
VoteData votes(qint64 draw, qint64 home, qint64 away, qint32 kaisaikai = 5) {
    VoteData vote;
    vote.Kaisaikai = kaisaikai;
    for (VoteMatch& match : vote.Matches) {
        match.Outcomes[0].Votes = Money::fromYen(draw);
        match.Outcomes[1].Votes = Money::fromYen(home);
        match.Outcomes[2].Votes = Money::fromYen(away);
    }
    return vote;
}

std::array<qint32, 9> marksOf(qint32 number) {
    std::array<qint32, 9> marks{};
    const auto& bytes = SingleCodec::marks(number);
    std::copy(bytes.begin(), bytes.end(), marks.begin());
    return marks;
}

} // namespace

class tst_Estimates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void estimates_data() {
        QTest::addColumn<VoteData>("vote");
        QTest::addColumn<qint32>("single");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("second");
        QTest::addColumn<qint64>("third");
        QTest::newRow("votes not yet published")
            << votes(0, 0, 0) << 14383 << qint64(492075) << qint64(10935) << qint64(2050);
        QTest::newRow("no vote record")
            << votes(0, 0, 0, 0) << 14383 << qint64(0) << qint64(0) << qint64(0);
        // Mark 0 on every match at 50 %.
        QTest::newRow("nine 50 % marks")
            << votes(2, 1, 1) << 0 << qint64(12800) << qint64(568) << qint64(213);
        QTest::newRow("estimate beyond the cap")
            << votes(1, 1000000000, 1000000000) << 0 << clsTMoney::CapYen << clsTMoney::CapYen
            << clsTMoney::CapYen;
    }
    void estimates() {
        QFETCH(VoteData, vote);
        QFETCH(qint32, single);
        QFETCH(qint64, first);
        QFETCH(qint64, second);
        QFETCH(qint64, third);
        clsTMoney money;
        QVERIFY(money.SetVoteData(vote));
        const auto marks = marksOf(single);
        QCOMPARE(money.GetMoney1(marks), Money::fromYen(first));
        QCOMPARE(money.GetMoney2(marks), Money::fromYen(second));
        QCOMPARE(money.GetMoney3(marks), Money::fromYen(third));
        QCOMPARE(money.Estimate(3, SingleCodec::marks(single)), Money::fromYen(third));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // One outcome with every vote: singles carrying another outcome there cannot win 1等, but
    // their 2等 stays finite while that is their only impossible match.
    void outcomeWithoutVotes() {
        VoteData vote = votes(0, 0, 0);
        vote.Matches[0].Outcomes[1].Votes = Money::fromYen(300);
        clsTMoney money;
        QVERIFY(money.SetVoteData(vote));
        const auto blank = marksOf(0); // mark 0 on match 1 has rate 0
        QCOMPARE(money.GetMoney1(blank), Money());
        QVERIFY(money.GetMoney2(blank) > Money());
        QVERIFY(money.GetMoney2(blank) < Money::fromYen(clsTMoney::CapYen));
        QCOMPARE(money.GetMoney1(marksOf(1)), Money::fromYen(25 * 6561)); // 100 % × (1/3)^8
    }

    void badMarksAreReported() {
        clsTMoney money;
        QVERIFY(money.SetVoteData(votes(1, 1, 1)));
        std::array<qint32, 9> marks{};
        marks[4] = 3;
        QCOMPARE(money.GetMoney2(marks), Money());
        QCOMPARE(money.GetMoney1(std::span<const qint32>(marks).first(8)), Money());
        QCOMPARE(m_platform->messages.size(), 2);
        QVERIFY(m_platform->messages[0].title.endsWith(QStringLiteral("/ clsTMoney / GetMoney2")));
    }

    // A vote total that does not fit a 32-bit count is reported, never wrapped into a wrong rate.
    void voteTotalOverflowIsReported() {
        clsTMoney money;
        QVERIFY(money.SetVoteData(votes(1, 1, 1)));
        QVERIFY(!money.SetVoteData(votes(1000000000, 1000000000, 1000000000)));
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].text.endsWith(QStringLiteral("( 6 )")));
        QCOMPARE(money.GetMoney1(marksOf(0)), Money());

        clsTSingleSort sort;
        QVERIFY(!sort.SetVoteData(votes(1000000000, 1000000000, 1000000000)));
        std::vector<qint32> list{3, 2, 1};
        sort.MoneySort(list, 0, true);
        QCOMPARE(list, (std::vector<qint32>{3, 2, 1}));
    }

    void estimateText_data() {
        QTest::addColumn<qint64>("yen");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << QString();
        QTest::newRow("2050") << qint64(2050) << QStringLiteral("2050円");
        QTest::newRow("10935") << qint64(10935) << QStringLiteral("1.09万");
        QTest::newRow("12350 rounds up") << qint64(12350) << QStringLiteral("1.24万");
        QTest::newRow("492075") << qint64(492075) << QStringLiteral("49万");
        QTest::newRow("123456789") << qint64(123456789) << QStringLiteral("1.23億");
        QTest::newRow("200000000") << qint64(200000000) << QStringLiteral("2億");
        QTest::newRow("1234567890") << qint64(1234567890) << QStringLiteral("12億");
        QTest::newRow("below the cap") << clsTMoney::CapYen - 1 << QStringLiteral("999億");
        QTest::newRow("cap") << clsTMoney::CapYen << QStringLiteral("****億");
    }
    void estimateText() {
        QFETCH(qint64, yen);
        QFETCH(QString, text);
        QCOMPARE(clsTMoney::EstimateText(Money::fromYen(yen)), text);
    }

    void popularity_data() {
        QTest::addColumn<qint64>("draw");
        QTest::addColumn<qint64>("home");
        QTest::addColumn<qint64>("away");
        QTest::addColumn<Ranks>("ranks");
        QTest::newRow("three zeros") << qint64(0) << qint64(0) << qint64(0) << Ranks{1, 2, 0};
        QTest::newRow("three equal") << qint64(7) << qint64(7) << qint64(7) << Ranks{1, 2, 0};
        QTest::newRow("10, 20, 20") << qint64(10) << qint64(20) << qint64(20) << Ranks{2, 1, 0};
        QTest::newRow("20, 20, 10") << qint64(20) << qint64(20) << qint64(10) << Ranks{0, 1, 2};
        QTest::newRow("distinct") << qint64(5) << qint64(30) << qint64(10) << Ranks{2, 0, 1};
    }
    void popularity() {
        QFETCH(qint64, draw);
        QFETCH(qint64, home);
        QFETCH(qint64, away);
        QFETCH(Ranks, ranks);
        const PopularityTable table = PopularityRanks::fromVotes(votes(draw, home, away));
        QCOMPARE(table[0], ranks);
        QCOMPARE(table[8], ranks);
    }

    // Equal keys end in the partition's order: the two-ended scheme reverses three equal keys,
    // the single-ended one brings the middle to the front.
    void equalKeysKeepThePartitionOrder() {
        clsTSingleSort sort;
        QVERIFY(sort.SetVoteData(votes(0, 0, 0)));
        std::vector<qint32> list{0, 1, 2}; // every estimate is equal
        sort.MoneySort(list, 0, true);
        QCOMPARE(list, (std::vector<qint32>{1, 0, 2}));
        list = {1, 3, 9}; // one mark 1 each
        sort.MarkSort(list, 0, false);
        QCOMPARE(list, (std::vector<qint32>{9, 3, 1}));
    }

    void markSort() {
        const std::vector<qint32> start{0, 9841, 14383, 19682, 1, 9841};
        std::vector<qint32> list = start;
        clsTSingleSort sort;
        sort.MarkSort(list, 0, false); // most marks 1 first
        QCOMPARE(list.front(), 9841);
        QCOMPARE(list[1], 9841);
        QCOMPARE(list[2], 14383);
        QCOMPARE(list[3], 1);
        QVERIFY(std::is_permutation(list.begin(), list.end(), start.begin()));
        sort.MarkSort(list, 2, true); // fewest marks 2 first
        QCOMPARE(list.back(), 19682);
    }

    void ninkiSort() {
        // Home wins most popular everywhere, away wins the least.
        clsTSingleSort sort;
        QVERIFY(sort.SetVoteData(votes(20, 50, 10)));
        std::vector<qint32> list{0, 19682, 9841, 14383};
        sort.NinkiSort(list, 0, false);
        QCOMPARE(list[0], 9841);
        QCOMPARE(list[1], 14383);
        sort.NinkiSort(list, 2, true);
        QCOMPARE(list.back(), 19682);

        // Without a vote record every mark counts as 1番人気.
        clsTSingleSort noVotes;
        QVERIFY(noVotes.SetVoteData(VoteData()));
        list = {5, 6, 7};
        noVotes.NinkiSort(list, 1, true);
        QCOMPARE(list, (std::vector<qint32>{7, 6, 5}));
    }

    void moneySortOrdersByEstimate() {
        clsTSingleSort sort;
        QVERIFY(sort.SetVoteData(votes(20, 50, 10)));
        std::vector<qint32> list;
        for (qint32 n = 0; n < 19683; n += 97)
            list.push_back(n);
        for (int type = 0; type < 3; ++type) {
            sort.MoneySort(list, type, true);
            clsTMoney money;
            money.SetVoteData(votes(20, 50, 10));
            for (std::size_t i = 1; i < list.size(); ++i)
                QVERIFY(money.Estimate(type + 1, SingleCodec::marks(list[i - 1])) <=
                        money.Estimate(type + 1, SingleCodec::marks(list[i])));
        }
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

    void badSortsReachTheCaller() {
        clsTSingleSort sort;
        std::vector<qint32> list{2, 1, 19683};
        QVERIFY_THROWS_EXCEPTION(RuntimeError, sort.MarkSort(list, 0, true));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, sort.MoneySort(list, 0, true));
        list.back() = 0;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, sort.NinkiSort(list, 3, true));
        QCOMPARE(list, (std::vector<qint32>{2, 1, 0}));
        QCOMPARE(m_platform->waitCursorDepth, 0);
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_Estimates)
#include "tst_Estimates.moc"
