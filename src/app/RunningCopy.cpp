#include "app/RunningCopy.h"

#include "app/frmMain.h"
#include "singles/SingleList.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QtEndian>

namespace {

// A command line travels as its arguments in UTF-8, each ended by a zero byte, behind the length
// of all of them (four bytes, big-endian). A longer message is no command line of ours.
constexpr qsizetype LengthBytes = 4;
constexpr quint32 LongestMessage = 64 * 1024;

constexpr int ConnectMs = 1000;
// How long a start waits for the running copy to read its command line; the copy keeps it even
// when it is too busy to read it in time.
constexpr int DeliverMs = 3000;
// How often a file waiting to be opened looks whether the window has become idle.
constexpr int RetryMs = 250;

bool isOption(const QString& argument) {
    return argument.startsWith(u'-');
}

// A path made absolute (the running copy works in a folder of its own); an option as it is.
QString absolute(const QString& argument) {
    return argument.isEmpty() || isOption(argument) ? argument
                                                    : QFileInfo(argument).absoluteFilePath();
}

QByteArray encode(const QStringList& arguments) {
    QByteArray body;
    for (const QString& argument : arguments)
        body += argument.toUtf8() + '\0';
    QByteArray message(LengthBytes, '\0');
    qToBigEndian(quint32(body.size()), message.data());
    return message + body;
}

QStringList decode(const QByteArray& body) {
    QStringList arguments;
    for (const QByteArray& argument : body.split('\0'))
        arguments.append(QString::fromUtf8(argument));
    arguments.removeLast(); // after the last zero byte
    return arguments;
}

// No command, question or transfer of the window is under way: a message box, a dialog, a menu,
// a wait cursor (a load, a save or a download) or a busy list.
bool idle(const frmMain& window) {
    return QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr &&
           QApplication::overrideCursor() == nullptr && !window.singleList().isBusy();
}

} // namespace

QString RunningCopy::nameFor(const QString& programFolder) {
    const QString canonical = QFileInfo(programFolder).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? QDir::cleanPath(programFolder) : canonical;
    const QString user = qEnvironmentVariable("USER", QDir::homePath());
    const QByteArray hash =
        QCryptographicHash::hash((user + u'\n' + folder).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("kelvor-mini-") + QString::fromLatin1(hash.toHex().left(32));
}

RunningCopy::RunningCopy(const QString& name, QObject* parent) : QObject(parent), m_name(name) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &RunningCopy::accept);
    connect(this, &RunningCopy::handedOver, this, &RunningCopy::take);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &RunningCopy::openWhenIdle);
}

QString RunningCopy::fileOf(const QStringList& arguments) {
    for (const QString& argument : arguments)
        if (!argument.isEmpty() && !isOption(argument))
            return absolute(argument);
    return QString();
}

bool RunningCopy::handOver(const QStringList& arguments) {
    QStringList absolutePaths;
    for (const QString& argument : arguments)
        absolutePaths.append(absolute(argument));
    const QByteArray message = encode(absolutePaths);
    if (send(message))
        return true;
    if (m_server.listen(m_name))
        return false;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // The name is taken and no copy answered: either one that started at this moment has just
    // taken it (asked again), or a copy that crashed left its socket behind.
    if (send(message))
        return true;
    QLocalServer::removeServer(m_name);
    m_server.listen(m_name);
    return false;
}

bool RunningCopy::send(const QByteArray& message) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectMs))
        return false;
    socket.write(message);
    if (!socket.waitForBytesWritten(DeliverMs))
        return false;
    // The running copy closes once it has the whole message.
    if (socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(DeliverMs);
    return true;
}

void RunningCopy::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        read(socket);
    }
}

void RunningCopy::read(QLocalSocket* socket) {
    if (socket->bytesAvailable() < LengthBytes)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket->peek(LengthBytes).constData());
    if (length > LongestMessage) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < LengthBytes + qsizetype(length))
        return;
    socket->skip(LengthBytes);
    const QStringList arguments = decode(socket->read(length));
    socket->disconnectFromServer();
    Q_EMIT handedOver(arguments);
}

void RunningCopy::serve(frmMain& window, const QStringList& arguments) {
    m_window = &window;
    take(arguments);
    for (const QStringList& waiting : std::exchange(m_waiting, {}))
        take(waiting);
}

void RunningCopy::take(const QStringList& arguments) {
    if (m_window == nullptr) {
        m_waiting.append(arguments);
        return;
    }
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    const QString file = fileOf(arguments);
    if (file.isEmpty())
        return;
    m_toOpen = file;
    openWhenIdle();
}

void RunningCopy::openWhenIdle() {
    if (m_window == nullptr || m_toOpen.isEmpty())
        return;
    // Never in the middle of what the window is doing: a question or a transfer would run on
    // under a list that changed beneath it.
    if (!idle(*m_window)) {
        m_retry.start();
        return;
    }
    m_window->openList(std::exchange(m_toOpen, QString()));
}
