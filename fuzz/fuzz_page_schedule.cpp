// The schedule page reader, fed through the stand-in transfer. A failed read hands back the empty
// record, never part of the page; a read record keeps the lines' text form and is stored again
// to the same bytes.
#include "PageCheck.h"

#include "drawdata/clsXmlSchedule.h"
#include "web/clsHtmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    installTeamNames();
    StandInTransfer::setPage(bytesOf(data, size));
    // One reader for the run: a reader reads the team-name files when it is made, and each
    // download starts it afresh.
    static clsHtmlSchedule reader;
    const bool read = reader.GetSchedule(1234, QString(), nullptr);
    FUZZ_CHECK(StandInTransfer::downloads() == 1);
    const ScheduleData record = reader.Schedule();
    if (!read) {
        FUZZ_CHECK(record == ScheduleData());
        return 0;
    }
    FUZZ_CHECK(!reader.Unpublished());
    QStringList texts;
    for (const MatchInfo& match : record.Matches)
        texts << match.Home << match.Away << match.Stadium << match.State;
    for (const QString& text : std::as_const(texts))
        FUZZ_CHECK(isLineText(text));
    checkStored<clsXmlSchedule>(record, texts);
    return 0;
}
