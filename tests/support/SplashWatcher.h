#pragma once

#include <QApplication>
#include <QEvent>
#include <QRect>
#include <QWidget>

// Notes where the splash window (frmLoad) stands when it is shown, for tests that start the
// program; the splash itself is gone once the start procedure returns.
class SplashWatcher : public QObject {
public:
    SplashWatcher() { qApp->installEventFilter(this); }
    ~SplashWatcher() override { qApp->removeEventFilter(this); }
    SplashWatcher(const SplashWatcher&) = delete;
    SplashWatcher& operator=(const SplashWatcher&) = delete;

    // The splash's frame when it was last shown; null before.
    QRect shownAt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("frmLoad"))
            shownAt = static_cast<QWidget*>(watched)->frameGeometry();
        return QObject::eventFilter(watched, event);
    }
};
