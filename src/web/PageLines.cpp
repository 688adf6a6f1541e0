#include "web/PageLines.h"

QString PageLines::at(qint32 index) const {
    if (index < 0 || index >= m_starts.size())
        throw Ended();
    const qsizetype start = m_starts.at(index);
    const qsizetype end = index + 1 < m_starts.size() ? m_starts.at(index + 1) : m_text.size();
    return m_text.mid(start, end - start);
}

void PageLines::reserve(qsizetype lines, qsizetype chars) {
    m_starts.reserve(lines);
    m_text.reserve(chars);
}

bool PageLines::isMatchNumber(const QString& line, qint32 lngLast) {
    bool ok = false;
    const int number = line.toInt(&ok);
    return ok && number >= 1 && number <= lngLast && line == QString::number(number);
}
