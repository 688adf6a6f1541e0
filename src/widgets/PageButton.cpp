#include "widgets/PageButton.h"

#include <QKeyEvent>

void PageButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}
