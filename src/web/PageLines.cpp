#include "web/PageLines.h"

#include "base/RuntimeError.h"

const QString& PageLines::at(qint32 index) const {
    if (index < 0 || index >= m_lines.size())
        throw RuntimeError::subscriptOutOfRange();
    return m_lines.at(index);
}

bool PageLines::isMatchNumber(const QString& line, qint32 lngLast) {
    bool ok = false;
    const int number = line.toInt(&ok);
    return ok && number >= 1 && number <= lngLast && line == QString::number(number);
}
