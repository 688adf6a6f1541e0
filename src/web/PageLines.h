#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <utility>

// The body lines of a fetched page as the official-site readers walk them, indexed from 0. The
// lines are held compactly, as one text and where each line starts in it, since a hostile page
// may have a line between every two tags. Each line also knows the line of the page's source on
// which it begins, so that a reader can say where it stopped.
//
// Reading outside the lines throws Ended, so a page that ends early fails its parse instead of
// being read past its end. A page cut short is a failed download, not a fault of the program:
// the readers turn Ended into a plain failure, which the user learns of from the download's
// failure message.
class PageLines {
public:
    // The page ended before the reader was done with it.
    struct Ended : std::exception {
        const char* what() const noexcept override { return "the page ended early"; }
    };

    qint32 count() const { return qint32(m_starts.size()); }
    // Throws Ended outside 0 to count − 1.
    QString at(qint32 index) const;
    // The line of the page source (from 1) on which line index begins; the last line's for an
    // index past the end, 0 when the page has no lines.
    qint32 sourceLine(qint32 index) const;

    // Building: room for up to lines lines of chars characters in all (so that the lines never
    // grow by copying), a new empty line beginning on the given source line, more text at the
    // end of the last one.
    void reserve(qsizetype lines, qsizetype chars);
    void addLine(qint32 sourceLine);
    void extendLastLine(QChar c) { m_text += c; }
    // Takes back the last line when it is empty: the readers see no empty lines.
    void dropEmptyLastLine();
    // Makes a last line that begins with one of labels and goes on with a colon or a digit
    // ("販売期間：2021年…", "払戻期限2021/03/09(火)") two lines, the label and its value, as
    // when they stand in cells of their own; a label followed by a colon alone loses the colon.
    void splitLastLine(const QStringList& labels);

    // True when the line is one of "1", "2", … up to the text of lngLast.
    static bool isMatchNumber(const QString& line, qint32 lngLast);

private:
    qsizetype lastStart() const { return m_starts.isEmpty() ? 0 : m_starts.constLast(); }

    QString m_text;
    QList<quint32> m_starts;
    // (first line index, source line) wherever the source line changes from the line before.
    QList<std::pair<qint32, qint32>> m_sourceLines;
};
