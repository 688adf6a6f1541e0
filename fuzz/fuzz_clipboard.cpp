// The clipboard import, against a plain reader written here from the text form: per line (CR LF
// or LF), blanks removed, the text after the first ":" when there is one, and nine digits 0 to 2
// make a single. The row text that the export writes reads back to the same singles.
#include "FuzzSupport.h"

#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"

#include <cstring>
#include <vector>

namespace {

std::vector<qint32> referenceRead(const QString& text) {
    std::vector<qint32> singles;
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            if (line.endsWith(u'\r'))
                line.chop(1);
            lines.append(line);
            line.clear();
        } else {
            line.append(text[i]);
        }
    }
    lines.append(line);
    for (QString entry : std::as_const(lines)) {
        entry.remove(u' ');
        const qsizetype colon = entry.indexOf(u':');
        if (colon >= 0)
            entry = entry.mid(colon + 1);
        if (entry.size() != 9)
            continue;
        qint32 number = 0;
        for (qsizetype k = 8; k >= 0; --k) {
            const char16_t c = entry[k].unicode();
            if (c < u'0' || c > u'2') {
                number = -1;
                break;
            }
            number = number * 3 + (c - u'0');
        }
        if (number >= 0)
            singles.push_back(number);
    }
    return singles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzPlatform();
    // Clipboard text is any Unicode text: the bytes are read as UTF-16.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * sizeof(QChar));
    std::vector<qint32> imported{5};
    const qint32 count = clsTClipImport().Import(clsTClipImport::ClipboardText, text, imported);
    FUZZ_CHECK(count == qint32(imported.size()));
    FUZZ_CHECK(imported == referenceRead(text));
    std::vector<qint32> none{5};
    FUZZ_CHECK(clsTClipImport().Import(1, text, none) == 0 && none.empty());
    if (!imported.empty() && imported.size() <= std::size_t(clsTClipboard::MaxSingles)) {
        const QString rows = clsTClipboard::RowText(count, imported);
        FUZZ_CHECK(clsTClipImport::ReadText(rows) == imported);
    }
    return 0;
}
