#pragma once

#include <QByteArray>
#include <QString>

// The code page of every text file the program writes and reads (code page 932).
namespace ShiftJis {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
// True when every character of text has a Shift_JIS form.
bool canEncode(const QString& text);

} // namespace ShiftJis
