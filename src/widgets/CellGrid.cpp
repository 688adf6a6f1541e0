#include "widgets/CellGrid.h"

#include "base/RuntimeError.h"
#include "widgets/FocusFrame.h"
#include "widgets/PressKeys.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

CellGrid::CellGrid(QWidget* parent) : QWidget(parent) {}

void CellGrid::setGridSize(int columns, int rows, int columnWidth, int rowHeight) {
    if (columns < 0 || rows < 0 || columnWidth < 0 || rowHeight < 0)
        throw RuntimeError::invalidCall();
    m_columns = columns;
    m_rows = rows;
    m_widths.assign(static_cast<std::size_t>(columns), columnWidth);
    m_heights.assign(static_cast<std::size_t>(rows), rowHeight);
    m_cells.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), GridCell());
    m_current = QPoint(0, 0);
    updateGeometry();
    update();
}

int CellGrid::checkedColumn(int column) const {
    if (column < 1 || column > m_columns)
        throw RuntimeError::subscriptOutOfRange();
    return column - 1;
}

int CellGrid::checkedRow(int row) const {
    if (row < 1 || row > m_rows)
        throw RuntimeError::subscriptOutOfRange();
    return row - 1;
}

std::size_t CellGrid::indexOf(int column, int row) const {
    const auto c = static_cast<std::size_t>(checkedColumn(column));
    const auto r = static_cast<std::size_t>(checkedRow(row));
    return r * static_cast<std::size_t>(m_columns) + c;
}

GridCell& CellGrid::cellRef(int column, int row) {
    return m_cells[indexOf(column, row)];
}

const GridCell& CellGrid::cell(int column, int row) const {
    return m_cells[indexOf(column, row)];
}

void CellGrid::setColumnWidth(int column, int width) {
    if (width < 0)
        throw RuntimeError::invalidCall();
    m_widths[static_cast<std::size_t>(checkedColumn(column))] = width;
    updateGeometry();
    update();
}

int CellGrid::columnWidth(int column) const {
    return m_widths[static_cast<std::size_t>(checkedColumn(column))];
}

void CellGrid::setRowHeight(int row, int height) {
    if (height < 0)
        throw RuntimeError::invalidCall();
    m_heights[static_cast<std::size_t>(checkedRow(row))] = height;
    updateGeometry();
    update();
}

int CellGrid::rowHeight(int row) const {
    return m_heights[static_cast<std::size_t>(checkedRow(row))];
}

void CellGrid::setGridLineColor(const QColor& color) {
    m_lineColor = color;
    update();
}

void CellGrid::setCell(int column, int row, const GridCell& cell) {
    cellRef(column, row) = cell;
    update(cellRect(column, row));
}

void CellGrid::setCaption(int column, int row, const QString& caption) {
    cellRef(column, row).caption = caption;
    update(cellRect(column, row));
}

void CellGrid::setForeColor(int column, int row, const QColor& color) {
    cellRef(column, row).foreColor = color;
    update(cellRect(column, row));
}

void CellGrid::setBackColor(int column, int row, const QColor& color) {
    cellRef(column, row).backColor = color;
    update(cellRect(column, row));
}

void CellGrid::setAlignment(int column, int row, Qt::Alignment alignment) {
    cellRef(column, row).alignment = alignment;
    update(cellRect(column, row));
}

void CellGrid::setPicture(int column, int row, const QPixmap& picture) {
    cellRef(column, row).picture = picture;
    update(cellRect(column, row));
}

void CellGrid::setBackPicture(int column, int row, const QIcon& picture) {
    cellRef(column, row).backPicture = picture;
    update(cellRect(column, row));
}

void CellGrid::setToolTipText(int column, int row, const QString& text) {
    cellRef(column, row).toolTip = text;
}

void CellGrid::setPercent(int column, int row, double percent) {
    cellRef(column, row).percent = percent;
    update(cellRect(column, row));
}

void CellGrid::setRowBackColor(int row, const QColor& color) {
    for (int c = 1; c <= m_columns; ++c)
        cellRef(c, row).backColor = color;
    update();
}

void CellGrid::setColumnAlignment(int column, Qt::Alignment alignment) {
    for (int r = 1; r <= m_rows; ++r)
        cellRef(column, r).alignment = alignment;
    update();
}

QRect CellGrid::cellRect(int column, int row) const {
    const int c = checkedColumn(column);
    const int r = checkedRow(row);
    int x = 0;
    for (int i = 0; i < c; ++i)
        x += m_widths[static_cast<std::size_t>(i)];
    int y = 0;
    for (int i = 0; i < r; ++i)
        y += m_heights[static_cast<std::size_t>(i)];
    return QRect(x, y, m_widths[static_cast<std::size_t>(c)],
                 m_heights[static_cast<std::size_t>(r)]);
}

void CellGrid::setCurrentCell(int column, int row) {
    if (column != 0 || row != 0) {
        checkedColumn(column);
        checkedRow(row);
    }
    m_current = QPoint(column, row);
    update();
}

bool CellGrid::enterByArrow(int key, int column, int row) {
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (!arrow || m_current.x() != 0)
        return false;
    setCurrentCell(column, row);
    return true;
}

QPoint CellGrid::cellAt(const QPoint& pos) const {
    if (pos.x() < 0 || pos.y() < 0)
        return QPoint(0, 0);
    int column = 0;
    for (int x = 0, i = 0; i < m_columns; ++i) {
        x += m_widths[static_cast<std::size_t>(i)];
        if (pos.x() < x) {
            column = i + 1;
            break;
        }
    }
    int row = 0;
    for (int y = 0, i = 0; i < m_rows; ++i) {
        y += m_heights[static_cast<std::size_t>(i)];
        if (pos.y() < y) {
            row = i + 1;
            break;
        }
    }
    if (column == 0 || row == 0)
        return QPoint(0, 0);
    return QPoint(column, row);
}

QSize CellGrid::sizeHint() const {
    int w = 0;
    for (const int width : m_widths)
        w += width;
    int h = 0;
    for (const int height : m_heights)
        h += height;
    return QSize(w + 1, h + 1);
}

void CellGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (int r = 1; r <= m_rows; ++r) {
        for (int c = 1; c <= m_columns; ++c) {
            const QRect rect = cellRect(c, r);
            if (!rect.intersects(dirty))
                continue;
            const GridCell& item = cell(c, r);
            painter.fillRect(rect, item.backColor);
            if (item.percent >= 0.0) {
                const double share = std::min(item.percent, 100.0) / 100.0;
                QRect bar = rect.adjusted(2, 3, -2, -3);
                bar.setWidth(static_cast<int>(bar.width() * share));
                painter.fillRect(bar, item.barColor);
            }
            if (!item.backPicture.isNull())
                item.backPicture.paint(&painter, rect);
            const QRect inner = rect.adjusted(3, 1, -3, -1);
            if (!item.picture.isNull()) {
                const QSize size = item.picture.deviceIndependentSize().toSize();
                const QRect target = QStyle::alignedRect(layoutDirection(), Qt::AlignCenter,
                                                         size.boundedTo(inner.size()), inner);
                painter.drawPixmap(target, item.picture);
            }
            if (!item.caption.isEmpty()) {
                painter.setPen(item.foreColor);
                drawCaption(painter, inner, item);
            }
            painter.setPen(m_lineColor);
            painter.drawLine(rect.topRight(), rect.bottomRight());
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
    }
    painter.setPen(m_lineColor);
    const QSize all = sizeHint() - QSize(1, 1);
    painter.drawLine(0, 0, all.width(), 0);
    painter.drawLine(0, 0, 0, all.height());
    if (hasFocus()) {
        // Before a cell is chosen the whole grid is framed, so a grid reached by Tab shows at
        // once where the keys go.
        const QRect framed = m_current.x() > 0 ? cellRect(m_current.x(), m_current.y())
                                               : QRect(QPoint(0, 0), all + QSize(1, 1));
        FocusFrame::draw(painter, framed, palette());
    }
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void CellGrid::drawCaption(QPainter& painter, const QRect& inner, const GridCell& item) const {
    // A caption wider than its cell (a font wider than the one the sizes were made for) is
    // narrowed to fit rather than run into its neighbours or be cut off.
    const int needed = fontMetrics().horizontalAdvance(item.caption);
    if (needed <= inner.width() || inner.width() <= 0) {
        painter.drawText(inner, static_cast<int>(item.alignment), item.caption);
        return;
    }
    const qreal factor = qreal(inner.width()) / qreal(needed);
    painter.save();
    painter.translate(inner.left(), 0);
    painter.scale(factor, 1);
    const QRect wide(0, inner.top(), needed, inner.height());
    painter.drawText(wide, static_cast<int>(item.alignment), item.caption);
    painter.restore();
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint hit = cellAt(event->position().toPoint());
    if (hit.x() > 0) {
        Q_EMIT cellClicked(hit.x(), hit.y(), event->button());
        Q_EMIT cellPressed(hit.x(), hit.y(), event->button(), event->modifiers(),
                           event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    Q_EMIT activated();
    event->accept();
}

bool CellGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint hit = cellAt(help->pos());
        const QString cellTip = hit.x() > 0 ? cell(hit.x(), hit.y()).toolTip : QString();
        // A cell without a tip of its own shows the grid's.
        const QString tip = cellTip.isEmpty() ? toolTip() : cellTip;
        if (!tip.isEmpty())
            QToolTip::showText(help->globalPos(), tip, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
