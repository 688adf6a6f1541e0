#include "analysis/AnalysisTexts.h"
#include "analysis/BestGradeMap.h"
#include "analysis/GradeChances.h"
#include "analysis/ListAnalysis.h"
#include "base/RuntimeError.h"
#include "singles/clsTMoney.h"
#include "support/FakePlatform.h"

#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

using Marks = SingleCodec::Marks;
using Chances = std::array<std::array<double, 3>, 9>;

bool cancelled(const ResultMarks& flags, int k) {
    return flags[0][k] == 3 || flags[1][k] == 3 || flags[2][k] == 3;
}
bool open(const ResultMarks& flags, int k) {
    return flags[0][k] == 0 && flags[1][k] == 0 && flags[2][k] == 0;
}

// The reference: every outcome against every single, hits counted as the check counts them.
struct BruteForce {
    const std::vector<qint32>& list;
    const ResultMarks& flags;
    Chances rate{};

    BruteForce(const std::vector<qint32>& singles, const VoteData& vote, const ResultMarks& f)
        : list(singles), flags(f) {
        for (int k = 0; k < 9; ++k) {
            double total = 0;
            for (const auto& o : vote.Matches[k].Outcomes)
                total += o.Votes.toDouble();
            for (int m = 0; m < 3; ++m)
                rate[k][m] = vote.Kaisaikai != 0 && total > 0
                                 ? vote.Matches[k].Outcomes[m].Votes.toDouble() / total
                                 : 1.0 / 3;
        }
    }

    int misses(qint32 single, const Marks& outcome) const {
        const Marks& s = SingleCodec::marks(single);
        int n = 0;
        for (int k = 0; k < 9; ++k) {
            const bool hit = cancelled(flags, k) ? true
                             : open(flags, k)    ? s[k] == outcome[k]
                                                 : flags[s[k]][k] != 0;
            n += !hit;
        }
        return n;
    }
    int fewestMisses(const Marks& outcome) const {
        int best = 0xFF;
        for (const qint32 s : list)
            best = std::min(best, misses(s, outcome));
        return best;
    }
    // Each outcome the result marks allow, once: the open matches vary, the others stand at 0.
    bool representative(const Marks& outcome) const {
        for (int k = 0; k < 9; ++k)
            if (!open(flags, k) && outcome[k] != 0)
                return false;
        return true;
    }
    double chance(const Marks& outcome, int except = -1) const {
        double p = 1;
        for (int k = 0; k < 9; ++k)
            if (open(flags, k) && k != except)
                p *= rate[k][outcome[k]];
        return p;
    }
    int decidedMisses(qint32 single) const {
        const Marks& s = SingleCodec::marks(single);
        int n = 0;
        for (int k = 0; k < 9; ++k)
            n += !open(flags, k) && !cancelled(flags, k) && flags[s[k]][k] == 0;
        return n;
    }
};

void fuzzyCompare(double actual, double expected, double tolerance) {
    QVERIFY2(
        std::abs(actual - expected) <= tolerance * std::max(1.0, std::abs(expected)),
        qPrintable(QStringLiteral("%1 != %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

// Money keeps four decimals.
void moneyCompare(Money actual, double expected) {
    QVERIFY2(std::abs(actual.toDouble() - expected) <= 0.00005 + 1e-12 * std::abs(expected),
             qPrintable(actual.toString() + QStringLiteral(" != ") +
                        QString::number(expected, 'g', 17)));
}

VoteData randomVotes(std::mt19937& random) {
    VoteData vote;
    vote.Kaisaikai = random() % 10 == 0 ? 0 : 12;
    for (VoteMatch& match : vote.Matches) {
        const unsigned kind = random() % 4;
        for (int m = 0; m < 3; ++m) {
            const qint64 count = kind == 0   ? 0
                                 : kind == 1 ? (m == 1 ? 5000 : 0)
                                             : qint64(random() % 1000000);
            match.Outcomes[m].Votes = Money::fromYen(count);
        }
    }
    return vote;
}

ResultMarks randomMarks(std::mt19937& random) {
    ResultMarks flags{};
    for (int k = 0; k < 9; ++k) {
        const unsigned kind = random() % 20;
        const unsigned mark = random() % 3;
        if (kind < 3) {
            flags[mark][k] = quint8(1 + random() % 2);
        } else if (kind < 5) {
            flags[0][k] = flags[1][k] = flags[2][k] = 3;
        } else if (kind == 5) {
            // Two marks at once: only a hand-edited file holds this.
            flags[mark][k] = 2;
            flags[(mark + 1) % 3][k] = 2;
        }
    }
    return flags;
}

VoteData evenVotes() {
    VoteData vote;
    vote.Kaisaikai = 3;
    for (VoteMatch& match : vote.Matches)
        for (OutcomeVote& o : match.Outcomes)
            o.Votes = Money::fromYen(1000);
    return vote;
}

ListAnalysis analyse(const std::vector<qint32>& list, const VoteData& vote,
                     const ResultMarks& flags = {}) {
    clsTMoney estimates;
    estimates.SetVoteData(vote);
    return ListAnalysis::compute(list, vote, flags, estimates);
}

} // namespace

class tst_ListAnalysis : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() { m_platform.reset(); }

    void agreesWithBruteForce_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 24; ++seed)
            QTest::addRow("draw %u", seed) << seed;
    }
    // Random lists (duplicates, near neighbours), votes (none, one-sided, published) and result
    // marks (open, decided, cancelled, two marks): every figure against the reference.
    void agreesWithBruteForce() {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        std::vector<qint32> list(random() % 25);
        for (qint32& s : list)
            s = random() % 3 == 0 && &s != list.data() ? (&s)[-1] + 1 : qint32(random() % 19683);
        for (qint32& s : list)
            s %= SingleCodec::SingleCount;
        const VoteData vote = randomVotes(random);
        const ResultMarks flags = randomMarks(random);
        const BruteForce ref(list, vote, flags);
        clsTMoney estimates;
        estimates.SetVoteData(vote);
        const ListAnalysis result = ListAnalysis::compute(list, vote, flags, estimates);
        const SingleTally tally(list);
        const BestGradeMap best(tally, result.model);

        qint32 possible = 0;
        std::array<qint32, 4> outcomes{};
        std::array<double, 4> chances{};
        std::vector<GradeChances::Chances> singleChances(list.size());
        std::array<double, 3> returns{};
        WhatIfTable::Reach reachNow{};
        double winNow = 0;
        std::array<std::array<double, 3>, 9> winIf{};
        for (qint32 o = 0; o < SingleCodec::SingleCount; ++o) {
            const Marks& outcome = SingleCodec::marks(o);
            bool allowed = true;
            for (int k = 0; k < 9; ++k)
                allowed = allowed && (open(flags, k) || flags[outcome[k]][k] != 0);
            const int fewest = ref.fewestMisses(outcome);
            if (allowed)
                QCOMPARE(int(best.fewestMisses(o)), fewest);
            if (!ref.representative(outcome))
                continue;
            ++possible;
            const double p = ref.chance(outcome);
            const int index = std::min(fewest, 3);
            ++outcomes[index];
            chances[index] += p;
            if (fewest <= 2) {
                winNow += p;
                for (int k = 0; k < 9; ++k)
                    if (open(flags, k))
                        winIf[k][outcome[k]] += ref.chance(outcome, k);
            }
            for (std::size_t i = 0; i < list.size(); ++i) {
                const int n = ref.misses(list[i], outcome);
                if (n <= 2) {
                    singleChances[i][n] += p;
                    returns[n] +=
                        p * estimates.Estimate(n + 1, SingleCodec::marks(list[i])).toDouble();
                }
            }
        }
        const ListFigures& f = result.figures;
        QCOMPARE(f.possibleOutcomes, possible);
        QCOMPARE(f.outcomesByBestGrade, outcomes);
        QCOMPARE(f.singleCount, qint64(list.size()));
        QCOMPARE(f.cost, Money::fromYen(200 * qint64(list.size())));
        for (int g = 0; g < 4; ++g)
            fuzzyCompare(f.chanceByBestGrade[g], chances[g], 1e-12);
        std::array<double, 3> winners{};
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto dp = GradeChances::of(SingleCodec::marks(list[i]), result.model);
            for (int g = 0; g < 3; ++g) {
                fuzzyCompare(dp[g], singleChances[i][g], 1e-12);
                winners[g] += singleChances[i][g];
            }
        }
        for (int g = 0; g < 3; ++g) {
            fuzzyCompare(f.expectedWinners[g], winners[g], 1e-11);
            moneyCompare(f.expectedReturn[g], returns[g]);
        }
        moneyCompare(f.expectedTotal, returns[0] + returns[1] + returns[2]);

        const WhatIfTable& w = result.whatIf;
        for (const qint32 s : list)
            for (int g = ref.decidedMisses(s); g < 3; ++g)
                ++reachNow[g];
        QCOMPARE(w.reachNow, reachNow);
        fuzzyCompare(w.winChanceNow, winNow, 1e-12);
        std::size_t row = 0;
        for (int k = 0; k < 9; ++k) {
            if (!open(flags, k))
                continue;
            QVERIFY(row < w.rows.size());
            QCOMPARE(w.rows[row].match, k);
            for (int m = 0; m < 3; ++m) {
                WhatIfTable::Reach reach{};
                for (const qint32 s : list)
                    for (int g = ref.decidedMisses(s) + (SingleCodec::marks(s)[k] != m); g < 3; ++g)
                        ++reach[g];
                QCOMPARE(w.rows[row].reach[m], reach);
                fuzzyCompare(w.rows[row].winChance[m], winIf[k][m], 1e-12);
            }
            ++row;
        }
        QCOMPARE(w.rows.size(), row);
    }

    void everySingleWinsEveryOutcome() {
        std::vector<qint32> all(SingleCodec::SingleCount);
        std::iota(all.begin(), all.end(), 0);
        const ListAnalysis result = analyse(all, evenVotes());
        QCOMPARE(result.figures.outcomesByBestGrade, (std::array<qint32, 4>{19683, 0, 0, 0}));
        fuzzyCompare(result.figures.chanceByBestGrade[0], 1, 1e-12);
        QCOMPARE(result.figures.nothingChance(), 0.0);
        // One 1等, 18 2等 and 144 3等 among all singles, whatever the outcome.
        fuzzyCompare(result.figures.expectedWinners[0], 1, 1e-9);
        fuzzyCompare(result.figures.expectedWinners[1], 18, 1e-9);
        fuzzyCompare(result.figures.expectedWinners[2], 144, 1e-9);
        QCOMPARE(result.figures.cost, Money::fromYen(3936600));
        QCOMPARE(result.whatIf.rows.size(), std::size_t(9));
        QCOMPARE(result.whatIf.rows[4].reach[2], (WhatIfTable::Reach{6561, 19683, 19683}));
    }

    // One single: 1 outcome without a miss, 18 with one, 144 with two; under even votes those
    // are its chances over 19 683, and the estimates of an unpublished draw make the expected
    // return exact.
    void oneSingleUnderEvenVotes() {
        VoteData unpublished;
        unpublished.Kaisaikai = 3;
        for (const VoteData& vote : {evenVotes(), unpublished}) {
            const ListAnalysis result = analyse({14383}, vote);
            const ListFigures& f = result.figures;
            QCOMPARE(f.outcomesByBestGrade, (std::array<qint32, 4>{1, 18, 144, 19683 - 163}));
            QCOMPARE(f.outcomesAtLeast(3), 163);
            const auto chances = GradeChances::of(SingleCodec::marks(14383), result.model);
            fuzzyCompare(chances[0], 1.0 / 19683, 1e-14);
            fuzzyCompare(chances[1], 18.0 / 19683, 1e-14);
            fuzzyCompare(chances[2], 144.0 / 19683, 1e-14);
            fuzzyCompare(f.chanceAtLeast(3), 163.0 / 19683, 1e-14);
            fuzzyCompare(f.nothingChance(), 1 - 163.0 / 19683, 1e-14);
        }
        const ListFigures f = analyse({0, 0, 14383}, unpublished).figures;
        // 492 075, 10 935 and 2 050 yen at 1, 18 and 144 chances in 19 683, per single.
        QCOMPARE(f.expectedReturn[0], Money::fromYen(75));
        QCOMPARE(f.expectedReturn[1], Money::fromYen(30));
        QCOMPARE(f.expectedReturn[2], Money::fromDouble(3 * 2050 * 144 / 19683.0));
        QCOMPARE(f.cost, Money::fromYen(600));
        // Without any vote record there are no estimates, and so no return, but the chances
        // stand at 1/3 a match.
        const ListFigures none = analyse({0}, VoteData()).figures;
        QCOMPARE(none.expectedTotal, Money());
        fuzzyCompare(none.expectedWinners[0], 1.0 / 19683, 1e-14);
    }

    void emptyListWinsNothing() {
        const ListAnalysis result = analyse({}, evenVotes());
        QCOMPARE(result.figures.outcomesByBestGrade, (std::array<qint32, 4>{0, 0, 0, 19683}));
        QCOMPARE(result.figures.nothingChance(), 1.0);
        QCOMPARE(result.whatIf.rows.front().bestOutcome, -1);
        QCOMPARE(result.whatIf.winChanceNow, 0.0);
    }

    // Votes become chances; a decided match is certain, whoever set it; a cancelled match is
    // a hit whatever the single carries.
    void modelFromTheDraw() {
        VoteData vote = evenVotes();
        vote.Matches[0].Outcomes[0].Votes = Money::fromYen(1);
        vote.Matches[0].Outcomes[1].Votes = Money::fromYen(3);
        vote.Matches[0].Outcomes[2].Votes = Money::fromYen(0);
        vote.Matches[1].Outcomes = {};                          // no votes yet
        vote.Matches[2].Outcomes[2].Votes = Money::fromYen(-5); // corrupt counts
        ResultMarks flags{};
        flags[2][3] = 1;                             // official result: away win
        flags[0][4] = 2;                             // set by the user: draw
        flags[0][5] = flags[1][5] = flags[2][5] = 3; // cancelled
        const OutcomeModel model = OutcomeModel::fromDraw(vote, flags);
        QCOMPARE(model.chance(0, 1), 0.75);
        QCOMPARE(model.chance(0, 2), 0.0);
        QCOMPARE(model.missChance(0, 2), 1.0);
        QCOMPARE(model.chance(1, 2), 1.0 / 3);
        QCOMPARE(model.chance(2, 0), 1.0 / 3);
        QCOMPARE(model.hitChance(3, 2), 1.0);
        QCOMPARE(model.hitChance(3, 1), 0.0);
        QCOMPARE(model.missChance(3, 2), 0.0);
        QCOMPARE(model.hitChance(4, 0), 1.0);
        QVERIFY(model.state(4) == OutcomeModel::State::Decided);
        for (quint8 m = 0; m < 3; ++m)
            QCOMPARE(model.hitChance(5, m), 1.0);
        QCOMPARE(model.openMatchCount(), 6);
        QCOMPARE(model.possibleOutcomeCount(), 729);

        // Every match decided and matched: the single is a sure 1等 and its return is its
        // estimate, however long the odds were.
        ResultMarks all{};
        const Marks& marks = SingleCodec::marks(14383);
        for (int k = 0; k < 9; ++k)
            all[marks[k]][k] = 2;
        const ListAnalysis sure = analyse({14383}, evenVotes(), all);
        QCOMPARE(sure.figures.possibleOutcomes, 1);
        QCOMPARE(sure.figures.outcomesByBestGrade, (std::array<qint32, 4>{1, 0, 0, 0}));
        QCOMPARE(sure.figures.expectedReturn[0], Money::fromYen(492075));
        QCOMPARE(sure.figures.expectedWinners[1], 0.0);
        QVERIFY(sure.whatIf.rows.empty());
    }

    // The result that keeps the most singles able to win is the one to watch; on a tie the
    // singles able to reach 1等 decide.
    void whatIfPointsAtTheResultToWatch() {
        // Three singles with mark 1 at match 1 (one all 1s), one with mark 0 everywhere.
        const std::vector<qint32> list{9841, 9841 - 3, 9841 - 9, 0};
        ResultMarks flags{};
        flags[1][8] = 2; // match 9 ended as a home win
        const ListAnalysis result = analyse(list, evenVotes(), flags);
        const WhatIfTable& w = result.whatIf;
        QCOMPARE(w.reachNow, (WhatIfTable::Reach{3, 4, 4}));
        QCOMPARE(w.rows.size(), std::size_t(8));
        const WhatIfTable::Row& first = w.rows[0];
        QCOMPARE(first.reach[1], (WhatIfTable::Reach{3, 3, 4}));
        QCOMPARE(first.reach[0], (WhatIfTable::Reach{0, 4, 4}));
        QCOMPARE(first.reach[2], (WhatIfTable::Reach{0, 3, 4}));
        QCOMPARE(first.bestOutcome, 1);
        // Match 2: mark 1 keeps two singles clean, mark 0 one, and both keep all four alive.
        QCOMPARE(w.rows[1].reach[1], (WhatIfTable::Reach{2, 3, 4}));
        QCOMPARE(w.rows[1].reach[0], (WhatIfTable::Reach{1, 4, 4}));
        QCOMPARE(w.rows[1].bestOutcome, 1);
    }

    // Chances from certainty down to the odds of one single, as the window writes them.
    void chanceTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0.0 << QStringLiteral("0%");
        QTest::newRow("certain") << 1.0 << QStringLiteral("100%");
        QTest::newRow("percent") << 0.123456 << QStringLiteral("12.35%");
        QTest::newRow("smallest percent") << 0.0001 << QStringLiteral("0.01%");
        QTest::newRow("one single of all") << 1.0 / 19683 << QStringLiteral("1/19,683");
        QTest::newRow("not a number") << std::nan("") << QStringLiteral("0%");
    }
    void chanceTexts() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(AnalysisTexts::chance(value), text);
    }

    void numberThatIsNoSingleIsRefused() {
        clsTMoney estimates;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, ListAnalysis::compute(std::vector<qint32>{5, 19683},
                                                                     VoteData(), {}, estimates));
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_ListAnalysis)
#include "tst_ListAnalysis.moc"
