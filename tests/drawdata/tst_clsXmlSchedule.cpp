#include "DrawDocumentSamples.h"
#include "drawdata/clsXmlSchedule.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace DrawDocumentSamples;

class tst_clsXmlSchedule : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePlatform> platform;

    static QString emptyMatchBlock(int n) {
        return u"<指定試合>\r\n<番号>"_s + QString::number(n) +
               u"</番号>\r\n<試合開催日>0:00:00</試合開催日>\r\n"
               u"<試合開始予定時間>0:00:00</試合開始予定時間>\r\n<競技場></競技場>\r\n"
               u"<状態></状態>\r\n<ホーム></ホーム>\r\n<アウェイ></アウェイ>\r\n</指定試合>\r\n"_s;
    }

private Q_SLOTS:
    void init() { platform = std::make_unique<FakePlatform>(); }
    void cleanup() { platform.reset(); }

    void fileName_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::newRow("three digits") << 7 << QString() << u"minibig_schedule_007.xml"_s;
        QTest::newRow("group") << 123 << u"A"_s << u"minibig_schedule_123_A.xml"_s;
        QTest::newRow("four digits") << 1000 << u"B"_s << u"minibig_schedule_1000_B.xml"_s;
    }
    void fileName() {
        QFETCH(int, draw);
        QFETCH(QString, group);
        QFETCH(QString, name);
        QCOMPARE(clsXmlSchedule().GetFileName(draw, group),
                 platform->path(u"SysData/miniBIG_Schedule/"_s + name));
    }

    // The file is Shift_JIS with CR LF after every line and no byte-order mark, in exactly the
    // order the other readers of these files expect.
    void writesExactFileText() {
        ScheduleData s;
        s.Kaisaikai = 45;
        s.Matches[0].Home = u"Ｖ長崎"_s; // not a real short name: full-width letters survive
        s.Matches[0].Away = u"横浜FC"_s;
        s.Matches[0].MatchDate = day(2021, 1, 9);
        s.Matches[0].StartTime = clock(13, 0);
        s.Matches[0].Stadium = u"トランスコスモススタジアム長崎"_s;
        s.Matches[0].State = u"VS"_s;
        s.SaleStart = at(2021, 1, 2, 10, 0);
        s.SaleEnd = at(2021, 1, 9, 13, 50);
        s.ResultDate = day(2021, 1, 11);
        s.PayoutStart = day(2021, 1, 12); // never written
        clsXmlSchedule doc;
        doc.SetData(s);
        const QString path = doc.GetFileName(45, QString());
        QVERIFY(doc.XmlSave(path));

        QString expected =
            u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
            u"<?xml-stylesheet type=\"text/xsl\" href=\"minibig_schedule.xsl\"?>\r\n"
            u"<miniBIG>\r\n<開催>\r\n<開催回>45</開催回>\r\n"
            u"<指定試合>\r\n<番号>1</番号>\r\n<試合開催日>2021/01/09</試合開催日>\r\n"
            u"<試合開始予定時間>13:00:00</試合開始予定時間>\r\n"
            u"<競技場>トランスコスモススタジアム長崎</競技場>\r\n<状態>VS</状態>\r\n"
            u"<ホーム>Ｖ長崎</ホーム>\r\n<アウェイ>横浜FC</アウェイ>\r\n</指定試合>\r\n"_s;
        for (int n = 2; n <= 9; ++n)
            expected += emptyMatchBlock(n);
        expected += u"<販売開始日>2021/01/02 10:00:00</販売開始日>\r\n"
                    u"<販売終了日>2021/01/09 13:50:00</販売終了日>\r\n"
                    u"<結果発表日>2021/01/11</結果発表日>\r\n</開催>\r\n</miniBIG>\r\n"_s;
        const QByteArray bytes = readBytes(path);
        QCOMPARE(ShiftJis::decode(bytes), expected);
        // "<開催>" CR LF in code page 932, independent of the program's encoder.
        QVERIFY(bytes.contains(QByteArray("<\x8A\x4A\x8D\xC3>\r\n")));
        QVERIFY(bytes.startsWith("<?xml"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    }

    void roundTripsEveryWrittenField() {
        const ScheduleData s = schedule();
        clsXmlSchedule writer;
        writer.SetData(s);
        const QString path = writer.GetFileName(s.Kaisaikai, s.Kumi);
        QVERIFY(writer.XmlSave(path));
        clsXmlSchedule reader;
        QVERIFY(reader.XmlLoad(path));
        QCOMPARE(reader.Data(), s);
        QVERIFY(platform->messages.isEmpty());
    }

    void payoutDatesAreNeverWritten() {
        ScheduleData s = schedule();
        s.PayoutStart = day(2021, 3, 9);
        s.PayoutDeadline = day(2022, 3, 8);
        clsXmlSchedule doc;
        doc.SetData(s);
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(doc.XmlSave(path));
        QVERIFY(doc.XmlLoad(path));
        QVERIFY(doc.Data().PayoutStart.isNull());
        QVERIFY(doc.Data().PayoutDeadline.isNull());
    }

    void cancelledDrawReplacesResultDate() {
        ScheduleData s = schedule();
        s.HeldState = ScheduleData::Cancelled;
        clsXmlSchedule doc;
        doc.SetData(s);
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(doc.XmlSave(path));
        const QString text = ShiftJis::decode(readBytes(path));
        QVERIFY(text.contains(u"\r\n<開催状態>中止</開催状態>\r\n</開催>\r\n"_s));
        QVERIFY(!text.contains(u"結果発表日"_s));
        clsXmlSchedule reader;
        QVERIFY(reader.XmlLoad(path));
        QCOMPARE(reader.Data().HeldState, ScheduleData::Cancelled);
        QVERIFY(reader.Data().ResultDate.isNull());
    }

    void notHeldMarker() {
        clsXmlSchedule doc;
        QVERIFY(doc.XmlSave_NoGame(5, u"A"_s));
        const QString path = doc.GetFileName(5, u"A"_s);
        QCOMPARE(ShiftJis::decode(readBytes(path)),
                 u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
                 u"<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>\r\n"
                 u"<miniBIG>\r\n<開催>\r\n<開催回>5</開催回>\r\n<開催状態>1</開催状態>\r\n"
                 u"</開催>\r\n</miniBIG>\r\n"_s);
        QVERIFY(doc.XmlLoad(path));
        ScheduleData expected;
        expected.Kaisaikai = 5;
        expected.HeldState = ScheduleData::NotHeld;
        QCOMPARE(doc.Data(), expected);

        QVERIFY(doc.XmlDelete_NoGame(5, u"A"_s));
        QVERIFY(!QFile::exists(path));
        QVERIFY(platform->messages.isEmpty());
        QVERIFY(!doc.XmlDelete_NoGame(5, u"A"_s));
        QCOMPARE(platform->texts(), QStringList{path + u"\r\nファイルの削除に失敗しました。"_s});
        QCOMPARE(platform->messages[0].title, u"Kelvor mini / clsXmlSchedule / XmlDelete_NoGame"_s);
    }

    // Elements outside the field table are ignored wherever they stand, and the alternative
    // result-date element is read.
    void readsWhatItKnows() {
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(writeText(path, u"<?xml version=\"1.0\"?>\r\n<miniBIG>\r\n<注記>x</注記>\r\n"
                                u"<開催>\r\n<開催回>12</開催回>\r\n<不明>1</不明>\r\n"
                                u"<指定試合><番号>3</番号><ホーム>  札幌 </ホーム>"
                                u"<観客>20000</観客></指定試合>\r\n"
                                u"<結果速報発表日>2021/01/11</結果速報発表日>\r\n"
                                u"<払戻期限>2022/01/11</払戻期限>\r\n"
                                u"</開催>\r\n</miniBIG>\r\n"_s));
        clsXmlSchedule doc;
        QVERIFY(doc.XmlLoad(path));
        QCOMPARE(doc.Data().Kaisaikai, 12);
        QCOMPARE(doc.Data().Matches[2].Home, u"札幌"_s);
        QCOMPARE(doc.Data().ResultDate, day(2021, 1, 11));
        QCOMPARE(doc.Data().PayoutDeadline, day(2022, 1, 11));
        QVERIFY(platform->messages.isEmpty());
    }

    void otherSecondLevelGivesEmptyRecord() {
        clsXmlSchedule doc;
        doc.SetData(schedule());
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(writeText(path, u"<miniBIG>\r\n<結果>\r\n<開催回>12</開催回>\r\n</結果>\r\n"
                                u"</miniBIG>\r\n"_s));
        QVERIFY(doc.XmlLoad(path));
        QCOMPARE(doc.Data(), ScheduleData());
    }

    void missingFileIsSilent() {
        clsXmlSchedule doc;
        doc.SetData(schedule());
        QVERIFY(!doc.XmlLoad(QString()));
        QVERIFY(!doc.XmlLoad(platform->path(u"none.xml"_s)));
        QVERIFY(!doc.XmlLoad(platform->path(u"SysData"_s)));
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(doc.Data(), schedule());
    }

    // A value that would break the line form is refused: the previous file stays as it was.
    void refusesValuesThatCannotBeStored_data() {
        QTest::addColumn<QString>("stadium");
        QTest::newRow("less than") << u"A<B"_s;
        QTest::newRow("greater than") << u"A>B"_s;
        QTest::newRow("line feed") << u"A\nB"_s;
        QTest::newRow("carriage return") << u"A\rB"_s;
        QTest::newRow("NUL") << QString(u"A\0B"_s);
        // A character without a Shift_JIS form is stored fitted; the line break still refuses.
        QTest::newRow("no Shift_JIS form and a line feed") << u"スタジアム😀\nB"_s;
    }
    void refusesValuesThatCannotBeStored() {
        QFETCH(QString, stadium);
        const QString path = platform->path(u"s.xml"_s);
        QVERIFY(writeBytes(path, "previous"));
        ScheduleData s = schedule();
        s.Matches[8].Stadium = stadium;
        clsXmlSchedule doc;
        doc.SetData(s);
        QVERIFY(!doc.XmlSave(path));
        QCOMPARE(platform->texts(), QStringList{path + u"\r\nファイルの保存に失敗しました。"_s});
        QCOMPARE(platform->messages[0].title, u"Kelvor mini / clsXmlSchedule / XmlSave"_s);
        QCOMPARE(readBytes(path), QByteArray("previous"));
    }

    void reportsWriteFailure() {
        // A plain file where the folder should be: the folder cannot be created.
        QVERIFY(writeBytes(platform->path(u"SysData"_s), "x"));
        clsXmlSchedule doc;
        const QString path = doc.GetFileName(5, QString());
        QVERIFY(!doc.XmlSave_NoGame(5, QString()));
        QCOMPARE(platform->messages.last().text, path + u"\r\nファイルの保存に失敗しました。"_s);
        QCOMPARE(platform->messages.last().title,
                 u"Kelvor mini / clsXmlSchedule / XmlSave_NoGame"_s);
    }
};

QTEST_GUILESS_MAIN(tst_clsXmlSchedule)
#include "tst_clsXmlSchedule.moc"
