#include "web/clsHtmlGet.h"

#include "base/RuntimeError.h"

clsHtmlGet::clsHtmlGet() : m_reporter(QStringLiteral("clsHtmlGet")) {}

void clsHtmlGet::clear() {
    m_source.clear();
    m_tokens.clear();
}

void clsHtmlGet::load(const QString& strHtml) {
    m_htmlData.GetHtmlData(strHtml);
    m_source = strHtml;
    m_tokens = m_htmlData.Tokens();
    for (HtmlToken& token : m_tokens) {
        token.name.remove(u' ');
        token.name.remove(QChar(0x3000));
        token.name.remove(u'\t');
    }
}

qint32 clsHtmlGet::GetHttp(const QString& strUrl, const QString& strProxy, QObject* objOwnerForm,
                           quint8 bytCode) {
    clear();
    if (!m_inet.Connection())
        return 0;
    m_url = strUrl;
    load(m_inet.GetHttpDataString(strUrl, strProxy, objOwnerForm, bytCode));
    return Count();
}

qint32 clsHtmlGet::GetFile(const QString& strPath) {
    clear();
    QString text;
    if (m_fileStream.LoadFromFile(strPath, text))
        load(text);
    return Count();
}

bool clsHtmlGet::SaveToFile(const QString& strPath) {
    return m_fileStream.SaveToFile(strPath, m_source);
}

qint32 clsHtmlGet::GetTextData(QStringList& strList) const {
    strList.clear();
    bool join = false;
    for (const HtmlToken& token : m_tokens) {
        if (!token.inBody)
            continue;
        if (token.isTag) {
            join = token.name.size() == 2 &&
                   token.name.compare(QStringLiteral("BR"), Qt::CaseInsensitive) == 0;
        } else if (!join) {
            strList.append(token.name);
        } else if (!strList.isEmpty()) {
            strList.last() += token.name;
        }
    }
    return qint32(strList.size());
}

QString clsHtmlGet::GetHtmlTitle() const {
    QString title;
    bool collecting = false;
    const QString titleName = QStringLiteral("title");
    for (const HtmlToken& token : m_tokens) {
        if (token.inBody)
            continue;
        const bool titleTag = token.isTag && token.name.toLower() == titleName;
        if (titleTag && token.isEndTag)
            collecting = false;
        if (collecting)
            title += token.text;
        if (titleTag && !token.isEndTag)
            collecting = true;
    }
    return title;
}

bool clsHtmlGet::SaveToImage(const QString& strPath, const QString& strUrl, const QString& strProxy,
                             QObject* objOwnerForm) {
    try {
        QByteArray bytes;
        if (m_inet.GetHttpData(strUrl, bytes, strProxy, objOwnerForm) < 1)
            return false;
        return m_fileStream.SaveToBinaryFile(strPath, bytes);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("SaveToImage"), e);
        return false;
    }
}

QString clsHtmlGet::GetPlusAddrees(const QString& Addrees1, const QString& Addrees2) {
    const QString scheme = QStringLiteral("http://");
    const QString base = Addrees1.startsWith(scheme) ? Addrees1.mid(scheme.size()) : Addrees1;
    const QStringList baseParts = base.split(u'/');
    if (Addrees2.startsWith(u'/'))
        return scheme + baseParts.constFirst() + Addrees2;

    qsizetype folderEnd = baseParts.size() - 1; // the part after the last "/", the page itself
    QString result;
    for (const QString& part : Addrees2.split(u'/')) {
        if (part == QStringLiteral("..")) {
            --folderEnd;
            continue;
        }
        if (result.isEmpty()) {
            if (folderEnd <= 0) {
                result = baseParts.constFirst() + u'/';
            } else {
                for (qsizetype i = 0; i < folderEnd; ++i)
                    result += baseParts.at(i) + u'/';
            }
        }
        result += part + u'/';
    }
    result.chop(1);
    return scheme + result;
}

HtmlToken clsHtmlGet::Token(qint32 lngIndex) const {
    if (lngIndex < 1 || lngIndex > Count())
        return HtmlToken();
    return m_tokens.at(lngIndex - 1);
}
