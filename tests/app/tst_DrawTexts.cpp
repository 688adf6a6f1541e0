#include "app/DrawTexts.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"

#include <QTest>

namespace {
DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::fromDateTime(QDate(y, mo, d), QTime(h, mi, s));
}
} // namespace

// The draw label, the status bar's vote prefix and the schedule panel's texts.
class tst_DrawTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawLabel_data();
    void drawLabel();
    void votePrefix_data();
    void votePrefix();
    void dateForm_data();
    void dateForm();
    void saleStatus_data();
    void saleStatus();
};

void tst_DrawTexts::drawLabel_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::newRow("123") << 123 << QString() << QStringLiteral(" 第 123 回 ");
    QTest::newRow("empty box") << -1 << QString() << QStringLiteral(" 第   回 ");
    QTest::newRow("zero") << 0 << QString() << QStringLiteral(" 第   回 ");
    QTest::newRow("group") << 45 << QStringLiteral("A") << QStringLiteral(" 第 45 回  [ A組 ] ");
}

void tst_DrawTexts::drawLabel() {
    QFETCH(int, number);
    QFETCH(QString, group);
    QFETCH(QString, label);
    QCOMPARE(DrawTexts::drawLabel(number, group), label);
}

void tst_DrawTexts::votePrefix_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<DateTime>("asOf");
    QTest::addColumn<DateTime>("saleEnd");
    QTest::addColumn<QString>("prefix");
    const DateTime end = at(2021, 1, 9, 13, 50);
    QTest::newRow("no vote") << 0 << end << end << QString();
    QTest::newRow("user defined") << 12 << DateTime() << end
                                  << QStringLiteral("　使用投票率：ユーザー定義");
    QTest::newRow("final") << 12 << end << end << QStringLiteral("　使用投票率：2021/01/09 (最終)");
    QTest::newRow("during sale") << 12 << at(2021, 1, 8, 9, 5) << end
                                 << QStringLiteral("　使用投票率：2021/01/08 09:05");
}

void tst_DrawTexts::votePrefix() {
    QFETCH(int, number);
    QFETCH(DateTime, asOf);
    QFETCH(DateTime, saleEnd);
    QFETCH(QString, prefix);
    VoteData vote;
    vote.Kaisaikai = number;
    vote.AsOf = asOf;
    vote.SaleEnd = saleEnd;
    QCOMPARE(DrawTexts::votePrefix(vote), prefix);
}

void tst_DrawTexts::dateForm_data() {
    QTest::addColumn<DateTime>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("with time") << at(2021, 1, 11, 19)
                               << QStringLiteral("2021年01月11日(月) 19:00:00");
    QTest::newRow("date only") << at(2021, 1, 10) << QStringLiteral("2021年01月10日(日) ");
    QTest::newRow("saturday") << at(2021, 1, 9, 13, 50, 5)
                              << QStringLiteral("2021年01月09日(土) 13:50:05");
}

void tst_DrawTexts::dateForm() {
    QFETCH(DateTime, value);
    QFETCH(QString, text);
    QCOMPARE(DrawTexts::dateForm(value), text);
}

void tst_DrawTexts::saleStatus_data() {
    QTest::addColumn<DateTime>("now");
    QTest::addColumn<QString>("status");
    // Sale from 2021-01-02 10:00 to 2021-01-09 13:50.
    QTest::newRow("ended a minute ago") << at(2021, 1, 9, 13, 51) << QStringLiteral("販売終了");
    QTest::newRow("exact end") << at(2021, 1, 9, 13, 50)
                               << QStringLiteral("販売締切まで あと 0時間0分");
    QTest::newRow("days left") << at(2021, 1, 7, 10, 45)
                               << QStringLiteral("販売締切まで あと 2日 3時間5分");
    QTest::newRow("minutes left") << at(2021, 1, 9, 13, 5)
                                  << QStringLiteral("販売締切まで あと 0時間45分");
    QTest::newRow("before start") << at(2021, 1, 1, 9, 0)
                                  << QStringLiteral("販売開始まで あと 1日 1時間0分");
}

void tst_DrawTexts::saleStatus() {
    QFETCH(DateTime, now);
    QFETCH(QString, status);
    ScheduleData schedule;
    schedule.Kaisaikai = 1;
    schedule.SaleStart = at(2021, 1, 2, 10);
    schedule.SaleEnd = at(2021, 1, 9, 13, 50);
    QCOMPARE(DrawTexts::saleStatus(schedule, now), status);
}

QTEST_GUILESS_MAIN(tst_DrawTexts)
#include "tst_DrawTexts.moc"
