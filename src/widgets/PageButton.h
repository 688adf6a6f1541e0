#pragma once

#include <QPushButton>

// A push button on a page of the main window. Outside a dialog Qt presses a focused button only
// with Space; this one takes Return and Enter too, as the buttons of a dialog do.
class PageButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
