#include "views/MarkAreaWidget.h"

#include "base/RuntimeError.h"
#include "drawdata/MarkGrid.h"
#include "widgets/FocusFrame.h"
#include "widgets/JapaneseFonts.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

const QColor TintedColumn(253, 214, 201);
const QColor PlainColumn(255, 255, 255);
const QColor LineColour(155, 205, 20);

} // namespace

MarkAreaWidget::MarkAreaWidget(QWidget* parent) : QWidget(parent) {
    for (ColumnMarks& marks : m_shown)
        marks.fill(NoMark);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(MarkAreaLayout::size());
}

QFont MarkAreaWidget::numberFont(const QString& number) {
    QFont font(JapaneseFonts::gothic());
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(12);
    // Seven digits and more are narrowed to the label rather than clipped.
    const qreal width = QFontMetricsF(font).horizontalAdvance(number);
    if (width > MarkAreaLayout::LabelWidth)
        font.setPointSizeF(12 * MarkAreaLayout::LabelWidth / width);
    return font;
}

void MarkAreaWidget::checkColumn(int column) const {
    if (column < 0 || column >= MarkAreaLayout::ColumnCount)
        throw RuntimeError::subscriptOutOfRange();
}

void MarkAreaWidget::setPicture(int mark, bool chosen, const QIcon& picture) {
    if (mark < 0 || mark > 2)
        throw RuntimeError::subscriptOutOfRange();
    m_pictures[std::size_t(mark)][chosen ? 1 : 0] = picture;
    m_renderedRatio = 0;
    update();
}

void MarkAreaWidget::setNumber(int column, int number, bool selected) {
    checkColumn(column);
    const auto c = std::size_t(column);
    const int shown = number > 0 ? number : 0;
    if (m_numbers[c] == shown && m_selected[c] == selected)
        return;
    m_numbers[c] = shown;
    m_selected[c] = selected;
    update(MarkAreaLayout::numberRect(column));
}

void MarkAreaWidget::setColumnMarks(int column, const ColumnMarks& marks) {
    checkColumn(column);
    for (const int mark : marks)
        if (mark < NoMark || mark > 2)
            throw RuntimeError::subscriptOutOfRange();
    ColumnMarks& shown = m_shown[std::size_t(column)];
    for (const QRect& cell : MarkAreaLayout::changedCells(column, shown, marks))
        update(cell);
    shown = marks;
}

void MarkAreaWidget::setFocusCell(int column, int match) {
    column = std::clamp(column, 0, MarkAreaLayout::ColumnCount - 1);
    match = std::clamp(match, 0, MatchCount - 1);
    if (column == m_focusColumn && match == m_focusMatch)
        return;
    if (hasFocus())
        update(MarkAreaLayout::focusRect(m_focusColumn, m_focusMatch));
    m_focusColumn = column;
    m_focusMatch = match;
    if (hasFocus())
        update(MarkAreaLayout::focusRect(m_focusColumn, m_focusMatch));
}

const QPixmap& MarkAreaWidget::pictureFor(int mark, bool chosen, qreal ratio) {
    if (ratio != m_renderedRatio) {
        // Rendered once per pixel ratio at the screen's own resolution, so they stay sharp.
        const QSize size(MarkAreaLayout::CellWidth, MarkAreaLayout::CellHeight);
        for (std::size_t m = 0; m < 3; ++m)
            for (std::size_t state = 0; state < 2; ++state)
                m_rendered[m][state] = m_pictures[m][state].pixmap(size, ratio);
        m_renderedRatio = ratio;
    }
    return m_rendered[std::size_t(mark)][chosen ? 1 : 0];
}

void MarkAreaWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, PlainColumn);
    for (int column = 0; column < MarkAreaLayout::ColumnCount; ++column) {
        const QRect box = MarkAreaLayout::columnBox(column);
        if (box.intersects(dirty) && MarkAreaLayout::isTinted(column))
            p.fillRect(box, TintedColumn);
    }
    for (const QRect& line : MarkAreaLayout::lineRects())
        if (line.intersects(dirty))
            p.fillRect(line, LineColour);

    for (int column = 0; column < MarkAreaLayout::ColumnCount; ++column) {
        const auto c = std::size_t(column);
        const QRect label = MarkAreaLayout::numberRect(column);
        if (m_numbers[c] == 0 || !label.intersects(dirty))
            continue;
        const QString number = QString::number(m_numbers[c]);
        p.fillRect(label, m_selected[c] ? Qt::black : Qt::white);
        p.setPen(m_selected[c] ? Qt::white : Qt::black);
        p.setFont(numberFont(number));
        p.drawText(label, Qt::AlignCenter, number);
    }

    const qreal ratio = devicePixelRatioF();
    for (int column = 0; column < MarkAreaLayout::ColumnCount; ++column) {
        if (!MarkAreaLayout::columnBox(column).intersects(dirty))
            continue;
        const ColumnMarks& shown = m_shown[std::size_t(column)];
        for (int match = 0; match < MatchCount; ++match) {
            for (const int mark : ScreenMarkOrder) {
                const QRect cell = MarkAreaLayout::cellRect(column, mark, match);
                if (cell.intersects(dirty))
                    p.drawPixmap(cell.topLeft(),
                                 pictureFor(mark, shown[std::size_t(match)] == mark, ratio));
            }
        }
    }

    if (hasFocus())
        FocusFrame::draw(p, MarkAreaLayout::focusRect(m_focusColumn, m_focusMatch), palette());
}

void MarkAreaWidget::mousePressEvent(QMouseEvent* event) {
    const MarkAreaLayout::Hit hit = MarkAreaLayout::hitTest(event->position().toPoint());
    if (hit.kind == MarkAreaLayout::Hit::Number) {
        setFocusCell(hit.column, m_focusMatch);
        Q_EMIT numberPressed(hit.column, event->button());
    } else if (hit.kind == MarkAreaLayout::Hit::Cell) {
        setFocusCell(hit.column, hit.match);
        Q_EMIT cellPressed(hit.column, hit.mark, hit.match, event->button());
    }
}

void MarkAreaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}

void MarkAreaWidget::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        setFocusCell(m_focusColumn - 1, m_focusMatch);
        break;
    case Qt::Key_Right:
        setFocusCell(m_focusColumn + 1, m_focusMatch);
        break;
    case Qt::Key_Up:
        setFocusCell(m_focusColumn, m_focusMatch - 1);
        break;
    case Qt::Key_Down:
        setFocusCell(m_focusColumn, m_focusMatch + 1);
        break;
    case Qt::Key_1:
    case Qt::Key_0:
    case Qt::Key_2:
        Q_EMIT cellPressed(m_focusColumn, event->key() - Qt::Key_0, m_focusMatch, Qt::NoButton);
        break;
    case Qt::Key_Space:
        Q_EMIT numberPressed(m_focusColumn, Qt::NoButton);
        break;
    case Qt::Key_PageUp:
        Q_EMIT keyCommand(KeyCommand::PreviousPage);
        break;
    case Qt::Key_PageDown:
        Q_EMIT keyCommand(KeyCommand::NextPage);
        break;
    case Qt::Key_Home:
        Q_EMIT keyCommand(KeyCommand::FirstPage);
        break;
    case Qt::Key_End:
        Q_EMIT keyCommand(KeyCommand::LastPage);
        break;
    case Qt::Key_Delete:
        Q_EMIT keyCommand(KeyCommand::Delete);
        break;
    case Qt::Key_Insert:
        Q_EMIT keyCommand(KeyCommand::Insert);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MarkAreaWidget::focusInEvent(QFocusEvent* event) {
    update(MarkAreaLayout::focusRect(m_focusColumn, m_focusMatch));
    QWidget::focusInEvent(event);
}

void MarkAreaWidget::focusOutEvent(QFocusEvent* event) {
    update(MarkAreaLayout::focusRect(m_focusColumn, m_focusMatch));
    QWidget::focusOutEvent(event);
}
