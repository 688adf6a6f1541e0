#pragma once

#include <QByteArray>
#include <QString>

// The text of a page as it came from the site (or was saved by a browser), decoded by the page's
// own charset: the one its Content-Type names, else the one its <meta> tag names, else the one a
// byte-order mark gives, else UTF-8. UTF-8 and Shift_JIS (as Windows-31J, the form Japanese
// sites write) are understood; a charset named that is neither is passed over for the next
// source, and a byte-order mark may also give UTF-16.
namespace PageText {

// The text of page; "" when its bytes are not valid in the charset that applies (a damaged
// transfer or a misbehaving server is not the page that was asked for). contentType is the value
// of the answer's Content-Type header, a bare charset name ("Shift_JIS"), or "" for none.
QString decode(const QByteArray& page, const QString& contentType);

} // namespace PageText
