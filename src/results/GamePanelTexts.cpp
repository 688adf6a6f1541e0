#include "results/GamePanelTexts.h"

#include "base/NumberFormat.h"
#include "drawdata/VoteData.h"

namespace GamePanelTexts {

QString matchDate(DateTime date) {
    if (date.isNull())
        return QString();
    return date.date().toString(QStringLiteral("MM/dd"));
}

QString rate(Money value) {
    return NumberFormat::format(value, QStringLiteral("0.00"));
}

QString voteHeading(const VoteData& vote) {
    if (vote.AsOf.isNull()) {
        QString heading = QStringLiteral("投 票 率");
        if (vote.Kaisaikai > 0)
            heading += QStringLiteral(" (ユーザー定義)");
        return heading;
    }
    QString heading = QStringLiteral("投票 ") +
                      vote.AsOf.toQDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")) + u' ';
    if (vote.SaleEnd == vote.AsOf)
        heading += QStringLiteral("[最終]");
    return heading;
}

} // namespace GamePanelTexts
