#include "app/DrawTexts.h"

#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"

#include <cmath>

namespace DrawTexts {

namespace {
QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString ymd(const QDate& date, const QString& separator) {
    return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')) + separator +
           twoDigits(date.month()) + separator + twoDigits(date.day());
}
} // namespace

QString drawLabel(qint32 lngKaisaikai, const QString& strKumi) {
    QString label = QStringLiteral(" 第 ") +
                    (lngKaisaikai > 0 ? QString::number(lngKaisaikai) : QStringLiteral(" ")) +
                    QStringLiteral(" 回 ");
    if (!strKumi.isEmpty())
        label += QStringLiteral(" [ ") + strKumi + QStringLiteral("組 ] ");
    return label;
}

QString votePrefix(const VoteData& vote) {
    if (vote.Kaisaikai <= 0)
        return QString();
    const QString head = QStringLiteral("　使用投票率：");
    if (vote.AsOf.value() <= 0)
        return head + QStringLiteral("ユーザー定義");
    const QDate date = vote.AsOf.date();
    if (vote.AsOf == vote.SaleEnd)
        return head + ymd(date, QStringLiteral("/")) + QStringLiteral(" (最終)");
    const QTime time = vote.AsOf.time();
    return head + ymd(date, QStringLiteral("/")) + u' ' + twoDigits(time.hour()) + u':' +
           twoDigits(time.minute());
}

QString timeLeft(DateTime now, DateTime t) {
    const double span = t.value() - now.value();
    const double whole = std::trunc(span);
    QString text;
    if (whole > 0)
        text = QString::number(static_cast<qint64>(whole)) + QStringLiteral("日 ");
    // The fraction as a time of day, to the nearest second, as a date format shows it.
    double fraction = span - whole;
    if (fraction < 0)
        fraction += 1.0;
    const auto seconds = static_cast<qint64>(std::llround(fraction * 86400.0)) % 86400;
    text += QString::number(seconds / 3600) + QStringLiteral("時間") +
            QString::number(seconds % 3600 / 60) + u'分';
    return text;
}

QString dateForm(DateTime value) {
    static const char16_t* const weekdays = u"日月火水木金土";
    const QDate date = value.date();
    const QTime time = value.time();
    QString text = QStringLiteral("%1年%2月%3日")
                       .arg(date.year(), 4, 10, QLatin1Char('0'))
                       .arg(twoDigits(date.month()), twoDigits(date.day()));
    text += u'(' + QChar(weekdays[date.dayOfWeek() % 7]) + QStringLiteral(") ");
    const QString clock =
        twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' + twoDigits(time.second());
    if (clock != QStringLiteral("00:00:00"))
        text += clock;
    return text;
}

QString saleStatus(const ScheduleData& schedule, DateTime now) {
    if (now > schedule.SaleEnd)
        return QStringLiteral("販売終了");
    if (schedule.SaleStart > now)
        return QStringLiteral("販売開始まで あと ") + timeLeft(now, schedule.SaleStart);
    return QStringLiteral("販売締切まで あと ") + timeLeft(now, schedule.SaleEnd);
}

} // namespace DrawTexts
