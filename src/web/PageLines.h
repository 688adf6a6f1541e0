#pragma once

#include <QList>
#include <QString>
#include <exception>

// The body lines of a fetched page as the official-site readers walk them, indexed from 0. The
// lines are held compactly, as one text and where each line starts in it, since a hostile page
// may have a line between every two tags.
//
// Reading outside the lines throws Ended, so a page that ends early fails its parse instead of
// being read past its end. A page cut short is a failed download, not a fault of the program:
// the readers turn Ended into a plain failure, which the user learns of from the download's
// failure message alone.
class PageLines {
public:
    // The page ended before the reader was done with it.
    struct Ended : std::exception {
        const char* what() const noexcept override { return "the page ended early"; }
    };

    qint32 count() const { return qint32(m_starts.size()); }
    // Throws Ended outside 0 to count − 1.
    QString at(qint32 index) const;

    // Building: room for up to lines lines of chars characters in all (so that the lines never
    // grow by copying), a new empty line, more text at the end of the last one.
    void reserve(qsizetype lines, qsizetype chars);
    void addLine() { m_starts.append(quint32(m_text.size())); }
    void extendLastLine(QChar c) { m_text += c; }

    // True when the line is one of "1", "2", … up to the text of lngLast.
    static bool isMatchNumber(const QString& line, qint32 lngLast);

private:
    QString m_text;
    QList<quint32> m_starts;
};
