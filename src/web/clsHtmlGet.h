#pragma once

#include "base/ErrorReporter.h"
#include "base/clsFileStream.h"
#include "web/HtmlToken.h"
#include "web/PageLines.h"
#include "web/clsHtmlData.h"
#include "web/clsWinInet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QObject;

// Fetches a page (or loads one from a file), keeps its source and tokens, and renders the body
// as text lines: the only form in which the official-site readers see a page. Every tag but a
// line break separates lines; blanks, ideographic spaces and tabs are gone from the lines.
class clsHtmlGet {
public:
    clsHtmlGet();

    bool ProgressOpen() const { return m_inet.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_inet.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_inet.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_inet.SetProgressClose(blnValue); }
    QString ProgressDialogMessage() const { return m_inet.ProgressDialogMessage(); }
    void SetProgressDialogMessage(const QString& strValue) {
        m_inet.SetProgressDialogMessage(strValue);
    }

    qint32 Count() const { return m_htmlData.Count(); }
    const QString& Url() const { return m_url; }

    // Downloads strUrl as text (bytCode 0 Shift_JIS, 8 UTF-8) and loads it; returns the token
    // count, 0 when nothing arrived.
    qint32 GetHttp(const QString& strUrl, const QString& strProxy, QObject* objOwnerForm,
                   quint8 bytCode);
    // Downloads strUrl into page and its answer's Content-Type into contentType, remembering
    // strUrl as Url; false when nothing arrived (no connection, no body, a broken transfer).
    bool DownloadPage(const QString& strUrl, const QString& strProxy, QObject* objOwnerForm,
                      QByteArray& page, QString& contentType);
    // Loads a page given as bytes, decoded by its own charset (contentType as the answer gave
    // it, a bare charset name, or "" for a saved page); returns the token count, 0 when the
    // bytes are not valid in that charset.
    qint32 LoadPage(const QByteArray& page, const QString& contentType);
    // The HTTP status of the last download's answer (0 when none came).
    qint32 LastStatus() const { return m_inet.LastStatus(); }
    // The last answer's status was 2xx (clsWinInet::LastAnswerOk).
    bool LastAnswerOk() const { return m_inet.LastAnswerOk(); }
    // Loads a Shift_JIS file; returns the token count.
    qint32 GetFile(const QString& strPath);
    bool SaveToFile(const QString& strPath);

    // The body's text lines into strList; returns how many there are.
    qint32 GetTextData(QStringList& strList) const;
    // The lines as the official-site readers walk them, held compactly: no-break spaces (also
    // written &nbsp;) go like blanks, empty lines are left out, and a line that begins with one
    // of labels and its value is two lines (PageLines::splitLastLine).
    PageLines GetPageLines(const QStringList& labels = QStringList()) const;
    QString GetHtmlTitle() const;
    // Downloads strUrl as bytes and writes them to strPath; false when nothing arrived.
    bool SaveToImage(const QString& strPath, const QString& strUrl, const QString& strProxy,
                     QObject* objOwnerForm);
    // The address of the link Addrees2 found on the page at Addrees1 (plain HTTP only).
    static QString GetPlusAddrees(const QString& Addrees1, const QString& Addrees2);

    // Token lngIndex (1-based); an empty token outside 1 to Count. Its name has lost every
    // blank, ideographic space and tab; its text keeps them.
    HtmlToken Token(qint32 lngIndex) const;

private:
    void clear();
    void load(const QString& strHtml);

    clsWinInet m_inet;
    clsHtmlData m_htmlData;
    clsFileStream m_fileStream;
    ErrorReporter m_reporter;
    QString m_source;
    QString m_url;
};
