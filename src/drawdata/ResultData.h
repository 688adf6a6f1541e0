#pragma once

#include "base/DateTime.h"
#include "base/Money.h"
#include "drawdata/MatchCount.h"

#include <QString>
#include <QtGlobal>
#include <array>

// The result of one designated match. Mark: 1 home win, 0 draw, 2 away win, 3 cancelled
// (no score, both scores 0).
struct ResultMatch {
    DateTime MatchDate; // read from stored files only, never written
    quint8 Mark = 0;
    QString Stadium; // read from stored files only, never written
    QString Home;
    QString Away;
    quint8 HomeScore = 0;
    quint8 AwayScore = 0;

    bool operator==(const ResultMatch&) const = default;
};

// A draw's result and prize table. A record whose Kaisaikai is 0 is empty. For a cancelled draw
// ResultDate, PayoutStart and PayoutDeadline are the refund dates.
struct ResultData {
    static constexpr int GradeCount = 3;

    qint32 Kaisaikai = 0;
    QString Kumi;
    std::array<ResultMatch, MatchCount> Matches{}; // match n at index n - 1
    std::array<Money, GradeCount> Prize{};         // grade g at index g - 1, per winning 口
    std::array<Money, GradeCount> Winners{};       // number of winning 口
    std::array<Money, GradeCount> CarryOver{};
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayoutStart;
    DateTime PayoutDeadline;
    Money Sales;
    Money Votes;   // number of 口 sold
    Money Tickets; // number of tickets sold
    bool Cancelled = false;

    bool isEmpty() const { return Kaisaikai == 0; }
    bool operator==(const ResultData&) const = default;
};
