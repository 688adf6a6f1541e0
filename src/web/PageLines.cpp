#include "web/PageLines.h"

#include <algorithm>

QString PageLines::at(qint32 index) const {
    if (index < 0 || index >= m_starts.size())
        throw Ended();
    const qsizetype start = m_starts.at(index);
    const qsizetype end = index + 1 < m_starts.size() ? m_starts.at(index + 1) : m_text.size();
    return m_text.mid(start, end - start);
}

qint32 PageLines::sourceLine(qint32 index) const {
    const auto after = std::upper_bound(
        m_sourceLines.cbegin(), m_sourceLines.cend(), index,
        [](qint32 value, const std::pair<qint32, qint32>& entry) { return value < entry.first; });
    return after == m_sourceLines.cbegin() ? 0 : std::prev(after)->second;
}

void PageLines::reserve(qsizetype lines, qsizetype chars) {
    m_starts.reserve(lines);
    m_text.reserve(chars);
}

void PageLines::addLine(qint32 sourceLine) {
    if (m_sourceLines.isEmpty() || m_sourceLines.constLast().second != sourceLine)
        m_sourceLines.append({count(), sourceLine});
    m_starts.append(quint32(m_text.size()));
}

void PageLines::dropEmptyLastLine() {
    if (m_starts.isEmpty() || lastStart() != m_text.size())
        return;
    m_starts.removeLast();
    if (m_sourceLines.constLast().first == count())
        m_sourceLines.removeLast();
}

void PageLines::splitLastLine(const QStringList& labels) {
    if (m_starts.isEmpty())
        return;
    const qsizetype start = lastStart();
    const QStringView line = QStringView(m_text).mid(start);
    for (const QString& label : labels) {
        if (line.size() <= label.size() || !line.startsWith(label))
            continue;
        const QChar next = line.at(label.size());
        const bool colon = next == u'：' || next == u':';
        if (!colon && !next.isDigit())
            return;
        const qsizetype valueStart = start + label.size();
        if (colon)
            m_text.remove(valueStart, 1);
        if (valueStart < m_text.size())
            m_starts.append(quint32(valueStart));
        return;
    }
}

bool PageLines::isMatchNumber(const QString& line, qint32 lngLast) {
    bool ok = false;
    const int number = line.toInt(&ok);
    return ok && number >= 1 && number <= lngLast && line == QString::number(number);
}
