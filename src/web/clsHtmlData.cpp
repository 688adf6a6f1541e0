#include "web/clsHtmlData.h"

#include "base/RuntimeError.h"

#include <algorithm>
#include <utility>

namespace {

// Replaces every occurrence of from, left to right and without searching the replacements again,
// by the text to, which is not longer: in place, in one pass.
void replaceWithShorter(QString& text, QStringView from, QStringView to) {
    if (!text.contains(from))
        return;
    QChar* data = text.data();
    const qsizetype size = text.size();
    qsizetype write = 0;
    for (qsizetype read = 0; read < size;) {
        if (data[read] == from.front() && QStringView(data + read, size - read).startsWith(from)) {
            for (const QChar c : to)
                data[write++] = c;
            read += from.size();
        } else {
            data[write++] = data[read++];
        }
    }
    text.truncate(write);
}

const QStringView CommentStart = u"<!--";
const QStringView CommentEnd = u"-->";

// The name of a token with the text and marks given, before any "/" is taken off.
QStringView rawName(QStringView text, bool tag, bool comment) {
    if (!tag)
        return comment ? QStringView() : text; // inside a comment that began earlier: no name
    if (comment) {
        if (text.size() >= 7 && text.endsWith(CommentEnd))
            return text.mid(4, text.size() - 7).trimmed();
        return QStringView();
    }
    // An ordinary tag: the text between "<" and ">" up to its first blank.
    const QStringView inner = text.size() > 2 ? text.mid(1, text.size() - 2) : QStringView();
    const qsizetype blank = inner.indexOf(u' ');
    return blank < 0 ? inner : inner.left(blank);
}

} // namespace

QString clsHtmlData::CleanToken(const QString& strRaw) {
    QString text = strRaw;
    cleanInPlace(text);
    return text;
}

// The cleaning of CleanToken without a copy and in linear time, so that a page that is one long
// token costs no more than others: each step writes over the text it has read, which it can since
// none makes the text longer.
void clsHtmlData::cleanInPlace(QString& text) {
    // Control characters become blanks, and every run of blanks one blank.
    QChar* data = text.data();
    qsizetype write = 0;
    for (qsizetype read = 0; read < text.size(); ++read) {
        const QChar c = data[read].unicode() < 32 ? QChar(u' ') : data[read];
        if (c != u' ' || write == 0 || data[write - 1] != u' ')
            data[write++] = c;
    }
    text.truncate(write);
    // The entities, one after the other, each everywhere.
    for (const auto& [entity, character] : {std::pair<QStringView, QStringView>(u"&lt;", u"<"),
                                            {u"&gt;", u">"},
                                            {u"&quot;", u"\""},
                                            {u"&amp;", u"&"},
                                            {u"&#169;", u"(c)"},
                                            {u"&#174;", u"(r)"}})
        replaceWithShorter(text, entity, character);
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    text.truncate(last);
    text.remove(0, first);
}

QStringView clsHtmlData::textOf(const Span& span) const {
    return QStringView(span.cleaned ? m_cleaned : m_source).mid(span.start, span.length);
}

QStringView clsHtmlData::Text(qint32 index) const {
    return textOf(m_tokens.at(index));
}

QStringView clsHtmlData::Name(qint32 index) const {
    const Span& span = m_tokens.at(index);
    const QStringView name = rawName(textOf(span), span.tag, span.comment);
    return span.endTag ? name.mid(1) : name;
}

HtmlToken clsHtmlData::Token(qint32 index) const {
    const Span& span = m_tokens.at(index);
    HtmlToken token;
    token.text = textOf(span).toString();
    token.isTag = span.tag;
    token.isEndTag = span.endTag;
    token.isComment = span.comment;
    token.inBody = span.body;
    token.name = Name(index).toString();
    if (span.tag && !span.comment) {
        const QStringView inner = QStringView(token.text).mid(1, token.text.size() - 2);
        token.parts = inner.toString().split(u' ');
        token.lastPartIndex = qint32(token.parts.size() - 1);
    }
    return token;
}

qsizetype clsHtmlData::SourcePosition(qint32 index) const {
    const Span& span = m_tokens.at(index);
    if (!span.cleaned)
        return span.start;
    const auto origin =
        std::lower_bound(m_cleanedOrigins.cbegin(), m_cleanedOrigins.cend(), span.start,
                         [](const std::pair<quint32, quint32>& entry, quint32 start) {
                             return entry.first < start;
                         });
    return origin == m_cleanedOrigins.cend() ? 0 : origin->second;
}

QList<HtmlToken> clsHtmlData::Tokens() const {
    QList<HtmlToken> tokens;
    tokens.reserve(m_tokens.size());
    for (qint32 i = 0; i < Count(); ++i)
        tokens.append(Token(i));
    return tokens;
}

// Cleans the raw token source[rawStart, rawEnd) and keeps it unless it became "". Most tokens
// need no cleaning beyond losing the blanks and control characters at their ends: their text is
// a span of the page itself.
void clsHtmlData::addToken(qsizetype rawStart, qsizetype rawEnd, bool& inComment, bool& inBody) {
    const QChar* chars = m_source.constData();
    qsizetype first = rawStart;
    qsizetype last = rawEnd;
    while (first < last && chars[first].unicode() <= 32)
        ++first;
    while (last > first && chars[last - 1].unicode() <= 32)
        --last;
    bool plain = true;
    for (qsizetype i = first; i < last && plain; ++i) {
        const char16_t c = chars[i].unicode();
        plain = c > 32 ? c != u'&' : c == 32 && chars[i + 1].unicode() > 32;
    }

    Span span;
    if (plain) {
        span.start = quint32(first);
        span.length = quint32(last - first);
    } else {
        QString cleaned = m_source.mid(rawStart, rawEnd - rawStart);
        cleanInPlace(cleaned);
        span.start = quint32(m_cleaned.size());
        span.length = quint32(cleaned.size());
        span.cleaned = 1;
        m_cleaned += cleaned;
    }
    if (span.length == 0)
        return;
    if (span.cleaned)
        m_cleanedOrigins.append({span.start, quint32(first)});

    const QStringView text = textOf(span);
    if (inComment) {
        // The rest of a comment that began in an earlier token: neither tag nor body.
        span.comment = 1;
        if (text.contains(CommentEnd))
            inComment = false;
        m_tokens.append(span);
        return;
    }
    if (text.startsWith(u'<')) {
        span.tag = 1;
        if (text.startsWith(CommentStart)) {
            span.comment = 1;
            if (!text.endsWith(CommentEnd))
                inComment = true;
        }
    }
    QStringView name = rawName(text, span.tag, span.comment);
    span.endTag = span.tag && name.startsWith(u'/');
    if (span.endTag)
        name = name.mid(1);
    const bool bodyTag =
        span.tag && !span.comment && name.compare(QStringView(u"body"), Qt::CaseInsensitive) == 0;
    if (bodyTag && span.endTag)
        inBody = false;
    span.body = inBody;
    if (bodyTag)
        inBody = true;
    m_tokens.append(span);
}

qint32 clsHtmlData::GetHtmlData(const QString& strHtml) {
    m_tokens.clear();
    m_cleaned.clear();
    m_cleanedOrigins.clear();
    m_source.clear();
    if (strHtml.size() > MaxSourceChars)
        throw RuntimeError(RuntimeError::OutOfMemory, QStringLiteral("メモリが不足しています。"));
    m_source = strHtml;
    // Every token starts at a "<" or ends at one, and the cleaned texts are no longer than the
    // page: room enough from the start, so that the lists never grow by copying (which holds
    // two copies at once). Room that is not used is never touched, so it takes no memory.
    m_tokens.reserve(2 * QStringView(m_source).count(u'<'));
    m_cleaned.reserve(m_source.size());

    // Raw tokens in source order: a tag from "<" through ">", text up to the next "<". Text
    // after the last tag and a tag left open at the end are dropped.
    bool inComment = false;
    bool inBody = false;
    bool inTag = false;
    bool textPending = false;
    qsizetype start = 0;
    const QChar* chars = m_source.constData();
    const qsizetype size = m_source.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (inTag) {
            if (c == u'>') {
                addToken(start, i + 1, inComment, inBody);
                inTag = false;
            }
        } else if (c == u'<') {
            if (textPending)
                addToken(start, i, inComment, inBody);
            textPending = false;
            inTag = true;
            start = i;
        } else if (!textPending) {
            textPending = true;
            start = i;
        }
    }
    return Count();
}
