#pragma once

#include <QWidget>

class NumberBox;
class QToolButton;

// The up-down control beside a NumberBox: it sits against the box's right edge and steps the
// box's value by one within the box's range.
class SpinControl : public QWidget {
    Q_OBJECT

public:
    // Placed in the box's parent, right of the box.
    explicit SpinControl(NumberBox* box);

    void stepBy(int steps);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    NumberBox* m_box;
    QToolButton* m_up;
    QToolButton* m_down;
};
