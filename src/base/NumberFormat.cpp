#include "base/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace {

struct Pattern {
    bool grouping = false;
    int minIntegerDigits = 0;
    int decimals = 0;
};

Pattern parsePattern(const QString& text) {
    Pattern p;
    const qsizetype point = text.indexOf(u'.');
    const QString integerPart = point < 0 ? text : text.left(point);
    p.grouping = integerPart.contains(u',');
    p.minIntegerDigits = int(integerPart.count(u'0'));
    p.decimals = point < 0 ? 0 : int(text.mid(point + 1).count(u'0'));
    return p;
}

// digits: a plain decimal magnitude "123.4567"; rounds it half away from zero to decimals.
QString roundDecimalText(const QString& digits, int decimals) {
    const qsizetype point = digits.indexOf(u'.');
    QString whole = point < 0 ? digits : digits.left(point);
    QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    const bool roundUp = fraction.size() > decimals && fraction.at(decimals) >= u'5';
    fraction = fraction.left(decimals).leftJustified(decimals, u'0');
    QString all = whole + fraction;
    if (roundUp) {
        qsizetype i = all.size() - 1;
        for (; i >= 0; --i) {
            if (all[i] == u'9') {
                all[i] = u'0';
            } else {
                all[i] = QChar(char16_t(all[i].unicode() + 1));
                break;
            }
        }
        if (i < 0)
            all.prepend(u'1');
    }
    whole = all.left(all.size() - decimals);
    fraction = all.right(decimals);
    return decimals > 0 ? whole + u'.' + fraction : whole;
}

// The magnitude with fifteen significant digits, written out in plain positional form.
QString fifteenDigits(double magnitude) {
    const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde+XX
    const qsizetype ePos = e.indexOf(u'e');
    const QString mantissa = e.left(1) + e.mid(2, ePos - 2);
    const int exponent = e.mid(ePos + 1).toInt();
    if (exponent < 0)
        return QStringLiteral("0.") + QString(-exponent - 1, u'0') + mantissa;
    if (exponent + 1 >= mantissa.size())
        return mantissa + QString(exponent + 1 - mantissa.size(), u'0');
    return mantissa.left(exponent + 1) + u'.' + mantissa.mid(exponent + 1);
}

QString layout(bool negative, const QString& rounded, const Pattern& p) {
    const qsizetype point = rounded.indexOf(u'.');
    QString whole = point < 0 ? rounded : rounded.left(point);
    const QString fraction = point < 0 ? QString() : rounded.mid(point);
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole == QStringLiteral("0") && p.minIntegerDigits == 0)
        whole.clear();
    whole = whole.rightJustified(p.minIntegerDigits, u'0');
    if (p.grouping) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, u',');
    }
    QString text = whole + fraction;
    // A value that rounds to zero loses its sign.
    const bool allZero = std::all_of(text.cbegin(), text.cend(),
                                     [](QChar c) { return c == u'0' || c == u'.' || c == u','; });
    return negative && !allZero ? u'-' + text : text;
}

} // namespace

namespace NumberFormat {

QString format(double value, const QString& pattern) {
    const Pattern p = parsePattern(pattern);
    if (!std::isfinite(value))
        return QString::number(value);
    const QString digits = fifteenDigits(std::fabs(value));
    return layout(value < 0, roundDecimalText(digits, p.decimals), p);
}

QString format(qint64 value, const QString& pattern) {
    const Pattern p = parsePattern(pattern);
    const quint64 magnitude =
        value < 0 ? quint64(0) - static_cast<quint64>(value) : static_cast<quint64>(value);
    return layout(value < 0, roundDecimalText(QString::number(magnitude), p.decimals), p);
}

QString format(Money value, const QString& pattern) {
    const Pattern p = parsePattern(pattern);
    QString text = value.toString();
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    return layout(negative, roundDecimalText(text, p.decimals), p);
}

} // namespace NumberFormat
