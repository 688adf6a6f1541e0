#pragma once

#include "drawdata/MarkGrid.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <vector>

// Where the parts of the singles page's mark area lie, in design pixels (96 dpi; Qt scales them
// to the screen): ten columns 53 px apart inside a border of 3 px, each with its number label
// in a 21 px header band and 9 rows of three mark cells (marks 1, 0, 2 from left to right).
// Plain arithmetic, so that painting and hit testing can be checked without a widget.
struct MarkAreaLayout {
    static constexpr int ColumnCount = 10;
    static constexpr int Border = 3;
    static constexpr int ColumnPitch = 53;
    static constexpr int HeaderHeight = 21;
    static constexpr int HeaderLine = 2;
    static constexpr int RowHeight = 26;
    static constexpr int RowPitch = RowHeight + 1;
    static constexpr int LabelLeft = 2;
    static constexpr int LabelWidth = 50;
    static constexpr int CellLeft = 6;
    static constexpr int CellPitch = 16;
    static constexpr int CellWidth = 14;
    static constexpr int CellHeight = 22;

    static constexpr int columnLeft(int column) { return Border + column * ColumnPitch; }
    static constexpr int rowsTop() { return Border + HeaderHeight + HeaderLine; }
    static constexpr int rowTop(int match) { return rowsTop() + match * RowPitch; }

    static constexpr QSize size() {
        return QSize(2 * Border + ColumnCount * ColumnPitch,
                     rowsTop() + MatchCount * RowPitch + Border);
    }

    // The number label of a column.
    static QRect numberRect(int column);
    // The picture of one mark cell, centred in its row.
    static QRect cellRect(int column, int mark, int match);
    // The three cells of a match in a column with a margin: the keyboard focus frame.
    static QRect focusRect(int column, int match);
    // A column's striped box, from under the header band to the bottom of row 9.
    static QRect columnBox(int column);
    // Even columns are tinted, odd columns white.
    static constexpr bool isTinted(int column) { return column % 2 == 0; }

    // Filled rectangles that draw the lines: the border (3 px), the line under the header band
    // (2 px), the lines between the columns and under matches 3, 6 and 9 (1 px each).
    static std::vector<QRect> lineRects();

    struct Hit {
        enum Kind { None, Number, Cell };
        Kind kind = None;
        int column = -1;
        int mark = -1;
        int match = -1;
        bool operator==(const Hit&) const = default;
    };
    // What lies under a point: a number label, a mark cell (its whole 16 px slot of the row
    // counts), or nothing.
    static Hit hitTest(const QPoint& pos);

    // The cells to repaint when a column's chosen marks change from shown to wanted (-1 = no
    // mark chosen): the old and the new cell of every match that differs.
    static std::vector<QRect> changedCells(int column, const std::array<int, MatchCount>& shown,
                                           const std::array<int, MatchCount>& wanted);
};
