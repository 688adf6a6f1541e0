// The settings files: the name = value reader, the program settings and the URL settings.
// A file loads, saves, reloads and saves again to the same bytes.
#include "FuzzSupport.h"

#include "base/OfficialUrlSettings.h"
#include "base/ProgramSettings.h"
#include "base/ShiftJis.h"
#include "base/clsIniFile.h"

namespace {

void checkEntries(const QByteArray& input) {
    clsIniFile ini;
    ini.InitializeFromText(ShiftJis::decode(input));
    for (qint32 i = 1; i <= ini.Count(); ++i) {
        const auto& [name, value] = ini.Item(i);
        FUZZ_CHECK(!name.isEmpty() && !value.isEmpty());
        FUZZ_CHECK(name == name.trimmed() && value == value.trimmed());
        FUZZ_CHECK(!name.contains(u'=') && !name.contains(u'\n') && !value.contains(u'\n'));
        FUZZ_CHECK(!name.startsWith(u';') && !name.startsWith(QStringLiteral("//")));
        FUZZ_CHECK(ini.ItemExists(name));
    }
}

void checkProgramSettings(const QByteArray& input) {
    const QString path = fuzzPlatform().path(ProgramSettings::fileName());
    writeFile(path, input);
    ProgramSettings::Load().Save();
    const QByteArray saved = readFile(path);
    const ProgramSettings reloaded = ProgramSettings::Load();
    reloaded.Save();
    FUZZ_CHECK(readFile(path) == saved);
    const ProgramSettings again = ProgramSettings::Load();
    FUZZ_CHECK(again.Kaisaikai == reloaded.Kaisaikai &&
               again.DownloadMessage == reloaded.DownloadMessage &&
               again.ResultAll == reloaded.ResultAll);
}

void checkUrlSettings(const QByteArray& input) {
    const QString path = fuzzPlatform().path(OfficialUrlSettings::fileName());
    writeFile(path, input);
    OfficialUrlSettings::Load();
    OfficialUrlSettings::Save();
    const QByteArray saved = readFile(path);
    OfficialUrlSettings::Load();
    OfficialUrlSettings::Save();
    FUZZ_CHECK(readFile(path) == saved);
    FUZZ_CHECK(OfficialUrlSettings::current().Version >= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzPlatform();
    const QByteArray input = bytesOf(data, size);
    checkEntries(input);
    checkProgramSettings(input);
    checkUrlSettings(input);
    return 0;
}
