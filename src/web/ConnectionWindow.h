#pragma once

#include <QString>

class QObject;

// The small window that logs what a download is doing. The program installs its window
// (frmWinInet) at start; tests install a recorder. Without one, downloads show nothing.
// Downloads block the user-interface thread, so an implementation repaints itself at once after
// every change instead of waiting for the event loop.
class ConnectionWindow {
public:
    virtual ~ConnectionWindow() = default;

    // Shows the window modeless in front of owner (a window of the program, or null); when the
    // owner is a topmost window the connection window is topmost too.
    virtual void showFor(QObject* owner) = 0;
    // Appends item to the log list and selects it, so that the list scrolls to it.
    virtual void addItem(const QString& item) = 0;
    // Replaces the last item by that item followed by text.
    virtual void extendLastItem(const QString& text) = 0;
    // Unloads the window, discarding its log, and repaints owner when it is not null.
    virtual void unload(QObject* owner) = 0;

    // The installed window, or null.
    static ConnectionWindow* current();
    // Does not take ownership; nullptr removes it.
    static void install(ConnectionWindow* window);
};
