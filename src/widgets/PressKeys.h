#pragma once

#include <Qt>

// The keys that press a painted control that has the focus, as Space presses a push button:
// Space, Return and Enter.
inline bool isPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
