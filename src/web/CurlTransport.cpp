#include "web/CurlTransport.h"

#include "base/RuntimeError.h"
#include "web/ConnectionWindow.h"
#include "web/clsWinInet.h"

#include <curl/curl.h>

#include <QElapsedTimer>
#include <memory>

namespace {

constexpr qint32 ReadBlockBytes = clsWinInet::ReadBlockBytes;
// The connection window is kept alive this often while a transfer waits for data.
constexpr int KeepAliveMs = 50;
// The dots of the blocks received are added to the log at most this often: every addition lays
// out and paints the whole, ever longer line, which for a page of megabytes would take longer
// than its transfer.
constexpr qint64 LogIntervalMs = 100;

bool curlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

struct CurlEasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CurlListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct CurlMultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

// One transfer's state, shared with the libcurl callbacks.
struct Transfer {
    const TransferLog* log = nullptr;
    QByteArray body;
    bool receiving = false; // the response has begun: the page is open
    bool tooLarge = false;
    qint64 blocksLogged = 0; // one "." per block of 1,024 bytes, as the reads of a page go
    QElapsedTimer sinceLogged;
    qint32 receiveTimeout = 0;
    QElapsedTimer sinceLastData;

    void startReceiving() {
        if (!receiving) {
            receiving = true;
            log->addLine(QStringLiteral("受信中 "));
        }
    }

    // Adds the dots of the blocks received since the last time, unless that was less than
    // LogIntervalMs ago; all of them when finishing.
    void logBlocks(bool finishing) {
        const qint64 fullBlocks = body.size() / ReadBlockBytes;
        if (fullBlocks <= blocksLogged ||
            (!finishing && sinceLogged.isValid() && sinceLogged.elapsed() < LogIntervalMs))
            return;
        log->extendLine(QString(fullBlocks - blocksLogged, u'.'));
        blocksLogged = fullBlocks;
        sinceLogged.start();
    }
};

size_t onHeader(char*, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    transfer->sinceLastData.restart();
    return size * count;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    transfer->sinceLastData.restart();
    transfer->startReceiving();
    if (bytes > size_t(clsWinInet::MaxBodyBytes - transfer->body.size())) {
        transfer->tooLarge = true;
        return 0; // ends the transfer with a write error
    }
    transfer->body.append(data, qsizetype(bytes));
    transfer->logBlocks(false);
    return bytes;
}

// Runs the transfer on a multi handle of its own, so that the connection window is kept alive
// every KeepAliveMs even while nothing arrives, and ends it early for a stop request, the
// receive timeout or the overall time limit. True when the transfer ended cleanly.
bool runTransfer(CURL* curl, Transfer& transfer, ConnectionWindow* window, qint32 timeLimitMs) {
    const std::unique_ptr<CURLM, CurlMultiDeleter> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), curl) != CURLM_OK)
        return false;
    QElapsedTimer sinceStart;
    sinceStart.start();
    transfer.sinceLastData.start();
    bool clean = false;
    int running = 1;
    while (true) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK)
            break;
        if (running == 0) {
            int queued = 0;
            while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
                if (message->msg == CURLMSG_DONE && message->easy_handle == curl)
                    clean = message->data.result == CURLE_OK;
            }
            break;
        }
        if ((transfer.receiveTimeout > 0 &&
             transfer.sinceLastData.elapsed() > transfer.receiveTimeout) ||
            sinceStart.elapsed() > timeLimitMs)
            break;
        if (window) {
            window->transferRunning();
            if (window->stopRequested())
                break;
        }
        if (curl_multi_poll(multi.get(), nullptr, 0, KeepAliveMs, nullptr) != CURLM_OK)
            break;
    }
    curl_multi_remove_handle(multi.get(), curl);
    transfer.logBlocks(true);
    if (window)
        window->transferEnded();
    return clean && !transfer.tooLarge;
}

} // namespace

const char* CurlTransport::redirectProtocols(const QString& url) {
    return url.startsWith(QStringLiteral("https:"), Qt::CaseInsensitive) ? "https" : "http,https";
}

bool CurlTransport::available() const {
    return curlReady();
}

TransferResult CurlTransport::fetch(const TransferRequest& request, const TransferLog& log) {
    TransferResult result;
    const std::unique_ptr<CURL, CurlEasyDeleter> handle(curlReady() ? curl_easy_init() : nullptr);
    if (!handle)
        return result;
    CURL* curl = handle.get();
    const QByteArray url = request.url.toUtf8();
    const QByteArray proxy = request.proxy.toUtf8();
    std::unique_ptr<curl_slist, CurlListDeleter> headers;
    for (const char* header :
         {"Accept-Language: ja-JP", "Cache-Control: no-cache", "Pragma: no-cache"}) {
        curl_slist* list = curl_slist_append(headers.get(), header);
        if (!list)
            throw RuntimeError(RuntimeError::OutOfMemory,
                               QStringLiteral("メモリが不足しています。"));
        // The returned list holds the old one: ownership passes to it.
        static_cast<void>(headers.release());
        headers.reset(list);
    }

    Transfer transfer;
    transfer.log = &log;
    transfer.receiveTimeout = request.receiveTimeoutMs;

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Vantrel WinInet");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, redirectProtocols(request.url));
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    if (!request.proxy.isEmpty())
        curl_easy_setopt(curl, CURLOPT_PROXY, proxy.constData());
    if (request.connectTimeoutMs > 0)
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(request.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    // A body announced larger than the cap is refused before it is sent.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(clsWinInet::MaxBodyBytes));

    result.clean = runTransfer(curl, transfer, request.window, request.timeLimitMs);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    result.status = qint32(status);
    const char* contentType = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
        contentType != nullptr)
        result.contentType = QString::fromLatin1(contentType);
    result.opened = transfer.receiving;
    result.body = std::move(transfer.body);
    return result;
}
