#include "drawdata/DrawDocumentValues.h"

#include "base/RuntimeError.h"
#include "drawdata/MatchCount.h"

namespace DrawDocumentValues {

DateTime toDateTime(const QString& text) {
    const auto value = DateTime::parseGeneral(text);
    if (!value)
        throw RuntimeError::typeMismatch();
    return *value;
}

std::size_t matchIndex(qint32 matchNo) {
    if (matchNo < 1 || matchNo > MatchCount)
        throw RuntimeError::subscriptOutOfRange();
    return std::size_t(matchNo - 1);
}

} // namespace DrawDocumentValues
