#include "web/SavedPageKind.h"

#include "web/PageLines.h"
#include "web/clsHtmlGet.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// A heading rarely spans more lines than this (number, product and page name in spans).
constexpr qint32 HeadingLines = 4;

} // namespace

SavedPageKind SavedPageKind::recognise(const QByteArray& page) {
    clsHtmlGet html;
    if (html.LoadPage(page, QString()) == 0)
        return {};
    const PageLines lines = html.GetPageLines();
    static const QRegularExpression heading(
        QStringLiteral("^第(\\d{1,9})回(.{0,24}?)(くじ指定試合|くじ情報|投票状況|くじ結果)"));
    for (qint32 i = 0; i < lines.count(); ++i) {
        QString text = lines.at(i);
        if (!text.startsWith(u'第'))
            continue;
        for (qint32 k = i + 1; k < std::min(i + HeadingLines, lines.count()); ++k)
            text += lines.at(k);
        const QRegularExpressionMatch m = heading.match(text);
        if (!m.hasMatch())
            continue;
        const QString name = m.captured(3);
        SavedPageKind found;
        found.Kaisaikai = m.captured(1).toInt();
        if (name == QStringLiteral("投票状況"))
            found.kind = Vote;
        else if (name == QStringLiteral("くじ結果"))
            found.kind = Result;
        else if (m.captured(2).contains(QStringLiteral("miniBIG"), Qt::CaseInsensitive))
            found.kind = Schedule;
        else
            continue;
        return found;
    }
    return {};
}
