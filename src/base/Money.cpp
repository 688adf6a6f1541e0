#include "base/Money.h"

#include "base/RuntimeError.h"

#include <cmath>
#include <limits>

namespace {

qint64 roundHalfEven(long double v) {
    long double floorV = std::floor(v);
    long double diff = v - floorV;
    qint64 result;
    if (diff > 0.5L)
        result = static_cast<qint64>(floorV) + 1;
    else if (diff < 0.5L)
        result = static_cast<qint64>(floorV);
    else
        result = static_cast<qint64>(floorV) + (static_cast<qint64>(floorV) % 2 != 0 ? 1 : 0);
    return result;
}

} // namespace

Money Money::fromYen(qint64 yen) {
    qint64 raw;
    if (__builtin_mul_overflow(yen, Scale, &raw))
        throw RuntimeError::overflow();
    return fromRaw(raw);
}

Money Money::fromDouble(double value) {
    if (std::isnan(value))
        throw RuntimeError::overflow();
    // long double keeps the scaled value exact enough to see true halves.
    const long double scaled = static_cast<long double>(value) * Scale;
    constexpr long double limit = 9.2233720368547758e18L;
    if (!(scaled > -limit && scaled < limit))
        throw RuntimeError::overflow();
    return fromRaw(roundHalfEven(scaled));
}

Money Money::parse(const QString& input) {
    QString text = input.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.startsWith(u'-');
        text = text.mid(1).trimmed();
    }
    // Digits with optional grouping commas before the point, then optional decimals.
    qint64 whole = 0;
    bool anyDigit = false;
    qsizetype i = 0;
    for (; i < text.size() && text[i] != u'.'; ++i) {
        const QChar c = text[i];
        if (c == u',' && anyDigit)
            continue;
        if (c < u'0' || c > u'9')
            throw RuntimeError::typeMismatch();
        anyDigit = true;
        if (__builtin_mul_overflow(whole, 10, &whole) ||
            __builtin_add_overflow(whole, c.unicode() - u'0', &whole))
            throw RuntimeError::overflow();
    }
    qint64 fraction = 0; // in 1/10 000
    int fractionDigits = 0;
    int roundDigit = -1;
    bool stickyBeyond = false;
    if (i < text.size()) {
        for (++i; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c < u'0' || c > u'9')
                throw RuntimeError::typeMismatch();
            anyDigit = true;
            const int d = c.unicode() - u'0';
            if (fractionDigits < 4) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (roundDigit < 0) {
                roundDigit = d;
            } else if (d != 0) {
                stickyBeyond = true;
            }
        }
    }
    if (!anyDigit)
        throw RuntimeError::typeMismatch();
    for (; fractionDigits < 4; ++fractionDigits)
        fraction *= 10;
    qint64 raw;
    if (__builtin_mul_overflow(whole, Scale, &raw) || __builtin_add_overflow(raw, fraction, &raw))
        throw RuntimeError::overflow();
    if (roundDigit > 5 || (roundDigit == 5 && (stickyBeyond || raw % 2 != 0))) {
        if (__builtin_add_overflow(raw, 1, &raw))
            throw RuntimeError::overflow();
    }
    return fromRaw(negative ? -raw : raw);
}

QString Money::toString() const {
    const bool negative = m_raw < 0;
    // Unsigned arithmetic keeps the most negative value printable.
    const quint64 magnitude = negative ? quint64(0) - static_cast<quint64>(m_raw)
                                       : static_cast<quint64>(m_raw);
    QString text = QString::number(magnitude / Scale);
    quint64 fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

Money Money::operator+(Money other) const {
    qint64 raw;
    if (__builtin_add_overflow(m_raw, other.m_raw, &raw))
        throw RuntimeError::overflow();
    return fromRaw(raw);
}

Money Money::operator-(Money other) const {
    qint64 raw;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &raw))
        throw RuntimeError::overflow();
    return fromRaw(raw);
}

Money Money::operator*(qint64 factor) const {
    qint64 raw;
    if (__builtin_mul_overflow(m_raw, factor, &raw))
        throw RuntimeError::overflow();
    return fromRaw(raw);
}

Money Money::operator-() const {
    if (m_raw == std::numeric_limits<qint64>::min())
        throw RuntimeError::overflow();
    return fromRaw(-m_raw);
}
