#pragma once

#include "drawdata/ResultData.h"
#include "results/clsTResultCheck.h"

#include <QString>
#include <array>

// The figures of the confirmed prize table (確定): per grade 1..3 the official prize, number of
// winning 口 and carry-over next to the user's winning singles and winnings, and their totals.
namespace ConfirmedPrizeTable {

inline constexpr int ValueRows = ResultData::GradeCount + 1; // the grades and the totals
inline constexpr int ValueColumns = 5;
using Texts = std::array<std::array<QString, ValueColumns>, ValueRows>;

// Cell texts of rows 2..5 and columns 2..6: "#,##0 " for a value above 0, "0 " otherwise, and
// every cell empty when all of them would read "0 " (nothing is confirmed). Money arithmetic
// that leaves the range throws RuntimeError::overflow().
Texts texts(const ResultData& result,
            const std::array<qint32, clsTResultCheck::GradeCount>& gradeCounts);

// One value as the table shows it.
QString valueText(Money value);

// An amount times a count that may carry decimals, to four decimals.
Money times(Money amount, Money count);

} // namespace ConfirmedPrizeTable
