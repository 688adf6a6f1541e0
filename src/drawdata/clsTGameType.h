#pragma once

#include <QString>

// The kinds of competition a match can belong to, numbered from 1.
class clsTGameType {
public:
    static constexpr qint32 Count = 4;

    // The kind's text; an index outside 1..Count throws RuntimeError::subscriptOutOfRange().
    QString Text(qint32 lngIndex) const;
    // The 1-based index of the text (any letter case); 0 when it is not a kind.
    qint32 GetNo(const QString& strText) const;
    bool Exists(const QString& strText) const { return GetNo(strText) > 0; }
};
