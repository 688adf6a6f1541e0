#pragma once

#include "base/DateTime.h"
#include "documents/DrawDocumentController.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "drawdata/clsXmlVote.h"
#include "web/clsHtmlVote.h"

#include <QList>
#include <QString>

// Obtains a draw's vote status: from its stored file, or else from the official site after
// asking the user. Only the figures taken at the end of sale with every match paired are stored,
// once; figures taken during the sale or with a match missing are handed out but not kept. Also
// reads a legacy vote file.
class clsVote : public DrawDocumentController<VoteData, clsXmlVote> {
public:
    clsVote();

    bool CheckVoteFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the vote status obtained is complete; Vote() holds it either way.
    bool GetVote(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    VoteData Vote() const;
    // The vote status from a page of the official site saved by the browser, as GetVote takes
    // a downloaded one (paired with the stored schedule, kept only when final and paired).
    bool ReadSavedPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page);

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    // Reads the legacy file "vote_" + draw (three digits at least) + "_" + yyyy-MM-dd of the
    // end of sale + ".xml" from the program folder into Vote().
    bool GetOldVoteFile(qint32 lngKaisaikai, const DateTime& SEndTime);

    // Complete: a draw number, an as-of date, and a date and both teams for all nine matches.
    static bool IsComplete(const VoteData& data);
    // The first field, as the page names it, that keeps data from being complete; "" for none.
    static QString MissingField(const VoteData& data);

private:
    Downloaded download(qint32 lngKaisaikai, const QString& strKumi,
                        const QByteArray* savedPage) override;
    // Tells the user which matches found no toto match on the vote page, so that a team name
    // written differently there can be added and the download tried again.
    static void reportUnpaired(const VoteData& data, const QList<qint32>& unpaired);
    // The votes are paired with the matches of the draw's complete stored schedule: without
    // one nothing is downloaded.
    bool storedSchedule(qint32 lngKaisaikai, const QString& strKumi, ScheduleData& schedule) const;

    clsHtmlVote m_html;
};
