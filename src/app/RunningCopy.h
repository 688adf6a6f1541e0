#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QLocalSocket;
class frmMain;

// One running copy of the program per user and program folder. A start first offers its command
// line to the copy already running under the same name; when one takes it, the start ends, and
// the running copy raises its window and opens the singles file the command line names. Copies
// of other folders (portable ones) have names of their own and stay apart. The socket is the
// user's alone, and a socket left behind by a copy that crashed is taken over.
class RunningCopy : public QObject {
    Q_OBJECT

public:
    // The socket name of this user's copies of `programFolder`.
    static QString nameFor(const QString& programFolder);

    explicit RunningCopy(const QString& name, QObject* parent = nullptr);

    // Hands `arguments` (the command line without the program) to the copy running under the
    // name and returns true: this start should end. Otherwise this copy becomes the running one
    // and false is returned; a copy that cannot listen runs alone.
    bool handOver(const QStringList& arguments);
    // From now on the command lines handed over, and `arguments` of this start, raise `window`
    // and open their file there, through the unsaved-list question, once the window is idle.
    void serve(frmMain& window, const QStringList& arguments);
    // The singles file a command line names: its first argument that is no option, absolute;
    // empty without one.
    static QString fileOf(const QStringList& arguments);

Q_SIGNALS:
    // A command line handed over by another start.
    void handedOver(const QStringList& arguments);

private:
    bool send(const QByteArray& message) const;
    void accept();
    void read(QLocalSocket* socket);
    void take(const QStringList& arguments);
    void openWhenIdle();

    QString m_name;
    QLocalServer m_server;
    QPointer<frmMain> m_window;
    // Command lines that came before the window, and the file still to open.
    QList<QStringList> m_waiting;
    QString m_toOpen;
    QTimer m_retry;
};
