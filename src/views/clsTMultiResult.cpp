#include "views/clsTMultiResult.h"

#include "results/ResultMarkEdit.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

namespace {

constexpr int HeaderRow = 1;
constexpr int FirstMatchRow = 2;

int matchOfRow(int row) {
    return row - FirstMatchRow;
}

} // namespace

clsTMultiResult::clsTMultiResult(QObject* parent)
    : QObject(parent), m_reporter(QStringLiteral("clsTMultiResult")) {}

void clsTMultiResult::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(QStringLiteral("grdMultiResult"));
    QFont font = m_grid->font();
    font.setPointSize(11);
    m_grid->setFont(font);
    m_grid->setFocusPolicy(Qt::StrongFocus);
    m_grid->setGridSize(3, 1 + MatchCount, lngWidth, lngHeight);
    m_grid->setRowHeight(HeaderRow, 20);
    m_grid->setRowBackColor(HeaderRow, QApplication::palette().color(QPalette::Button));
    for (int row = 3; row <= 9; row += 2)
        m_grid->setRowBackColor(row, QColor(255, 255, 224));
    for (int column = 1; column <= 3; ++column) {
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
        m_grid->setCaption(column, HeaderRow,
                           QString::number(ResultMarkEdit::markOfColumn(column)));
    }
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
    m_grid->installEventFilter(this);
    connect(m_grid, &CellGrid::cellClicked, this, &clsTMultiResult::onCellClicked);
    redraw(false);
}

void clsTMultiResult::setPopupMenu(QMenu* menu) {
    m_popup = menu;
}

void clsTMultiResult::Clear() {
    apply(ResultMarks{}, false);
}

void clsTMultiResult::SetValue(const ResultMarks& lngValue) {
    apply(lngValue, false);
}

ResultMarkVisible clsTMultiResult::GetVisible() const {
    ResultMarkVisible visible{};
    for (std::size_t m = 0; m < 3; ++m)
        for (std::size_t k = 0; k < std::size_t(MatchCount); ++k)
            visible[m][k] = m_marks[m][k] != 0;
    return visible;
}

void clsTMultiResult::SetPopup(int Index) {
    if (Index != 0 || m_clickedMatch < 0)
        return;
    apply(ResultMarkEdit::cancelled(m_marks, m_clickedMatch), true);
}

void clsTMultiResult::apply(const ResultMarks& marks, bool click) {
    m_marks = marks;
    redraw(click);
}

void clsTMultiResult::redraw(bool click) {
    if (!m_grid)
        return;
    for (int k = 0; k < MatchCount; ++k)
        for (int column = 1; column <= 3; ++column)
            m_grid->setCaption(
                column, FirstMatchRow + k,
                ResultMarkEdit::symbol(
                    m_marks[std::size_t(ResultMarkEdit::markOfColumn(column))][std::size_t(k)]));
    if (m_marks == m_announced)
        return;
    m_announced = m_marks;
    Q_EMIT Change(click);
}

void clsTMultiResult::onCellClicked(int column, int row, Qt::MouseButton button) {
    try {
        m_clickedMark = ResultMarkEdit::markOfColumn(column);
        m_clickedMatch = row >= FirstMatchRow ? matchOfRow(row) : -1;
        if (m_clickedMatch < 0)
            return;
        m_grid->setCurrentCell(column, row);
        if (button == Qt::LeftButton) {
            apply(ResultMarkEdit::clicked(m_marks, m_clickedMark, m_clickedMatch, m_result), true);
        } else if (button == Qt::RightButton && m_popup) {
            m_popup->popup(QCursor::pos());
        }
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("MouseDown"), e);
    }
}

bool clsTMultiResult::popupAtCurrentCell() {
    if (!m_popup)
        return false;
    if (m_popup->isVisible())
        return true;
    QPoint current = m_grid->currentCell();
    if (current.y() < FirstMatchRow)
        current = QPoint(1, FirstMatchRow);
    // The same as a right click on the cell, with the menu under the cell instead of at the
    // mouse pointer, which may be anywhere.
    m_clickedMark = ResultMarkEdit::markOfColumn(current.x());
    m_clickedMatch = matchOfRow(current.y());
    m_grid->setCurrentCell(current.x(), current.y());
    m_popup->popup(m_grid->mapToGlobal(m_grid->cellRect(current.x(), current.y()).bottomLeft()));
    return true;
}

bool clsTMultiResult::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid) {
        if (event->type() == QEvent::KeyPress)
            return onKey(*static_cast<QKeyEvent*>(event));
        // The menu key as the window system reports it.
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard)
            return popupAtCurrentCell();
    }
    return QObject::eventFilter(watched, event);
}

bool clsTMultiResult::onKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && event.modifiers() & Qt::ShiftModifier))
        return popupAtCurrentCell();
    if (m_grid->enterByArrow(key, 1, FirstMatchRow))
        return true;
    QPoint current = m_grid->currentCell();
    if (current.x() == 0)
        current = QPoint(1, FirstMatchRow);
    const int match = matchOfRow(current.y());
    const int mark = ResultMarkEdit::markOfColumn(current.x());
    switch (key) {
    case Qt::Key_Left:
        current.rx() = qMax(1, current.x() - 1);
        break;
    case Qt::Key_Right:
        current.rx() = qMin(3, current.x() + 1);
        break;
    case Qt::Key_Up:
        current.ry() = qMax(FirstMatchRow, current.y() - 1);
        break;
    case Qt::Key_Down:
        current.ry() = qMin(FirstMatchRow + MatchCount - 1, current.y() + 1);
        break;
    case Qt::Key_1:
    case Qt::Key_0:
    case Qt::Key_2: {
        const int typed = key - Qt::Key_0;
        m_clickedMark = typed;
        m_clickedMatch = match;
        current.rx() = ResultMarkEdit::columnOfMark(typed);
        apply(ResultMarkEdit::typed(m_marks, typed, match, m_result), true);
        break;
    }
    case Qt::Key_Space:
        m_clickedMark = mark;
        m_clickedMatch = match;
        apply(ResultMarkEdit::clicked(m_marks, mark, match, m_result), true);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        apply(ResultMarkEdit::cleared(m_marks, match), true);
        break;
    default:
        return false;
    }
    m_grid->setCurrentCell(current.x(), current.y());
    return true;
}
