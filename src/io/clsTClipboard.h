#pragma once

#include <QString>
#include <functional>
#include <span>

// Copies the single list to the clipboard as text, one single per row (menu index 3) or one per
// column (menu index 4). The clipboard itself is reached through the function the caller hands
// in. A number that is no single throws RuntimeError::overflow() to the caller.
class clsTClipboard {
public:
    static constexpr qint32 RowLayout = 3;
    static constexpr qint32 ColumnLayout = 4;
    // Longer lists are refused.
    static constexpr qint32 MaxSingles = 10000;

    // Builds the text of the layout and, when there is one, puts it on the clipboard and
    // confirms. More than 10 000 singles are refused with a warning; an empty list or another
    // index does nothing. True when text was put on the clipboard.
    bool Copy(qint32 Index, qint32 lngSingleCount, std::span<const qint32> lngSingle,
              const std::function<void(const QString&)>& putText);

    // "01:102110021" and CR LF per single; the position has as many digits as the count.
    static QString RowText(qint32 lngSingleCount, std::span<const qint32> lngSingle);
    // Per match "01 " and the marks of all singles, a blank after every tenth; CR LF per match.
    static QString ColumnText(qint32 lngSingleCount, std::span<const qint32> lngSingle);
};
