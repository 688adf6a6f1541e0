#include "views/clsTCount.h"

#include "drawdata/MarkGrid.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

namespace {

// Screen order of the marks: home win, other, away win.

const QColor OddRow(255, 255, 255);
const QColor EvenRow(255, 255, 224);
const QColor Highlight(0, 0, 255);
const QColor NormalText(0, 0, 0);

} // namespace

clsTCount::clsTCount(QObject* parent) : QObject(parent) {}

void clsTCount::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_host = objPictureBox;
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(objPictureBox->objectName() + QStringLiteral("Grid"));
    // The cells are padded with blanks, so the digits line up only in a fixed-pitch font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    m_grid->setFont(font);
    m_grid->setGridSize(ColumnCount, RowCount, lngWidth, lngHeight);
    m_grid->setRowHeight(1, HeaderHeight);
    m_grid->setRowBackColor(1, QApplication::palette().color(QPalette::Button));
    for (int column = 1; column <= ColumnCount; ++column) {
        m_grid->setColumnAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setCaption(column, 1, QString::number(ScreenMarkOrder[std::size_t(column - 1)]));
        m_grid->setAlignment(column, 1, Qt::AlignCenter);
    }
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
    connect(m_grid, &CellGrid::cellPressed, this, &clsTCount::onCellPressed);
    // Space or Return works as a click on a match row.
    m_grid->setFocusPolicy(Qt::TabFocus);
    connect(m_grid, &CellGrid::activated, this,
            [this] { onCellPressed(1, 2, Qt::NoButton, Qt::NoModifier, QPoint()); });
    Refresh();
}

void clsTCount::SetValue(const SingleFrame& lngValue) {
    m_value = lngValue;
    Refresh();
}

void clsTCount::SetVisible(const CountFlags& blnValue) {
    m_showZero = blnValue;
}

void clsTCount::SetColor(const CountFlags& blnValue) {
    m_highlight = blnValue;
}

void clsTCount::Clear() {
    m_value = SingleFrame{};
    Refresh();
}

void clsTCount::setPercent(bool blnValue) {
    m_percent = blnValue;
    Refresh();
}

void clsTCount::Refresh() {
    if (!m_grid)
        return;
    for (std::size_t k = 0; k < 9; ++k) {
        const int row = int(k) + 2;
        // Matches 1, 3, 5, ... are white, the others light yellow.
        m_grid->setRowBackColor(row, k % 2 == 0 ? OddRow : EvenRow);
        const qint64 total = qint64(m_value[0][k]) + m_value[1][k] + m_value[2][k];
        for (int column = 1; column <= ColumnCount; ++column) {
            const auto mark = std::size_t(ScreenMarkOrder[std::size_t(column - 1)]);
            m_grid->setCaption(
                column, row,
                CountCells::text(m_value[mark][k], total, m_showZero[mark][k], m_percent));
            m_grid->setForeColor(column, row, m_highlight[mark][k] ? Highlight : NormalText);
        }
    }
}

bool clsTCount::Visible() const {
    return m_host && !m_host->isHidden();
}

void clsTCount::setVisible(bool blnValue) {
    if (m_host)
        m_host->setVisible(blnValue);
}

void clsTCount::onCellPressed(int /*column*/, int row, Qt::MouseButton button,
                              Qt::KeyboardModifiers modifiers, const QPoint& pos) {
    if (row < 2)
        return;
    setPercent(!m_percent);
    Q_EMIT Click(button, modifiers, pos.x(), pos.y());
}
