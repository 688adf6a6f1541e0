#pragma once

#include "base/Money.h"

#include <QString>

// Conversions of value texts in the system's rules: blanks around the text are ignored, grouping
// commas are accepted, fractions are rounded half to even for integer targets, and the words
// True/False are Booleans. A text that is not a value throws RuntimeError::typeMismatch(); a
// value outside the target's range throws RuntimeError::overflow().
namespace ValueText {

bool isNumeric(const QString& text);

double toDouble(const QString& text);
qint32 toLong(const QString& text);
qint16 toInteger(const QString& text);
quint8 toByte(const QString& text);
bool toBoolean(const QString& text);
Money toMoney(const QString& text);

// Integer conversions of a number, halves to even, range checked.
qint32 toLong(double value);
quint8 toByte(qint64 value);

} // namespace ValueText
