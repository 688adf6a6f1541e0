#pragma once

#include "drawdata/VoteData.h"
#include "results/clsTResultCheck.h"
#include "singles/SingleCodec.h"

#include <QtGlobal>
#include <array>

// The chances of the outcomes of the nine matches, by which a single list is weighed. A match
// still open ends with each outcome at its public vote rate (1/3 each without votes); a match
// decided in the result-mark table ends with its marked outcome for certain; a cancelled match
// is a hit for every single, as the check counts it. Matches are independent.
//
// Decided and cancelled matches are folded into "canonical" marks: every mark that counts as a
// hit at such a match is written as the one outcome the match is fixed to, so that the misses
// of a single against an outcome are the matches where their canonical marks differ.
class OutcomeModel {
public:
    enum class State : quint8 { Open, Decided, Cancelled };

    // Every match open, each outcome at 1/3.
    OutcomeModel();

    // Rates from the vote counts of the record; the result marks as the check page holds them
    // ([mark][match], 0 none, 1 official, 2 set by the user, 3 cancelled).
    static OutcomeModel fromDraw(const VoteData& vote, const ResultMarks& marks);

    // Match k open with the chances of outcomes 0, 1, 2 (non-negative, summing to 1).
    void setOpen(int k, const std::array<double, 3>& chances);
    // Match k ended with the mark.
    void setDecided(int k, quint8 mark);
    void setCancelled(int k);

    State state(int k) const { return m_matches[k].state; }
    bool isOpen(int k) const { return state(k) == State::Open; }
    int openMatchCount() const;
    // 3 to the power of the open matches: the outcomes the result marks still allow.
    qint32 possibleOutcomeCount() const;

    quint8 canonical(int k, quint8 mark) const { return m_matches[k].canonical[mark]; }
    // The single number with every mark made canonical.
    qint32 canonicalNumber(qint32 number) const;
    // True for an outcome whose decided and cancelled matches carry their fixed outcome.
    bool isPossible(const SingleCodec::Marks& outcome) const;

    // Chance that match k ends with outcome m (a canonical mark).
    double chance(int k, quint8 m) const { return m_matches[k].chance[m]; }
    // Chance that a single carrying the mark hits, or misses, match k.
    double hitChance(int k, quint8 mark) const { return m_matches[k].hit[mark]; }
    double missChance(int k, quint8 mark) const { return m_matches[k].miss[mark]; }

private:
    struct Match {
        State state = State::Open;
        std::array<quint8, 3> canonical{0, 1, 2};
        std::array<double, 3> chance{};
        std::array<double, 3> hit{};
        std::array<double, 3> miss{};
    };
    void fixMatch(int k, State state, const std::array<bool, 3>& hits);
    static void deriveHitChances(Match& match);

    std::array<Match, MatchCount> m_matches;
};
