#include "web/clsHtmlGet.h"

#include "base/RuntimeError.h"
#include "web/PageText.h"

clsHtmlGet::clsHtmlGet() : m_reporter(QStringLiteral("clsHtmlGet")) {}

namespace {

bool isNameBlank(QChar c) {
    return c == u' ' || c == QChar(0x3000) || c == u'\t';
}

// A token's name as the page keeps it: without blanks, ideographic spaces and tabs.
QString strippedName(QStringView name) {
    QString stripped;
    stripped.reserve(name.size());
    for (const QChar c : name) {
        if (!isNameBlank(c))
            stripped += c;
    }
    return stripped;
}

// A tag whose stripped name is "BR" in any case joins the texts around it into one line.
bool isLineBreak(QStringView name) {
    QChar kept[2];
    qsizetype count = 0;
    for (const QChar c : name) {
        if (isNameBlank(c))
            continue;
        if (count == 2)
            return false;
        kept[count++] = c;
    }
    return count == 2 && QStringView(kept, 2).compare(u"BR", Qt::CaseInsensitive) == 0;
}

// Calls line(index, text, join) for each text token in the body, in order: join tells that the
// text continues the last line (after a line break) rather than starting a new one.
template <typename LineFunction> void forEachBodyText(const clsHtmlData& data, LineFunction line) {
    bool join = false;
    for (qint32 i = 0; i < data.Count(); ++i) {
        if (!data.InBody(i))
            continue;
        if (data.IsTag(i))
            join = isLineBreak(data.Name(i));
        else
            line(i, data.Name(i), join);
    }
}

// The readers' lines also lose no-break spaces, written as characters or as entities.
bool isReaderBlank(QChar c) {
    return isNameBlank(c) || c == QChar(0xA0);
}

qsizetype noBreakEntityLength(QStringView text) {
    for (const QStringView entity :
         {QStringView(u"&nbsp;"), QStringView(u"&#160;"), QStringView(u"&#xa0;")}) {
        if (text.startsWith(entity, Qt::CaseInsensitive))
            return entity.size();
    }
    return 0;
}

// Counts the source lines up to given positions, which come in increasing order.
class SourceLineCounter {
public:
    explicit SourceLineCounter(const QString& source) : m_source(source) {}
    qint32 lineAt(qsizetype position) {
        for (; m_position < position && m_position < m_source.size(); ++m_position) {
            if (m_source.at(m_position) == u'\n')
                ++m_line;
        }
        return m_line;
    }

private:
    const QString& m_source;
    qsizetype m_position = 0;
    qint32 m_line = 1;
};

} // namespace

void clsHtmlGet::clear() {
    m_source.clear();
    m_htmlData.GetHtmlData(QString());
}

void clsHtmlGet::load(const QString& strHtml) {
    m_htmlData.GetHtmlData(strHtml);
    m_source = strHtml;
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

bool clsHtmlGet::DownloadPage(const QString& strUrl, const QString& strProxy, QObject* objOwnerForm,
                              QByteArray& page, QString& contentType) {
    clear();
    page.clear();
    contentType.clear();
    if (!m_inet.Connection())
        return false;
    m_url = strUrl;
    try {
        if (m_inet.GetHttpData(strUrl, page, strProxy, objOwnerForm) == 0)
            return false;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("DownloadPage"), e);
        page.clear();
        return false;
    }
    contentType = m_inet.ContentType();
    return true;
}

qint32 clsHtmlGet::LoadPage(const QByteArray& page, const QString& contentType) {
    clear();
    load(PageText::decode(page, contentType));
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
    forEachBodyText(m_htmlData, [&strList](qint32, QStringView name, bool join) {
        if (!join)
            strList.append(strippedName(name));
        else if (!strList.isEmpty())
            strList.last() += strippedName(name);
    });
    return qint32(strList.size());
}

PageLines clsHtmlGet::GetPageLines(const QStringList& labels) const {
    PageLines lines;
    lines.reserve(m_htmlData.Count(), m_source.size());
    SourceLineCounter counter(m_source);
    forEachBodyText(m_htmlData, [&](qint32 index, QStringView name, bool join) {
        if (!join) {
            lines.splitLastLine(labels);
            lines.dropEmptyLastLine();
            lines.addLine(counter.lineAt(m_htmlData.SourcePosition(index)));
        } else if (lines.count() == 0) {
            return;
        }
        for (qsizetype k = 0; k < name.size(); ++k) {
            const QChar c = name.at(k);
            if (c == u'&') {
                if (const qsizetype entity = noBreakEntityLength(name.mid(k))) {
                    k += entity - 1;
                    continue;
                }
            }
            if (!isReaderBlank(c))
                lines.extendLastLine(c);
        }
    });
    lines.splitLastLine(labels);
    lines.dropEmptyLastLine();
    return lines;
}

QString clsHtmlGet::GetHtmlTitle() const {
    QString title;
    bool collecting = false;
    for (qint32 i = 0; i < m_htmlData.Count(); ++i) {
        if (m_htmlData.InBody(i))
            continue;
        const bool titleTag = m_htmlData.IsTag(i) &&
                              strippedName(m_htmlData.Name(i)).toLower() == QStringLiteral("title");
        const bool endTag = m_htmlData.IsEndTag(i);
        if (titleTag && endTag)
            collecting = false;
        if (collecting)
            title += m_htmlData.Text(i);
        if (titleTag && !endTag)
            collecting = true;
    }
    return title;
}

bool clsHtmlGet::SaveToImage(const QString& strPath, const QString& strUrl, const QString& strProxy,
                             QObject* objOwnerForm) {
    try {
        QByteArray bytes;
        if (m_inet.GetHttpData(strUrl, bytes, strProxy, objOwnerForm) < 1 || !m_inet.LastAnswerOk())
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
    HtmlToken token = m_htmlData.Token(lngIndex - 1);
    token.name = strippedName(token.name);
    return token;
}
