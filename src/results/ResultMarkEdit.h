#pragma once

#include "drawdata/ResultData.h"
#include "results/clsTResultCheck.h"

#include <QString>

// What the clicks and keys of the result-mark table do to its flags. The table shows the marks
// in the order of the lottery's tickets: column 1 mark 1, column 2 mark 0, column 3 mark 2.
namespace ResultMarkEdit {

// The symbol of a flag: "" none, "◎" official result, "○" set by the user, "－" cancelled.
QString symbol(quint8 flag);

int markOfColumn(int column);
int columnOfMark(int mark);

// A left click on a mark of a match (index 0..8). An empty cell becomes the match's result, as
// the official one ("◎") when the held result record has that mark, else as the user's ("○");
// a click on a marked or cancelled cell clears the match.
ResultMarks clicked(const ResultMarks& marks, int mark, int match, const ResultData& result);

// The match was not played: "－" on all three marks.
ResultMarks cancelled(const ResultMarks& marks, int match);

// No result for the match.
ResultMarks cleared(const ResultMarks& marks, int match);

// A mark typed for a match: it becomes the match's only result, as a click on an empty cell
// would make it; typing the mark already shown changes nothing.
ResultMarks typed(const ResultMarks& marks, int mark, int match, const ResultData& result);

} // namespace ResultMarkEdit
