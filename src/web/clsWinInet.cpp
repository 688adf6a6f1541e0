#include "web/clsWinInet.h"

#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "web/ConnectionWindow.h"
#include "web/PageText.h"
#include "web/Transport.h"

namespace {

qint32 testReceiveTimeout = 0;
qint32 testTransferTimeLimit = 0;

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
    return Transport::current().available();
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
    m_contentType.clear();
    m_lastStatus = 0;
    if (strUrl.isEmpty())
        return 0;

    ConnectionWindow* window = m_progressOpen ? ConnectionWindow::current() : nullptr;
    if (window)
        window->showFor(objOwnerForm);
    if (!m_progressDialogMessage.isEmpty())
        addLine(m_progressDialogMessage);

    qint32 count = 0;
    bytRecvData.clear();
    Transport& transport = Transport::current();
    if (transport.available()) {
        TransferRequest request;
        request.url = strUrl;
        // The caller's proxy server, else the connection settings'; with neither, curl takes the
        // environment's proxy variables.
        request.proxy = strProxy.isEmpty() ? OfficialUrlSettings::current().Proxy : strProxy;
        request.connectTimeoutMs = m_connectTimeout;
        request.receiveTimeoutMs = testReceiveTimeout > 0 ? testReceiveTimeout : m_receiveTimeout;
        request.timeLimitMs = testTransferTimeLimit > 0
                                  ? testTransferTimeLimit
                                  : secondsToMilliseconds(TransferTimeLimitSeconds);
        request.window = window;
        const TransferLog log{[this](const QString& text) { addLine(text); },
                              [this](const QString& text) { extendLine(text); }};
        addLine(QStringLiteral("[コネクション開始]"));
        addLine(strUrl);
        TransferResult result = transport.fetch(request, log);
        m_lastStatus = result.status;
        if (result.clean && (result.status > 0 || result.opened)) {
            // The page was opened: its reads end with the remainder and the final empty read.
            if (!result.opened)
                addLine(QStringLiteral("受信中 "));
            if (result.body.size() % ReadBlockBytes != 0)
                extendLine(QStringLiteral("."));
            extendLine(QStringLiteral("."));
            count = qint32(result.body.size());
            m_contentType = result.contentType;
            if (!LastAnswerOk())
                addLine(QStringLiteral("[HTTP ") + QString::number(result.status) + u']');
            addLine(QStringLiteral("[コネクション終了]"));
            bytRecvData = std::move(result.body);
        }
    }

    if (window && m_progressClose)
        window->unload(objOwnerForm);
    return count;
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
            return PageText::decode(bytes, QStringLiteral("UTF-8"));
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
        return PageText::decode(bytes, QStringLiteral("UTF-8"));
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetHttpDataStringUTF8"), e);
        return QString();
    }
}
