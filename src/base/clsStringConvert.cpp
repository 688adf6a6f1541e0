#include "base/clsStringConvert.h"

#include "base/RuntimeError.h"
#include "base/ValueText.h"

#include <algorithm>

namespace {

// Splitting an empty text gives no pieces at all.
QStringList pieces(const QString& text, QChar separator) {
    return text.isEmpty() ? QStringList() : text.split(separator);
}

template <typename T, typename ToText>
QString join1(const std::vector<T>& values, QChar separator, const ToText& toText) {
    QStringList parts;
    parts.reserve(qsizetype(values.size()));
    for (const T& v : values)
        parts << toText(v);
    return parts.join(separator);
}

template <typename T, typename ToText>
QString join2(const clsStringConvert::Array2<T>& values, const QString& cellSeparator,
              const ToText& toText) {
    QStringList rows;
    for (const auto& row : values) {
        QStringList cells;
        for (const T& v : row)
            cells << toText(v);
        rows << cells.join(cellSeparator);
    }
    return rows.join(u',');
}

template <typename T, typename FromText>
void read1(const QString& text, std::vector<T>& values, const FromText& fromText) {
    const QStringList parts = pieces(text, u',');
    const std::size_t n = std::min(values.size(), std::size_t(parts.size()));
    for (std::size_t i = 0; i < n; ++i)
        values[i] = fromText(parts[qsizetype(i)]);
}

// Rows split at ",", cells at ":"; a row with fewer cells lowers the column limit for itself
// and every later row.
template <typename T, typename FromText>
void read2(const QString& text, clsStringConvert::Array2<T>& values, const FromText& fromText) {
    const QStringList rows = pieces(text, u',');
    const std::size_t rowCount = std::min(values.size(), std::size_t(rows.size()));
    std::ptrdiff_t columnLimit = values.empty() ? -1 : std::ptrdiff_t(values[0].size()) - 1;
    for (std::size_t r = 0; r < rowCount; ++r) {
        const QStringList cells = pieces(rows[qsizetype(r)], u':');
        columnLimit = std::min(columnLimit, std::ptrdiff_t(cells.size()) - 1);
        auto& row = values[r];
        for (std::ptrdiff_t c = 0; c <= columnLimit && c < std::ptrdiff_t(row.size()); ++c)
            row[std::size_t(c)] = fromText(cells[qsizetype(c)]);
    }
}

// Rows split at ","; cell j of a row is character j + 1 of its piece.
template <typename T, typename FromChar>
void readCharacters2(const QString& text, clsStringConvert::Array2<T>& values,
                     const FromChar& fromChar) {
    const QStringList rows = pieces(text, u',');
    const std::size_t rowCount = std::min(values.size(), std::size_t(rows.size()));
    for (std::size_t r = 0; r < rowCount; ++r) {
        const QString& row = rows[qsizetype(r)];
        for (std::size_t c = 0; c < values[r].size(); ++c)
            values[r][c] =
                fromChar(qsizetype(c) < row.size() ? row.mid(qsizetype(c), 1) : QString());
    }
}

QString boolText(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}
bool isOne(const QString& s) {
    return s == QStringLiteral("1");
}
QString longText(qint32 v) {
    return QString::number(v);
}
QString moneyText(Money v) {
    return v.toString();
}
QString asIs(const QString& s) {
    return s;
}

quint8 digitCell(const QString& c) {
    if (c.isEmpty())
        throw RuntimeError::typeMismatch();
    return ValueText::toByte(c);
}

} // namespace

QString clsStringConvert::DateToString(DateTime dtmValue) const {
    if (dtmValue.isNull())
        return QStringLiteral("Nothing");
    return dtmValue.date().toString(QStringLiteral("yyyy/MM/dd"));
}

DateTime clsStringConvert::StringToDate(const QString& strText) const {
    if (strText.isEmpty() || strText == QStringLiteral("Nothing"))
        return DateTime();
    return DateTime::parseSystem(strText);
}

QString clsStringConvert::BooleanToString(bool blnValue) const {
    return boolText(blnValue);
}

bool clsStringConvert::StringToBoolean(const QString& strText) const {
    return isOne(strText);
}

QString clsStringConvert::Boolean1ToString(const std::vector<bool>& blnValue) const {
    QString text;
    for (const bool b : blnValue)
        text += boolText(b);
    return text;
}

void clsStringConvert::StringToBoolean1(const QString& strText, std::vector<bool>& blnValue) const {
    for (std::size_t i = 0; i < blnValue.size(); ++i)
        blnValue[i] = qsizetype(i) < strText.size() && strText[qsizetype(i)] == u'1';
}

QString clsStringConvert::Boolean2ToString(const Array2<bool>& blnValue) const {
    return join2(blnValue, QString(), boolText);
}

void clsStringConvert::StringToBoolean2(const QString& strText, Array2<bool>& blnValue) const {
    readCharacters2(strText, blnValue, isOne);
}

QString clsStringConvert::Byte2ToString(const Array2<quint8>& bytValue) const {
    return join2(bytValue, QString(), [](quint8 v) { return QString::number(v); });
}

void clsStringConvert::StringToByte2(const QString& strText, Array2<quint8>& bytValue) const {
    readCharacters2(strText, bytValue, digitCell);
}

QString clsStringConvert::Long1ToString(const std::vector<qint32>& lngValue) const {
    return join1(lngValue, u',', longText);
}

void clsStringConvert::StringToLong1(const QString& strText, std::vector<qint32>& lngValue) const {
    read1(strText, lngValue, [](const QString& s) { return ValueText::toLong(s); });
}

QString clsStringConvert::Long2ToString(const Array2<qint32>& lngValue) const {
    return join2(lngValue, QStringLiteral(":"), longText);
}

void clsStringConvert::StringToLong2(const QString& strText, Array2<qint32>& lngValue) const {
    read2(strText, lngValue, [](const QString& s) { return ValueText::toLong(s); });
}

QString clsStringConvert::Currency1ToString(const std::vector<Money>& curValue) const {
    return join1(curValue, u',', moneyText);
}

void clsStringConvert::StringToCurrency1(const QString& strText,
                                         std::vector<Money>& curValue) const {
    read1(strText, curValue, ValueText::toMoney);
}

QString clsStringConvert::Currency2ToString(const Array2<Money>& curValue) const {
    return join2(curValue, QStringLiteral(":"), moneyText);
}

void clsStringConvert::StringToCurrency2(const QString& strText, Array2<Money>& curValue) const {
    read2(strText, curValue, ValueText::toMoney);
}

QString clsStringConvert::String1ToString(const QStringList& strSource) const {
    return strSource.join(u',');
}

void clsStringConvert::StringToString1(const QString& strText, QStringList& strSource) const {
    const QStringList parts = pieces(strText, u',');
    const qsizetype n = std::min(strSource.size(), parts.size());
    for (qsizetype i = 0; i < n; ++i)
        strSource[i] = parts[i];
}

QString clsStringConvert::String2ToString(const Array2<QString>& strSource) const {
    return join2(strSource, QStringLiteral(":"), asIs);
}

void clsStringConvert::StringToString2(const QString& strText, Array2<QString>& strSource) const {
    read2(strText, strSource, asIs);
}

QString clsStringConvert::ListboxToString(const ListBox& lstValue) const {
    return lstValue.items.join(QStringLiteral("\r\n"));
}

void clsStringConvert::StringtoListbox(const QString& strText, ListBox& lstValue) const {
    lstValue.items = strText.isEmpty() ? QStringList() : strText.split(QStringLiteral("\r\n"));
    lstValue.selected = int(lstValue.items.size()) - 1;
}
