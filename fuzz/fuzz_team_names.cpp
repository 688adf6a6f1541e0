// The check a downloaded overseas team-name file must pass before it replaces the installed one.
// Whatever it accepts reads back through the program's own reader of the file as that version,
// holds nothing the reader would drop, and is exactly the announced, newer version.
#include "FuzzSupport.h"

#include "base/ShiftJis.h"
#include "base/clsIniFile.h"
#include "drawdata/TeamNameFileCheck.h"

namespace {

void checkAccepted(const QByteArray& input, qint32 version) {
    FUZZ_CHECK(input.size() <= TeamNameFileCheck::MaxBytes);
    const QString text = ShiftJis::decode(input);
    // Windows-31J writes some characters two ways (the NEC-selected and the IBM rows): the text
    // survives a rewrite, though the bytes need not.
    FUZZ_CHECK(ShiftJis::decode(ShiftJis::encode(text)) == text);
    FUZZ_CHECK(!text.contains(QChar(u'\0')) && text.contains(QStringLiteral("[End]")));
    clsIniFile file;
    file.InitializeFromText(text);
    FUZZ_CHECK(TeamNameFileCheck::VersionNumber(
                   file.GetItem(QStringLiteral("Version"), QString()) + u'.' +
                   file.GetItem(QStringLiteral("Revision"), QString())) == version);
    QString name;
    QString value;
    for (const QString& line : text.split(u'\n'))
        FUZZ_CHECK(clsIniFile::ReadLine(line, name, value) != clsIniFile::LineKind::Dropped ||
                   line.trimmed() == QStringLiteral("[End]"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzPlatform();
    const QByteArray input = bytesOf(data, size);
    // The file's own version, when it has one, is the one a catalogue would announce.
    const qint32 version = TeamNameFileCheck::Check(input, 0, 0).version;
    const TeamNameFileCheck::Verdict verdict =
        TeamNameFileCheck::Check(input, version - 1, version);
    FUZZ_CHECK(verdict.accepted() || !verdict.refusal.isEmpty());
    if (verdict.accepted()) {
        FUZZ_CHECK(verdict.version == version);
        checkAccepted(input, version);
    }
    // Never the same or an older version, never another than the announced one.
    FUZZ_CHECK(!TeamNameFileCheck::Check(input, version, version).accepted());
    FUZZ_CHECK(!TeamNameFileCheck::Check(input, version - 1, version + 1).accepted());
    return 0;
}
