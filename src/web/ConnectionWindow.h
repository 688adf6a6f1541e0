#pragma once

#include <QString>

class QObject;

// The small window that logs what a download is doing. The program installs its window
// (frmWinInet) at start; tests install a recorder. Without one, downloads show nothing.
// Downloads block the user-interface thread, so an implementation repaints itself at once after
// every change instead of waiting for the event loop, and a running transfer calls
// transferRunning() at least every 100 ms, even while no data arrives.
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

    // Called again and again while a transfer runs: repaints the program's windows and lets
    // the user ask for a stop (中止), while other input does not reach the program.
    virtual void transferRunning() = 0;
    // True when the user asked to stop the running transfer.
    virtual bool stopRequested() const = 0;
    // The transfer has ended; the next one starts without a stop request.
    virtual void transferEnded() = 0;

    // The installed window, or null.
    static ConnectionWindow* current();
    // Does not take ownership; nullptr removes it.
    static void install(ConnectionWindow* window);
};
