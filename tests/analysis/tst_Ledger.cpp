#include "analysis/Ledger.h"
#include "analysis/LedgerExport.h"
#include "base/ShiftJis.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "io/LedgerSettings.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QDate Today(2026, 12, 9);

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The result of a draw whose matches all ended 1 (home win) but match 9, which was cancelled.
void storeResult(qint32 draw, bool cancelled, QDate deadline) {
    ResultData result;
    result.Kaisaikai = draw;
    for (ResultMatch& match : result.Matches) {
        match.Mark = 1;
        match.Home = QStringLiteral("甲");
        match.Away = QStringLiteral("乙");
    }
    result.Matches[8].Mark = 3; // cancelled match: a hit for every single
    result.Cancelled = cancelled;
    result.Prize = {Money::fromYen(500000), Money::fromYen(6000), Money::fromYen(800)};
    result.Winners = {Money::fromYen(90), Money::fromYen(1500), Money::fromYen(10000)};
    result.SaleEnd = DateTime::fromDate(QDate(2026, 1, 1).addDays(draw - 1000));
    result.PayoutStart = result.SaleEnd;
    result.PayoutDeadline = DateTime::fromDate(deadline);
    result.Sales = Money::fromYen(120000000);
    result.Votes = Money::fromYen(600000);
    result.Tickets = Money::fromYen(200000);
    clsXmlResult xml;
    xml.SetData(result);
    QVERIFY(xml.XmlSave(xml.GetFileName(draw, QString())));
}

// Lines of singles: "111111111" is the single of nine 1s.
QByteArray lines(std::initializer_list<const char*> singles) {
    QByteArray bytes;
    for (const char* single : singles) {
        for (int k = 0; k < 9; ++k) {
            bytes += single[k];
            bytes += k < 8 ? "," : "\r\n";
        }
    }
    return bytes;
}

QStringList rowSummary(const LedgerRow& row) {
    return {row.fileName,
            QString::number(row.kaisaikai),
            QString::number(int(row.state)),
            QString::number(row.singles),
            row.cost.toString(),
            QStringLiteral("%1/%2/%3").arg(row.grades[0]).arg(row.grades[1]).arg(row.grades[2]),
            row.winnings.toString(),
            row.net.toString(),
            row.runningTotal.toString(),
            row.excluded ? QStringLiteral("除外") : QString()};
}

} // namespace

Q_DECLARE_METATYPE(QList<QStringList>)

class tst_Ledger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_platform = std::make_unique<FakePlatform>();
        m_folder = m_platform->userDataFolder();
        m_added = m_platform->path(QStringLiteral("more"));
        // 1001 won: its deadline is 20 days away; 1002 lost; 1003 waits; 1004 was cancelled.
        storeResult(1001, false, Today.addDays(20));
        storeResult(1002, false, Today.addDays(200));
        storeResult(1004, true, Today.addDays(300));
        // A 1等, a 2等 (one miss), a 3等 (two misses), a loser, and a line that is no single.
        write(m_folder + QStringLiteral("/Tovmi-1001.csv"),
              lines({"111111110", "111111102", "111111002", "000000000"}) + "3,3\r\n");
        write(m_folder + QStringLiteral("/Tovmi-1001-2.csv"), lines({"111111122"}));
        write(m_folder + QStringLiteral("/Tovmi-1002.csv"), lines({"000000000", "222222222"}));
        write(m_folder + QStringLiteral("/Tovmi-1003.csv"), lines({"111111111"}));
        write(m_folder + QStringLiteral("/Tovmi-1004.csv"), lines({"000000000", "111111111"}));
        write(m_folder + QStringLiteral("/Tovmi-1005.csv"), "0,,0,0,0,0,0,0,0\r\n");
        write(m_folder + QStringLiteral("/notes.csv"), lines({"111111111"}));
        // A stored result that does not read is listed with its reason, without a message.
        write(m_platform->path(QStringLiteral("SysData/miniBIG_Result/minibig_result_1006.xml")),
              ShiftJis::encode(QStringLiteral(
                  "<miniBIG>\r\n<結果>\r\n<開催回>x</開催回>\r\n</結果>\r\n</miniBIG>\r\n")));
        write(m_folder + QStringLiteral("/Tovmi-1006.csv"), lines({"111111111"}));
        write(m_folder + QStringLiteral("/readme.txt"), "not a list");
        // The added folder holds a link to a file of the singles folder and a file of its own.
        QDir().mkpath(m_added);
        QVERIFY(QFile::link(m_folder + QStringLiteral("/Tovmi-1002.csv"),
                            m_added + QStringLiteral("/copy-of-1002.csv")));
        write(m_added + QStringLiteral("/Tovmi-1003-extra.csv"), lines({"000000000"}));
    }
    void cleanup() { m_platform.reset(); }

    void rowsAndTotals() {
        LedgerBuilder builder;
        const QString excluded =
            QFileInfo(m_added + QStringLiteral("/Tovmi-1003-extra.csv")).canonicalFilePath();
        // The singles folder given twice, once through "..", still lists each file once.
        const Ledger ledger = builder.build(
            {{m_folder, m_added, m_added + QStringLiteral("/../more")}, {excluded}, Today});
        QList<QStringList> rows;
        for (const LedgerRow& row : ledger.rows)
            rows.append(rowSummary(row));
        using S = LedgerRow::State;
        // File, draw, state, singles, cost, grades, winnings, net, running total, excluded.
        const auto expect = [](const char* file, const char* draw, S state,
                               std::initializer_list<const char*> rest) {
            QStringList row{QString::fromUtf8(file), QString::fromUtf8(draw),
                            QString::number(int(state))};
            for (const char* text : rest)
                row.append(QString::fromUtf8(text));
            return row;
        };
        const QList<QStringList> expected{
            expect("Tovmi-1006.csv", "1006", S::ResultUnreadable,
                   {"1", "200", "0/0/0", "0", "0", "0", ""}),
            expect("Tovmi-1005.csv", "1005", S::Unreadable, {"0", "0", "0/0/0", "0", "0", "0", ""}),
            expect("Tovmi-1004.csv", "1004", S::Refunded,
                   {"2", "400", "0/0/0", "400", "0", "511400", ""}),
            expect("Tovmi-1003-extra.csv", "1003", S::Waiting,
                   {"1", "200", "0/0/0", "0", "0", "0", "除外"}),
            expect("Tovmi-1003.csv", "1003", S::Waiting, {"1", "200", "0/0/0", "0", "0", "0", ""}),
            expect("Tovmi-1002.csv", "1002", S::Settled,
                   {"2", "400", "0/0/0", "0", "-400", "511400", ""}),
            expect("Tovmi-1001-2.csv", "1001", S::Settled,
                   {"1", "200", "0/1/0", "6000", "5800", "511800", ""}),
            expect("Tovmi-1001.csv", "1001", S::Settled,
                   {"4", "800", "1/1/1", "506800", "506000", "511800", ""}),
            expect("notes.csv", "0", S::NoDraw, {"1", "200", "0/0/0", "0", "0", "0", ""}),
        };
        QCOMPARE(rows, expected);
        QVERIFY(ledger.rows[0].note.startsWith(QStringLiteral("結果ファイルを読み込めません：")));
        QVERIFY(ledger.rows[1].note.endsWith(QStringLiteral("( 13 )")));
        QCOMPARE(ledger.rows[7].note, QStringLiteral("シングルでない1行は数えていません"));

        const LedgerTotals& t = ledger.totals;
        QCOMPARE(t.files, 6);
        QCOMPARE(t.singles, 11);
        QCOMPARE(t.cost, Money::fromYen(2200));
        QCOMPARE(t.winnings, Money::fromYen(513200));
        QCOMPARE(t.net, Money::fromYen(511400));
        QCOMPARE(t.waitingCost, Money::fromYen(400));
        QCOMPARE(t.grades, (std::array<qint64, 3>{1, 2, 1}));

        // Only the win of 1001 is near its deadline; 1003 is the one draw to fetch.
        const auto near = ledger.nearDeadlines();
        QCOMPARE(near.size(), std::size_t(2));
        QCOMPARE(near[0]->kaisaikai, 1001);
        QCOMPARE(near[0]->daysToDeadline, 20);
        QCOMPARE(ledger.drawsToFetch(Today), QList<qint32>{1003});
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Each file is read once and again only when it changes; a file that goes away leaves.
    void filesAreReadOnceUntilTheyChange() {
        LedgerBuilder builder;
        const LedgerBuilder::Sources sources{{m_folder}, {}, Today};
        QCOMPARE(builder.build(sources).rows.size(), std::size_t(8));
        const qint64 first = builder.files().readCount();
        QCOMPARE(first, 8);
        builder.build(sources);
        QCOMPARE(builder.files().readCount(), first);
        write(m_folder + QStringLiteral("/Tovmi-1003.csv"), lines({"111111111", "000000000"}));
        QFile::remove(m_folder + QStringLiteral("/notes.csv"));
        const Ledger again = builder.build(sources);
        QCOMPARE(builder.files().readCount(), first + 1);
        QCOMPARE(again.rows.size(), std::size_t(7));
        QCOMPARE(again.totals.waitingCost, Money::fromYen(600));
    }

    void exportIsShiftJisWithCrLf() {
        LedgerBuilder builder;
        const Ledger ledger = builder.build({{m_folder}, {}, Today});
        const QByteArray bytes = LedgerExport::csv(ledger);
        const QStringList exportLines = ShiftJis::decode(bytes).split(QStringLiteral("\r\n"));
        QVERIFY(!bytes.contains("\n\n") && !bytes.contains(QByteArray("\r\r")));
        QCOMPARE(exportLines.constFirst(), LedgerExport::header().join(u','));
        QCOMPARE(exportLines.size(), 1 + 8 + 1 + 1); // header, rows, totals, the end
        QVERIFY(exportLines.at(1).startsWith(QStringLiteral("1006,")));
        QVERIFY(exportLines.at(9).startsWith(QStringLiteral("合計,")));
        // Written into the singles folder, the export is not taken for a list.
        write(m_folder + QStringLiteral("/収支.csv"), bytes);
        QCOMPARE(builder.build({{m_folder}, {}, Today}).rows.size(), std::size_t(8));
    }

    void settingsKeepAnyPath() {
        LedgerSettings settings;
        settings.folders = {QStringLiteral("/tmp/a b"), QStringLiteral("/tmp/ü ✓")};
        settings.excluded = {QStringLiteral("/tmp/x,y.csv")};
        settings.Save();
        const LedgerSettings read = LedgerSettings::Load();
        QCOMPARE(read.folders, settings.folders);
        QCOMPARE(read.excluded, settings.excluded);
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
    QString m_folder;
    QString m_added;
};

QTEST_GUILESS_MAIN(tst_Ledger)
#include "tst_Ledger.moc"
