#include "base/DateTime.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "base/TextWidth.h"

#include <QTest>

class tst_DateTime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dayZeroIsTheEpoch();
    void generalForm_data();
    void generalForm();
    void generalFormRejects_data();
    void generalFormRejects();
    void systemSyntax_data();
    void systemSyntax();
    void halfWidth_data();
    void halfWidth();
    void shiftJisRoundTrip();
};

void tst_DateTime::dayZeroIsTheEpoch() {
    QCOMPARE(DateTime::fromDate(QDate(1899, 12, 30)).value(), 0.0);
    QCOMPARE(DateTime::fromDate(QDate(2021, 1, 9)).value(), 44205.0);
    QCOMPARE(DateTime::fromValue(-1.25).toQDateTime(), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    QVERIFY(DateTime().isNull());
}

void tst_DateTime::generalForm_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("date alone") << QDate(2021, 1, 9) << QTime(0, 0) << "2021/01/09";
    QTest::newRow("time alone") << QDate(1899, 12, 30) << QTime(13, 0) << "13:00:00";
    QTest::newRow("unset") << QDate(1899, 12, 30) << QTime(0, 0) << "0:00:00";
    QTest::newRow("both") << QDate(2021, 1, 9) << QTime(13, 0) << "2021/01/09 13:00:00";
    QTest::newRow("one-digit hour") << QDate(2026, 12, 8) << QTime(9, 5, 7) << "2026/12/08 9:05:07";
    QTest::newRow("last second") << QDate(2021, 3, 1) << QTime(23, 59, 59) << "2021/03/01 23:59:59";
}

void tst_DateTime::generalForm() {
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    const DateTime value = DateTime::fromDateTime(date, time);
    QCOMPARE(value.toGeneralText(), text);
    const auto back = DateTime::parseGeneral(text);
    QVERIFY(back.has_value());
    QCOMPARE(back->toGeneralText(), text);
    QCOMPARE(back->toQDateTime(), QDateTime(date, time));
}

void tst_DateTime::generalFormRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("no day") << "2021/01";
    QTest::newRow("bad month") << "2021/13/01";
    QTest::newRow("bad time") << "24:00:00";
    QTest::newRow("glued") << "2021/01/0913:00:00";
    QTest::newRow("trailing blank") << "2021/01/09 ";
    QTest::newRow("words") << "Nothing";
}

void tst_DateTime::generalFormRejects() {
    QFETCH(QString, text);
    QVERIFY(!DateTime::parseGeneral(text).has_value());
}

void tst_DateTime::systemSyntax_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // general form, or "error"
    QTest::newRow("slashes") << "2021/03/06"
                             << "2021/03/06";
    QTest::newRow("kanji") << "2021年3月6日"
                           << "2021/03/06";
    QTest::newRow("dashes") << "2021-3-6"
                            << "2021/03/06";
    QTest::newRow("time") << "13:00"
                          << "13:00:00";
    QTest::newRow("time with seconds") << "9:05:30"
                                       << "9:05:30";
    QTest::newRow("date and time") << "2021/03/01 19:00"
                                   << "2021/03/01 19:00:00";
    QTest::newRow("kanji date and time") << "2021年01月09日 13:50"
                                         << "2021/01/09 13:50:00";
    QTest::newRow("time glued to 日") << "2021年01月09日13:50"
                                      << "2021/01/09 13:50:00";
    QTest::newRow("month/day this year") << "3/6"
                                         << "2026/03/06";
    QTest::newRow("month and day in kanji") << "12月31日"
                                            << "2026/12/31";
    QTest::newRow("three-digit year") << "021年01月09日"
                                      << "2021/01/09";
    QTest::newRow("two-digit year, 1900s") << "99/12/31"
                                           << "1999/12/31";
    QTest::newRow("two-digit year 49") << "49/1/1"
                                       << "2049/01/01";
    QTest::newRow("blanks around") << "  2021/03/06  "
                                   << "2021/03/06";
    QTest::newRow("time glued to a slash date") << "2021/03/0613:00"
                                                << "error";
    QTest::newRow("no such day") << "2021/02/29"
                                 << "error";
    QTest::newRow("weekday left in") << "2021年01月09日(土)"
                                     << "error";
    QTest::newRow("hour 24") << "24:00"
                             << "error";
    QTest::newRow("empty") << ""
                           << "error";
    QTest::newRow("words") << "Nothing"
                           << "error";
    QTest::newRow("number") << "44205"
                            << "error";
    QTest::newRow("trailing text") << "2021/03/06 x"
                                   << "error";
}

void tst_DateTime::systemSyntax() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QString actual;
    try {
        actual = DateTime::parseSystem(text, 2026).toGeneralText();
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), int(RuntimeError::TypeMismatch));
        actual = QStringLiteral("error");
    }
    QCOMPARE(actual, expected);
}

void tst_DateTime::halfWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("half");
    QTest::newRow("letters and digits") << "ＡＢｃ１２３"
                                        << "ABc123";
    QTest::newRow("punctuation") << "（１２．３４％）"
                                 << "(12.34%)";
    QTest::newRow("ideographic space") << "Ｃ\u3000大阪"
                                       << "C 大阪";
    QTest::newRow("voiced katakana") << "ガンバ"
                                     << "ｶﾞﾝﾊﾞ";
    QTest::newRow("semi-voiced and long mark") << "パーク"
                                               << "ﾊﾟｰｸ";
    QTest::newRow("vu") << "ヴィッセル"
                        << "ｳﾞｨｯｾﾙ";
    QTest::newRow("kanji and hiragana stay") << "東京ヴぇ"
                                             << "東京ｳﾞぇ";
    QTest::newRow("half-width stays") << "FC東京"
                                      << "FC東京";
}

void tst_DateTime::halfWidth() {
    QFETCH(QString, text);
    QFETCH(QString, half);
    QCOMPARE(TextWidth::toHalfWidth(text), half);
}

void tst_DateTime::shiftJisRoundTrip() {
    const QString text = QStringLiteral("第1234回ｍｉｎｉBIG ①髙\r\n");
    const QByteArray bytes = ShiftJis::encode(text);
    QCOMPARE(bytes.left(2), QByteArray("\x91\xe6"));
    QCOMPARE(ShiftJis::decode(bytes), text);
    QVERIFY(ShiftJis::canEncode(text));
    QVERIFY(!ShiftJis::canEncode(QStringLiteral("😀")));
}

QTEST_GUILESS_MAIN(tst_DateTime)
#include "tst_DateTime.moc"
