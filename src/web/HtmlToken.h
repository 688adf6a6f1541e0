#pragma once

#include <QString>
#include <QStringList>

// One token of a page: a tag (comments included) or a run of text between tags.
struct HtmlToken {
    // The cleaned token: a tag from "<" to ">" inclusive, or the text itself.
    QString text;
    bool isTag = false;
    bool isEndTag = false;
    bool isComment = false;
    bool inBody = false;
    // A tag's name without "/", a one-token comment's trimmed content, or the text.
    QString name;
    // An ordinary tag's inner text split at each " ": the name, then the attributes as written.
    QStringList parts;
    qint32 lastPartIndex = 0;
};
