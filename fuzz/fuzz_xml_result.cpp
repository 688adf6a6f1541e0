// The stored result document.
#include "DocumentCheck.h"

#include "drawdata/clsXmlResult.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ResultData held = [] {
        ResultData record;
        record.Kaisaikai = 1234;
        record.Matches[4].Home = QStringLiteral("鹿島");
        return record;
    }();
    checkDocument<clsXmlResult>(data, size, held);
    return 0;
}
