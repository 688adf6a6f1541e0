#pragma once

#include "base/ErrorReporter.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/clsXmlSchedule.h"
#include "web/clsHtmlSchedule.h"

#include <QList>
#include <QString>

class QObject;

// Obtains a draw's schedule: from its stored file, or else from the official site after asking
// the user; stores a complete downloaded schedule once, explains a failure, marks draws as "not
// held" and lists the draws that have a stored schedule.
class clsSchedule {
public:
    // Bits of DType.
    static constexpr qint32 ReadFile = 1;
    static constexpr qint32 Download = 2; // when nothing was read

    clsSchedule();

    // Binds the window that owns the connection window and makes the controller ready.
    void Initialize(QObject* objOwnerForm);

    bool CheckScheduleFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the schedule obtained is complete; Schedule() holds it either way.
    bool GetSchedule(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    ScheduleData Schedule() const;
    // Flags of the last get operation.
    bool Cancel() const;
    bool Unpublished() const;
    bool NoGame() const;

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    // Tells the user why the last get operation obtained nothing (nothing when it was declined).
    void FalseDialog(qint32 lngKaisaikai) const;

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

private:
    bool ready(const QString& operation) const;
    void SaveDownloaded(const ScheduleData& data);

    clsXmlSchedule m_xml;
    clsHtmlSchedule m_html;
    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
    QObject* m_owner = nullptr;
    bool m_ready = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    bool m_noGame = false;
    ScheduleData m_schedule;
};
