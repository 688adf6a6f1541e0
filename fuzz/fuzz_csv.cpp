// The singles CSV file, against a plain reader written here from the file format: split into
// lines at CR LF, CR or LF, each line into fields at ",", nine fields make a single when every
// field converts to 0, 1 or 2.
#include "FuzzSupport.h"

#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "base/ValueText.h"
#include "io/clsTFileCSV.h"

#include <optional>
#include <vector>

namespace {

struct Expected {
    qint32 count = 0;
    std::vector<qint32> singles;
};

// Empty when the file must fail to load (a field that does not convert).
std::optional<Expected> referenceRead(const QByteArray& bytes) {
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    Expected expected;
    for (const QByteArray& text : std::as_const(lines)) {
        const QList<QByteArray> fields = text.split(',');
        if (fields.size() != 9)
            continue;
        qint32 number = 0;
        qint32 power = 1;
        bool single = true;
        for (const QByteArray& field : fields) {
            quint8 mark = 0;
            try {
                mark = ValueText::toByte(ShiftJis::decode(field));
            } catch (const RuntimeError&) {
                return std::nullopt;
            }
            single = single && mark <= 2;
            number += mark * power;
            power *= 3;
        }
        if (single)
            expected.singles.push_back(number);
    }
    expected.count = qint32(expected.singles.size());
    expected.singles.resize(std::size_t(lines.size()), 0);
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzPlatform().path(QStringLiteral("in.csv"));
    const QByteArray bytes = bytesOf(data, size);
    writeFile(path, bytes);
    qint32 count = -1;
    std::vector<qint32> singles{7, 8};
    const bool loaded = clsTFileCSV().CsvLoad(path, count, singles);
    const std::optional<Expected> expected = referenceRead(bytes);
    FUZZ_CHECK(loaded == expected.has_value());
    if (!loaded) {
        FUZZ_CHECK(count == -1 && singles == (std::vector<qint32>{7, 8}));
        return 0;
    }
    FUZZ_CHECK(count == expected->count);
    FUZZ_CHECK(singles == expected->singles);
    // What loads, saves and loads back to the same singles.
    const QString saved = fuzzPlatform().path(QStringLiteral("out.csv"));
    FUZZ_CHECK(clsTFileCSV().CsvSave(saved, count, singles));
    qint32 again = -1;
    std::vector<qint32> reloaded;
    FUZZ_CHECK(clsTFileCSV().CsvLoad(saved, again, reloaded));
    FUZZ_CHECK(again == count);
    FUZZ_CHECK(std::vector<qint32>(reloaded.begin(), reloaded.begin() + again) ==
               std::vector<qint32>(singles.begin(), singles.begin() + count));
    return 0;
}
