#include "web/PageText.h"

#include <QByteArrayView>
#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>

namespace {

// The <meta> tags that name a charset lie in the head; they are looked for this far at most.
constexpr qsizetype MetaSearchBytes = 64 * 1024;

enum class Charset { Utf8, ShiftJis };

std::optional<Charset> charsetNamed(QString name) {
    name = name.trimmed().toLower();
    for (const char* utf8 : {"utf-8", "utf8", "unicode-1-1-utf-8", "x-unicode20utf8"}) {
        if (name == QLatin1StringView(utf8))
            return Charset::Utf8;
    }
    for (const char* sjis : {"shift_jis", "shift-jis", "sjis", "x-sjis", "windows-31j", "cp932",
                             "ms932", "ms_kanji", "csshiftjis", "cswindows31j", "x-ms-cp932"}) {
        if (name == QLatin1StringView(sjis))
            return Charset::ShiftJis;
    }
    return std::nullopt;
}

// The charset parameter of a Content-Type value, or the value itself when it is a bare name.
QString charsetOfContentType(const QString& contentType) {
    if (!contentType.contains(u'/') && !contentType.contains(u'='))
        return contentType;
    static const QRegularExpression parameter(
        QStringLiteral("(?:^|;)\\s*charset\\s*=\\s*\"?([^\";\\s]+)"),
        QRegularExpression::CaseInsensitiveOption);
    return parameter.match(contentType).captured(1);
}

// The charset a <meta charset="…"> or <meta http-equiv="Content-Type" content="…; charset=…">
// in the page's first bytes names.
QString charsetOfMeta(const QByteArray& page) {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9._:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(page.left(MetaSearchBytes));
    return meta.match(head).captured(1);
}

// The text of page in the decoder's charset, "" when a byte sequence is not valid in it.
QString decodeStrictly(QStringDecoder decoder, const QByteArray& page) {
    const QString text = decoder.decode(page);
    return decoder.hasError() ? QString() : text;
}

QString decodeAs(const QByteArray& page, Charset charset) {
    if (charset == Charset::Utf8) {
        if (!QByteArrayView(page).isValidUtf8())
            return QString();
        return QString::fromUtf8(page); // without a byte-order mark
    }
    return decodeStrictly(QStringDecoder("windows-31j", QStringConverter::Flag::Stateless), page);
}

} // namespace

QString PageText::decode(const QByteArray& page, const QString& contentType) {
    for (const QString& named : {charsetOfContentType(contentType), charsetOfMeta(page)}) {
        if (const std::optional<Charset> charset = charsetNamed(named))
            return decodeAs(page, *charset);
    }
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(page)) {
        if (*marked == QStringConverter::Utf8)
            return decodeAs(page, Charset::Utf8);
        return decodeStrictly(QStringDecoder(*marked, QStringConverter::Flag::Stateless), page);
    }
    return decodeAs(page, Charset::Utf8);
}
