#pragma once

#include <QByteArray>
#include <QString>

// The code page of every text file the program writes and reads (code page 932).
namespace ShiftJis {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
// True when every character of text has a Shift_JIS form.
bool canEncode(const QString& text);
// The text with every character that Shift_JIS cannot hold replaced: by its compatibility form
// (NFKC, "ﬁ" becomes "fi", "㎏" stays) when that form can be held, else by "？".
QString fitted(const QString& text);

} // namespace ShiftJis
