#pragma once

#include "base/DateTime.h"

#include <QString>

struct ScheduleData;
struct VoteData;

// The texts the window shows about the current draw: its label, the status bar's vote prefix
// and the home page's schedule panel.
namespace DrawTexts {

// " 第 123 回 "; a blank in place of the number for 0 or less; " [ A組 ] " after it for a group.
QString drawLabel(qint32 lngKaisaikai, const QString& strKumi);

// Which vote counts the estimates use: empty without a vote record, "　使用投票率：ユーザー定義"
// without a date, the date with "(最終)" at the end of sale, else its date and time.
QString votePrefix(const VoteData& vote);

// "2日 3時間5分", "0時間45分": the time from now until t.
QString timeLeft(DateTime now, DateTime t);

// "2021年01月11日(月) 19:00:00"; a date without time ends with ") ".
QString dateForm(DateTime value);

// "販売終了", "販売開始まで あと …" or "販売締切まで あと …".
QString saleStatus(const ScheduleData& schedule, DateTime now);

} // namespace DrawTexts
