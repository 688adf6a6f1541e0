#include "base/ValueText.h"

#include "base/RuntimeError.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Sign, digits with optional grouping commas, optional decimals, optional exponent.
const QRegularExpression& numberForm() {
    static const QRegularExpression form(
        QStringLiteral("^[+-]?(?:\\d[\\d,]*(?:\\.\\d*)?|\\.\\d+)(?:[eE][+-]?\\d+)?$"));
    return form;
}

std::optional<double> parseNumber(const QString& input) {
    const QString text = input.trimmed();
    if (!numberForm().match(text).hasMatch())
        return std::nullopt;
    // The form admits only ASCII; the conversion of the C library's syntax takes linear time
    // where QString::toDouble takes seconds for a value of millions of digits.
    QByteArray plain = text.toLatin1();
    plain.removeIf([](char c) { return c == ','; });
    const char* begin = plain.constData();
    const char* const end = begin + plain.size();
    if (begin < end && *begin == '+')
        ++begin;
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    // Out of range either way (overflow or underflow) is no value, as for QString::toDouble.
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

template <typename T> T toIntegral(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<T>::max())))
        throw RuntimeError::overflow();
    return static_cast<T>(rounded);
}

} // namespace

namespace ValueText {

bool isNumeric(const QString& text) {
    return parseNumber(text).has_value();
}

double toDouble(const QString& text) {
    const auto value = parseNumber(text);
    if (!value)
        throw RuntimeError::typeMismatch();
    return *value;
}

qint32 toLong(const QString& text) {
    return toIntegral<qint32>(toDouble(text));
}

qint16 toInteger(const QString& text) {
    return toIntegral<qint16>(toDouble(text));
}

quint8 toByte(const QString& text) {
    return toIntegral<quint8>(toDouble(text));
}

bool toBoolean(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    return toDouble(trimmed) != 0;
}

Money toMoney(const QString& text) {
    if (!parseNumber(text))
        throw RuntimeError::typeMismatch();
    const QString trimmed = text.trimmed();
    if (trimmed.contains(u'e') || trimmed.contains(u'E'))
        return Money::fromDouble(toDouble(trimmed));
    return Money::parse(trimmed);
}

qint32 toLong(double value) {
    if (std::isnan(value))
        throw RuntimeError::overflow();
    return toIntegral<qint32>(value);
}

quint8 toByte(qint64 value) {
    if (value < 0 || value > 255)
        throw RuntimeError::overflow();
    return static_cast<quint8>(value);
}

} // namespace ValueText
