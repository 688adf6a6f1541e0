#include "base/UrlSettingsCheck.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace UrlSettingsCheck {

namespace {

bool isPlainAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}

QString plainAsciiText() {
    return QStringLiteral("空白や全角文字を含めずに、半角文字で入力して下さい。");
}

// The host of an address whose scheme is given; "" when it has none.
QString hostOf(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() ? url.host() : QString();
}

} // namespace

QString webAddress(const QString& strUrl) {
    if (!isPlainAscii(strUrl))
        return strUrl.isEmpty() ? QStringLiteral("アドレスを入力して下さい。") : plainAsciiText();
    static const QRegularExpression scheme(QStringLiteral("^https?://"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!scheme.match(strUrl).hasMatch())
        return QStringLiteral("http:// または https:// で始まるアドレスを入力して下さい。");
    if (hostOf(strUrl).isEmpty())
        return QStringLiteral("アドレスにホスト名がありません。");
    return QString();
}

QString pageAddress(const QString& strUrl) {
    QString reason = webAddress(strUrl);
    if (!reason.isEmpty())
        return reason;
    static const QRegularExpression keyAtEnd(QStringLiteral("\\?(?:[^#]*&)?[A-Za-z0-9_.\\-]+=$"));
    if (!keyAtEnd.match(strUrl).hasMatch())
        return QStringLiteral("アドレスの末尾は「?holdCntId=」のように、開催回を付け足す"
                              "キーと「=」にして下さい。");
    return QString();
}

QString productKey(const QString& strKey) {
    static const QRegularExpression pairs(
        QStringLiteral("^(?:&[A-Za-z0-9_.\\-]+=[A-Za-z0-9_.\\-%]+)+$"));
    if (!pairs.match(strKey).hasMatch())
        return QStringLiteral("「&commodityId=10」のように、「&」、キー、「=」、値の形で"
                              "入力して下さい。");
    return QString();
}

QString proxy(const QString& strProxy) {
    if (strProxy.isEmpty())
        return QString();
    if (!isPlainAscii(strProxy))
        return plainAsciiText();
    const qsizetype schemeEnd = strProxy.indexOf(QStringLiteral("://"));
    const QStringList schemes{QStringLiteral("http"),   QStringLiteral("https"),
                              QStringLiteral("socks4"), QStringLiteral("socks4a"),
                              QStringLiteral("socks5"), QStringLiteral("socks5h")};
    const bool knownScheme = schemeEnd < 0 || schemes.contains(strProxy.left(schemeEnd).toLower());
    const QUrl url(schemeEnd >= 0 ? strProxy : QStringLiteral("http://") + strProxy,
                   QUrl::StrictMode);
    const QString path = url.path();
    if (knownScheme && url.isValid() && !url.host().isEmpty() && (path.isEmpty() || path == u'/') &&
        !url.hasQuery() && !url.hasFragment() && url.port() != 0)
        return QString();
    return QStringLiteral(
        "「proxy.example.jp:8080」のように、ホスト名とポート番号で入力して下さい。");
}

} // namespace UrlSettingsCheck
