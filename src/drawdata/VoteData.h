#pragma once

#include "base/DateTime.h"
#include "base/Money.h"
#include "drawdata/MatchCount.h"

#include <QString>
#include <QtGlobal>
#include <array>

// Votes cast on one outcome of a match: the count of 口 and the published rate in percent.
struct OutcomeVote {
    Money Votes;
    Money Rate;

    bool operator==(const OutcomeVote&) const = default;
};

// The vote status of one designated match. Outcomes is indexed by the outcome mark:
// 0 draw (その他), 1 home win, 2 home loss.
struct VoteMatch {
    QString Home;
    QString Away;
    DateTime MatchDate;
    DateTime StartTime; // time part only
    std::array<OutcomeVote, 3> Outcomes{};

    bool operator==(const VoteMatch&) const = default;
};

// A draw's public vote status. A record whose Kaisaikai is 0 is empty.
struct VoteData {
    qint32 Kaisaikai = 0;
    QString Kumi;
    DateTime AsOf;                               // the moment the published counts refer to
    std::array<VoteMatch, MatchCount> Matches{}; // match n at index n - 1

    // Totals and dates that a stored file may carry; the program reads them but never writes them.
    Money SalesTotal;
    Money SalesMulti;
    Money SalesSingle;
    Money VotesTotal;
    Money VotesMulti;
    Money VotesSingle;
    Money TicketsTotal;
    Money TicketsMulti;
    Money TicketsSingle;
    DateTime SaleStart;
    DateTime SaleEnd;
    DateTime ResultDate;
    DateTime PayoutStart;
    DateTime PayoutDeadline;

    bool isEmpty() const { return Kaisaikai == 0; }
    bool operator==(const VoteData&) const = default;
};
