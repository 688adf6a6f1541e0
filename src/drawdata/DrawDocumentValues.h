#pragma once

#include "base/DateTime.h"

#include <QString>
#include <cstddef>

// Conversions of the draw documents' value texts that fail as run-time errors.
namespace DrawDocumentValues {

// A date-time in the general date form; other text throws RuntimeError::typeMismatch().
DateTime toDateTime(const QString& text);
// The array index of match number n; a number outside 1..9 throws
// RuntimeError::subscriptOutOfRange().
std::size_t matchIndex(qint32 matchNo);

} // namespace DrawDocumentValues
