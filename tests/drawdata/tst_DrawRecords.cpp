#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The records are plain values: they start empty and are copied whole.
class tst_DrawRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startEmpty() {
        const ScheduleData schedule;
        QVERIFY(schedule.isEmpty());
        QCOMPARE(schedule.Matches.size(), std::size_t(9));
        QVERIFY(schedule.Matches[8].Home.isEmpty());
        QVERIFY(schedule.SaleStart.isNull());

        const VoteData vote;
        QVERIFY(vote.isEmpty());
        QVERIFY(vote.Matches[0].Outcomes[2].Rate.isZero());

        const ResultData result;
        QVERIFY(result.isEmpty());
        QCOMPARE(result.Prize.size(), std::size_t(3));
        QVERIFY(!result.Cancelled);
    }

    void copiesAreIndependent() {
        ScheduleData a;
        a.Kaisaikai = 1234;
        a.Matches[8].Home = u"札幌"_s;
        ScheduleData b = a;
        QCOMPARE(b, a);
        b.Matches[8].Home = u"仙台"_s;
        QCOMPARE(a.Matches[8].Home, u"札幌"_s);
        QVERIFY(!(b == a));

        VoteData v;
        v.Matches[0].Outcomes[1].Votes = Money::fromYen(5);
        VoteData w = v;
        w.Matches[0].Outcomes[1].Votes = Money::fromYen(6);
        QCOMPARE(v.Matches[0].Outcomes[1].Votes, Money::fromYen(5));

        ResultData r;
        r.Winners[2] = Money::fromYen(7);
        ResultData s = r;
        QCOMPARE(s, r);
    }
};

QTEST_GUILESS_MAIN(tst_DrawRecords)
#include "tst_DrawRecords.moc"
