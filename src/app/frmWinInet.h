#pragma once

#include "web/ConnectionWindow.h"

#include <QDialog>

class QLabel;
class QListWidget;

// The connection window: a log of what the running download does, one line per step. Downloads
// block the event loop, so every change is painted at once.
class frmWinInet : public QDialog, public ConnectionWindow {
    Q_OBJECT

public:
    explicit frmWinInet(QWidget* parent = nullptr);

    void showFor(QObject* owner) override;
    void addItem(const QString& item) override;
    void extendLastItem(const QString& text) override;
    void unload(QObject* owner) override;

    QListWidget* lstMsg() const { return m_list; }

private:
    // Paints what changed without letting the user's input through.
    void paintNow();

    QWidget* m_base;
    QListWidget* m_list;
    QLabel* m_earth;
};
