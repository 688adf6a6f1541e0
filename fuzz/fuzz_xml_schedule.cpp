// The stored schedule document.
#include "DocumentCheck.h"

#include "drawdata/clsXmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScheduleData held = [] {
        ScheduleData record;
        record.Kaisaikai = 1234;
        record.SaleStart = DateTime::fromValue(45000.5);
        record.Matches[0].Home = QStringLiteral("浦和");
        record.Matches[8].Away = QStringLiteral("鹿島");
        return record;
    }();
    checkDocument<clsXmlSchedule>(data, size, held);
    return 0;
}
