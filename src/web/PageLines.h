#pragma once

#include <QString>
#include <QStringList>

// The body lines of a fetched page as the official-site readers walk them, indexed from 0.
// Reading outside the lines is a run-time error, so a page that ends early fails its parse
// instead of being read past its end.
class PageLines {
public:
    explicit PageLines(QStringList lines) : m_lines(std::move(lines)) {}

    qint32 count() const { return qint32(m_lines.size()); }
    // Throws RuntimeError::subscriptOutOfRange() outside 0 to count − 1.
    const QString& at(qint32 index) const;

    // True when the line is one of "1", "2", … up to the text of lngLast.
    static bool isMatchNumber(const QString& line, qint32 lngLast);

private:
    QStringList m_lines;
};
