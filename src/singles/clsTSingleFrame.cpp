#include "singles/clsTSingleFrame.h"

#include "base/RuntimeError.h"
#include "singles/SingleCodec.h"

#include <vector>

clsTSingleFrame::clsTSingleFrame() : m_reporter(QStringLiteral("clsTSingleFrame")) {}

bool clsTSingleFrame::GetSingleFrame(qint32 lngSCount, std::span<const qint32> lngSingle,
                                     SingleFrame& lngSingleFrame) {
    try {
        if (lngSCount < 0 || std::size_t(lngSCount) > lngSingle.size())
            throw RuntimeError::subscriptOutOfRange();
        // A long list holds each of the 19 683 singles many times: count the numbers first and
        // decode each distinct one once. No count can exceed lngSCount.
        std::vector<qint32> perNumber(SingleCodec::SingleCount, 0);
        for (const qint32 number : lngSingle.first(std::size_t(lngSCount))) {
            if (!SingleCodec::isValid(number))
                throw RuntimeError::overflow();
            ++perNumber[number];
        }
        SingleFrame counts{};
        for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
            const qint32 times = perNumber[number];
            if (times == 0)
                continue;
            const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
            for (int k = 0; k < MatchCount; ++k)
                counts[marks[k]][k] += times;
        }
        lngSingleFrame = counts;
        return true;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetSingleFrame"), e);
        return false;
    }
}
