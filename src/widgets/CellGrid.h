#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

// One cell of a CellGrid: everything a page shows in a cell, readable without pixels.
struct GridCell {
    QString caption;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QPixmap picture;
    // Drawn at the screen's resolution over the background, filling the cell, under the
    // caption and the grid lines.
    QIcon backPicture;
    QString toolTip;
    // Share of the cell's width covered by a bar, 0..100; below 0 no bar is drawn.
    double percent = -1.0;
    QColor barColor = QColor(255, 153, 0);
};

// A painted grid of cells with fixed column widths and row heights. Columns and rows are
// numbered from 1, as the pages describe them ("column 1 holds the row captions"). Any access
// outside the grid throws RuntimeError::subscriptOutOfRange().
class QPainter;

class CellGrid : public QWidget {
    Q_OBJECT

public:
    explicit CellGrid(QWidget* parent = nullptr);

    // Resets every cell. Sizes are in design pixels (96 dpi).
    void setGridSize(int columns, int rows, int columnWidth, int rowHeight);
    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }

    void setColumnWidth(int column, int width);
    int columnWidth(int column) const;
    void setRowHeight(int row, int height);
    int rowHeight(int row) const;
    void setGridLineColor(const QColor& color);

    const GridCell& cell(int column, int row) const;
    void setCell(int column, int row, const GridCell& cell);
    void setCaption(int column, int row, const QString& caption);
    void setForeColor(int column, int row, const QColor& color);
    void setBackColor(int column, int row, const QColor& color);
    void setAlignment(int column, int row, Qt::Alignment alignment);
    void setPicture(int column, int row, const QPixmap& picture);
    void setBackPicture(int column, int row, const QIcon& picture);
    void setToolTipText(int column, int row, const QString& text);
    void setPercent(int column, int row, double percent);

    // Whole rows or columns at once, for header bands and stripes.
    void setRowBackColor(int row, const QColor& color);
    void setColumnAlignment(int column, Qt::Alignment alignment);

    // The cell under a point in widget coordinates; {0, 0} when none.
    QPoint cellAt(const QPoint& pos) const;
    QRect cellRect(int column, int row) const;

    // The cell that the keyboard works on, framed while the grid has the focus; {0, 0} for none
    // (the grid then frames itself while it has the focus).
    void setCurrentCell(int column, int row);
    QPoint currentCell() const { return m_current; }
    // An arrow key on a grid without a current cell makes (column, row) current rather than
    // moving away from it, so that the first Down lands on the first row; returns whether it did.
    bool enterByArrow(int key, int column, int row);

    QSize sizeHint() const override;

Q_SIGNALS:
    void cellClicked(int column, int row, Qt::MouseButton button);
    // The same press with everything the mouse event carries, pos in widget coordinates.
    void cellPressed(int column, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                     const QPoint& pos);
    // Space or Return on a grid that has the focus: the keyboard's click on a grid that acts as
    // a whole.
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void drawCaption(QPainter& painter, const QRect& inner, const GridCell& item) const;
    std::size_t indexOf(int column, int row) const;
    GridCell& cellRef(int column, int row);
    int checkedColumn(int column) const;
    int checkedRow(int row) const;

    int m_columns = 0;
    int m_rows = 0;
    std::vector<int> m_widths;
    std::vector<int> m_heights;
    std::vector<GridCell> m_cells;
    QColor m_lineColor = QColor(192, 192, 192);
    QPoint m_current;
};
