#pragma once

#include <QObject>

// When a dialog or another window of the program closes, the window it belongs to gets the
// keyboard back. A window manager does this itself; without one (a bare X server, a kiosk) the
// keyboard would reach no window until the user clicks one.
class FocusReturn : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
