#pragma once

#include "web/HtmlToken.h"

#include <QList>
#include <QString>

// A small tolerant HTML tokenizer: cuts a page into tag and text tokens, cleans each token
// (control characters to blanks, runs of blanks to one, a few entities decoded, trimmed) and
// marks the tokens that lie inside the page body.
class clsHtmlData {
public:
    // Tokenizes strHtml, keeps the tokens and returns how many there are.
    qint32 GetHtmlData(const QString& strHtml);
    QList<HtmlToken> Tokens() const { return m_tokens; }

    // The cleaned form of one raw token.
    static QString CleanToken(const QString& strRaw);

private:
    QList<HtmlToken> m_tokens;
};
