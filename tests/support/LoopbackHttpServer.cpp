#include "support/LoopbackHttpServer.h"

#include <QHostAddress>
#include <QMutexLocker>
#include <QPointer>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <sys/socket.h>

namespace {

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

using Fault = LoopbackHttpServer::Fault;

// Writes body to the socket again and again while the client reads.
void sendForever(QTcpSocket* socket, const QByteArray& body) {
    QPointer<QTcpSocket> guarded(socket);
    socket->write(body);
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [guarded, body] {
        if (guarded && guarded->bytesToWrite() < body.size())
            guarded->write(body);
    });
}

void trickle(QPointer<QTcpSocket> socket, QByteArray rest, int intervalMs) {
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    socket->write(rest.left(1));
    QTimer::singleShot(intervalMs, socket,
                       [socket, rest, intervalMs] { trickle(socket, rest.mid(1), intervalMs); });
}

bool answerFault(QTcpSocket* socket, const QByteArray& target,
                 const LoopbackHttpServer::Route& route) {
    const QByteArray type = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=UTF-8\r\n";
    switch (route.fault) {
    case Fault::None:
        return false;
    case Fault::ShortBody:
        socket->write(type + "Content-Length: " + QByteArray::number(route.body.size() + 1000) +
                      "\r\nConnection: close\r\n\r\n" + route.body);
        socket->disconnectFromHost();
        return true;
    case Fault::ResetMidBody:
        socket->write(type + "Content-Length: " + QByteArray::number(route.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + route.body.left(route.body.size() / 2));
        socket->flush();
        socket->waitForBytesWritten(1000);
        {
            // A zero linger time makes the close a reset.
            const linger reset{1, 0};
            setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset,
                       sizeof reset);
        }
        socket->abort();
        return true;
    case Fault::Endless:
        socket->write(type + "Connection: close\r\n\r\n");
        sendForever(socket, route.body);
        return true;
    case Fault::HugeLength:
        socket->write(type + "Content-Length: 209715200\r\nConnection: close\r\n\r\n");
        sendForever(socket, route.body);
        return true;
    case Fault::Trickle:
        socket->write(type + "Content-Length: " + QByteArray::number(route.body.size()) +
                      "\r\nConnection: close\r\n\r\n");
        trickle(socket, route.body, route.trickleMs);
        return true;
    case Fault::RedirectLoop:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + target +
                      "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return true;
    case Fault::Silent:
        return true;
    }
    return false;
}

void answer(QTcpSocket* socket, const LoopbackHttpServer::Route& route) {
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(route.status) + ' ' + reasonPhrase(route.status) + "\r\n";
    if (!route.contentType.isEmpty())
        head += "Content-Type: " + route.contentType + "\r\n";
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    head += "Content-Length: " + QByteArray::number(route.body.size()) +
            "\r\nConnection: close\r\n\r\n";
    if (route.stallAfterBytes < 0) {
        socket->write(head + route.body);
        socket->disconnectFromHost();
        return;
    }
    socket->write(head + route.body.left(route.stallAfterBytes));
    const QByteArray rest = route.body.mid(route.stallAfterBytes);
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(route.stallMs, socket, [guarded, rest] {
        if (guarded && guarded->state() == QAbstractSocket::ConnectedState) {
            guarded->write(rest);
            guarded->disconnectFromHost();
        }
    });
}

} // namespace

class LoopbackHttpServer::Thread : public QThread {
public:
    explicit Thread(LoopbackHttpServer& owner) : m_owner(owner) {}

    quint16 port = 0;
    QSemaphore ready;

protected:
    void run() override {
        QTcpServer server;
        if (server.listen(QHostAddress::LocalHost, 0))
            port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                serve(socket);
        });
        ready.release();
        if (port != 0)
            exec();
    }

private:
    void serve(QTcpSocket* socket) {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            if (buffer->contains("\r\n\r\n"))
                return; // the request is being answered
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            Request request;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.method = first.value(0);
            request.target = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                           lines[i].mid(colon + 1).trimmed());
            }
            m_owner.record(request);
            const Route route = m_owner.routeFor(request.target);
            if (route.fault == Fault::Silent)
                return;
            if (route.fault != Fault::None) {
                answerFault(socket, request.target, route);
                return;
            }
            if (route.delayMs <= 0) {
                answer(socket, route);
                return;
            }
            QPointer<QTcpSocket> guarded(socket);
            QTimer::singleShot(route.delayMs, socket, [guarded, route] {
                if (guarded && guarded->state() == QAbstractSocket::ConnectedState)
                    answer(guarded, route);
            });
        });
    }

    LoopbackHttpServer& m_owner;
};

LoopbackHttpServer::LoopbackHttpServer() = default;

LoopbackHttpServer::~LoopbackHttpServer() {
    stop();
}

bool LoopbackHttpServer::start() {
    stop();
    // Clients must reach this server directly, whatever proxy the environment names.
    qputenv("no_proxy", "127.0.0.1,localhost");
    qputenv("NO_PROXY", "127.0.0.1,localhost");
    m_thread = new Thread(*this);
    m_thread->start();
    m_thread->ready.acquire();
    m_port = m_thread->port;
    if (m_port == 0) {
        stop();
        return false;
    }
    return true;
}

void LoopbackHttpServer::stop() {
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_port = 0;
}

QString LoopbackHttpServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:") + QString::number(m_port);
}

void LoopbackHttpServer::setRoute(const QString& path, int status, const QByteArray& body,
                                  int delayMs, qint64 stallAfterBytes, int stallMs) {
    const QMutexLocker lock(&m_mutex);
    m_routes.insert(path.toUtf8(), Route{status, body, delayMs, stallAfterBytes, stallMs});
}

void LoopbackHttpServer::setRoute(const QString& path, const Route& route) {
    const QMutexLocker lock(&m_mutex);
    m_routes.insert(path.toUtf8(), route);
}

void LoopbackHttpServer::clearRoutes() {
    const QMutexLocker lock(&m_mutex);
    m_routes.clear();
}

QList<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const {
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

void LoopbackHttpServer::clearRequests() {
    const QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

LoopbackHttpServer::Route LoopbackHttpServer::routeFor(const QByteArray& target) const {
    const QMutexLocker lock(&m_mutex);
    auto found = m_routes.constFind(target);
    if (const qsizetype query = target.indexOf('?'); found == m_routes.cend() && query >= 0)
        found = m_routes.constFind(target.left(query));
    if (found != m_routes.cend())
        return *found;
    return Route{404, QByteArrayLiteral("Not Found")};
}

void LoopbackHttpServer::record(const Request& request) {
    const QMutexLocker lock(&m_mutex);
    m_requests.append(request);
}
