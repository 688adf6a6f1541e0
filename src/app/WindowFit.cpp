#include "app/WindowFit.h"

#include "app/WindowGeometry.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

void WindowFit::apply(QWidget* window, QSize content, int menuBarHeight) {
    auto* fit = new WindowFit(window, content, menuBarHeight);
    fit->fit();
    window->installEventFilter(fit);
}

QRect WindowFit::keepInside(QRect window, QRect workArea) {
    window.setWidth(std::min(window.width(), workArea.width()));
    window.setHeight(std::min(window.height(), workArea.height()));
    window.moveLeft(
        std::clamp(window.left(), workArea.left(), workArea.right() - window.width() + 1));
    window.moveTop(
        std::clamp(window.top(), workArea.top(), workArea.bottom() - window.height() + 1));
    return window;
}

void WindowFit::placeBeside(QWidget* window, const QWidget* owner, QSize size) {
    const QRect place =
        WindowGeometry::beside(owner->frameGeometry(), size, owner->screen()->availableGeometry());
    // The window's frame will be as wide as its owner's: the place is that of the frame.
    const QSize ownerBorder = owner->frameGeometry().size() - owner->geometry().size();
    window->resize(place.size() - ownerBorder);
    window->move(place.topLeft());
}

WindowFit::WindowFit(QWidget* window, QSize content, int menuBarHeight)
    : QObject(window), m_window(window), m_content(content), m_menuBarHeight(menuBarHeight) {}

QSize WindowFit::border() const {
    return m_window->frameGeometry().size() - m_window->geometry().size();
}

void WindowFit::fit() {
    // A native window knows its frame on window systems that tell it before showing.
    m_window->winId();
    const QScreen* screen = m_window->screen();
    m_borderUsed = border();
    const QSize frame = m_borderUsed + QSize(0, m_menuBarHeight);
    const QSize screenPixels = screen->size() * screen->devicePixelRatio();
    const QRect outer = keepInside(
        WindowGeometry::place(screenPixels, screen->availableGeometry(), m_content, frame),
        screen->availableGeometry());
    m_window->resize(outer.size() - m_borderUsed);
    // For a window, the position is that of its frame.
    m_window->move(outer.topLeft());
}

bool WindowFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                event->type() == QEvent::Show)) {
        const QSize now = border();
        if (now != m_borderUsed && !now.isEmpty()) {
            m_window->removeEventFilter(this);
            fit();
        }
    }
    return QObject::eventFilter(watched, event);
}
