#include "analysis/LedgerExport.h"

#include "analysis/LedgerTexts.h"
#include "base/ShiftJis.h"

namespace LedgerExport {

namespace {

// A field with a comma, a quote or a line break is quoted, its quotes doubled.
QString field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString yen(Money value) {
    return QString::number(value.wholeYen());
}

QString line(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted.append(field(f));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QStringList header() {
    return {QStringLiteral("開催回"),   QStringLiteral("販売終了日"), QStringLiteral("ファイル"),
            QStringLiteral("シングル"), QStringLiteral("購入金額"),   QStringLiteral("1等"),
            QStringLiteral("2等"),      QStringLiteral("3等"),        QStringLiteral("当せん金"),
            QStringLiteral("収支"),     QStringLiteral("累計"),       QStringLiteral("状態"),
            QStringLiteral("払戻期限"), QStringLiteral("備考")};
}

bool isExport(const SinglesCsvContent& content) {
    return !content.skipped.empty() && content.skipped.front().number == 1 &&
           content.skipped.front().text ==
               header().join(u',').left(SinglesCsvReader::KeptSkippedChars);
}

QByteArray csv(const Ledger& ledger) {
    QString text = line(header());
    for (const LedgerRow& row : ledger.rows) {
        const bool settled = row.settled();
        QString note = row.note;
        if (row.excluded)
            note = QStringLiteral("集計から除外") + (note.isEmpty() ? QString() : u' ' + note);
        text += line({row.kaisaikai > 0 ? QString::number(row.kaisaikai) : QStringLiteral("回不明"),
                      LedgerTexts::date(row.saleEnd), row.path, QString::number(row.singles),
                      yen(row.cost), settled ? QString::number(row.grades[0]) : QString(),
                      settled ? QString::number(row.grades[1]) : QString(),
                      settled ? QString::number(row.grades[2]) : QString(),
                      settled ? yen(row.winnings) : QString(), settled ? yen(row.net) : QString(),
                      settled && row.counted() ? yen(row.runningTotal) : QString(),
                      LedgerTexts::state(row), LedgerTexts::date(row.payoutDeadline), note});
    }
    const LedgerTotals& t = ledger.totals;
    text +=
        line({QStringLiteral("合計"), QString(), QString(), QString::number(t.singles), yen(t.cost),
              QString::number(t.grades[0]), QString::number(t.grades[1]),
              QString::number(t.grades[2]), yen(t.winnings), yen(t.net), yen(t.net), QString(),
              QString(), QStringLiteral("結果待ちの購入金額 %1円").arg(t.waitingCost.wholeYen())});
    return ShiftJis::encode(text);
}

} // namespace LedgerExport
