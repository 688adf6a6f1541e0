#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/clsTotoData.h"
#include "web/PageLines.h"
#include "web/PageReadReport.h"
#include "web/clsHtmlGet.h"
#include "web/clsHtmlToto.h"

#include <QString>

class QObject;

// Reads the official page of a mini BIG draw's designated matches and sale dates into a
// ScheduleData. The page is seen only as its body lines, and every value is found by comparing
// whole lines with the site's fixed labels.
class clsHtmlSchedule {
public:
    clsHtmlSchedule();

    bool ProgressOpen() const { return m_htmlGet.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_htmlGet.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_htmlGet.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_htmlGet.SetProgressClose(blnValue); }

    // The last download did not find the draw's page.
    bool Unpublished() const { return m_unpublished; }

    // Downloads and reads the schedule of draw lngKaisaikai (group strKumi, "" for none). True
    // when the page was read; completeness is the caller's to judge. A failed parse leaves an
    // empty record.
    bool GetSchedule(qint32 lngKaisaikai, const QString& strKumi, QObject* objOwnerForm);
    // Reads the schedule of draw lngKaisaikai (group strKumi) from a page given as bytes, with
    // the Content-Type it came with ("" for a saved page: its own charset decides); the same
    // reading as GetSchedule's after its download, with the same result and record.
    bool ReadPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                  const QString& contentType);
    ScheduleData Schedule() const { return m_schedule; }
    // The last page showed the site's notice that the draw's page cannot be shown.
    bool NoticeShown() const { return m_noticeShown; }
    // The last download, from the program's own schedule address, brought an answer that was
    // not a success, or a page with neither the draw's heading nor the site's notice: the
    // site may have moved the page.
    bool PageMayHaveMoved() const { return m_pageMayHaveMoved; }
    // What the last page read leaves for a failure message.
    const PageReadReport& Report() const { return m_report; }

private:
    // Walks the body lines into work; false for a page that cannot be taken. Conversion errors
    // throw RuntimeError; lines missing after a label or match number throw PageLines::Ended.
    bool readLines(const PageLines& lines, qint32 lngKaisaikai, const QString& strKumi,
                   ScheduleData& work, bool& headerFound);
    // Reads the match row whose number stands at line i, moving i onto its last line; false for
    // a row that cannot be taken. Conversion errors throw as for readLines.
    bool readMatch(const PageLines& lines, qint32& i, qint32 lngKaisaikai, ScheduleData& work,
                   int year, bool& match9Read);

    clsHtmlGet m_htmlGet;
    clsHtmlToto m_toto;
    clsTotoData m_totoData;
    ScheduleData m_schedule;
    bool m_unpublished = false;
    bool m_noticeShown = false;
    bool m_pageMayHaveMoved = false;
    PageReadReport m_report;
    ErrorReporter m_reporter;
};
