#include "base/ShiftJis.h"

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

} // namespace ShiftJis
