#pragma once

#include "base/ErrorReporter.h"
#include "base/clsFileSystemObject.h"
#include "io/SinglesCsvReader.h"

#include <QString>
#include <span>
#include <vector>

// The singles CSV file: one single per line as its nine marks "1,0,2,1,1,0,0,2,1", CR LF after
// every line, no header. Saves and loads show the wait cursor and a progress window and let
// pending window events run every 1001 lines.
class clsTFileCSV {
public:
    clsTFileCSV();

    // Writes the first lngSCount singles. The file is replaced only when every line was written;
    // a failure is reported (run-time error, "CsvSave_Sub") and leaves the previous file as it
    // was. True when saved.
    bool CsvSave(const QString& strFileName, qint32 lngSCount, std::span<const qint32> lngSingle);

    // Reads the file. lngSingle gets one position per line of the file, the valid singles from
    // position 0 in file order and zeros behind them; lngSCount the number of valid singles.
    // Lines that are not nine fields, or whose fields are not all 0, 1 or 2, are skipped. A
    // missing or unreadable file or a field that does not convert is reported (run-time error,
    // "CsvLoad_Sub") and leaves both outputs unchanged. True when loaded; `skipped`, when given,
    // then says which lines gave no single, for the caller to tell the user.
    struct Skipped {
        qint64 count = 0;                  // lines with text that gave no single
        std::vector<SkippedCsvLine> first; // the first of them, with their numbers
        bool anyText = false;              // whether any line held more than blanks
    };
    bool CsvLoad(const QString& strFileName, qint32& lngSCount, std::vector<qint32>& lngSingle,
                 Skipped* skipped = nullptr);

    // "Tovmi-" + the draw number with at least three digits + the group + ".csv".
    QString GetCsvFileName(qint32 lngKaisaikai, const QString& strKumi) const;
    // The draw number in a file name such as Tovmi-012.csv, X077.csv or 123.csv; 0 when the
    // name holds none.
    qint32 GetKaisaikai(const QString& strPath) const;

private:
    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
};
