#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <compare>
#include <optional>

// A date and time as a day count with the time of day as fraction; day 0 is 1899-12-30 and the
// value 0 means "not set". Times are kept to whole seconds when converted.
class DateTime {
public:
    constexpr DateTime() = default;
    static constexpr DateTime fromValue(double value) {
        DateTime d;
        d.m_value = value;
        return d;
    }
    static DateTime fromDate(const QDate& date);
    static DateTime fromDateTime(const QDate& date, const QTime& time);
    static DateTime fromQDateTime(const QDateTime& dateTime);
    static DateTime fromTime(const QTime& time);

    constexpr double value() const { return m_value; }
    constexpr bool isNull() const { return m_value == 0; }
    QDate date() const;
    QTime time() const;
    QDateTime toQDateTime() const;
    // The date part alone (time of day dropped).
    DateTime datePart() const;

    // Japanese general date form: "2021/01/09", "13:00:00", "0:00:00", "2021/01/09 13:00:00".
    QString toGeneralText() const;
    // Reads back what toGeneralText writes (and the same forms with one-digit fields).
    static std::optional<DateTime> parseGeneral(const QString& text);

    // The system's date syntax: "2021/03/06", "2021-3-6", "2021年3月6日", "3/6" and "3月6日" (in
    // currentYear), "13:00", "13:00:05", a date and a time separated by blanks, and a date
    // ending in 日 directly followed by a time. A year of one to three digits below 100 means
    // 2000–2049 for 00–49 and 1950–1999 for 50–99. Throws RuntimeError::typeMismatch for any
    // other text.
    static DateTime parseSystem(const QString& text, int currentYear);
    // As above, in the year of the platform clock.
    static DateTime parseSystem(const QString& text);
    static bool isSystemDate(const QString& text);

    // clang-tidy 14 takes the defaulted comparison's 0 for a null pointer.
    constexpr auto operator<=>(const DateTime&) const = default; // NOLINT(modernize-use-nullptr)

private:
    double m_value = 0;
};
