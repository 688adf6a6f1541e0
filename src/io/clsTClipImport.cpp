#include "io/clsTClipImport.h"

#include "base/Platform.h"
#include "singles/SingleCodec.h"

#include <QStringList>

qint32 clsTClipImport::Import(qint32 Index, const QString& strText,
                              std::vector<qint32>& lngSingle) {
    const WaitCursor wait;
    lngSingle = Index == ClipboardText ? ReadText(strText) : std::vector<qint32>();
    return qint32(lngSingle.size());
}

std::vector<qint32> clsTClipImport::ReadText(const QString& strText) {
    std::vector<qint32> singles;
    // Lines end with CR LF; the clipboard of this system also ends them with LF alone. Split
    // without a regular expression, which gives up on text with an unpaired surrogate.
    const QStringList lines = strText.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (i + 1 < lines.size() && line.endsWith(u'\r'))
            line.chop(1);
        line.remove(u' ');
        const qsizetype colon = line.indexOf(u':');
        if (colon >= 0)
            line = line.mid(colon + 1);
        if (line.size() != MatchCount)
            continue;
        qint32 number = 0;
        qint32 power = 1;
        bool valid = true;
        for (const QChar c : std::as_const(line)) {
            valid = valid && c >= u'0' && c <= u'2';
            number += (c.unicode() - u'0') * power;
            power *= 3;
        }
        if (valid)
            singles.push_back(number);
    }
    return singles;
}
