#pragma once

#include "app/ControlTips.h"
#include "web/ConnectionWindow.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The connection window: a log of what the running download does, one line per step, and a
// "中止" button that stops it. Downloads block the event loop, so every change is painted at
// once; while a transfer runs the window lets the program's windows repaint and takes the
// user's input for itself alone: a click or a key meant for another window of the program, or a
// request to close one, is refused until the transfer ends.
class frmWinInet : public QDialog, public ConnectionWindow {
    Q_OBJECT

public:
    explicit frmWinInet(QWidget* parent = nullptr);

    void showFor(QObject* owner) override;
    void addItem(const QString& item) override;
    void extendLastItem(const QString& text) override;
    void unload(QObject* owner) override;
    void transferRunning() override;
    bool stopRequested() const override { return m_stopRequested; }
    void transferEnded() override;

    QListWidget* lstMsg() const { return m_list; }
    QPushButton* cmdStop() const { return m_stop; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Paints what changed without letting the user's input through.
    void paintNow();
    // The stop button with its tip: what it does, or why it is greyed.
    void enableStop(ControlTips::Stop state);

    QWidget* m_base;
    QListWidget* m_list;
    QLabel* m_earth;
    QPushButton* m_stop;
    bool m_transferring = false;
    bool m_stopRequested = false;
};
