#include "base/ShiftJis.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* codePageName = "windows-31j";
}

namespace ShiftJis {

QByteArray encode(const QString& text) {
    QStringEncoder encoder(codePageName);
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(codePageName);
    return decoder.decode(bytes);
}

bool canEncode(const QString& text) {
    QStringEncoder encoder(codePageName, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes) == text;
}

QString fitted(const QString& text) {
    if (canEncode(text))
        return text;
    QString result;
    result.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (canEncode(character)) {
            result += character;
            continue;
        }
        const QString compatible = character.normalized(QString::NormalizationForm_KC);
        result += canEncode(compatible) ? compatible : QStringLiteral("？");
    }
    return result;
}

} // namespace ShiftJis
