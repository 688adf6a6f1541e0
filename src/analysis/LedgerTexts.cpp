#include "analysis/LedgerTexts.h"

namespace LedgerTexts {

QString state(const LedgerRow& row) {
    switch (row.state) {
    case LedgerRow::State::Waiting:
        return QStringLiteral("結果待ち");
    case LedgerRow::State::Settled:
        return QStringLiteral("確定");
    case LedgerRow::State::Refunded:
        return QStringLiteral("中止（返還）");
    case LedgerRow::State::ResultUnreadable:
        return QStringLiteral("結果を読めません");
    case LedgerRow::State::Unreadable:
        return QStringLiteral("読めません");
    case LedgerRow::State::NoDraw:
        break;
    }
    return QStringLiteral("回不明");
}

QString date(const DateTime& value) {
    return value.isNull() ? QString() : value.date().toString(QStringLiteral("yyyy/MM/dd"));
}

QString deadlineWarning(const Ledger& ledger) {
    const auto near = ledger.nearDeadlines();
    if (near.empty())
        return {};
    QStringList draws;
    for (const LedgerRow* row : near) {
        const QString text = QStringLiteral("第%1回（%2まで、あと%3日）")
                                 .arg(row->kaisaikai)
                                 .arg(date(row->payoutDeadline))
                                 .arg(row->daysToDeadline);
        if (!draws.contains(text))
            draws.append(text);
    }
    return QStringLiteral("払戻期限が近い当せんがあります。期限を過ぎると受け取れません：") +
           draws.join(QStringLiteral("、"));
}

} // namespace LedgerTexts
