#include "app/FocusReturn.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        const auto* closing = static_cast<QWidget*>(watched);
        QWidget* owner = closing->isWindow() ? closing->parentWidget() : nullptr;
        if (owner != nullptr &&
            (closing->windowType() == Qt::Dialog || closing->windowType() == Qt::Window)) {
            // Once the closing has settled: a window manager may already have activated a
            // window, and then nothing is done.
            QTimer::singleShot(0, owner, [window = QPointer<QWidget>(owner->window())] {
                if (window != nullptr && window->isVisible() &&
                    QApplication::activeWindow() == nullptr)
                    window->activateWindow();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
