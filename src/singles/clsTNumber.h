#pragma once

#include "base/ErrorReporter.h"

#include <QtGlobal>
#include <array>
#include <span>

// Converts single numbers to their nine marks and back, and lists the neighbours of a single
// (the singles one or two marks away) in a fixed order. The caller dimensions every array; an
// array too short, a number outside 0..19682 or a mark other than 0, 1, 2 is reported as a
// run-time error and the call returns False, its output possibly partly written.
class clsTNumber {
public:
    clsTNumber();

    bool NoToByte(qint32 lngNo, std::span<quint8> bytKousei);
    bool NoToLong(qint32 lngNo, std::span<qint32> lngKousei);
    bool ByteToNo(std::span<const quint8> bytKousei, qint32& lngNo);
    bool LongToNo(std::span<const qint32> lngKousei, qint32& lngNo);

    // The 18 singles that differ at exactly one match: match by match, the other marks in
    // ascending order.
    bool Get2List(qint32 lngNo, std::span<qint32> lngList);
    // The 144 singles that differ at exactly two matches: pairs of matches in order, then the
    // other marks of the first match, then of the second.
    bool Get3List(qint32 lngNo, std::span<qint32> lngList);
    // lngNo itself, then Get2List (19 entries).
    bool Get12List(qint32 lngNo, std::span<qint32> lngList);
    // lngNo itself, then Get2List, then Get3List (163 entries).
    bool Get123List(qint32 lngNo, std::span<qint32> lngList);

private:
    template <typename Mark> void decode(qint32 lngNo, std::span<Mark> marks) const;
    template <typename Mark> qint32 encode(std::span<const Mark> marks) const;
    void fill2List(qint32 lngNo, std::span<qint32> lngList) const;
    void fill3List(qint32 lngNo, std::span<qint32> lngList) const;

    std::array<qint32, 10> m_power{};
    ErrorReporter m_reporter;
};
