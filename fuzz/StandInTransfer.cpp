#include "StandInTransfer.h"

#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "web/clsWinInet.h"

#include <QByteArrayView>

namespace {

QByteArray page;
int downloadCount = 0;

} // namespace

void StandInTransfer::setPage(const QByteArray& body) {
    page = body;
    downloadCount = 0;
}

int StandInTransfer::downloads() {
    return downloadCount;
}

clsWinInet::clsWinInet()
    : m_connectTimeout(15000), m_receiveTimeout(30000), m_reporter(QStringLiteral("clsWinInet")) {}

bool clsWinInet::Connection() const {
    return true;
}

void clsWinInet::SetProgressClose(bool blnValue) {
    m_progressClose = blnValue;
}

qint32 clsWinInet::GetHttpData(const QString& strUrl, QByteArray& bytRecvData, const QString&,
                               QObject*) {
    ++downloadCount;
    m_contentType.clear(); // the page's own <meta> charset, byte-order mark or UTF-8 decide
    bytRecvData = strUrl.isEmpty() ? QByteArray() : page;
    m_lastStatus = bytRecvData.isEmpty() ? 0 : 200;
    return qint32(bytRecvData.size());
}

QString clsWinInet::decodeUtf8(const QByteArray& bytes) {
    if (!QByteArrayView(bytes).isValidUtf8())
        return QString();
    return QString::fromUtf8(bytes);
}

QString clsWinInet::GetHttpDataString(const QString& strUrl, const QString& strProxy,
                                      QObject* objOwnerForm, quint8 bytCode) {
    QByteArray bytes;
    if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) == 0)
        return QString();
    switch (bytCode) {
    case 0:
        return ShiftJis::decode(bytes);
    case 8:
        return decodeUtf8(bytes);
    default:
        m_reporter.failure(QStringLiteral("GetHttpDataString"), QStringLiteral("コード番号"));
        return QString();
    }
}

QString clsWinInet::GetHttpDataStringUTF8(const QString& strUrl, const QString& strProxy,
                                          QObject* objOwnerForm) {
    return GetHttpDataString(strUrl, strProxy, objOwnerForm, 8);
}
