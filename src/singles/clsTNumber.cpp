#include "singles/clsTNumber.h"

#include "base/RuntimeError.h"
#include "singles/SingleCodec.h"

#include <type_traits>

namespace {

constexpr std::size_t List2Size = 18;
constexpr std::size_t List3Size = 144;

void requireSize(std::size_t size, std::size_t needed) {
    if (size < needed)
        throw RuntimeError::subscriptOutOfRange();
}

// Runs one conversion; a run-time error is reported under the procedure's name.
template <typename Work>
bool reporting(const ErrorReporter& reporter, const QString& procedure, const Work& work) {
    try {
        work();
        return true;
    } catch (const RuntimeError& e) {
        reporter.runtimeError(procedure, e);
        return false;
    }
}

} // namespace

clsTNumber::clsTNumber() : m_reporter(QStringLiteral("clsTNumber")) {
    qint32 power = 1;
    for (qint32& p : m_power) {
        p = power;
        power *= 3;
    }
}

template <typename Mark> void clsTNumber::decode(qint32 lngNo, std::span<Mark> marks) const {
    requireSize(marks.size(), MatchCount);
    if (!SingleCodec::isValid(lngNo))
        throw RuntimeError::overflow();
    // From the highest digit down.
    for (int k = MatchCount - 1; k >= 0; --k) {
        marks[k] = Mark(lngNo / m_power[k]);
        lngNo %= m_power[k];
    }
}

template <typename Mark> qint32 clsTNumber::encode(std::span<const Mark> marks) const {
    requireSize(marks.size(), MatchCount);
    qint32 number = 0;
    for (int k = 0; k < MatchCount; ++k) {
        // Any other value would make a number that is no single.
        bool valid = marks[k] <= 2;
        if constexpr (std::is_signed_v<Mark>)
            valid = valid && marks[k] >= 0;
        if (!valid)
            throw RuntimeError::overflow();
        number += qint32(marks[k]) * m_power[k];
    }
    return number;
}

bool clsTNumber::NoToByte(qint32 lngNo, std::span<quint8> bytKousei) {
    return reporting(m_reporter, QStringLiteral("NoToArray"), [&] { decode(lngNo, bytKousei); });
}

bool clsTNumber::NoToLong(qint32 lngNo, std::span<qint32> lngKousei) {
    return reporting(m_reporter, QStringLiteral("NoToArray_Long"),
                     [&] { decode(lngNo, lngKousei); });
}

bool clsTNumber::ByteToNo(std::span<const quint8> bytKousei, qint32& lngNo) {
    return reporting(m_reporter, QStringLiteral("ArrayToNo"), [&] { lngNo = encode(bytKousei); });
}

bool clsTNumber::LongToNo(std::span<const qint32> lngKousei, qint32& lngNo) {
    return reporting(m_reporter, QStringLiteral("ArrayToNo_Long"),
                     [&] { lngNo = encode(lngKousei); });
}

void clsTNumber::fill2List(qint32 lngNo, std::span<qint32> lngList) const {
    requireSize(lngList.size(), List2Size);
    std::array<qint32, MatchCount> marks{};
    decode(lngNo, std::span<qint32>(marks));
    std::size_t next = 0;
    for (int k = 0; k < MatchCount; ++k)
        for (qint32 x = 0; x <= 2; ++x)
            if (x != marks[k])
                lngList[next++] = lngNo + (x - marks[k]) * m_power[k];
}

void clsTNumber::fill3List(qint32 lngNo, std::span<qint32> lngList) const {
    requireSize(lngList.size(), List3Size);
    std::array<qint32, MatchCount> marks{};
    decode(lngNo, std::span<qint32>(marks));
    std::size_t next = 0;
    for (int k1 = 0; k1 < MatchCount - 1; ++k1)
        for (int k2 = k1 + 1; k2 < MatchCount; ++k2)
            for (qint32 x = 0; x <= 2; ++x)
                for (qint32 y = 0; y <= 2; ++y)
                    if (x != marks[k1] && y != marks[k2])
                        lngList[next++] =
                            lngNo + (x - marks[k1]) * m_power[k1] + (y - marks[k2]) * m_power[k2];
}

bool clsTNumber::Get2List(qint32 lngNo, std::span<qint32> lngList) {
    return reporting(m_reporter, QStringLiteral("Get2List_Sub"),
                     [&] { fill2List(lngNo, lngList); });
}

bool clsTNumber::Get3List(qint32 lngNo, std::span<qint32> lngList) {
    return reporting(m_reporter, QStringLiteral("Get3List_Sub"),
                     [&] { fill3List(lngNo, lngList); });
}

bool clsTNumber::Get12List(qint32 lngNo, std::span<qint32> lngList) {
    return reporting(m_reporter, QStringLiteral("Get2List_Sub"), [&] {
        requireSize(lngList.size(), 1 + List2Size);
        lngList[0] = lngNo;
        fill2List(lngNo, lngList.subspan(1));
    });
}

bool clsTNumber::Get123List(qint32 lngNo, std::span<qint32> lngList) {
    return reporting(m_reporter, QStringLiteral("Get3List_Sub"), [&] {
        requireSize(lngList.size(), 1 + List2Size + List3Size);
        lngList[0] = lngNo;
        fill2List(lngNo, lngList.subspan(1));
        fill3List(lngNo, lngList.subspan(1 + List2Size));
    });
}
