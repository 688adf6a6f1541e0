#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

// An HTTP server for tests on 127.0.0.1 with a free port. It runs in a thread of its own, so a
// blocking download in the test's thread can talk to it. Each registered path (with or without
// its query) answers with a fixed status and body after an optional delay; any other path gets
// 404 with the body "Not Found". Every connection is closed after its answer.
class LoopbackHttpServer {
public:
    struct Request {
        QByteArray method;
        QByteArray target;                     // path and query as sent
        QHash<QByteArray, QByteArray> headers; // names in lower case
    };

    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // Starts listening; false when no port could be had.
    bool start();
    void stop();

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:port", without a trailing "/".
    QString baseUrl() const;

    // delayMs before the answer starts. With stallAfterBytes >= 0 the answer sends the headers
    // and that many body bytes, then waits stallMs before the rest.
    void setRoute(const QString& path, int status, const QByteArray& body, int delayMs = 0,
                  qint64 stallAfterBytes = -1, int stallMs = 0);
    void clearRoutes();

    QList<Request> requests() const;
    void clearRequests();

    // How a route misbehaves.
    enum class Fault {
        None,
        ShortBody,    // announces the body's length plus 1,000 bytes, sends the body, closes
        ResetMidBody, // sends half the body, then resets the connection
        Endless,      // sends the body again and again, without a length, until the client goes
        Trickle,      // sends the body one byte every trickleMs
        RedirectLoop, // answers 302 with a Location back to the same path
        Silent,       // accepts the connection and never answers (a TLS handshake stalls too)
        HugeLength,   // announces 200 MB and sends the body in a loop until the client goes
    };

    struct Route {
        int status = 200;
        QByteArray body;
        int delayMs = 0;
        qint64 stallAfterBytes = -1;
        int stallMs = 0;
        Fault fault = Fault::None;
        int trickleMs = 0;
        // The Content-Type header of an answer without fault; none is sent when it is "".
        QByteArray contentType = "text/html; charset=UTF-8";
        // The Location header of an answer without fault (a redirect); none when it is "".
        QByteArray location = {};
    };
    void setRoute(const QString& path, const Route& route);

private:
    Route routeFor(const QByteArray& target) const;
    void record(const Request& request);

    class Thread;
    Thread* m_thread = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QByteArray, Route> m_routes;
    QList<Request> m_requests;
};
