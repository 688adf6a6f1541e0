#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ScheduleData.h"

#include <QString>

// The stored schedule of one draw: holds a ScheduleData, writes it as the draw's schedule file
// and reads it back, and writes or deletes the "not held" marker file. Every operation reports
// its own failures and returns false; a failed load leaves the held record as it was.
class clsXmlSchedule {
public:
    clsXmlSchedule();

    QString GetFileName(qint32 lngKaisaikai, const QString& strKumi) const;
    bool XmlSave(const QString& strPath);
    bool XmlLoad(const QString& strPath);
    bool XmlSave_NoGame(qint32 lngKaisaikai, const QString& strKumi);
    bool XmlDelete_NoGame(qint32 lngKaisaikai, const QString& strKumi);

    ScheduleData Data() const { return m_data; }
    void SetData(const ScheduleData& data) { m_data = data; }

private:
    ScheduleData m_data;
    ErrorReporter m_reporter;
};
