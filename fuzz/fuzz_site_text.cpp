// The conversions of the official site's line texts: draw numbers, money, dates and stamps.
#include "FuzzSupport.h"

#include "base/RuntimeError.h"
#include "web/clsHtmlToto.h"

#include <cmath>

namespace {

// A converted date is "not set" or a real day of the calendar.
void checkDate(DateTime date) {
    FUZZ_CHECK(std::isfinite(date.value()));
    if (!date.isNull())
        FUZZ_CHECK(date.date().isValid());
}

void checkTexts(const clsHtmlToto& toto, const QString& text, const QStringList& lines) {
    qint32 kaisai = -7;
    try {
        if (toto.Kaisaikai(text, kaisai))
            FUZZ_CHECK(text.startsWith(u'第') && text.contains(u'回'));
        else
            FUZZ_CHECK(kaisai == -7);
    } catch (const RuntimeError&) {
    }
    kaisai = -7;
    try {
        if (!toto.GetKaisaikai(text, kaisai, QStringLiteral("mini")))
            FUZZ_CHECK(kaisai == -7 || text.contains(QStringLiteral("mini")));
    } catch (const RuntimeError&) {
    }
    for (qint32 pos = 0; pos < lines.size();) {
        const qint32 before = pos;
        const bool named = !toto.GetGameType(lines, pos).isEmpty();
        FUZZ_CHECK(pos == before + (named ? 1 : 0));
        pos = before + 1;
    }
    Money count;
    Money rate;
    try {
        toto.GetValue2(text, count, rate);
    } catch (const RuntimeError&) {
    }
    const Money money = toto.StringToCurrency(text);
    bool hasDigit = false;
    for (const QChar c : text)
        hasDigit = hasDigit || c.isDigit();
    FUZZ_CHECK(hasDigit || money.isZero());
    checkDate(toto.StringToDate(text));
    checkDate(toto.StringToDateEx(text));
    checkDate(toto.StringToDateEx2(text));
    DateTime first;
    DateTime second;
    toto.DateString2(text, first, second);
    checkDate(first);
    checkDate(second);
    toto.GetStringToDate2(text, first, second);
    checkDate(first);
    checkDate(second);
    bool final = false;
    if (toto.GetStringToDateNow(text, first, final))
        checkDate(first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzPlatform();
    static const clsHtmlToto toto;
    const QString text = QString::fromUtf8(bytesOf(data, size));
    checkTexts(toto, text, text.split(u'\n'));
    return 0;
}
