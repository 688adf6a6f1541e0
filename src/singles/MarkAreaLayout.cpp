#include "singles/MarkAreaLayout.h"

QRect MarkAreaLayout::numberRect(int column) {
    return QRect(columnLeft(column) + LabelLeft, Border, LabelWidth, HeaderHeight);
}

QRect MarkAreaLayout::cellRect(int column, int mark, int match) {
    const int left = columnLeft(column) + CellLeft + int(screenPosition(mark)) * CellPitch;
    const int top = rowTop(match) + (RowHeight - CellHeight) / 2;
    return QRect(left, top, CellWidth, CellHeight);
}

QRect MarkAreaLayout::focusRect(int column, int match) {
    const QRect first = cellRect(column, ScreenMarkOrder[0], match);
    const QRect last = cellRect(column, ScreenMarkOrder[2], match);
    return first.united(last).adjusted(-1, -1, 1, 1);
}

QRect MarkAreaLayout::columnBox(int column) {
    return QRect(columnLeft(column), rowsTop(), ColumnPitch, MatchCount * RowPitch);
}

std::vector<QRect> MarkAreaLayout::lineRects() {
    const QSize all = size();
    std::vector<QRect> lines = {
        QRect(0, 0, all.width(), Border),
        QRect(0, all.height() - Border, all.width(), Border),
        QRect(0, 0, Border, all.height()),
        QRect(all.width() - Border, 0, Border, all.height()),
        QRect(Border, Border + HeaderHeight, all.width() - 2 * Border, HeaderLine),
    };
    // Between the columns: the last pixel of every column but the last, under the header band.
    for (int column = 0; column + 1 < ColumnCount; ++column)
        lines.emplace_back(columnLeft(column + 1) - 1, rowsTop(), 1, MatchCount * RowPitch);
    for (const int match : {2, 5, 8})
        lines.emplace_back(Border, rowTop(match) + RowHeight, all.width() - 2 * Border, 1);
    return lines;
}

MarkAreaLayout::Hit MarkAreaLayout::hitTest(const QPoint& pos) {
    const int x = pos.x() - Border;
    if (x < 0 || x >= ColumnCount * ColumnPitch)
        return {};
    const int column = x / ColumnPitch;
    if (numberRect(column).contains(pos))
        return {Hit::Number, column, -1, -1};
    const int y = pos.y() - rowsTop();
    if (y < 0 || y >= MatchCount * RowPitch)
        return {};
    const int match = y / RowPitch;
    const int slotX = x - column * ColumnPitch - (CellLeft - 1);
    if (slotX < 0 || slotX >= MarkCount * CellPitch)
        return {};
    return {Hit::Cell, column, ScreenMarkOrder[std::size_t(slotX / CellPitch)], match};
}

std::vector<QRect> MarkAreaLayout::changedCells(int column,
                                                const std::array<int, MatchCount>& shown,
                                                const std::array<int, MatchCount>& wanted) {
    std::vector<QRect> cells;
    for (int k = 0; k < MatchCount; ++k) {
        const int from = shown[std::size_t(k)];
        const int to = wanted[std::size_t(k)];
        if (from == to)
            continue;
        if (from >= 0)
            cells.push_back(cellRect(column, from, k));
        if (to >= 0)
            cells.push_back(cellRect(column, to, k));
    }
    return cells;
}
