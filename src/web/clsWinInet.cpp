#include "web/clsWinInet.h"

#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "web/ConnectionWindow.h"

#include <curl/curl.h>

#include <QByteArrayView>
#include <QElapsedTimer>
#include <functional>
#include <memory>

namespace {

constexpr qint32 ReadBlockBytes = 1024;
// The connection window is kept alive this often while a transfer waits for data.
constexpr int KeepAliveMs = 50;
// The dots of the blocks received are added to the log at most this often: every addition lays
// out and paints the whole, ever longer line, which for a page of megabytes would take longer
// than its transfer.
constexpr qint64 LogIntervalMs = 100;
qint32 testReceiveTimeout = 0;
qint32 testTransferTimeLimit = 0;

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
    std::function<void(const QString&)> addLine;
    std::function<void(const QString&)> extendLine;
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
            addLine(QStringLiteral("受信中 "));
        }
    }

    // Adds the dots of the blocks received since the last time, unless that was less than
    // LogIntervalMs ago; all of them when finishing.
    void logBlocks(bool finishing) {
        const qint64 fullBlocks = body.size() / ReadBlockBytes;
        if (fullBlocks <= blocksLogged ||
            (!finishing && sinceLogged.isValid() && sinceLogged.elapsed() < LogIntervalMs))
            return;
        extendLine(QString(fullBlocks - blocksLogged, u'.'));
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

clsWinInet::clsWinInet()
    : m_connectTimeout(secondsToMilliseconds(15)), m_receiveTimeout(secondsToMilliseconds(30)),
      m_reporter(QStringLiteral("clsWinInet")) {}

qint32 clsWinInet::secondsToMilliseconds(qint32 seconds) {
    qint32 result = 0;
    if (__builtin_mul_overflow(seconds, 1000, &result))
        throw RuntimeError::overflow();
    return result;
}

bool clsWinInet::Connection() const {
    return curlReady();
}

void clsWinInet::SetProgressClose(bool blnValue) {
    m_progressClose = blnValue;
    if (blnValue) {
        if (ConnectionWindow* window = ConnectionWindow::current())
            window->unload(nullptr);
    }
}

void clsWinInet::SetReceiveTimeoutForTests(qint32 lngMilliseconds) {
    testReceiveTimeout = lngMilliseconds;
}

void clsWinInet::SetTransferTimeLimitForTests(qint32 lngMilliseconds) {
    testTransferTimeLimit = lngMilliseconds;
}

void clsWinInet::addLine(const QString& text) const {
    if (!m_progressOpen)
        return;
    if (ConnectionWindow* window = ConnectionWindow::current())
        window->addItem(QStringLiteral(" ") + text);
}

void clsWinInet::extendLine(const QString& text) const {
    if (!m_progressOpen)
        return;
    if (ConnectionWindow* window = ConnectionWindow::current())
        window->extendLastItem(text);
}

qint32 clsWinInet::GetHttpData(const QString& strUrl, QByteArray& bytRecvData,
                               const QString& strProxy, QObject* objOwnerForm) {
    const WaitCursor waitCursor;
    if (strUrl.isEmpty())
        return 0;

    ConnectionWindow* window = m_progressOpen ? ConnectionWindow::current() : nullptr;
    if (window)
        window->showFor(objOwnerForm);
    if (!m_progressDialogMessage.isEmpty())
        addLine(m_progressDialogMessage);

    qint32 count = 0;
    m_contentType.clear();
    m_lastStatus = 0;
    std::unique_ptr<CURL, CurlEasyDeleter> handle(curlReady() ? curl_easy_init() : nullptr);
    if (handle) {
        CURL* curl = handle.get();
        const QByteArray url = strUrl.toUtf8();
        const QByteArray proxy = strProxy.toUtf8();
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
        transfer.addLine = [this](const QString& text) { addLine(text); };
        transfer.extendLine = [this](const QString& text) { extendLine(text); };
        transfer.receiveTimeout = testReceiveTimeout > 0 ? testReceiveTimeout : m_receiveTimeout;

        curl_easy_setopt(curl, CURLOPT_URL, url.constData());
        curl_easy_setopt(curl, CURLOPT_USERAGENT, "Vantrel WinInet");
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        if (!strProxy.isEmpty())
            curl_easy_setopt(curl, CURLOPT_PROXY, proxy.constData());
        if (m_connectTimeout > 0)
            curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_connectTimeout));
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, onHeader);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, onBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
        // A body announced larger than the cap is refused before it is sent.
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(MaxBodyBytes));

        addLine(QStringLiteral("[コネクション開始]"));
        addLine(strUrl);
        const qint32 timeLimit = testTransferTimeLimit > 0
                                     ? testTransferTimeLimit
                                     : secondsToMilliseconds(TransferTimeLimitSeconds);
        const bool clean = runTransfer(curl, transfer, window, timeLimit);
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        m_lastStatus = qint32(status);
        if (clean && (status > 0 || transfer.receiving)) {
            // The page was opened: its reads end with the remainder and the final empty read.
            transfer.startReceiving();
            if (transfer.body.size() % ReadBlockBytes != 0)
                extendLine(QStringLiteral("."));
            extendLine(QStringLiteral("."));
            count = qint32(transfer.body.size());
            const char* contentType = nullptr;
            if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &contentType) == CURLE_OK &&
                contentType != nullptr)
                m_contentType = QString::fromLatin1(contentType);
            addLine(QStringLiteral("[コネクション終了]"));
        }
        bytRecvData = count > 0 ? std::move(transfer.body) : QByteArray();
    } else {
        bytRecvData.clear();
    }

    if (window && m_progressClose)
        window->unload(objOwnerForm);
    return count;
}

QString clsWinInet::decodeUtf8(const QByteArray& bytes) {
    if (!QByteArrayView(bytes).isValidUtf8())
        return QString();
    return QString::fromUtf8(bytes);
}

QString clsWinInet::GetHttpDataString(const QString& strUrl, const QString& strProxy,
                                      QObject* objOwnerForm, quint8 bytCode) {
    try {
        QByteArray bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) == 0)
            return QString();
        switch (bytCode) {
        case 0:
            return ShiftJis::decode(bytes);
        case 8:
            return decodeUtf8(bytes);
        default:
            m_reporter.failure(QStringLiteral("GetHttpDataString"),
                               QStringLiteral("コード番号が異常です（") + QString::number(bytCode) +
                                   QStringLiteral("）"));
            return QString();
        }
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetHttpDataString"), e);
        return QString();
    }
}

QString clsWinInet::GetHttpDataStringUTF8(const QString& strUrl, const QString& strProxy,
                                          QObject* objOwnerForm) {
    try {
        QByteArray bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) == 0)
            return QString();
        return decodeUtf8(bytes);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetHttpDataStringUTF8"), e);
        return QString();
    }
}
