#pragma once

#include "base/DateTime.h"
#include "drawdata/ScheduleData.h"

#include <QString>
#include <QStringList>

// A schedule the player entered by hand, for a draw whose official schedule cannot be had. It
// is stored as the draw's schedule document, in the same format as a downloaded one, so that
// the vote download and the check page take it as they take a downloaded one; a small marker
// file beside it tells that it was entered by hand. A later official schedule of the draw
// replaces it: the only stored document the program ever replaces.
namespace HandEnteredSchedule {

// The stadium of a hand-entered match: the player is not asked for it.
QString unknownStadium();

// Why the entry cannot be stored, "" when it can: the draw number, for every match two teams
// among knownNames that differ, no match twice, and the sale end. Match dates may be empty.
QString check(const ScheduleData& entry, const QStringList& knownNames);
// The schedule document of a checked entry: a match without date takes the sale end's day, the
// sale starts at `now` (or at its end when that is earlier), the result is announced the day
// after the last match, and every match is to be played ("VS") at an unknown stadium.
ScheduleData completed(const ScheduleData& entry, const DateTime& now);

// The marker file beside the draw's schedule document.
QString markerPath(qint32 lngKaisaikai, const QString& strKumi);
// The draw's stored schedule was entered by hand (the document and its marker exist).
bool exists(qint32 lngKaisaikai, const QString& strKumi);
// True when the draw has no stored schedule or one entered by hand; otherwise (a downloaded
// schedule, or the draw marked as not held) tells the user so and gives false.
bool mayEnter(qint32 lngKaisaikai, const QString& strKumi);
// Stores a complete schedule with its marker, replacing an earlier hand-entered one. A draw
// whose schedule was stored otherwise (downloaded, or marked as not held) is told so and kept.
// False when nothing was stored; write failures are reported by the file layer.
bool store(const ScheduleData& schedule);
// Replaces the draw's hand-entered schedule with a complete official one and removes the
// marker; false, and nothing written, when the draw's schedule was not entered by hand.
bool replaceWith(const ScheduleData& official);

} // namespace HandEnteredSchedule
