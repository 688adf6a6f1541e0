#pragma once

#include "documents/DrawDocumentController.h"
#include "drawdata/ResultData.h"
#include "drawdata/clsXmlResult.h"
#include "web/clsHtmlResult.h"

#include <QString>

// Obtains a draw's result: from its stored file, or else from the official site after asking
// the user; stores a complete downloaded result once and explains a failure.
class clsResult : public DrawDocumentController<ResultData, clsXmlResult> {
public:
    clsResult();

    bool CheckResultFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the result obtained is complete; Result() holds it either way.
    bool GetResult(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    ResultData Result() const;
    // The result from a page of the official site saved by the browser, as GetResult takes a
    // downloaded one.
    bool ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page);

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    // Complete: a draw number, teams, scores of at most 30 and marks of at most 3 for all nine
    // matches, and unless the draw was cancelled a prize table without negative values, the
    // payout dates and the sale totals.
    static bool IsComplete(const ResultData& data);
    // The first field, as the page names it, that keeps data from being complete; "" for none.
    static QString MissingField(const ResultData& data);

private:
    Downloaded download(qint32 lngKaisaikai, const QString& strKumi,
                        const QByteArray* savedPage) override;
    // True when every played match's mark agrees with its score, or the user, shown the matches
    // that disagree, chooses to store the result anyway (default No).
    static bool marksAgreeOrKept(const ResultData& data);

    clsHtmlResult m_html;
};
