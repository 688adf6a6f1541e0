#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ResultData.h"
#include "drawdata/clsToto.h"
#include "web/PageLines.h"
#include "web/PageReadReport.h"
#include "web/clsHtmlGet.h"
#include "web/clsHtmlToto.h"

#include <QString>

class QObject;

// Reads the official page that lists the results of every BIG-family product of a draw: finds
// the mini BIG section (the whole draw or one group) and reads its prize table, sale totals and
// dates, and the nine match results into a ResultData.
class clsHtmlResult {
public:
    clsHtmlResult();

    bool ProgressOpen() const { return m_htmlGet.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_htmlGet.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_htmlGet.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_htmlGet.SetProgressClose(blnValue); }

    // The last download found no mini BIG result for the draw.
    bool Unpublished() const { return m_unpublished; }

    // Downloads and reads the result of draw lngKaisaikai (group strKumi, "" for none). A page
    // without prize table or with fewer match rows still succeeds with what it gave.
    bool GetResult(qint32 lngKaisaikai, const QString& strKumi, QObject* objOwnerForm);
    // Reads the result of draw lngKaisaikai (group strKumi) from a page given as bytes, with
    // the Content-Type it came with ("" for a saved page: its own charset decides); the same
    // reading as GetResult's after its download, with the same result and record.
    bool ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                  const QString& contentType);
    ResultData Result() const { return m_result; }
    // What the last page read leaves for a failure message.
    const PageReadReport& Report() const { return m_report; }

private:
    // Moves lngIndex to the first line from it equal to strLabel; false, index unchanged, when
    // there is none.
    static bool findLabel(const PageLines& lines, qint32& lngIndex, const QString& strLabel);
    // The lines of the values of labels, searched from lngIndex: below a heading row of the
    // labels (the k lines after the last label), or each right after its own label. lngIndex
    // moves past the last value; false, index unchanged, when the last label is missing.
    static bool findValues(const PageLines& lines, qint32& lngIndex, const QStringList& labels,
                           QList<qint32>& valueLines);
    // Walks the lines into work; false for a page that cannot be taken (another draw's, a mark
    // that is not 0, 1 or 2). Run-time errors throw, and so does a page that ends inside a row
    // (PageLines::Ended).
    bool readLines(const PageLines& lines, qint32 lngKaisaikai, const QString& strKumi,
                   ResultData& work, bool& headerFound);
    // From the header line i on: the prize table with the sale totals and dates, when there is
    // one; false when a label is missing (the walk ends there). i comes back after the table.
    bool readPrizes(const PageLines& lines, qint32& i, ResultData& work);
    bool readPrizeTable(const PageLines& lines, qint32& i, ResultData& work);
    // The nine match rows from line i on; false for a played match whose mark is not 0, 1 or 2.
    bool readMatches(const PageLines& lines, qint32 i, ResultData& work);

    clsHtmlGet m_htmlGet;
    clsHtmlToto m_toto;
    clsToto m_lottery;
    ResultData m_result;
    bool m_unpublished = false;
    bool m_saysCancelled = false; // the page says the draw was cancelled
    PageReadReport m_report;
    ErrorReporter m_reporter;
};
