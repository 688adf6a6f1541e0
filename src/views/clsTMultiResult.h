#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/MarkGrid.h"
#include "drawdata/ResultData.h"
#include "results/clsTResultCheck.h"

#include <QObject>
#include <QPointer>

class CellGrid;
class QKeyEvent;
class QMenu;

// Flags per mark and match that are not zero ([mark][match index]).
using ResultMarkVisible = MarkGrid<bool>;

// The result-mark table of the check page: one row per match with the marks 1, 0 and 2, showing
// which marks count as the match's result ("◎" official, "○" set by the user, "－" cancelled).
// A left click marks an empty cell or clears the match, a right click offers "中止" through
// the window's pop-up menu, as do the menu key and Shift+F10 for the current cell; the arrow keys
// move between the cells, 1 / 0 / 2 set the match's result and Delete clears it. Every change is
// announced once by Change.
class clsTMultiResult : public QObject {
    Q_OBJECT

public:
    explicit clsTMultiResult(QObject* parent = nullptr);

    // Builds the grid in the host (cells lngWidth x lngHeight design pixels) and sizes the host.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    // The pop-up menu shown for a right click; its first item's choice comes back as SetPopup(0).
    void setPopupMenu(QMenu* menu);

    void Clear();
    ResultMarks GetValue() const { return m_marks; }
    void SetValue(const ResultMarks& lngValue);
    ResultMarkVisible GetVisible() const;
    // The pop-up menu's choice for the cell clicked last: 0 "中止" cancels its match.
    void SetPopup(int Index);
    void SetResultData(const ResultData& result) { m_result = result; }

    CellGrid* grid() const { return m_grid; }
    // The cell clicked last: mark and match index; -1 before any click.
    int clickedMark() const { return m_clickedMark; }
    int clickedMatch() const { return m_clickedMatch; }

Q_SIGNALS:
    void Change(bool click);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCellClicked(int column, int row, Qt::MouseButton button);
    bool onKey(const QKeyEvent& event);
    // The pop-up menu for the current cell (the first match's when there is none), under it.
    bool popupAtCurrentCell();
    // Writes the symbols, then announces the table when it differs from the one announced last.
    void redraw(bool click);
    void apply(const ResultMarks& marks, bool click);

    CellGrid* m_grid = nullptr;
    QPointer<QMenu> m_popup;
    ResultMarks m_marks{};
    ResultMarks m_announced{};
    ResultData m_result;
    int m_clickedMark = -1;
    int m_clickedMatch = -1;
    ErrorReporter m_reporter;
};
