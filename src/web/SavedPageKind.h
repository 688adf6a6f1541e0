#pragma once

#include <QByteArray>
#include <QtGlobal>

// What a page that the browser saved from the official site is, told by its heading: the
// schedule, vote or result page, and the draw the heading names. The page is decoded as a
// downloaded one is, by its own charset (a byte-order mark or its <meta> tag, else UTF-8).
struct SavedPageKind {
    enum Kind { Unknown, Schedule, Vote, Result };

    Kind kind = Unknown;
    qint32 Kaisaikai = 0;

    // The first heading "第" number "回" that names one of the three pages: "miniBIG" with
    // "くじ指定試合" or "くじ情報" (the schedule; another product's is passed over), "投票状況",
    // or "くじ結果" (the result page lists every product of the draw). A heading split over a
    // few lines of the page counts as one.
    static SavedPageKind recognise(const QByteArray& page);
};
