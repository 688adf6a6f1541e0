// The result page reader, fed through the stand-in transfer, for the whole draw and for a group.
// A failed read hands back the empty record; a read record keeps the lines' text form and is
// stored again to the same bytes.
#include "PageCheck.h"

#include "drawdata/clsXmlResult.h"
#include "web/clsHtmlResult.h"

namespace {

void checkRead(const QString& group) {
    clsHtmlResult reader;
    const bool read = reader.GetResult(1234, group, nullptr);
    FUZZ_CHECK(StandInTransfer::downloads() >= 1);
    const ResultData record = reader.Result();
    if (!read) {
        FUZZ_CHECK(record == ResultData());
        return;
    }
    FUZZ_CHECK(!reader.Unpublished());
    FUZZ_CHECK(!record.isEmpty());
    QStringList texts{record.Kumi};
    for (const ResultMatch& match : record.Matches) {
        FUZZ_CHECK(isLineText(match.Home) && isLineText(match.Away));
        texts << match.Home << match.Away;
    }
    checkStored<clsXmlResult>(record, texts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    installTeamNames();
    StandInTransfer::setPage(bytesOf(data, size));
    checkRead(QString());
    checkRead(QStringLiteral("A"));
    return 0;
}
