#include "results/ResultMarkEdit.h"

#include "base/RuntimeError.h"
#include "drawdata/MarkGrid.h"

namespace {

void checkCell(int mark, int match) {
    if (mark < 0 || mark > 2 || match < 0 || match >= MatchCount)
        throw RuntimeError::subscriptOutOfRange();
}

quint8 flagOfChoice(int mark, int match, const ResultData& result) {
    const bool official = result.Kaisaikai >= 1 && result.Matches[std::size_t(match)].Mark == mark;
    return official ? 1 : 2;
}

} // namespace

namespace ResultMarkEdit {

QString symbol(quint8 flag) {
    switch (flag) {
    case 1:
        return QStringLiteral("◎");
    case 2:
        return QStringLiteral("○");
    case 3:
        return QStringLiteral("－");
    default:
        return QString();
    }
}

int markOfColumn(int column) {
    if (column < 1 || column > MarkCount)
        throw RuntimeError::subscriptOutOfRange();
    return ScreenMarkOrder[std::size_t(column - 1)];
}

int columnOfMark(int mark) {
    if (mark < 0 || mark >= MarkCount)
        throw RuntimeError::subscriptOutOfRange();
    return int(screenPosition(mark)) + 1;
}

ResultMarks clicked(const ResultMarks& marks, int mark, int match, const ResultData& result) {
    checkCell(mark, match);
    const quint8 before = marks[std::size_t(mark)][std::size_t(match)];
    ResultMarks after = cleared(marks, match);
    if (before == 0)
        after[std::size_t(mark)][std::size_t(match)] = flagOfChoice(mark, match, result);
    return after;
}

ResultMarks cancelled(const ResultMarks& marks, int match) {
    checkCell(0, match);
    ResultMarks after = marks;
    for (auto& row : after)
        row[std::size_t(match)] = 3;
    return after;
}

ResultMarks cleared(const ResultMarks& marks, int match) {
    checkCell(0, match);
    ResultMarks after = marks;
    for (auto& row : after)
        row[std::size_t(match)] = 0;
    return after;
}

ResultMarks typed(const ResultMarks& marks, int mark, int match, const ResultData& result) {
    checkCell(mark, match);
    ResultMarks after = cleared(marks, match);
    after[std::size_t(mark)][std::size_t(match)] = flagOfChoice(mark, match, result);
    // A mark already shown keeps its flag: typing 1 on "◎" must not turn it into "○".
    if (marks[std::size_t(mark)][std::size_t(match)] != 0 &&
        marks[std::size_t(mark)][std::size_t(match)] != 3)
        after[std::size_t(mark)][std::size_t(match)] = marks[std::size_t(mark)][std::size_t(match)];
    return after;
}

} // namespace ResultMarkEdit
