#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Sizes and centres a main window on its screen: content plus frame, or the work area's width or
// height on a small screen. The frame of a window (title bar, borders and the menu bar, which is
// outside the content) is counted as the window system reports it; a window system that reports
// it only once the window is on screen gets the window fitted again then, once.
class WindowFit : public QObject {
    Q_OBJECT

public:
    // Fits `window` now and watches it for the real frame. Owned by the window.
    static void apply(QWidget* window, QSize content, int menuBarHeight);

    // A window never reaches outside the work area, not even when the content and frame are
    // larger than a screen whose size alone does not count as small (a high-dpi screen of 1280
    // device pixels with a scale factor of 2, a work area shortened by a panel).
    static QRect keepInside(QRect window, QRect workArea);

    // Places a second window whose frame is `size` beside `owner` on the owner's screen.
    static void placeBeside(QWidget* window, const QWidget* owner, QSize size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowFit(QWidget* window, QSize content, int menuBarHeight);
    void fit();
    QSize border() const;

    QWidget* m_window;
    QSize m_content;
    int m_menuBarHeight;
    QSize m_borderUsed;
};
