#pragma once

#include "documents/DrawDocumentController.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/clsXmlSchedule.h"
#include "web/clsHtmlSchedule.h"

#include <QList>
#include <QString>

class QObject;

// Obtains a draw's schedule: from its stored file, or else from the official site after asking
// the user; stores a complete downloaded schedule once, explains a failure, marks draws as "not
// held" and lists the draws that have a stored schedule.
class clsSchedule : public DrawDocumentController<ScheduleData, clsXmlSchedule> {
public:
    clsSchedule();

    bool CheckScheduleFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the schedule obtained is complete; Schedule() holds it either way.
    bool GetSchedule(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    ScheduleData Schedule() const;
    // The schedule from a page of the official site saved by the browser, as GetSchedule takes
    // a downloaded one (a schedule entered by hand is replaced by it).
    bool ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page);
    // The last get operation read the "not held" marker.
    bool NoGame() const;

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    // Writes the "not held" marker after asking, when no schedule file exists.
    bool XmlSave_NoGame(qint32 lngKaisaikai, const QString& strKumi);
    // Deletes the draw's schedule file after asking.
    bool XmlDelete_NoGame(qint32 lngKaisaikai, const QString& strKumi);
    // The draw numbers of the stored schedules, ascending (a draw stored with and without group
    // counts twice); returns how many there are.
    qint32 GetScheduleNo(QList<qint32>& lngNo) const;

    // Complete: a draw number, all nine matches with teams, stadium and date, and for a draw
    // held normally its sale and result dates.
    static bool IsComplete(const ScheduleData& data);
    // The first field, as the page names it, that keeps data from being complete; "" for none.
    static QString MissingField(const ScheduleData& data);

private:
    Downloaded download(qint32 lngKaisaikai, const QString& strKumi,
                        const QByteArray* savedPage) override;

    clsHtmlSchedule m_html;
    bool m_noGame = false;
};
