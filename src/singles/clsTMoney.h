#pragma once

#include "base/ErrorReporter.h"
#include "base/Money.h"
#include "drawdata/MarkGrid.h"
#include "drawdata/VoteData.h"

#include <QString>
#include <array>
#include <span>

// The estimated 1等, 2等 and 3等 prize of a single: what it would win if the draw were a toto
// pool with the same voting. Rates are recomputed from the vote counts; a match without votes
// counts each outcome as 1/3 once a vote record is loaded. Estimates are whole yen from 0 to
// the cap; before the first vote record every estimate is 0.
class clsTMoney {
public:
    static constexpr qint64 CapYen = 99999999999;

    clsTMoney();

    // Builds the rates from the vote counts. A match whose vote total does not fit a 32-bit
    // count is reported as a run-time error ("SetVoteData"); every estimate is then 0 and the
    // result is False.
    bool SetVoteData(const VoteData& vote);

    // lngKousei: the marks of matches 1..9. A mark other than 0, 1, 2 or a short array is
    // reported as a run-time error and the estimate is 0.
    Money GetMoney1(std::span<const qint32> lngKousei);
    Money GetMoney2(std::span<const qint32> lngKousei);
    Money GetMoney3(std::span<const qint32> lngKousei);

    // The same for the marks of a valid single number (grade 1, 2 or 3).
    Money Estimate(int grade, const std::array<quint8, MatchCount>& marks) const;

    // The estimate as the summary shows it: "" for 0, "2050円", "1.09万", "49万", "1.23億",
    // "12億", "****億" for the cap.
    static QString EstimateText(Money value);

private:
    template <typename Marks> double oneMissChance(const Marks& marks) const;
    template <typename Marks> double twoMissChance(const Marks& marks) const;
    template <typename Marks> Money estimate(int grade, const Marks& marks) const;
    Money reporting(int grade, std::span<const qint32> lngKousei);

    // [match][mark], in percent.
    std::array<std::array<double, MarkCount>, MatchCount> m_rate{};
    std::array<std::array<double, MarkCount>, MatchCount> m_miss{};
    std::array<double, 3> m_pool{};
    ErrorReporter m_reporter;
};
