#include "web/clsHtmlData.h"

namespace {

// Raw tokens in source order. Text after the last tag and a tag left open at the end are
// dropped.
QStringList rawTokens(const QString& html) {
    QStringList tokens;
    bool inTag = false;
    bool textPending = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (inTag) {
            if (c == u'>') {
                tokens.append(html.mid(start, i - start + 1));
                inTag = false;
            }
        } else if (c == u'<') {
            if (textPending)
                tokens.append(html.mid(start, i - start));
            textPending = false;
            inTag = true;
            start = i;
        } else if (!textPending) {
            textPending = true;
            start = i;
        }
    }
    return tokens;
}

} // namespace

QString clsHtmlData::CleanToken(const QString& strRaw) {
    QString text = strRaw;
    for (QChar& c : text) {
        if (c.unicode() < 32)
            c = u' ';
    }
    while (text.contains(QStringLiteral("  ")))
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    text.replace(QStringLiteral("&#169;"), QStringLiteral("(c)"));
    text.replace(QStringLiteral("&#174;"), QStringLiteral("(r)"));
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

qint32 clsHtmlData::GetHtmlData(const QString& strHtml) {
    m_tokens.clear();
    bool inComment = false;
    bool inBody = false;
    const QString commentStart = QStringLiteral("<!--");
    const QString commentEnd = QStringLiteral("-->");
    for (const QString& raw : rawTokens(strHtml)) {
        HtmlToken token;
        token.text = CleanToken(raw);
        if (token.text.isEmpty())
            continue;
        if (inComment) {
            // The rest of a comment that began in an earlier token: neither tag nor body.
            token.isComment = true;
            if (token.text.contains(commentEnd))
                inComment = false;
            m_tokens.append(token);
            continue;
        }
        if (token.text.startsWith(u'<')) {
            token.isTag = true;
            if (token.text.startsWith(commentStart)) {
                token.isComment = true;
                if (token.text.size() >= 7 && token.text.endsWith(commentEnd))
                    token.name = token.text.mid(4, token.text.size() - 7).trimmed();
                else if (!token.text.endsWith(commentEnd))
                    inComment = true;
            } else {
                token.parts = token.text.mid(1, token.text.size() - 2).split(u' ');
                token.name = token.parts.constFirst();
                token.lastPartIndex = qint32(token.parts.size() - 1);
            }
            if (token.name.startsWith(u'/')) {
                token.isEndTag = true;
                token.name.remove(0, 1);
            }
        } else {
            token.name = token.text;
        }
        const bool bodyTag = token.isTag && !token.isComment &&
                             token.name.compare(QStringLiteral("body"), Qt::CaseInsensitive) == 0;
        if (bodyTag && token.isEndTag)
            inBody = false;
        token.inBody = inBody;
        if (bodyTag)
            inBody = true;
        m_tokens.append(token);
    }
    return qint32(m_tokens.size());
}
