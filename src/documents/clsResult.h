#pragma once

#include "base/ErrorReporter.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/ResultData.h"
#include "drawdata/clsXmlResult.h"
#include "web/clsHtmlResult.h"

#include <QString>

class QObject;

// Obtains a draw's result: from its stored file, or else from the official site after asking
// the user; stores a complete downloaded result once and explains a failure.
class clsResult {
public:
    // Bits of DType.
    static constexpr qint32 ReadFile = 1;
    static constexpr qint32 Download = 2; // when nothing was read

    clsResult();

    void Initialize(QObject* objOwnerForm);

    bool CheckResultFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the result obtained is complete; Result() holds it either way.
    bool GetResult(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    ResultData Result() const;
    bool Cancel() const;
    bool Unpublished() const;

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    void FalseDialog(qint32 lngKaisaikai) const;

    // Complete: a draw number, teams, scores of at most 30 and marks of at most 3 for all nine
    // matches, and unless the draw was cancelled a prize table without negative values, the
    // payout dates and the sale totals.
    static bool IsComplete(const ResultData& data);

private:
    bool ready(const QString& operation) const;
    void SaveDownloaded(const ResultData& data);

    clsXmlResult m_xml;
    clsHtmlResult m_html;
    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
    QObject* m_owner = nullptr;
    bool m_ready = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    ResultData m_result;
};
