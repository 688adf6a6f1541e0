#include "base/RuntimeError.h"
#include "base/clsStringConvert.h"
#include "support/FakePlatform.h"

#include <QTest>

class tst_clsStringConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoDimensionalLongs();
    void shortRowLowersTheColumnLimitForGood();
    void booleansAndBytes();
    void noEscaping();
    void datesAndCurrency();
    void badPiecesAreRuntimeErrorsAfterEarlierCells();
    void listBoxRoundTripsTheLastItem();

private:
    FakePlatform m_platform;
    clsStringConvert m_c;
};

void tst_clsStringConvert::twoDimensionalLongs() {
    const clsStringConvert::Array2<qint32> a{{1, 2, 3}, {4, 5, 6}};
    QCOMPARE(m_c.Long2ToString(a), QStringLiteral("1:2:3,4:5:6"));
    clsStringConvert::Array2<qint32> b(2, std::vector<qint32>(3, 0));
    m_c.StringToLong2(m_c.Long2ToString(a), b);
    QVERIFY(a == b);
    QCOMPARE(m_c.Long1ToString({-1, 0, 7}), QStringLiteral("-1,0,7"));
    std::vector<qint32> small(2, 9);
    m_c.StringToLong1(QStringLiteral("1,2,3"), small);
    QCOMPARE(small, (std::vector<qint32>{1, 2}));
}

void tst_clsStringConvert::shortRowLowersTheColumnLimitForGood() {
    clsStringConvert::Array2<qint32> a(3, std::vector<qint32>(3, -1));
    m_c.StringToLong2(QStringLiteral("1:2,3:4:5,6:7:8"), a);
    QCOMPARE(a[0], (std::vector<qint32>{1, 2, -1}));
    QCOMPARE(a[1], (std::vector<qint32>{3, 4, -1}));
    QCOMPARE(a[2], (std::vector<qint32>{6, 7, -1}));
    clsStringConvert::Array2<QString> s(2, std::vector<QString>(2));
    m_c.StringToString2(QStringLiteral("a,b:c"), s);
    QCOMPARE(s[1], (std::vector<QString>{QStringLiteral("b"), QString()}));
}

void tst_clsStringConvert::booleansAndBytes() {
    QCOMPARE(m_c.Boolean2ToString({{true, false}, {false, true}}), QStringLiteral("10,01"));
    clsStringConvert::Array2<bool> b(2, std::vector<bool>(3, true));
    m_c.StringToBoolean2(QStringLiteral("1,01x"), b);
    QCOMPARE(b[0], (std::vector<bool>{true, false, false}));
    QCOMPARE(b[1], (std::vector<bool>{false, true, false}));
    std::vector<bool> one(4, true);
    m_c.StringToBoolean1(QStringLiteral("10"), one);
    QCOMPARE(one, (std::vector<bool>{true, false, false, false}));
    QCOMPARE(m_c.Boolean1ToString(one), QStringLiteral("1000"));
    QCOMPARE(m_c.BooleanToString(true), QStringLiteral("1"));
    QVERIFY(!m_c.StringToBoolean(QStringLiteral("True")));

    clsStringConvert::Array2<quint8> bytes{{1, 2}, {3, 12}};
    QCOMPARE(m_c.Byte2ToString(bytes), QStringLiteral("12,312"));
    clsStringConvert::Array2<quint8> back(2, std::vector<quint8>(2, 0));
    m_c.StringToByte2(QStringLiteral("12,31"), back);
    QCOMPARE(back[1], (std::vector<quint8>{3, 1})); // only cells 0..9 come back unchanged
}

void tst_clsStringConvert::noEscaping() {
    QStringList s{QStringLiteral("a,b"), QStringLiteral("c")};
    const QString text = m_c.String1ToString(s);
    QStringList back(3);
    m_c.StringToString1(text, back);
    QCOMPARE(back, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QStringList untouched{QStringLiteral("x")};
    m_c.StringToString1(QString(), untouched);
    QCOMPARE(untouched, QStringList{QStringLiteral("x")});
}

void tst_clsStringConvert::datesAndCurrency() {
    QCOMPARE(m_c.DateToString(DateTime()), QStringLiteral("Nothing"));
    QVERIFY(m_c.StringToDate(QStringLiteral("Nothing")).isNull());
    QVERIFY(m_c.StringToDate(QString()).isNull());
    const DateTime d = DateTime::fromDateTime(QDate(2021, 3, 6), QTime(13, 0));
    QCOMPARE(m_c.DateToString(d), QStringLiteral("2021/03/06"));
    QCOMPARE(m_c.StringToDate(QStringLiteral("2021/03/06")), d.datePart());

    const std::vector<Money> m{Money::parse(QStringLiteral("1234.5")), Money::fromYen(-3)};
    QCOMPARE(m_c.Currency1ToString(m), QStringLiteral("1234.5,-3"));
    std::vector<Money> back(2);
    m_c.StringToCurrency1(m_c.Currency1ToString(m), back);
    QVERIFY(back == m);
    clsStringConvert::Array2<Money> grid(1, std::vector<Money>(2));
    m_c.StringToCurrency2(QStringLiteral("0.0001:7"), grid);
    QCOMPARE(m_c.Currency2ToString(grid), QStringLiteral("0.0001:7"));
}

void tst_clsStringConvert::badPiecesAreRuntimeErrorsAfterEarlierCells() {
    std::vector<qint32> v(3, 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, m_c.StringToLong1(QStringLiteral("4,x,6"), v));
    QCOMPARE(v, (std::vector<qint32>{4, 0, 0}));
    clsStringConvert::Array2<quint8> b(1, std::vector<quint8>(3, 0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, m_c.StringToByte2(QStringLiteral("12"), b));
    QCOMPARE(b[0], (std::vector<quint8>{1, 2, 0}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, m_c.StringToDate(QStringLiteral("2021/02/30")));
}

void tst_clsStringConvert::listBoxRoundTripsTheLastItem() {
    clsStringConvert::ListBox list{{QStringLiteral("a"), QStringLiteral("b")}, 0};
    const QString text = m_c.ListboxToString(list);
    QCOMPARE(text, QStringLiteral("a\r\nb"));
    clsStringConvert::ListBox back;
    m_c.StringtoListbox(text, back);
    QCOMPARE(back.items, list.items);
    QCOMPARE(back.selected, 1);
    m_c.StringtoListbox(QString(), back);
    QVERIFY(back.items.isEmpty());
    QCOMPARE(back.selected, -1);
}

QTEST_GUILESS_MAIN(tst_clsStringConvert)
#include "tst_clsStringConvert.moc"
