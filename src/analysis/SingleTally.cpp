#include "analysis/SingleTally.h"

#include "base/RuntimeError.h"
#include "singles/SingleCodec.h"

SingleTally::SingleTally() : m_counts(SingleCodec::SingleCount, 0) {}

SingleTally::SingleTally(std::span<const qint32> singles) : SingleTally() {
    for (const qint32 number : singles) {
        if (!SingleCodec::isValid(number))
            throw RuntimeError::overflow();
        ++m_counts[std::size_t(number)];
    }
    m_total = qint64(singles.size());
    for (const qint32 n : m_counts)
        m_distinct += n != 0;
}
