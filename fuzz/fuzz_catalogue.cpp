// The maker site's version catalogue (version.dat), as its download decodes it (Shift_JIS). A
// catalogue without its end line gives nothing; what it gives are trimmed, non-empty keys and
// values of single lines, which written out again as a catalogue read back the same.
#include "FuzzSupport.h"

#include "base/ShiftJis.h"
#include "web/VersionCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = ShiftJis::decode(bytesOf(data, size));
    const std::optional<VersionCatalogue::Entries> entries = VersionCatalogue::Read(text);
    FUZZ_CHECK(entries.has_value() == text.contains(QStringLiteral("[VersionEnd]")));
    if (!entries)
        return 0;
    QString written;
    for (const auto& [key, value] : *entries) {
        FUZZ_CHECK(!key.isEmpty() && !value.isEmpty());
        FUZZ_CHECK(key == key.trimmed() && value == value.trimmed());
        FUZZ_CHECK(!key.contains(u'=') && !key.contains(u'\n') && !value.contains(u'\n'));
        written += key + QStringLiteral(" = ") + value + QStringLiteral("\r\n");
    }
    written += QStringLiteral("[VersionEnd]\r\n");
    FUZZ_CHECK(VersionCatalogue::Read(written) == entries);
    return 0;
}
