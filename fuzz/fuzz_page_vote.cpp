// The vote status page reader, fed through the stand-in transfer, for draw 1234 with the
// schedule of the test pages. A failed read hands back the empty record; a read record keeps the
// schedule's teams and is stored again to the same bytes.
#include "PageCheck.h"

#include "drawdata/clsXmlVote.h"
#include "web/clsHtmlVote.h"

namespace {

ScheduleData schedule() {
    const QStringList teams = QStringLiteral("鹿島 清水 浦和 Ｇ大阪 川崎Ｆ 名古屋 横浜FM Ｃ大阪 "
                                             "神戸 広島 鳥栖 福岡 磐田 大分 横浜FC 徳島 仙台 湘南")
                                  .split(u' ');
    ScheduleData data;
    data.Kaisaikai = 1234;
    for (int m = 0; m < MatchCount; ++m) {
        MatchInfo& match = data.Matches[size_t(m)];
        match.Home = teams[2 * m];
        match.Away = teams[2 * m + 1];
        match.MatchDate = DateTime::fromDate(QDate(2021, 3, m < 4 ? 6 : 7));
        match.StartTime = DateTime::fromTime(QTime(14, 0));
        match.Stadium = QStringLiteral("競技場") + QString::number(m + 1);
        match.State = QStringLiteral("VS");
    }
    data.SaleStart = DateTime::fromDateTime(QDate(2021, 3, 1), QTime(19, 0));
    data.SaleEnd = DateTime::fromDateTime(QDate(2021, 3, 6), QTime(13, 50));
    data.ResultDate = DateTime::fromDate(QDate(2021, 3, 8));
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScheduleData planned = schedule();
    installTeamNames();
    StandInTransfer::setPage(bytesOf(data, size));
    // One reader for the run: a reader reads the team-name files when it is made, and each
    // download starts it afresh.
    static clsHtmlVote reader;
    bool final = false;
    const bool read = reader.GetVote(1234, planned, nullptr, final);
    FUZZ_CHECK(StandInTransfer::downloads() == 1);
    const VoteData record = reader.Vote();
    if (!read) {
        FUZZ_CHECK(record == VoteData());
        return 0;
    }
    FUZZ_CHECK(!reader.Unpublished());
    QStringList texts;
    for (size_t m = 0; m < record.Matches.size(); ++m) {
        FUZZ_CHECK(record.Matches[m].Home == planned.Matches[m].Home);
        FUZZ_CHECK(record.Matches[m].Away == planned.Matches[m].Away);
        texts << record.Matches[m].Home << record.Matches[m].Away;
    }
    checkStored<clsXmlVote>(record, texts);
    return 0;
}
