#pragma once

#include "base/DateTime.h"
#include "base/ErrorReporter.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "drawdata/clsXmlVote.h"
#include "web/clsHtmlVote.h"

#include <QString>

class QObject;

// Obtains a draw's vote status: from its stored file, or else from the official site after
// asking the user. Only the figures taken at the end of sale are stored, once; figures taken
// during the sale are handed out but not kept. Also reads a legacy vote file.
class clsVote {
public:
    // Bits of DType.
    static constexpr qint32 ReadFile = 1;
    static constexpr qint32 Download = 2; // when nothing was read

    clsVote();

    void Initialize(QObject* objOwnerForm);

    bool CheckVoteFile(qint32 lngKaisaikai, const QString& strKumi) const;
    // True when the vote status obtained is complete; Vote() holds it either way.
    bool GetVote(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion);
    VoteData Vote() const;
    bool Cancel() const;
    bool Unpublished() const;

    bool ProgressOpen() const { return m_html.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_html.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_html.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_html.SetProgressClose(blnValue); }

    void FalseDialog(qint32 lngKaisaikai) const;

    // Reads the legacy file "vote_" + draw (three digits at least) + "_" + yyyy-MM-dd of the
    // end of sale + ".xml" from the program folder into Vote().
    bool GetOldVoteFile(qint32 lngKaisaikai, const DateTime& SEndTime);

    // Complete: a draw number, an as-of date, and a date and both teams for all nine matches.
    static bool IsComplete(const VoteData& data);

private:
    bool ready(const QString& operation) const;
    // The votes are paired with the matches of the draw's complete stored schedule: without
    // one nothing is downloaded.
    bool storedSchedule(qint32 lngKaisaikai, const QString& strKumi, ScheduleData& schedule) const;
    void SaveDownloaded(const VoteData& data);

    clsXmlVote m_xml;
    clsHtmlVote m_html;
    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
    QObject* m_owner = nullptr;
    bool m_ready = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    VoteData m_vote;
};
