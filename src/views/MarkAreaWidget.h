#pragma once

#include "singles/MarkAreaLayout.h"

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <array>

// The drawn mark area of the singles page: ten columns of a number label over nine rows of the
// marks 1, 0, 2, on striped columns with their lines. It repaints only what changes: a label,
// or the two cells of a match whose chosen mark moved. With the keyboard focus it shows a focus
// frame around the three marks of one match in one column; the arrow keys move it, and the keys
// a user would press on a mark sheet are reported as the clicks they stand for.
class MarkAreaWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int NoMark = -1;
    using ColumnMarks = std::array<int, MatchCount>;

    // Keys that act on the whole list rather than on one cell.
    enum class KeyCommand { PreviousPage, NextPage, FirstPage, LastPage, Delete, Insert };
    Q_ENUM(KeyCommand)

    explicit MarkAreaWidget(QWidget* parent = nullptr);

    // The face of a column's list number: the program's gothic at 12 points, smaller for a number
    // too wide for its label at that size.
    static QFont numberFont(const QString& number);

    // The picture of a mark (0..2), not chosen or chosen.
    void setPicture(int mark, bool chosen, const QIcon& picture);

    // The number label of a column; a number below 1 leaves the label empty.
    void setNumber(int column, int number, bool selected);
    int number(int column) const { return m_numbers[std::size_t(column)]; }
    bool isSelected(int column) const { return m_selected[std::size_t(column)]; }

    // The chosen mark of every match of a column (NoMark for none).
    void setColumnMarks(int column, const ColumnMarks& marks);
    const ColumnMarks& columnMarks(int column) const { return m_shown[std::size_t(column)]; }

    // Repaints everything, the background included.
    void redrawAll() { update(); }

    int focusColumn() const { return m_focusColumn; }
    int focusMatch() const { return m_focusMatch; }
    void setFocusCell(int column, int match);

    QSize sizeHint() const override { return MarkAreaLayout::size(); }

Q_SIGNALS:
    // A press on a number label; Space on the focused column reports Qt::NoButton.
    void numberPressed(int column, Qt::MouseButton button);
    // A press on a mark cell; the keys 1, 0 and 2 report the focused match with Qt::NoButton.
    void cellPressed(int column, int mark, int match, Qt::MouseButton button);
    void keyCommand(MarkAreaWidget::KeyCommand command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const QPixmap& pictureFor(int mark, bool chosen, qreal ratio);
    void checkColumn(int column) const;

    std::array<int, MarkAreaLayout::ColumnCount> m_numbers{};
    std::array<bool, MarkAreaLayout::ColumnCount> m_selected{};
    std::array<ColumnMarks, MarkAreaLayout::ColumnCount> m_shown;
    // [mark][chosen]
    std::array<std::array<QIcon, 2>, 3> m_pictures;
    std::array<std::array<QPixmap, 2>, 3> m_rendered;
    qreal m_renderedRatio = 0;
    int m_focusColumn = 0;
    int m_focusMatch = 0;
};
