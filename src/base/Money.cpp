#include "base/Money.h"

#include "base/RuntimeError.h"

#include <cmath>
#include <limits>

Money Money::fromYen(qint64 yen) {
    qint64 raw;
    if (__builtin_mul_overflow(yen, Scale, &raw))
        throw RuntimeError::overflow();
    return fromRaw(raw);
}

Money Money::fromDouble(double value) {
    // Scaled in double arithmetic, as the system's conversion does, so that 0.00125 is the
    // half 12.5 and goes to 12.
    const double scaled = std::nearbyint(value * Scale);
    constexpr double limit = 9223372036854775808.0;
    if (!(scaled >= -limit && scaled < limit))
        throw RuntimeError::overflow();
    return fromRaw(static_cast<qint64>(scaled));
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
    // The magnitude may reach 2^63 when the value is negative.
    const quint64 limit = negative ? quint64(1) << 63 : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude;
    if (__builtin_mul_overflow(quint64(whole), quint64(Scale), &magnitude) ||
        __builtin_add_overflow(magnitude, quint64(fraction), &magnitude))
        throw RuntimeError::overflow();
    if (roundDigit > 5 || (roundDigit == 5 && (stickyBeyond || magnitude % 2 != 0)))
        ++magnitude;
    if (magnitude > limit)
        throw RuntimeError::overflow();
    return fromRaw(negative ? static_cast<qint64>(quint64(0) - magnitude)
                            : static_cast<qint64>(magnitude));
}

QString Money::toString() const {
    const bool negative = m_raw < 0;
    // Unsigned arithmetic keeps the most negative value printable.
    const quint64 magnitude =
        negative ? quint64(0) - static_cast<quint64>(m_raw) : static_cast<quint64>(m_raw);
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
