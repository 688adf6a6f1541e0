#pragma once

#include "base/DateTime.h"
#include "drawdata/MatchCount.h"

#include <QString>
#include <QtGlobal>
#include <array>

// One designated match of a draw's schedule. Its number is its position in the schedule.
struct MatchInfo {
    QString Home;
    QString Away;
    DateTime MatchDate; // date part only
    DateTime StartTime; // time part only; the date part is zero
    QString Stadium;
    QString State; // "VS", "中止" or empty, as published

    bool operator==(const MatchInfo&) const = default;
};

// A draw's schedule: its nine designated matches, the sale period and the announcement dates.
// A record whose Kaisaikai is 0 is empty.
struct ScheduleData {
    static constexpr qint32 HeldNormally = 0;
    static constexpr qint32 NotHeld = 1; // marked by the user
    static constexpr qint32 Cancelled = 2;

    qint32 Kaisaikai = 0;
    QString Kumi;
    std::array<MatchInfo, MatchCount> Matches{}; // match n at index n - 1
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayoutStart;
    DateTime PayoutDeadline;
    qint32 HeldState = HeldNormally;

    bool isEmpty() const { return Kaisaikai == 0; }
    bool operator==(const ScheduleData&) const = default;
};
