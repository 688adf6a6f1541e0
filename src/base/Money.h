#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

// A fixed-point amount with four decimals (a 64-bit count of 1/10 000 yen). Also used for vote
// and winner counts. Arithmetic that leaves the range throws RuntimeError::overflow().
class Money {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 raw) {
        Money m;
        m.m_raw = raw;
        return m;
    }
    static Money fromYen(qint64 yen);
    // Rounded to four decimals, halves to even; NaN or out of range throws.
    static Money fromDouble(double value);
    // The plain decimal text ("1234567", "-45.67", "1,234.5", " 12 "); more than four decimals
    // are rounded half to even. Throws typeMismatch for other text, overflow out of range.
    static Money parse(const QString& text);

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Integer part, toward zero.
    constexpr qint64 wholeYen() const { return m_raw / Scale; }
    constexpr bool isZero() const { return m_raw == 0; }

    // "1234567", "45.67", "-0.5": no grouping, no trailing zeros.
    QString toString() const;

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator*(qint64 factor) const;
    Money operator-() const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }

    // clang-tidy 14 takes the defaulted comparison's 0 for a null pointer.
    constexpr auto operator<=>(const Money&) const = default; // NOLINT(modernize-use-nullptr)

private:
    qint64 m_raw = 0;
};
