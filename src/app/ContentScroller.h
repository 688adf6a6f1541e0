#pragma once

#include <QScrollArea>

// The main window's scroll area around its content panel (the form scroller). The panel keeps
// its minimum size, so a window smaller than the content scrolls; but where the window is as
// wide as the content and only the vertical scroll bar takes the width (a screen lower than the
// content), the panel gives that width up and no horizontal bar appears, as long as every control
// on its pages still fits beside the bar.
class ContentScroller : public QScrollArea {
    Q_OBJECT

public:
    explicit ContentScroller(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitWidth();

    // Taken when the panel is first fitted: its own minimum, and the right edge of its rightmost
    // control (the controls keep their design places).
    QSize m_minimum;
    int m_controlsWidth = 0;
};
