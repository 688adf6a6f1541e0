#include "base/RuntimeError.h"
#include "support/FakePlatform.h"
#include "web/clsHtmlToto.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
DateTime at(int y, int mo, int d, int h = 0, int mi = 0) {
    return DateTime::fromDateTime(QDate(y, mo, d), QTime(h, mi));
}
} // namespace

class tst_clsHtmlToto : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_platform = std::make_unique<FakePlatform>(); }
    void cleanup() {
        // No conversion of these tables is a run-time error worth a report.
        QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->texts().join(u'\n')));
        m_platform.reset();
    }

    void drawNumbers_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("check");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("number");
        QTest::newRow("group header")
            << u"第1234回miniBIG-A組くじ情報"_s << u"miniBIG-A組くじ情報"_s << true << 1234;
        QTest::newRow("plain header")
            << u"第45回miniBIGくじ指定試合"_s << u"miniBIGくじ指定試合"_s << true << 45;
        QTest::newRow("other group")
            << u"第1234回miniBIG-B組くじ情報"_s << u"miniBIG-A組くじ情報"_s << false << -1;
        QTest::newRow("check is case-sensitive")
            << u"第1回MINIBIGくじ結果"_s << u"miniBIGくじ結果"_s << false << -1;
        QTest::newRow("not at the start")
            << u"※第12回miniBIGくじ結果"_s << u"miniBIG"_s << false << -1;
        QTest::newRow("no 回") << u"第12節miniBIG"_s << u"miniBIG"_s << false << -1;
    }
    void drawNumbers() {
        QFETCH(QString, line);
        QFETCH(QString, check);
        QFETCH(bool, found);
        QFETCH(int, number);
        clsHtmlToto toto;
        qint32 kaisai = -1;
        QCOMPARE(toto.GetKaisaikai(line, kaisai, check), found);
        QCOMPARE(kaisai, number);
    }

    void aDrawNumberThatIsNoNumberReachesTheCaller() {
        clsHtmlToto toto;
        qint32 kaisai = 7;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toto.Kaisaikai(u"第二回toto"_s, kaisai));
        QCOMPARE(kaisai, 7);
    }

    void currency_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        QTest::newRow("yen") << u"1,234円"_s << u"1234"_s;
        QTest::newRow("percent") << u"12.5%"_s << u"12.5"_s;
        QTest::newRow("sign dropped") << u"-300円"_s << u"300"_s;
        QTest::newRow("nothing numeric") << u"該当なし"_s << u"0"_s;
        QTest::newRow("two points") << u"1.2.3"_s << u"0"_s;
        QTest::newRow("lone point") << u"."_s << u"0"_s;
        QTest::newRow("full-width digits are not digits") << u"１２円"_s << u"0"_s;
        QTest::newRow("large prize") << u"600,000,000円"_s << u"600000000"_s;
    }
    void currency() {
        QFETCH(QString, text);
        QFETCH(QString, value);
        QCOMPARE(clsHtmlToto().StringToCurrency(text).toString(), value);
    }

    void anAmountTooLargeIsReportedAsZero() {
        clsHtmlToto toto;
        QCOMPARE(toto.StringToCurrency(u"99999999999999999999円"_s), Money());
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->messages[0].title.endsWith(u"/ clsHtmlToto / StringToCurrency"_s));
        m_platform->clearMessages();
    }

    void votesAndRates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("votes");
        QTest::addColumn<QString>("rate");
        QTest::newRow("plain") << u"1,234(12.34%)"_s << true << u"1234"_s << u"12.34"_s;
        QTest::newRow("full-width")
            << u"１，２３４（１２．３４％）"_s << true << u"1234"_s << u"12.34"_s;
        QTest::newRow("no rate") << u"1,234"_s << false << u"-1"_s << u"-1"_s;
        QTest::newRow("only a closing bracket") << u"1,234)"_s << false << u"-1"_s << u"-1"_s;
        QTest::newRow("zero") << u"0(0.00%)"_s << true << u"0"_s << u"0"_s;
    }
    void votesAndRates() {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QFETCH(QString, votes);
        QFETCH(QString, rate);
        Money v1 = Money::fromYen(-1);
        Money v2 = Money::fromYen(-1);
        QCOMPARE(clsHtmlToto().GetValue2(text, v1, v2), read);
        QCOMPARE(v1.toString(), votes);
        QCOMPARE(v2.toString(), rate);
    }

    void dates_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateTime>("expected");
        QTest::newRow("Ex weekday and time")
            << u"Ex"_s << u"2021/03/06(土) 13:00頃"_s << at(2021, 3, 6, 13, 0);
        QTest::newRow("Ex as on a line")
            << u"Ex"_s << u"2021年01月09日(土)13:50"_s << at(2021, 1, 9, 13, 50);
        QTest::newRow("Ex date only") << u"Ex"_s << u"2021/03/08(月)"_s << at(2021, 3, 8);
        QTest::newRow("Ex full-width")
            << u"Ex"_s << u"２０２１／０３／０８（月）"_s << at(2021, 3, 8);
        QTest::newRow("Ex no date") << u"Ex"_s << u"未定"_s << DateTime();
        QTest::newRow("Ex three-digit year") << u"Ex"_s << u"021年01月09日(土)"_s << at(2021, 1, 9);
        QTest::newRow("Ex2 latest time")
            << u"Ex2"_s << u"2021年3月1日(月)10:00～19:00"_s << at(2021, 3, 1, 19, 0);
        QTest::newRow("Ex2 one-digit hour")
            << u"Ex2"_s << u"2021年3月1日(月)9:30～10:00まで"_s << at(2021, 3, 1, 10, 0);
        QTest::newRow("Ex2 earlier time second")
            << u"Ex2"_s << u"2021年3月1日23:00/8:00"_s << at(2021, 3, 1, 23, 0);
        QTest::newRow("Ex2 no time") << u"Ex2"_s << u"2021年3月1日(月)"_s << at(2021, 3, 1);
        QTest::newRow("Ex2 without 日") << u"Ex2"_s << u"2021/03/01 10:00"_s << DateTime();
        QTest::newRow("plain system forms") << u"Date"_s << u"2021/3/6"_s << at(2021, 3, 6);
        QTest::newRow("plain time") << u"Date"_s << u"13:00"_s << DateTime::fromTime(QTime(13, 0));
        QTest::newRow("plain not a date") << u"Date"_s << u"12.34"_s << DateTime();
        // Times written in kanji, as the site writes them today.
        QTest::newRow("plain kanji time")
            << u"Date"_s << u"2021/03/06 20時40分"_s << at(2021, 3, 6, 20, 40);
        QTest::newRow("Ex kanji time, full-width brackets")
            << u"Ex"_s << u"2026年04月21日（火）20時40分"_s << at(2026, 4, 21, 20, 40);
        QTest::newRow("Ex2 kanji times")
            << u"Ex2"_s << u"2021年3月1日(月)10時00分～19時5分"_s << at(2021, 3, 1, 19, 5);
    }
    void dates() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(DateTime, expected);
        const clsHtmlToto toto;
        const DateTime result = kind == u"Ex"_s    ? toto.StringToDateEx(text)
                                : kind == u"Ex2"_s ? toto.StringToDateEx2(text)
                                                   : toto.StringToDate(text);
        QCOMPARE(result.value(), expected.value());
    }

    void ranges_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateTime>("first");
        QTest::addColumn<DateTime>("second");
        QTest::newRow("with blanks") << u"2021年01月04日(月) ～ 2021年01月09日(土)13:50まで"_s
                                     << at(2021, 1, 4) << at(2021, 1, 9, 13, 50);
        QTest::newRow("as a line arrives") << u"2021年01月04日(月)～2021年01月09日(土)13:50まで"_s
                                           << at(2021, 1, 4) << at(2021, 1, 9, 13, 50);
        QTest::newRow("wave dash, kanji time")
            << u"2021年01月04日(月)〜2021年01月09日(土)13時50分まで"_s << at(2021, 1, 4)
            << at(2021, 1, 9, 13, 50);
        QTest::newRow("no range") << u"2021年01月04日"_s << DateTime::fromValue(-1)
                                  << DateTime::fromValue(-1);
    }
    void ranges() {
        QFETCH(QString, text);
        QFETCH(DateTime, first);
        QFETCH(DateTime, second);
        DateTime d1 = DateTime::fromValue(-1);
        DateTime d2 = DateTime::fromValue(-1);
        clsHtmlToto().DateString2(text, d1, d2);
        QCOMPARE(d1.value(), first.value());
        QCOMPARE(d2.value(), second.value());
    }

    void monthDayRangesTakeTheCurrentYear() {
        m_platform->setNow(at(2024, 6, 1, 12, 0));
        DateTime d1;
        DateTime d2;
        clsHtmlToto().GetStringToDate2(u"1月9日 ～ 1月16日"_s, d1, d2);
        QCOMPARE(d1.value(), at(2024, 1, 9).value());
        QCOMPARE(d2.value(), at(2024, 1, 16).value());
    }

    void asOfStamps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<DateTime>("date");
        QTest::addColumn<bool>("final");
        QTest::newRow("during sale")
            << u"(2021年01月08日(金)18:00時点)"_s << true << at(2021, 1, 8, 18, 0) << false;
        QTest::newRow("end of sale")
            << u"(2021年01月09日(土)販売終了時点)"_s << true << at(2021, 1, 9) << true;
        QTest::newRow("today's form")
            << u"(2026年04月21日（火）20時40分時点)"_s << true << at(2026, 4, 21, 20, 40) << false;
        QTest::newRow("full-width brackets") << u"（2026年04月21日（火）20時40分時点）"_s << true
                                             << at(2026, 4, 21, 20, 40) << false;
        QTest::newRow("full-width, end of sale")
            << u"（2021年01月09日（土）販売終了時点）"_s << true << at(2021, 1, 9) << true;
        QTest::newRow("not bracketed")
            << u"2021年01月08日18:00時点"_s << false << DateTime::fromValue(-1) << false;
        QTest::newRow("no stamp") << u"(注意事項)"_s << false << DateTime::fromValue(-1) << false;
    }
    void asOfStamps() {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(DateTime, date);
        QFETCH(bool, final);
        DateTime d = DateTime::fromValue(-1);
        bool isFinal = !final;
        QCOMPARE(clsHtmlToto().GetStringToDateNow(text, d, isFinal), found);
        QCOMPARE(d.value(), date.value());
        if (found)
            QCOMPARE(isFinal, final);
    }

    void gameTypes() {
        const clsHtmlToto toto;
        const QStringList lines{u"J1"_s, u"天皇杯"_s, u"1"_s};
        qint32 pos = 1;
        QCOMPARE(toto.GetGameType(lines, pos), u"天皇杯"_s);
        QCOMPARE(pos, 2);
        QCOMPARE(toto.GetGameType(lines, pos), QString());
        QCOMPARE(pos, 2);
        pos = 3;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toto.GetGameType(lines, pos));
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
};

QTEST_GUILESS_MAIN(tst_clsHtmlToto)
#include "tst_clsHtmlToto.moc"
