// The stored vote-status document.
#include "DocumentCheck.h"

#include "drawdata/clsXmlVote.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const VoteData held = [] {
        VoteData record;
        record.Kaisaikai = 1234;
        record.Matches[0].Home = QStringLiteral("浦和");
        return record;
    }();
    checkDocument<clsXmlVote>(data, size, held);
    return 0;
}
