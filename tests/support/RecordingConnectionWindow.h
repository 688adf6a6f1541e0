#pragma once

#include "web/ConnectionWindow.h"

#include <QStringList>
#include <functional>

// A connection window for tests: keeps the log as the window's list would show it and counts
// how often it was shown and unloaded and how often a transfer kept it alive; unloading keeps the
// log in lastLog. Installs itself on construction.
class RecordingConnectionWindow final : public ConnectionWindow {
public:
    RecordingConnectionWindow() { ConnectionWindow::install(this); }
    ~RecordingConnectionWindow() override { ConnectionWindow::install(nullptr); }

    void showFor(QObject* owner) override {
        ++shown;
        lastOwner = owner;
        visible = true;
    }
    void addItem(const QString& item) override { items.append(item); }
    void extendLastItem(const QString& text) override {
        ++extensions;
        if (!items.isEmpty())
            items.last() += text;
    }
    void unload(QObject*) override {
        ++unloaded;
        visible = false;
        lastLog = items;
        items.clear();
    }

    void transferRunning() override {
        ++keepAlives;
        if (onTransferRunning)
            onTransferRunning(*this);
    }
    bool stopRequested() const override { return stop; }
    void transferEnded() override {
        ++transfersEnded;
        stop = false;
    }

    QStringList items;   // the log while the window is loaded
    QStringList lastLog; // the log at the last unload
    int shown = 0;
    int unloaded = 0;
    bool visible = false;
    QObject* lastOwner = nullptr;
    int extensions = 0; // calls of extendLastItem
    int keepAlives = 0; // calls of transferRunning
    int transfersEnded = 0;
    bool stop = false; // the 中止 button was pressed
    // Runs at each transferRunning, e.g. to press 中止 after a while.
    std::function<void(RecordingConnectionWindow&)> onTransferRunning;
};
