#pragma once

#include <QString>

// The checks of the addresses that the connection settings accept. Each gives "" for a value
// that may be stored, otherwise the reason in the words of the program's messages. Values are
// kept to printable ASCII without blanks: the settings file is written in Shift_JIS, one value a
// line, and curl takes the addresses as they are.
namespace UrlSettingsCheck {

// A web page: http or https and a host ("http://www.example.jp/page").
QString webAddress(const QString& strUrl);
// The beginning of a page address that the draw number completes: a web page whose text ends
// with a query key and "=" ("...form?holdCntId=").
QString pageAddress(const QString& strUrl);
// The query part appended after the draw number: "&", a key, "=" and a value, one or more times
// ("&commodityId=10").
QString productKey(const QString& strKey);
// "" (the environment's proxy), or a proxy server as curl takes it: an optional http, https or
// socks scheme, a host and an optional port ("proxy.example.jp:8080").
QString proxy(const QString& strProxy);

} // namespace UrlSettingsCheck
