#pragma once

#include "base/ErrorReporter.h"

#include <QByteArray>
#include <QString>

class QObject;

// The program's only network client: downloads the body of one HTTP or HTTPS address, blocking,
// through the installed Transport (libcurl in the program), and logs its progress in the
// connection window. The request asks for Japanese pages
// ("Accept-Language: ja-JP"), always goes to the server (no cached answers), and the body comes
// back whatever the HTTP status (the log names a status that is not 2xx). Certificates are
// verified.
class clsWinInet {
public:
    // A body larger than this is treated as a failed download, so that a server sending without
    // end cannot exhaust memory.
    static constexpr qint32 MaxBodyBytes = 32 * 1024 * 1024;
    // No transfer takes longer than this, however slowly the server keeps sending.
    static constexpr qint32 TransferTimeLimitSeconds = 120;
    // The log shows one "." per block of this many bytes received, as the reads of a page go.
    static constexpr qint32 ReadBlockBytes = 1024;

    clsWinInet();

    // True when the network layer could be set up.
    bool Connection() const;

    bool ProgressOpen() const { return m_progressOpen; }
    void SetProgressOpen(bool blnValue) { m_progressOpen = blnValue; }
    bool ProgressClose() const { return m_progressClose; }
    // True also unloads the connection window at once.
    void SetProgressClose(bool blnValue);
    const QString& ProgressDialogMessage() const { return m_progressDialogMessage; }
    void SetProgressDialogMessage(const QString& strValue) { m_progressDialogMessage = strValue; }

    // A body that is not valid UTF-8 is not the page that was asked for (a damaged transfer or a
    // misbehaving server): it gives "", as a failed download does, rather than a text whose
    // damaged names could be stored.
    QString GetHttpDataStringUTF8(const QString& strUrl, const QString& strProxy,
                                  QObject* objOwnerForm);
    // bytCode 0 decodes Shift_JIS, 8 UTF-8 as above; any other code is reported after the
    // download.
    QString GetHttpDataString(const QString& strUrl, const QString& strProxy, QObject* objOwnerForm,
                              quint8 bytCode);
    // The body into bytRecvData (emptied when nothing arrived); returns its size. strProxy is a
    // proxy server, or "" for the one of the connection settings (Proxy of bigSettings.ini) and,
    // when that is empty too, the proxy variables of the environment.
    // A transfer that does not end cleanly (a body shorter than announced, a reset connection,
    // a timeout, the size cap, the time limit, 中止 in the connection window) is a failed
    // download: nothing is returned and the log ends without "[コネクション終了]", as for a
    // failed connection. Run-time errors reach the caller.
    qint32 GetHttpData(const QString& strUrl, QByteArray& bytRecvData, const QString& strProxy,
                       QObject* objOwnerForm);

    // The Content-Type of the last download's answer ("" when it named none or nothing arrived).
    const QString& ContentType() const { return m_contentType; }
    // The HTTP status of the last download's answer (0 when no answer came).
    qint32 LastStatus() const { return m_lastStatus; }
    // The last answer's status was 2xx: only then may its body be stored or saved. The body of
    // another answer is still handed out, to be read for the site's own notices.
    bool LastAnswerOk() const { return m_lastStatus >= 200 && m_lastStatus < 300; }

    // For tests: the receive timeout of every client, in milliseconds (0 restores 30 s).
    static void SetReceiveTimeoutForTests(qint32 lngMilliseconds);
    // For tests: the overall transfer time limit, in milliseconds (0 restores the constant).
    static void SetTransferTimeLimitForTests(qint32 lngMilliseconds);

private:
    void addLine(const QString& text) const;
    void extendLine(const QString& text) const;

    // Milliseconds of a setting given in seconds; overflow is a run-time error.
    static qint32 secondsToMilliseconds(qint32 seconds);

    // The send timeout and the connect retries stay at the system's defaults.
    qint32 m_connectTimeout;
    qint32 m_receiveTimeout;
    bool m_progressOpen = true;
    bool m_progressClose = true;
    QString m_progressDialogMessage;
    QString m_contentType;
    qint32 m_lastStatus = 0;
    ErrorReporter m_reporter;
};
