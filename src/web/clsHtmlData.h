#pragma once

#include "web/HtmlToken.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

// A small tolerant HTML tokenizer: cuts a page into tag and text tokens, cleans each token
// (control characters to blanks, runs of blanks to one, a few entities decoded, trimmed) and
// marks the tokens that lie inside the page body.
//
// A hostile page may be nothing but tiny tags, so the tokens are held compactly: each is a span
// of the page text itself or, for the few tokens that cleaning changes, of one text that holds
// them all, with its marks packed beside it (8 bytes a token). Names and parts are worked out
// when asked for. A page therefore takes a few times its own size, whatever its tokens are.
class clsHtmlData {
public:
    // The longest page text the spans can address; a longer one is refused (out of memory).
    static constexpr qsizetype MaxSourceChars = (qsizetype(1) << 27) - 1;

    // Tokenizes strHtml, keeps the tokens and returns how many there are.
    qint32 GetHtmlData(const QString& strHtml);
    // Every token in full. A page of many tokens makes a large list: the program itself reads
    // the tokens one by one.
    QList<HtmlToken> Tokens() const;

    qint32 Count() const { return qint32(m_tokens.size()); }
    // Token index, 0 to Count − 1: its cleaned text (valid while the page is kept) and marks.
    QStringView Text(qint32 index) const;
    bool IsTag(qint32 index) const { return m_tokens.at(index).tag; }
    bool IsEndTag(qint32 index) const { return m_tokens.at(index).endTag; }
    bool IsComment(qint32 index) const { return m_tokens.at(index).comment; }
    bool InBody(qint32 index) const { return m_tokens.at(index).body; }
    // A tag's name without "/", a one-token comment's trimmed content, or the text.
    QStringView Name(qint32 index) const;
    HtmlToken Token(qint32 index) const;
    // Where token index begins in the page text given to GetHtmlData.
    qsizetype SourcePosition(qint32 index) const;

    // The cleaned form of one raw token.
    static QString CleanToken(const QString& strRaw);

private:
    struct Span {
        quint32 start = 0;
        quint32 length : 27 = 0;
        quint32 cleaned : 1 = 0; // the text lies in m_cleaned, not in the page text
        quint32 tag : 1 = 0;
        quint32 endTag : 1 = 0;
        quint32 comment : 1 = 0;
        quint32 body : 1 = 0;
    };
    static_assert(sizeof(Span) == 8);

    static void cleanInPlace(QString& text);
    void addToken(qsizetype rawStart, qsizetype rawEnd, bool& inComment, bool& inBody);
    QStringView textOf(const Span& span) const;

    QString m_source;
    QString m_cleaned;
    QList<Span> m_tokens;
    // For each token whose text lies in m_cleaned: (its start there, its start in the page).
    QList<std::pair<quint32, quint32>> m_cleanedOrigins;
};
