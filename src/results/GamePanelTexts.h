#pragma once

#include "base/DateTime.h"
#include "base/Money.h"

#include <QString>

struct VoteData;

// The texts of the check page's game panel.
namespace GamePanelTexts {

// "01/09"; empty for a date that is not set.
QString matchDate(DateTime date);

// A vote rate with exactly two decimals: "45.50".
QString rate(Money value);

// The heading of the vote column: "投票 2021/01/09 13:00 " for published counts, with "[最終]"
// when they are the counts at the end of sale; "投 票 率" without a date, with " (ユーザー定義)"
// when the draw has a vote record the user made.
QString voteHeading(const VoteData& vote);

} // namespace GamePanelTexts
