#pragma once

#include <QString>
#include <vector>

// Reads singles from clipboard text: one single per line as nine digits 0, 1, 2, optionally
// behind a position and ":" ("01:102110021"), blanks anywhere. Other lines are skipped.
class clsTClipImport {
public:
    static constexpr qint32 ClipboardText = 0;

    // For menu index 0 the singles of strText (the clipboard's plain text), else none. Returns
    // the count; lngSingle holds exactly that many numbers.
    qint32 Import(qint32 Index, const QString& strText, std::vector<qint32>& lngSingle);

    static std::vector<qint32> ReadText(const QString& strText);
};
