#include "base/DateTime.h"

#include "base/Platform.h"
#include "base/RuntimeError.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QDate epoch(1899, 12, 30);
constexpr int secondsPerDay = 86400;

struct Split {
    qint64 days;
    int seconds;
};

// Days and rounded seconds of a value; for negative values the fraction counts forward from
// the day, as the day-count form has it (-1.25 is 1899-12-29 06:00).
Split split(double value) {
    double days = std::trunc(value);
    double seconds = std::round(std::fabs(value - days) * secondsPerDay);
    if (seconds >= secondsPerDay) {
        seconds -= secondsPerDay;
        days += value < 0 ? -1 : 1;
    }
    return {static_cast<qint64>(days), static_cast<int>(seconds)};
}

int expandYear(int year, int digits) {
    if (digits <= 3 && year < 100)
        return year < 50 ? 2000 + year : 1900 + year;
    return year;
}

[[noreturn]] void reject() {
    throw RuntimeError::typeMismatch();
}

QDate makeDate(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100 || year > 9999)
        reject();
    return date;
}

QTime makeTime(int hour, int minute, int second) {
    const QTime time(hour, minute, second);
    if (!time.isValid())
        reject();
    return time;
}

struct DateMatch {
    QDate date;
    qsizetype length;
};

// A date at the start of text, or nothing.
std::optional<DateMatch> matchDate(const QString& text, int currentYear) {
    static const QRegularExpression full(QStringLiteral(
        "^(\\d{1,4})(?:([/\\-])(\\d{1,2})\\2(\\d{1,2})|年(\\d{1,2})月(\\d{1,2})日)"));
    static const QRegularExpression monthDay(
        QStringLiteral("^(\\d{1,2})(?:/(\\d{1,2})(?![/\\d:])|月(\\d{1,2})日)"));
    if (const auto m = full.match(text); m.hasMatch()) {
        const bool kanji = m.capturedLength(5) > 0;
        const int year = expandYear(m.captured(1).toInt(), int(m.capturedLength(1)));
        const int month = m.captured(kanji ? 5 : 3).toInt();
        const int day = m.captured(kanji ? 6 : 4).toInt();
        return DateMatch{makeDate(year, month, day), m.capturedLength()};
    }
    if (const auto m = monthDay.match(text); m.hasMatch()) {
        const bool kanji = m.capturedLength(3) > 0;
        const int month = m.captured(1).toInt();
        const int day = m.captured(kanji ? 3 : 2).toInt();
        return DateMatch{makeDate(currentYear, month, day), m.capturedLength()};
    }
    return std::nullopt;
}

std::optional<QTime> matchTime(const QString& text) {
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const auto m = time.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return makeTime(m.captured(1).toInt(), m.captured(2).toInt(),
                    m.capturedLength(3) > 0 ? m.captured(3).toInt() : 0);
}

} // namespace

DateTime DateTime::fromDate(const QDate& date) {
    return fromValue(static_cast<double>(epoch.daysTo(date)));
}

DateTime DateTime::fromTime(const QTime& time) {
    const int wholeSeconds = time.msecsSinceStartOfDay() / 1000;
    return fromValue(static_cast<double>(wholeSeconds) / secondsPerDay);
}

DateTime DateTime::fromDateTime(const QDate& date, const QTime& time) {
    const double days = static_cast<double>(epoch.daysTo(date));
    const int wholeSeconds = time.msecsSinceStartOfDay() / 1000;
    const double fraction = static_cast<double>(wholeSeconds) / secondsPerDay;
    return fromValue(days < 0 ? days - fraction : days + fraction);
}

DateTime DateTime::fromQDateTime(const QDateTime& dateTime) {
    return fromDateTime(dateTime.date(), dateTime.time());
}

QDate DateTime::date() const {
    return epoch.addDays(split(m_value).days);
}

QTime DateTime::time() const {
    return QTime(0, 0).addSecs(split(m_value).seconds);
}

QDateTime DateTime::toQDateTime() const {
    return QDateTime(date(), time());
}

DateTime DateTime::datePart() const {
    return fromValue(static_cast<double>(split(m_value).days));
}

QString DateTime::toGeneralText() const {
    const Split parts = split(m_value);
    QString dateText = date().toString(QStringLiteral("yyyy/MM/dd"));
    QString timeText = time().toString(QStringLiteral("H:mm:ss"));
    if (parts.seconds == 0 && parts.days != 0)
        return dateText;
    if (parts.days == 0)
        return timeText;
    return dateText + u' ' + timeText;
}

std::optional<DateTime> DateTime::parseGeneral(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        "^(?:(\\d{4})/(\\d{1,2})/(\\d{1,2})(?= |$))? ?(?:(\\d{1,2}):(\\d{2}):(\\d{2}))?$"));
    const auto m = form.match(text);
    if (!m.hasMatch() || text.startsWith(u' ') || text.endsWith(u' '))
        return std::nullopt;
    const bool hasDate = m.capturedLength(1) > 0;
    const bool hasTime = m.capturedLength(4) > 0;
    if (!hasDate && !hasTime)
        return std::nullopt;
    QDate date = epoch;
    QTime time(0, 0);
    if (hasDate) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!date.isValid())
            return std::nullopt;
    }
    if (hasTime) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid())
            return std::nullopt;
    }
    return fromDateTime(date, time);
}

DateTime DateTime::parseSystem(const QString& input, int currentYear) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        reject();
    if (const auto time = matchTime(text))
        return fromTime(*time);
    const auto date = matchDate(text, currentYear);
    if (!date)
        reject();
    const QString rest = text.mid(date->length);
    if (rest.isEmpty())
        return fromDate(date->date);
    // A time follows after blanks, or directly after a closing 日.
    const bool afterBlank = rest.front().isSpace();
    if (!afterBlank && text.at(date->length - 1) != u'日')
        reject();
    const auto time = matchTime(rest.trimmed());
    if (!time)
        reject();
    return fromDateTime(date->date, *time);
}

DateTime DateTime::parseSystem(const QString& text) {
    return parseSystem(text, Platform::current().now().date().year());
}

bool DateTime::isSystemDate(const QString& text) {
    try {
        parseSystem(text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}
