#pragma once

#include "singles/CountCells.h"
#include "singles/clsTSingleFrame.h"
#include "widgets/CellGrid.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// The counts panel: for each of the nine matches how many singles carry marks 1, 0 and 2, as
// counts or as shares of the match's row in percent. A click on a match row switches between
// the two, as do Space and Return. Data given before Initialize is kept and shown once the grid
// exists.
class clsTCount : public QObject {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 3;
    static constexpr int RowCount = 10;
    static constexpr int HeaderHeight = 20;

    explicit clsTCount(QObject* parent = nullptr);

    // Builds the grid inside objPictureBox with the given column width and row height (design
    // pixels) and sizes the host to the grid.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);

    // Copies the counts ([mark][match index]) and redraws.
    void SetValue(const SingleFrame& lngValue);
    // Copies the show-zero flags; shown at the next redraw.
    void SetVisible(const CountFlags& blnValue);
    // Copies the highlight flags (blue text); shown at the next redraw.
    void SetColor(const CountFlags& blnValue);
    // All counts 0, flags kept; redraws.
    void Clear();
    // Redraws from the held data.
    void Refresh();

    bool Percent() const { return m_percent; }
    // Redraws.
    void setPercent(bool blnValue);

    // The host picture box's visibility (not the show-zero flags of SetVisible).
    bool Visible() const;
    void setVisible(bool blnValue);

    const SingleFrame& Value() const { return m_value; }
    CellGrid* grid() const { return m_grid; }

Q_SIGNALS:
    // After a click on a match row has switched the panel, with the press as received.
    void Click(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int x, int y);

private:
    void onCellPressed(int column, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                       const QPoint& pos);

    SingleFrame m_value{};
    CountFlags m_showZero{};
    CountFlags m_highlight{};
    bool m_percent = false;
    QPointer<QWidget> m_host;
    QPointer<CellGrid> m_grid;
};
