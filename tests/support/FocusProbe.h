#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <utility>

// How a keyboard user meets a control: whether Tab reaches it, and whether it looks different
// while it has the focus.
namespace FocusProbe {

// Shows the window of `widget` and makes it the active one, so that it takes the focus.
inline bool activate(QWidget* widget) {
    QWidget* window = widget->window();
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses Tab from the focused control until `target` has the focus or the chain comes round.
inline bool reachedByTab(QWidget* target) {
    if (!activate(target))
        return false;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr) {
        target->window()->setFocus(Qt::TabFocusReason);
        start = target->window();
    }
    for (int step = 0; step < 200; ++step) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : target->window(), Qt::Key_Tab);
        if (target->hasFocus())
            return true;
        if (QApplication::focusWidget() == start)
            return false;
    }
    return false;
}

// The widget's picture without the focus and with it (given as Tab gives it).
inline std::pair<QImage, QImage> withoutAndWithFocus(QWidget* widget) {
    activate(widget);
    widget->clearFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    const QImage with = widget->grab().toImage();
    return {without, with};
}

} // namespace FocusProbe
