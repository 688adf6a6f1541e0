#include "singles/SingleCodec.h"

#include "base/RuntimeError.h"

#include <vector>

namespace {

// All 19 683 mark arrays, decoded once from the highest digit down.
const std::vector<SingleCodec::Marks>& table() {
    static const std::vector<SingleCodec::Marks> decoded = [] {
        std::vector<SingleCodec::Marks> all(SingleCodec::SingleCount);
        for (qint32 number = 0; number < SingleCodec::SingleCount; ++number) {
            qint32 rest = number;
            qint32 power = SingleCodec::SingleCount / 3;
            for (int k = MatchCount - 1; k >= 0; --k) {
                all[number][k] = quint8(rest / power);
                rest %= power;
                power /= 3;
            }
        }
        return all;
    }();
    return decoded;
}

} // namespace

namespace SingleCodec {

const Marks& marks(qint32 lngNo) {
    if (!isValid(lngNo))
        throw RuntimeError::overflow();
    return table()[lngNo];
}

const Marks& marksUnchecked(qint32 lngNo) {
    return table()[lngNo];
}

qint32 encode(const Marks& bytKousei) {
    qint32 number = 0;
    qint32 power = 1;
    for (int k = 0; k < MatchCount; ++k) {
        if (bytKousei[k] > 2)
            throw RuntimeError::overflow();
        number += bytKousei[k] * power;
        power *= 3;
    }
    return number;
}

} // namespace SingleCodec
