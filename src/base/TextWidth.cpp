#include "base/TextWidth.h"

#include <QHash>

namespace {

// Full-width katakana and Japanese punctuation with their half-width forms.
const QHash<char16_t, QString>& kanaTable() {
    static const QHash<char16_t, QString> table = [] {
        QHash<char16_t, QString> t;
        const QString plainFull = QStringLiteral(
            "ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
            "マミムメモヤユヨラリルレロワン。「」、・゛゜");
        const QString plainHalf = QStringLiteral("ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ"
                                                 "ﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ｡｢｣､･ﾞﾟ");
        for (qsizetype i = 0; i < plainFull.size(); ++i)
            t.insert(plainFull[i].unicode(), QString(plainHalf[i]));
        const QString voicedFull = QStringLiteral("ガギグゲゴザジズゼゾダヂヅデドバビブベボヴ");
        const QString voicedBase = QStringLiteral("ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎｳ");
        for (qsizetype i = 0; i < voicedFull.size(); ++i)
            t.insert(voicedFull[i].unicode(), voicedBase[i] + QStringLiteral("ﾞ"));
        const QString semiFull = QStringLiteral("パピプペポ");
        const QString semiBase = QStringLiteral("ﾊﾋﾌﾍﾎ");
        for (qsizetype i = 0; i < semiFull.size(); ++i)
            t.insert(semiFull[i].unicode(), semiBase[i] + QStringLiteral("ﾟ"));
        // Full-width signs that Shift_JIS text carries as their own code points.
        t.insert(u'\u3000', QStringLiteral(" "));
        t.insert(u'\u2019', QStringLiteral("'"));
        t.insert(u'\u201D', QStringLiteral("\""));
        t.insert(u'\uFFE5', QStringLiteral("\\"));
        t.insert(u'\uFFE3', QStringLiteral("~"));
        return t;
    }();
    return table;
}

} // namespace

namespace TextWidth {

QString toHalfWidth(const QString& text) {
    QString result;
    result.reserve(text.size());
    const auto& table = kanaTable();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            result += QChar(char16_t(u - 0xFF01 + 0x21));
            continue;
        }
        const auto it = table.constFind(u);
        if (it != table.cend())
            result += *it;
        else
            result += c;
    }
    return result;
}

} // namespace TextWidth
