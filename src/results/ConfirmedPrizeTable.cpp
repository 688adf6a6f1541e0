#include "results/ConfirmedPrizeTable.h"

#include "base/NumberFormat.h"
#include "base/RuntimeError.h"

namespace ConfirmedPrizeTable {

QString valueText(Money value) {
    if (value <= Money())
        return QStringLiteral("0 ");
    return NumberFormat::format(value, QStringLiteral("#,##0")) + u' ';
}

Money times(Money amount, Money count) {
    // Whole counts are the rule; the decimals of a count are added on separately so that the
    // product of the raw values cannot overflow for any amount the table can show.
    const Money whole = amount * count.wholeYen();
    qint64 fraction = 0;
    if (__builtin_mul_overflow(amount.raw(), count.raw() % Money::Scale, &fraction))
        throw RuntimeError::overflow();
    return whole + Money::fromRaw(fraction / Money::Scale);
}

Texts texts(const ResultData& result,
            const std::array<qint32, clsTResultCheck::GradeCount>& gradeCounts) {
    std::array<std::array<Money, ValueColumns>, ValueRows> values{};
    auto& totals = values[ResultData::GradeCount];
    for (std::size_t g = 0; g < std::size_t(ResultData::GradeCount); ++g) {
        const Money own = Money::fromYen(gradeCounts[g]);
        values[g] = {result.Prize[g], result.Winners[g], result.CarryOver[g], own,
                     times(result.Prize[g], own)};
        totals[0] += times(result.Prize[g], result.Winners[g]);
        for (std::size_t c = 1; c < std::size_t(ValueColumns); ++c)
            totals[c] += values[g][c];
    }
    Texts out;
    bool anyValue = false;
    for (std::size_t r = 0; r < std::size_t(ValueRows); ++r) {
        for (std::size_t c = 0; c < std::size_t(ValueColumns); ++c) {
            anyValue = anyValue || values[r][c] > Money();
            out[r][c] = valueText(values[r][c]);
        }
    }
    if (!anyValue)
        out = Texts{};
    return out;
}

} // namespace ConfirmedPrizeTable
