#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ResultData.h"

#include <QString>

// The stored result of one draw: holds a ResultData and writes and reads the draw's result
// file. Failures are reported here and give false; a failed load leaves the held record as it
// was.
class clsXmlResult {
public:
    clsXmlResult();

    QString GetFileName(qint32 lngKaisaikai, const QString& strKumi) const;
    bool XmlSave(const QString& strPath);
    bool XmlLoad(const QString& strPath);

    ResultData Data() const { return m_data; }
    void SetData(const ResultData& data) { m_data = data; }

    // "一等" ... "六等" for grades 1 to 6; only the first three take part while there are three
    // grades. Throws RuntimeError::subscriptOutOfRange() for other grades.
    static QString GradeName(qint32 lngGrade);

private:
    ResultData m_data;
    ErrorReporter m_reporter;
};
