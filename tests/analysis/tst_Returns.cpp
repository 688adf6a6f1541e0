#include "analysis/ListReturns.h"
#include "analysis/ResultReturns.h"
#include "drawdata/MatchCount.h"
#include "singles/SingleCodec.h"

#include <QTest>
#include <cmath>

namespace {

ResultData paid(qint32 draw, std::array<qint64, 3> prize, std::array<qint64, 3> winners,
                qint64 votes) {
    ResultData r;
    r.Kaisaikai = draw;
    for (int g = 0; g < 3; ++g) {
        r.Prize[std::size_t(g)] = Money::fromYen(prize[std::size_t(g)]);
        r.Winners[std::size_t(g)] = Money::fromYen(winners[std::size_t(g)]);
    }
    r.Votes = Money::fromYen(votes);
    r.Sales = Money::fromYen(votes * 200);
    return r;
}

} // namespace

class tst_Returns : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The averages rest on the draws whose payouts fit their sales and the carry-in.
    void averageReturnsOfUsableDraws() {
        // 10 000 口 sold each: 2 000 000 yen of sales.
        ResultData a = paid(100, {400000, 5000, 500}, {1, 20, 150}, 10000);
        a.CarryOver = {Money::fromYen(300000), Money(), Money()};
        const ResultData b =
            paid(101, {900000, 5000, 500}, {2, 20, 150}, 10000); // carry-in 300 000
        ResultData cancelled = paid(102, {0, 0, 0}, {0, 0, 0}, 10000);
        cancelled.Cancelled = true;
        const ResultData tooMuch = paid(104, {2000000, 0, 0}, {2, 0, 0}, 10000); // no carry-in
        const ResultReturns r = ResultReturns::fromResults({a, b, cancelled, tooMuch});
        QCOMPARE(r.draws, (QList<qint32>{100, 101}));
        QCOMPARE(r.leftOut.size(), std::size_t(2));
        QCOMPARE(r.leftOut[0].kaisaikai, 102);
        QCOMPARE(r.leftOut[1].kaisaikai, 104);
        QCOMPARE(r.average[0], (40.0 + 180.0) / 2);
        QCOMPARE(r.average[1], 10.0);
        QCOMPARE(r.average[2], 7.5);
        QCOMPARE(r.averageSingle(), 127.5);
        QVERIFY(!ResultReturns::fromResults({cancelled}).usable());
    }

    // The chance that a random single hits a grade, counted over all singles.
    void randomChanceCountsSingles() {
        for (int cancelled = 0; cancelled <= 3; ++cancelled) {
            std::array<qint64, 3> singles{};
            for (qint32 n = 0; n < SingleCodec::SingleCount; ++n) {
                // Against the outcome of all 0s, the cancelled matches the last ones.
                int misses = 0;
                for (int k = 0; k < MatchCount - cancelled; ++k)
                    misses += SingleCodec::marksUnchecked(n)[std::size_t(k)] != 0;
                if (misses < 3)
                    ++singles[std::size_t(misses)];
            }
            for (int g = 1; g <= 3; ++g)
                QCOMPARE(ListReturns::randomChance(g, cancelled),
                         double(singles[std::size_t(g - 1)]) / SingleCodec::SingleCount);
        }
    }

    // A list's return under the vote model, against every one of the 19 683 outcomes weighed
    // one by one.
    void agreesWithBruteForce() {
        std::array<std::array<double, 3>, MatchCount> rates{};
        for (int k = 0; k < MatchCount; ++k)
            rates[std::size_t(k)] = {0.2 + 0.01 * k, 0.5 - 0.02 * k, 0.3 + 0.01 * k};
        constexpr int Decided = 2;   // ended 1
        constexpr int Cancelled = 5; // every single hits it
        OutcomeModel model;
        for (int k = 0; k < MatchCount; ++k)
            model.setOpen(k, rates[std::size_t(k)]);
        model.setDecided(Decided, 1);
        model.setCancelled(Cancelled);
        const std::vector<qint32> list{0, 4711, 4711, 9841, 19682, 13000};
        ResultReturns past;
        past.average = {30.0, 25.0, 20.0};
        past.draws = {1};

        std::array<long double, 3> expectedWinners{};
        for (qint32 o = 0; o < SingleCodec::SingleCount; ++o) {
            const SingleCodec::Marks& outcome = SingleCodec::marksUnchecked(o);
            if (outcome[Decided] != 1 || outcome[Cancelled] != 0)
                continue;
            long double chance = 1;
            for (int k = 0; k < MatchCount; ++k)
                if (k != Decided && k != Cancelled)
                    chance *= rates[std::size_t(k)][outcome[std::size_t(k)]];
            for (const qint32 single : list) {
                int misses = 0;
                for (int k = 0; k < MatchCount; ++k)
                    misses +=
                        k != Cancelled && SingleCodec::marksUnchecked(single)[std::size_t(k)] !=
                                              outcome[std::size_t(k)];
                if (misses < 3)
                    expectedWinners[std::size_t(misses)] += chance;
            }
        }
        const ListReturns returns = ListReturns::compute(SingleTally(list), model, past, {});
        QCOMPARE(returns.basis, ListReturns::Basis::Model);
        double total = 0;
        for (int g = 0; g < 3; ++g) {
            const double expected = double(expectedWinners[std::size_t(g)]) /
                                    ListReturns::randomChance(g + 1, 1) *
                                    past.average[std::size_t(g)];
            QVERIFY2(std::abs(returns.byGrade[std::size_t(g)] - expected) < 1e-9 * (1 + expected),
                     qPrintable(QStringLiteral("grade %1").arg(g + 1)));
            total += expected;
        }
        QVERIFY(std::abs(returns.total - total) < 1e-9 * (1 + total));

        // Under even chances and no results, any single is worth the average 口.
        const ListReturns even =
            ListReturns::compute(SingleTally(std::vector<qint32>{777}), OutcomeModel(), past, {});
        QVERIFY(std::abs(even.total - 75.0) < 1e-9);
        // Without usable draws there is no figure.
        QCOMPARE(ListReturns::compute(SingleTally(list), model, ResultReturns(), {}).basis,
                 ListReturns::Basis::None);
    }

    // Once the draw's own result is stored, the confirmed winnings take the model's place.
    void ownResultGivesConfirmedWinnings() {
        ResultData own = paid(200, {100000, 3000, 300}, {1, 2, 3}, 1000);
        for (ResultMatch& m : own.Matches)
            m.Mark = 0;
        // 0: all hit; 1: one miss (match 1 = 1); 2: two misses; 3 copies of the 2等.
        const std::vector<qint32> list{0, 1, 1 + 3, 1, 1, 2 + 6 + 18};
        ResultReturns past;
        const ListReturns confirmed =
            ListReturns::compute(SingleTally(list), OutcomeModel(), past, own);
        QCOMPARE(confirmed.basis, ListReturns::Basis::Confirmed);
        QCOMPARE(confirmed.byGrade, (std::array<double, 3>{100000, 9000, 300}));
        QCOMPARE(confirmed.total, 109300.0);
        own.Cancelled = true;
        const ListReturns refund =
            ListReturns::compute(SingleTally(list), OutcomeModel(), past, own);
        QVERIFY(refund.refunded);
        QCOMPARE(refund.total, 1200.0);
    }
};

QTEST_GUILESS_MAIN(tst_Returns)
#include "tst_Returns.moc"
