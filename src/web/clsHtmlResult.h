#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ResultData.h"
#include "drawdata/clsToto.h"
#include "web/PageLines.h"
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

private:
    // Moves lngIndex to the first line from it equal to strLabel; false, index unchanged, when
    // there is none.
    static bool findLabel(const PageLines& lines, qint32& lngIndex, const QString& strLabel);
    // Walks the lines into work; run-time errors throw, and so does a page that ends inside a
    // row (PageLines::Ended).
    void readLines(const PageLines& lines, const QString& strKumi, ResultData& work,
                   bool& headerFound) const;

    clsHtmlGet m_htmlGet;
    clsHtmlToto m_toto;
    clsToto m_lottery;
    QString m_urlBase;
    ResultData m_result;
    bool m_unpublished = false;
    ErrorReporter m_reporter;
};
