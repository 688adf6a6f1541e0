#include "base/RuntimeError.h"
#include "drawdata/DrawDocumentDates.h"
#include "drawdata/DrawDocumentWriter.h"
#include "drawdata/ScheduleData.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ScheduleData dated() {
    ScheduleData data;
    data.SaleStart = DateTime::fromDate(QDate(2021, 3, 1));
    data.SaleEnd = DateTime::fromDateTime(QDate(2021, 3, 6), QTime(13, 50));
    data.ResultDate = DateTime::fromDate(QDate(2021, 3, 8));
    data.PayoutStart = DateTime::fromDate(QDate(2021, 3, 9));
    data.PayoutDeadline = DateTime::fromDate(QDate(2022, 3, 9));
    return data;
}

QStringList elementNames(const QString& text) {
    QStringList names;
    for (const QString& line : text.split(u"\r\n"_s, Qt::SkipEmptyParts))
        names << line.mid(1, line.indexOf(u'>') - 1);
    return names;
}

} // namespace

// The dates that all three draw documents carry: which elements each document writes, and that
// every written date reads back into its own field.
class tst_DrawDocumentDates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenSets_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("names");
        using W = DrawDocumentDates::Written;
        QTest::newRow("sale period")
            << int(W::SalePeriod) << QStringList{u"販売開始日"_s, u"販売終了日"_s};
        QTest::newRow("sale and result")
            << int(W::SaleAndResult)
            << QStringList{u"販売開始日"_s, u"販売終了日"_s, u"結果発表日"_s};
        QTest::newRow("with payout")
            << int(W::SaleResultAndPayout)
            << QStringList{u"販売開始日"_s, u"販売終了日"_s, u"結果発表日"_s, u"払戻開始日"_s,
                           u"払戻期限"_s};
        QTest::newRow("refund") << int(W::Refund)
                                << QStringList{u"返還確定日"_s, u"返還開始日"_s, u"返還期限"_s};
    }
    void writtenSets() {
        QFETCH(int, which);
        QFETCH(QStringList, names);
        DrawDocumentWriter writer;
        DrawDocumentDates::write(writer, dated(), DrawDocumentDates::Written(which));
        QCOMPARE(elementNames(writer.Text()), names);
    }

    void writtenDatesReadBackIntoTheirFields() {
        DrawDocumentWriter writer;
        DrawDocumentDates::write(writer, dated(), DrawDocumentDates::Written::SaleResultAndPayout);
        ScheduleData back;
        for (const QString& line : writer.Text().split(u"\r\n"_s, Qt::SkipEmptyParts)) {
            const qsizetype close = line.indexOf(u'>');
            const QString path = line.left(close + 1);
            const QString value = line.mid(close + 1, line.indexOf(u"</"_s) - close - 1);
            QVERIFY(DrawDocumentDates::apply(back, path, value));
        }
        QCOMPARE(back, dated());
    }

    // A cancelled draw writes its refund dates from the result and payout fields; they come
    // back into the same fields, and only through applyRefund.
    void refundDatesReadBackIntoTheirFields() {
        DrawDocumentWriter writer;
        DrawDocumentDates::write(writer, dated(), DrawDocumentDates::Written::Refund);
        ScheduleData back;
        for (const QString& line : writer.Text().split(u"\r\n"_s, Qt::SkipEmptyParts)) {
            const qsizetype close = line.indexOf(u'>');
            const QString path = line.left(close + 1);
            const QString value = line.mid(close + 1, line.indexOf(u"</"_s) - close - 1);
            QVERIFY(!DrawDocumentDates::apply(back, path, value));
            QVERIFY(DrawDocumentDates::applyRefund(back, path, value));
        }
        ScheduleData expected;
        expected.ResultDate = dated().ResultDate;
        expected.PayoutStart = dated().PayoutStart;
        expected.PayoutDeadline = dated().PayoutDeadline;
        QCOMPARE(back, expected);
        QVERIFY(!DrawDocumentDates::applyRefund(back, u"<結果発表日>"_s, u"2021/03/08"_s));
    }

    void otherPathsAndBadValues() {
        ScheduleData data;
        QVERIFY(DrawDocumentDates::apply(data, u"<結果速報発表日>"_s, u"2021/03/08"_s));
        QCOMPARE(data.ResultDate, DateTime::fromDate(QDate(2021, 3, 8)));
        QVERIFY(!DrawDocumentDates::apply(data, u"<返還確定日>"_s, u"2021/03/08"_s));
        QVERIFY(!DrawDocumentDates::apply(data, u"<開催回>"_s, u"1234"_s));
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 DrawDocumentDates::apply(data, u"<払戻期限>"_s, u"未定"_s));
        QCOMPARE(data.PayoutDeadline, DateTime());
    }
};

QTEST_GUILESS_MAIN(tst_DrawDocumentDates)
#include "tst_DrawDocumentDates.moc"
