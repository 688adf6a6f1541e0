#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class ConnectionWindow;

// One transfer to ask for: the address, the proxy ("" for the system's settings), the limits in
// milliseconds (0 for none) and the connection window kept alive while it runs (or none).
struct TransferRequest {
    QString url;
    QString proxy;
    qint32 connectTimeoutMs = 0;
    qint32 receiveTimeoutMs = 0;
    qint32 timeLimitMs = 0;
    ConnectionWindow* window = nullptr;
};

// The connection log as a transfer writes it: a new line, or more text at the end of the last.
struct TransferLog {
    std::function<void(const QString&)> addLine;
    std::function<void(const QString&)> extendLine;
};

// What one transfer brought.
struct TransferResult {
    QByteArray body;
    QString contentType; // the answer's Content-Type, "" for none
    qint32 status = 0;   // the HTTP status, 0 when no answer came
    bool opened = false; // the answer began: the page was opened
    bool clean = false;  // the transfer ended cleanly (whole, in time, not stopped)
};

// "Fetch this address": the one seam between the program and the network. The program uses
// the libcurl transfer; tests and fuzz targets install stand-ins, as they do a Platform.
class Transport {
public:
    virtual ~Transport() = default;

    // True when the network layer could be set up.
    virtual bool available() const = 0;
    // Runs one transfer, writing its progress to log.
    virtual TransferResult fetch(const TransferRequest& request, const TransferLog& log) = 0;

    // The installed transport, else the libcurl one.
    static Transport& current();
    // Installs transport (not owned; nullptr restores the libcurl transfer).
    static void install(Transport* transport);
};
