// The HTML tokenizer and the body text lines that the official-site readers see.
#include "FuzzSupport.h"

#include "web/clsHtmlData.h"
#include "web/clsHtmlGet.h"

namespace {

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20)
            return true;
    return false;
}

void checkTokens(const QString& html) {
    clsHtmlData data;
    const qint32 count = data.GetHtmlData(html);
    const QList<HtmlToken> tokens = data.Tokens();
    FUZZ_CHECK(count == tokens.size());
    for (const HtmlToken& token : tokens) {
        FUZZ_CHECK(!hasControlCharacter(token.text));
        FUZZ_CHECK(!token.text.startsWith(u' ') && !token.text.endsWith(u' '));
        FUZZ_CHECK(!token.text.isEmpty());
        FUZZ_CHECK(token.isTag || !token.isEndTag);
        if (token.isTag && !token.isComment) {
            FUZZ_CHECK(token.text.startsWith(u'<'));
            FUZZ_CHECK(token.lastPartIndex == token.parts.size() - 1 || token.parts.isEmpty());
        }
    }
}

void checkLines(const QByteArray& input) {
    const QString path = fuzzPlatform().path(QStringLiteral("page.html"));
    writeFile(path, input);
    clsHtmlGet page;
    const qint32 count = page.GetFile(path);
    QStringList lines;
    const qint32 lineCount = page.GetTextData(lines);
    FUZZ_CHECK(lineCount == lines.size());
    FUZZ_CHECK(page.Token(0).text.isEmpty() && page.Token(count + 1).text.isEmpty());
    for (const QString& line : std::as_const(lines)) {
        FUZZ_CHECK(!line.contains(u' ') && !line.contains(QChar(0x3000)) && !line.contains(u'\t'));
        FUZZ_CHECK(!hasControlCharacter(line));
    }
    page.GetHtmlTitle();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzPlatform();
    const QByteArray input = bytesOf(data, size);
    // The site's pages arrive as UTF-8; stored pages are read as Shift_JIS.
    checkTokens(QString::fromUtf8(input));
    checkLines(input);
    return 0;
}
