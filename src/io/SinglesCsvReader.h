#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

// A line of a singles file that holds no single: not nine fields, or a mark that is not 0, 1 or 2.
struct SkippedCsvLine {
    qint64 number = 0; // 1-based, counting every line of the file
    QString text;      // as read (Shift_JIS), cut at SinglesCsvReader::KeptSkippedChars
    bool operator==(const SkippedCsvLine&) const = default;
};

// What a singles file holds.
struct SinglesCsvContent {
    std::vector<qint32> singles; // the valid singles in file order
    qint64 lineCount = 0;        // every line, the empty ones too
    qint64 skippedCount = 0;     // lines with text that gave no single
    // The first KeptSkippedLines of the skipped lines; an empty or blank line is never skipped.
    std::vector<SkippedCsvLine> skipped;
    // Whether any line held more than blanks: a file without such a line is an empty list.
    bool hasNonEmptyLine = false;
};

// Reads singles files without a message: the caller decides what to tell. A line of nine fields
// "1,0,2,1,1,0,0,2,1" (blanks around a field allowed) is a single; a line end is CR LF, CR or LF,
// and text after the last line end is a line too. A field of nine that does not convert to a
// number 0..255 (empty, letters, too large) throws RuntimeError (13 or 6), as do a missing file
// (53), a read failure and a file changed while it is read (75).
class SinglesCsvReader {
public:
    static constexpr int KeptSkippedLines = 100;
    static constexpr int KeptSkippedChars = 200;

    // A file read calls `counted` with the number of lines once the first pass has counted them,
    // before the second pass opens the file again, and `advanced` with the lines read so far
    // after every 1001 lines of the second pass. Either may be empty.
    struct Progress {
        std::function<void(qint64 lines)> counted;
        std::function<void(qint64 linesRead)> advanced;
    };

    static SinglesCsvContent read(QByteArrayView bytes);
    // fullPath is an absolute path. The file is read in blocks, never as a whole.
    static SinglesCsvContent readFile(const QString& fullPath, const Progress& progress = {});
};
