#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "drawdata/clsTotoData.h"
#include "web/PageLines.h"
#include "web/PageReadReport.h"
#include "web/clsHtmlGet.h"
#include "web/clsHtmlToto.h"

#include <QList>
#include <QString>

class QObject;

// Reads the official vote status (投票状況) of the toto draw with the same number and fills a
// VoteData for the nine mini BIG matches: each match of the draw's schedule takes the votes of
// the toto match with the same home and away team, however the page writes their names.
class clsHtmlVote {
public:
    clsHtmlVote();

    bool ProgressOpen() const { return m_htmlGet.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_htmlGet.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_htmlGet.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_htmlGet.SetProgressClose(blnValue); }

    // The last download found no vote status for the draw.
    bool Unpublished() const { return m_unpublished; }

    // `schedule` is the draw's complete schedule, which the caller has read from its stored
    // file: it gives the teams, dates and start times of the nine matches. blnFinal comes back
    // true when the figures are those taken at the end of sale.
    bool GetVote(qint32 lngKaisaikai, const ScheduleData& schedule, QObject* objOwnerForm,
                 bool& blnFinal);
    // Reads the vote status of draw lngKaisaikai from a page given as bytes, with the
    // Content-Type it came with ("" for a saved page: its own charset decides); the same reading
    // as GetVote's after its download, with the same result, record and blnFinal.
    bool ReadPage(qint32 lngKaisaikai, const ScheduleData& schedule, const QByteArray& page,
                  const QString& contentType, bool& blnFinal);
    VoteData Vote() const { return m_vote; }
    // The mini BIG matches (1 to 9) of the last page read that found no toto match with their
    // home and away team; they have no figures.
    const QList<qint32>& Unpaired() const { return m_unpaired; }
    // What the last page read leaves for a failure message.
    const PageReadReport& Report() const { return m_report; }

    // The toto draw has up to 13 matches.
    static constexpr qint32 TotoMatchCount = 13;

private:
    struct TotoMatch {
        QString Home;
        QString Away;
        std::array<OutcomeVote, 3> Outcomes{};
    };
    using TotoTable = std::array<TotoMatch, TotoMatchCount>;

    // Walks the lines; false for a page that cannot be taken. Run-time errors throw, and so does
    // a page that ends inside a row (PageLines::Ended).
    bool readLines(const PageLines& lines, VoteData& work, TotoTable& toto, DateTime& saleEnd,
                   bool& stampFound, bool& blnFinal);
    // Reads the match row that begins at line i, if one does, moving i onto its last line;
    // false for a row that cannot be taken.
    bool readRow(const PageLines& lines, qint32& i, int year, TotoTable& toto);
    // Gives the mini BIG matches the schedule's dates and teams and the figures of their toto
    // matches; returns the matches that found none.
    QList<qint32> pair(VoteData& work, const ScheduleData& schedule, const TotoTable& toto,
                       qint32 lngKaisaikai) const;

    clsHtmlGet m_htmlGet;
    clsHtmlToto m_toto;
    VoteData m_vote;
    QList<qint32> m_unpaired;
    bool m_unpublished = false;
    clsTotoData m_totoData;
    PageReadReport m_report;
    ErrorReporter m_reporter;
};
