#pragma once

#include "base/DateTime.h"
#include "base/Money.h"

#include <QString>
#include <QStringList>
#include <vector>

// Turns single values and whole arrays into one line of text and back, with no escaping:
// 1-D arrays as "a,b,c", 2-D arrays as rows joined by "," and cells by ":" (or no separator for
// the one-character forms). Readers fill what fits into the caller's array and never resize it;
// a piece that does not convert throws RuntimeError after the cells before it were filled.
class clsStringConvert {
public:
    template <typename T> using Array2 = std::vector<std::vector<T>>; // [row][column]

    // A list box's items and its selected item (-1 for none).
    struct ListBox {
        QStringList items;
        int selected = -1;
    };

    QString DateToString(DateTime dtmValue) const;
    DateTime StringToDate(const QString& strText) const;
    QString BooleanToString(bool blnValue) const;
    bool StringToBoolean(const QString& strText) const;
    QString Boolean1ToString(const std::vector<bool>& blnValue) const;
    void StringToBoolean1(const QString& strText, std::vector<bool>& blnValue) const;
    QString Boolean2ToString(const Array2<bool>& blnValue) const;
    void StringToBoolean2(const QString& strText, Array2<bool>& blnValue) const;
    QString Byte2ToString(const Array2<quint8>& bytValue) const;
    void StringToByte2(const QString& strText, Array2<quint8>& bytValue) const;
    QString Long1ToString(const std::vector<qint32>& lngValue) const;
    void StringToLong1(const QString& strText, std::vector<qint32>& lngValue) const;
    QString Long2ToString(const Array2<qint32>& lngValue) const;
    void StringToLong2(const QString& strText, Array2<qint32>& lngValue) const;
    QString Currency1ToString(const std::vector<Money>& curValue) const;
    void StringToCurrency1(const QString& strText, std::vector<Money>& curValue) const;
    QString Currency2ToString(const Array2<Money>& curValue) const;
    void StringToCurrency2(const QString& strText, Array2<Money>& curValue) const;
    QString String1ToString(const QStringList& strSource) const;
    void StringToString1(const QString& strText, QStringList& strSource) const;
    QString String2ToString(const Array2<QString>& strSource) const;
    void StringToString2(const QString& strText, Array2<QString>& strSource) const;
    // Items joined by "\r\n", no line break after the last one.
    QString ListboxToString(const ListBox& lstValue) const;
    // Replaces the items with the pieces of the text, every one of them, and selects the last.
    void StringtoListbox(const QString& strText, ListBox& lstValue) const;
};
