#include "widgets/JapaneseFonts.h"

#include <QFont>
#include <QStringList>

namespace JapaneseFonts {

void install() {
    const QStringList fixedPitch = {QStringLiteral("Noto Sans Mono CJK JP"),
                                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                                    QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")};
    const QStringList proportional = {QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                      QStringLiteral("TakaoPGothic")};
    for (const QString& face : {gothic(), QStringLiteral("MS Gothic")})
        QFont::insertSubstitutions(face, fixedPitch);
    for (const QString& face :
         {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
          QStringLiteral("MS UI Gothic"), QStringLiteral("メイリオ"), QStringLiteral("Meiryo")})
        QFont::insertSubstitutions(face, proportional);
}

} // namespace JapaneseFonts
