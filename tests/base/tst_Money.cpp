#include "base/Money.h"
#include "base/NumberFormat.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"

#include <QTest>
#include <limits>

class tst_Money : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textForm_data();
    void textForm();
    void parseRejectsOtherText_data();
    void parseRejectsOtherText();
    void doubleRoundsHalfToEven_data();
    void doubleRoundsHalfToEven();
    void arithmeticOverflowIsAnError();
    void valueTexts_data();
    void valueTexts();
    void numberFormats_data();
    void numberFormats();
};

void tst_Money::textForm_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("written");
    QTest::newRow("whole") << "1234567" << 12345670000LL << "1234567";
    QTest::newRow("decimals") << "45.67" << 456700LL << "45.67";
    QTest::newRow("trailing zeros dropped") << "45.6700" << 456700LL << "45.67";
    QTest::newRow("negative") << "-0.5" << -5000LL << "-0.5";
    QTest::newRow("grouped, blanks") << " 1,234.5 " << 12345000LL << "1234.5";
    QTest::newRow("fifth decimal half to even, down") << "0.00005" << 0LL << "0";
    QTest::newRow("fifth decimal half to even, up") << "0.00015" << 2LL << "0.0002";
    QTest::newRow("beyond half rounds up") << "0.000051" << 1LL << "0.0001";
    QTest::newRow("smallest") << "-922337203685477.5808" << std::numeric_limits<qint64>::min()
                              << "-922337203685477.5808";
}

void tst_Money::textForm() {
    QFETCH(QString, input);
    QFETCH(qint64, raw);
    QFETCH(QString, written);
    const Money m = Money::parse(input);
    QCOMPARE(m.raw(), raw);
    QCOMPARE(m.toString(), written);
    QCOMPARE(Money::parse(m.toString()), m);
}

void tst_Money::parseRejectsOtherText_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("error");
    QTest::newRow("empty") << "" << int(RuntimeError::TypeMismatch);
    QTest::newRow("letters") << "12a" << int(RuntimeError::TypeMismatch);
    QTest::newRow("two points") << "1.2.3" << int(RuntimeError::TypeMismatch);
    QTest::newRow("leading comma") << ",5" << int(RuntimeError::TypeMismatch);
    QTest::newRow("yen sign") << "1234円" << int(RuntimeError::TypeMismatch);
    QTest::newRow("too large") << "922337203685478" << int(RuntimeError::Overflow);
}

void tst_Money::parseRejectsOtherText() {
    QFETCH(QString, input);
    QFETCH(int, error);
    try {
        Money::parse(input);
        QFAIL("accepted");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error);
    }
}

void tst_Money::doubleRoundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("exact") << 1.5 << 15000LL;
    QTest::newRow("half down to even") << 0.00125 << 12LL;
    QTest::newRow("half up to even") << 0.00375 << 38LL;
    QTest::newRow("negative half") << -0.00125 << -12LL;
    QTest::newRow("large whole") << 99999999999.0 << 999999999990000LL;
}

void tst_Money::doubleRoundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(qint64, raw);
    QCOMPARE(Money::fromDouble(value).raw(), raw);
}

void tst_Money::arithmeticOverflowIsAnError() {
    const Money big = Money::fromRaw(std::numeric_limits<qint64>::max() - 1);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, big + Money::fromYen(1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Money::fromYen(-1) - big - big);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, big * 2);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Money::fromDouble(1e300));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Money::fromDouble(std::nan("")));
    QCOMPARE((Money::fromYen(2) - Money::fromYen(3)).toString(), QStringLiteral("-1"));
}

void tst_Money::valueTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected"); // value as text, or "error N"
    QTest::newRow("long") << " 42 "
                          << "long"
                          << "42";
    QTest::newRow("long grouped") << "1,234"
                                  << "long"
                                  << "1234";
    QTest::newRow("long half even") << "2.5"
                                    << "long"
                                    << "2";
    QTest::newRow("long half even up") << "3.5"
                                       << "long"
                                       << "4";
    QTest::newRow("long letters") << "abc"
                                  << "long"
                                  << "error 13";
    QTest::newRow("long empty") << ""
                                << "long"
                                << "error 13";
    QTest::newRow("long overflow") << "2147483648"
                                   << "long"
                                   << "error 6";
    QTest::newRow("byte 255") << "255"
                              << "byte"
                              << "255";
    QTest::newRow("byte 256") << "256"
                              << "byte"
                              << "error 6";
    QTest::newRow("byte negative") << "-1"
                                   << "byte"
                                   << "error 6";
    QTest::newRow("bool number") << "2"
                                 << "bool"
                                 << "1";
    QTest::newRow("bool zero") << "0"
                               << "bool"
                               << "0";
    QTest::newRow("bool word") << "tRUe"
                               << "bool"
                               << "1";
    QTest::newRow("bool False") << "FALSE"
                                << "bool"
                                << "0";
    QTest::newRow("bool other") << "yes"
                                << "bool"
                                << "error 13";
    // The forms the number syntax admits, through the conversion that replaced QString's.
    QTest::newRow("plus, groups, decimals, exponent") << " +1,2.5e1 "
                                                      << "long"
                                                      << "125";
    QTest::newRow("point first") << ".5e1"
                                 << "long"
                                 << "5";
    QTest::newRow("point last") << "7."
                                << "byte"
                                << "7";
    QTest::newRow("beyond double") << "1e400"
                                   << "long"
                                   << "error 13";
    QTest::newRow("below double") << "1e-400"
                                  << "long"
                                  << "error 13";
    QTest::newRow("a million digits") << QString(1000000, u'7') << "long"
                                      << "error 13";
    QTest::newRow("a million digits after the point")
        << QStringLiteral("1.") + QString(1000000, u'4') << "long"
        << "1";
}

void tst_Money::valueTexts() {
    QFETCH(QString, text);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QString actual;
    try {
        if (kind == QStringLiteral("long"))
            actual = QString::number(ValueText::toLong(text));
        else if (kind == QStringLiteral("byte"))
            actual = QString::number(ValueText::toByte(text));
        else
            actual = QString::number(int(ValueText::toBoolean(text)));
    } catch (const RuntimeError& e) {
        actual = QStringLiteral("error ") + QString::number(e.number());
    }
    QCOMPARE(actual, expected);
}

void tst_Money::numberFormats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped") << 1234567.0 << "#,##0"
                             << "1,234,567";
    QTest::newRow("grouped zero") << 0.0 << "#,##0"
                                  << "0";
    QTest::newRow("grouped half away") << 2.5 << "#,##0"
                                       << "3";
    QTest::newRow("negative half away") << -2.5 << "#,##0"
                                        << "-3";
    QTest::newRow("two decimals") << 12.345 << "0.00"
                                  << "12.35";
    QTest::newRow("decimal form, not binary") << 2.675 << "0.00"
                                              << "2.68";
    QTest::newRow("padded 3") << 7.0 << "000"
                              << "007";
    QTest::newRow("padded 4") << 45.0 << "0000"
                              << "0045";
    QTest::newRow("optional digits") << 5.0 << "##0"
                                     << "5";
    QTest::newRow("plain half away") << 0.5 << "0"
                                     << "1";
    QTest::newRow("tiny negative is zero") << -0.001 << "0.00"
                                           << "0.00";
    QTest::newRow("carry") << 999.995 << "#,##0.00"
                           << "1,000.00";
}

void tst_Money::numberFormats() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(NumberFormat::format(value, pattern), text);
    if (value == std::trunc(value))
        QCOMPARE(NumberFormat::format(qint64(value), pattern), text);
    QCOMPARE(NumberFormat::format(Money::fromDouble(value), pattern), text);
}

QTEST_GUILESS_MAIN(tst_Money)
#include "tst_Money.moc"
