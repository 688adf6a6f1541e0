#pragma once

#include "drawdata/MarkGrid.h"

#include <QString>
#include <QtGlobal>
#include <array>

// Flags of the counts panel per mark and match index, laid out like the single frame
// ([mark][match index]): the show-zero flags and the highlight flags.
using CountFlags = MarkGrid<bool>;

// The texts of the counts panel, kept apart from its grid so that they are plain to check.
namespace CountCells {

// Cells are right-aligned in this many characters.
inline constexpr int CellWidth = 7;

// One cell: blank for a count of 0 without its show-zero flag; otherwise the count in decimal,
// or with percent its share of rowTotal in whole percent ("0%" when the row is empty) after one
// blank; filled on the left with blanks to CellWidth characters. A count too long for the cell
// is shown whole rather than cut to its last digits.
QString text(qint32 count, qint64 rowTotal, bool showZero, bool percent);

} // namespace CountCells
