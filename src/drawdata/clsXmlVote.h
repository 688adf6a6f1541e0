#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/VoteData.h"

#include <QString>

class DrawDocumentWriter;

// The stored vote status of one draw: holds a VoteData, turns it into document text and back,
// and stores it as the draw's vote file. Failures are reported here and give false; a failed
// read leaves the held record as it was.
class clsXmlVote {
public:
    clsXmlVote();

    QString GetFileName(qint32 lngKaisaikai, const QString& strKumi) const;
    // The document text; without header it is only the <投票状況> element.
    QString GetXmlString(bool blnHeader) const;
    bool SetXmlString(const QString& strXML, bool blnHeader);
    bool XmlSave(const QString& strPath);
    bool XmlLoad(const QString& strPath);

    VoteData Data() const { return m_data; }
    void SetData(const VoteData& data) { m_data = data; }

private:
    DrawDocumentWriter buildText(bool blnHeader) const;

    VoteData m_data;
    ErrorReporter m_reporter;
};
